#include "JourneyFixture.h"
#include "company/CompanyInfoViewController.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "market/Market.h"
#include "market/MarketInfoViewController.h"
#include "net/AnswerReader.h"
#include "news/HeadNewsViewController.h"
#include "news/NewsListView.h"
#include "portfolio/Holdings.h"
#include "portfolio/PortfolioScreens.h"
#include "portfolio/PortfolioSection.h"
#include "portfolio/WatchListViewController.h"
#include "server/QueryParser.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "store/myDb.h"
#include "world/ACBGoldViewController.h"
#include "world/ExchangeViewController.h"
#include "world/GoodsViewController.h"
#include "world/WorldStockViewController.h"

#include <QLineEdit>

using reliability::JourneyScreen;

// One journey a screen: a thousand refreshes through the bad spell, then a clean minute.
class LiveScreenJourney : public reliability::JourneyTest {
protected:
    /// The service's first companies of an exchange, listed in the store as the full update does.
    std::vector<sim::Company> listCompanies(int stockId, std::size_t count) {
        std::vector<sim::Company> listed;
        for (const sim::Company& company : service().market().companies()) {
            if (company.stockId == stockId && listed.size() < count) {
                app().db()->updateCompanyList(QString::number(stockId), QString::number(tradingDay()),
                                              QString::number(company.id), QString::fromStdString(company.code),
                                              QString::fromStdString(company.name));
                listed.push_back(company);
            }
        }
        return listed;
    }

    void logInAsDemo() {
        app().mainViewController()->goLogin();
        shell::LoginViewController& login = *app().loginViewController();
        login.uname()->setText(QStringLiteral("demo"));
        login.pass()->setText(QStringLiteral("demo"));
        login.sendLogin();
        ASSERT_TRUE(waitForAlert(QStringLiteral("Đăng nhập thành công.")));
        alerts().press(0);
    }

    /// The prices of the category's quotes as the service answers them now.
    QStringList servicePrices(const QString& categoryId) {
        const auto request = sim::requestFromTarget("/KTRPW/Portfolio.aspx?portfolioid=" + categoryId.toStdString() +
                                                    "&session=" + app().session().toStdString());
        const net::Answer answer = net::readAnswer(QByteArray::fromStdString(service().handle(*request).body));
        QStringList prices;
        for (const net::RecordView& record : answer.recordsWithFieldCount(kQuoteFields)) {
            prices.append(record.text(kPriceField));
        }
        return prices;
    }

    static constexpr int kQuoteFields = 17;
    static constexpr int kPriceField = 4;

    /// A live screen pushed; its first refresh switches live mode on.
    template <typename Screen> JourneyScreen live(const QString& name) {
        return pushed(name, *app().cachedScreen<Screen>());
    }
};

TEST_F(LiveScreenJourney, Overview) {
    app().setBRealTime(true);
    runJourney(pushed(QStringLiteral("overview"), *app().cachedScreen<market::MarketInfoViewController>()));
}

TEST_F(LiveScreenJourney, CompanyList) {
    listCompanies(company::CompanyInfoViewController::kHoSE, 30);
    auto& list = *app().cachedScreen<company::CompanyInfoViewController>();
    list.setMarketStockId(company::CompanyInfoViewController::kHoSE);
    list.setInfoDay(tradingDay());
    list.setIsRealtime(true);
    runJourney(pushed(QStringLiteral("company list"), list));
}

TEST_F(LiveScreenJourney, CompanyRealTime) {
    const sim::Company company = listCompanies(2, 1).front();
    auto& screen = *app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    screen.setCode(QString::fromStdString(company.code));
    screen.set_id(QString::number(company.id));
    runJourney(pushed(QStringLiteral("company real-time"), screen));
}

TEST_F(LiveScreenJourney, WorldIndices) {
    runJourney(live<world::WorldStockViewController>(QStringLiteral("world indices")));
}

TEST_F(LiveScreenJourney, Gold) {
    runJourney(live<world::ACBGoldViewController>(QStringLiteral("gold")));
}

TEST_F(LiveScreenJourney, Commodities) {
    runJourney(live<world::GoodsViewController>(QStringLiteral("commodities")));
}

TEST_F(LiveScreenJourney, ExchangeRates) {
    runJourney(live<world::ExchangeViewController>(QStringLiteral("exchange rates")));
}

// The headlines have no live mode: each refresh is the user's reload.
TEST_F(LiveScreenJourney, HeadlineNews) {
    auto& screen = *app().cachedScreen<news::HeadNewsViewController>();
    JourneyScreen journey = pushed(QStringLiteral("headline news"), screen);
    journey.refresh = [&screen] {
        screen.reload();
    };
    runJourney(journey);
}

TEST_F(LiveScreenJourney, WatchList) {
    for (const sim::Company& company : listCompanies(2, 5)) {
        app().db()->addWatchList(QString::number(company.id), QString::fromStdString(company.code));
    }
    app().mainViewController()->openSection(QStringLiteral("btTheodoi"));
    auto& screen = *app().cachedScreen<portfolio::WatchListViewController>();
    runJourney(tracked(QStringLiteral("watch list"), screen));
}

// The demo user's first category on holdings screen 1, whose reload asks for its quotes.
TEST_F(LiveScreenJourney, Holdings) {
    listCompanies(1, 1000);
    listCompanies(2, 1000);
    logInAsDemo();
    QStringList names;
    QStringList ids;
    app().db()->getDirList(names, ids);
    ASSERT_FALSE(ids.isEmpty());
    portfolio::registerPortfolioScreens(app());
    portfolio::PortfolioScreen& screen = *portfolio::holdingsScreen(app(), 1);
    screen.setCategory(ids.first(), names.first());
    JourneyScreen journey = pushed(QStringLiteral("holdings"), screen);
    journey.refresh = [&screen] {
        screen.reload();
    };
    journey.shown = [&screen] {
        QStringList prices;
        for (const portfolio::HoldingRow& row : screen.model().rows()) {
            prices.append(row.quotePrice);
        }
        return prices;
    };
    journey.expected = [this, &screen] {
        return servicePrices(screen.pId());
    };
    runJourney(journey);
}
