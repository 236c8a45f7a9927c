#pragma once

#include "market/MarketResultLayout.h"
#include "shell/ContextMenuParent.h"
#include "ui/ViewController.h"

#include <QStringList>

class QLabel;
class QPushButton;

namespace shell {
class ActivityIndicator;
class QRMInfoAppDelegate;
} // namespace shell

namespace market {

class BreadthStrip;
class MarketResultView;
struct MarketResultRecord;

/// The market trading results (KQGD): both exchanges' end-of-day results of the chosen day and
/// the chart of the 60 days up to today, read from the stored end-of-day rows; the day steps by
/// buttons, keys and swipes, and a reload of the chosen or the last day from the service.
class MarketResultViewController final : public ui::ViewController, public shell::ContextMenuParent {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarketResultViewController)

public:
    explicit MarketResultViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~MarketResultViewController() override;

    void viewDidAppear(bool animated) override;
    /// Left: the earlier day, Right: the later day, M: the day's movers, besides the common keys.
    bool handleKey(int qtKey) override;
    void reloadScreen() override;

    void loadData();
    /// One stored row into the labels (on the chosen day) and, while drawing is prepared, the ranges.
    void parseMarKetInfo(const QString& row);
    /// Called by the chart at every redraw: draws the stored days up to today, newest first.
    void parseForDraw();
    void ParseText(const QString& row);

    void reload();
    void reloadfromLast();
    /// One stored day later; past the newest the screen is left.
    void goBack();
    /// One stored day earlier; nothing at the oldest.
    void goNext();
    void goRealTime();
    void goHome();
    void goUpDown();
    void goCompanyInfoHoSE();
    void goCompanyInfoHaSTC();
    /// The movers of the chosen day on the exchange selected.
    void goMovers();
    void goMenu();
    void menuContextCallBack(int item) override;

    /// The chosen day (the application object's `currentMarketResultDayView`) and today.
    int chosenDay() const;
    int currentDay() const;

    MarketResultView* chartView();
    QLabel* hosePoint() { return layout().hose.point; }
    QLabel* hosePercent() { return layout().hose.percent; }
    QLabel* hoseTotalQuantity() { return layout().hose.totalQuantity; }
    QLabel* hoseTotalValue() { return layout().hose.totalValue; }
    QLabel* haSTCPoint() { return layout().haSTC.point; }
    QLabel* haSTCPercent() { return layout().haSTC.percent; }
    QLabel* haSTCTotalQuantity() { return layout().haSTC.totalQuantity; }
    QLabel* haSTCTotalValue() { return layout().haSTC.totalValue; }
    QLabel* lbDate() { return layout().lbDate; }
    QLabel* lbUser() { return layout().lbUser; }
    shell::ActivityIndicator* actNetwork() { return layout().actNetwork; }
    QPushButton* btHoSe() { return layout().btHoSe; }
    QPushButton* btHNX() { return layout().btHNX; }
    QPushButton* btCompanyHoSE() { return layout().btCompanyHoSE; }
    QPushButton* btCompanyHaSTC() { return layout().btCompanyHaSTC; }
    QPushButton* btMovers() { return layout().btMovers; }
    BreadthStrip* hoseBreadth() { return layout().hoseBreadth; }
    BreadthStrip* haSTCBreadth() { return layout().haSTCBreadth; }

    int selectedButton() const { return m_selectedButton; }
    bool bParseForDraw() const { return m_bParseForDraw; }
    void setBParseForDraw(bool parse) { m_bParseForDraw = parse; }
    const QStringList& orderDays() const { return m_orderDays; }
    int iDayCountHo() const { return m_iDayCountHo; }
    int iDayCountHa() const { return m_iDayCountHa; }
    double tmpVal() const { return m_tmpVal; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

private:
    const MarketResultLayout& layout();
    void connectActions();
    void showUser();
    void showResultsOf(const MarketResultRecord& record);
    void showBreadth();
    void startLoad(int day);
    void marketResultsLoaded(bool stored);

    shell::QRMInfoAppDelegate& m_appDelegate;
    MarketResultView* m_chart = nullptr;
    MarketResultLayout m_layout;
    int m_selectedButton = 1;
    bool m_bParseForDraw = true;
    QStringList m_orderDays;
    int m_iDayCountHo = 0;
    int m_iDayCountHa = 0;
    double m_tmpVal = 0;
    bool m_loadOutstanding = false;
};

} // namespace market
