#pragma once

#include <QDir>
#include <QString>

#include <functional>

class QWidget;

namespace company {
class CompanyFinancialNewsViewController;
class CompanyInfoViewController;
class CompanyRealTimeViewcontroller;
} // namespace company
namespace market {
class MarketInfoViewController;
}
namespace shell {
class QRMInfoAppDelegate;
}
namespace ui {
class ViewController;
}
namespace world {
class GoldScreen;
class PriceListScreen;
} // namespace world

namespace app {

/// A headless walk through the program for demos and checks: it answers the start-up questions,
/// runs the full update, logs in as the demo user and saves a picture of every screen.
class Tour final {
public:
    Tour(shell::QRMInfoAppDelegate& app, QWidget& window, const QString& folder);

    /// Runs the walk; an empty text on success, else what went wrong.
    QString run();

private:
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
    bool waitForAlert(const QString& message, int timeoutMs);
    void snap(const QString& name);
    QString walkStartAndUpdate();
    QString walkAccount();
    QString walkMarket();
    /// The movers of the results screen's day; walked last, so the earlier pictures keep their
    /// numbers.
    QString walkMovers();
    QString walkCompanies(market::MarketInfoViewController& overview);
    QString refreshCompanyList(company::CompanyInfoViewController& list, const QString& name);
    void walkSettingsAndMenu();
    QString walkWorld();
    QString walkGold();
    /// The bank gold screen again once the exchange rates are stored, with its premium over the
    /// world price; walked last, as the movers.
    QString walkGoldPremium();
    QString walkPrices();
    /// Clicks a section of the main menu; true when it brought `expected` up.
    bool openSection(const QString& objectName, ui::ViewController* expected);
    QString refreshPriceList(world::PriceListScreen& list, const QString& name);
    QString refreshGold(world::GoldScreen& gold, const QString& name);
    QString walkCompanyTabs(company::CompanyRealTimeViewcontroller& quote);
    QString refreshFinance(company::CompanyFinancialNewsViewController& finance);
    QString snapFinanceOfLayout(company::CompanyRealTimeViewcontroller& quote, int layoutId, const QString& name);
    QString walkHeadlines();
    /// Adds the first rows of a company list to the watch list, as a user does with "+ TD".
    void watchFirstCompanies(company::CompanyInfoViewController& list, int count);
    QString walkPortfolio();
    /// Pictures with each colour option on, then the options as they were.
    QString walkColourOptions();
    /// The overview chart under the mouse and a sorted, filtered company list.
    QString walkInsight();
    void setColourOptions(bool boardColours, bool colourSafe);
    QString snapMarketInColours(const QString& suffix, bool withOverview);

    shell::QRMInfoAppDelegate& m_app;
    QWidget& m_window;
    QDir m_folder;
    int m_counter = 0;
    bool m_warningsShown = false;
    /// The first picture that could not be written: the walk goes on, but does not succeed.
    QString m_unsaved;
};

} // namespace app
