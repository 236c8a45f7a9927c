#pragma once

#include "company/CompanyResultLayout.h"
#include "company/CompanyTabScreen.h"

#include <QList>
#include <QString>

#include <memory>

namespace shell {
class LiveRefresh;
class QRMInfoAppDelegate;
} // namespace shell

namespace company {

class CompanyResultView;

/// The trading-results tab (KQGD) of the company real-time screen: the quote panel of a chosen
/// stored day and the chart of the 31 days up to today, with day steps by buttons, keys and
/// swipes and a reload of the chosen day from the service. Its view is laid over the host's.
class CompanyResultViewController final : public CompanyTabScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyResultViewController)

public:
    explicit CompanyResultViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~CompanyResultViewController() override;

    // ---- set by the host -------------------------------------------------------------------
    void setCode(const QString& code) { m_code = code; }
    const QString& code() const { return m_code; }
    void setDayView(int day) { m_dayView = day; }
    int dayView() const { return m_dayView; }
    /// The company id, taken from the stored quote.
    const QString& companyId() const { return m_id; }
    int currentDay() const;

    void viewWillAppear(bool animated) override;
    /// Left: the earlier day, Right: the later day; the other keys as any screen.
    bool handleKey(int qtKey) override;
    /// Only the day keys (the tab's view passes its key presses here).
    bool handleDayKey(int qtKey);

    // ---- panel and chart -------------------------------------------------------------------
    void startLoad();
    void displayInfo();
    /// One chart row widens the chart's ranges.
    void parsetoGetInfo(const QString& row);
    /// Called by the chart at every redraw: the stored days up to today, latest first.
    void parseForDraw();
    void ParseText(const QString& row);
    const QList<int>& orderDays() const { return m_orderDays; }
    int iDayCount() const { return m_iDayCount; }
    double tmpVal() const { return m_tmpVal; }

    // ---- day steps and reload --------------------------------------------------------------
    /// The next later stored day; past the latest the chosen day returns to today.
    void goPrev();
    /// The next earlier stored day; nothing at the earliest.
    void goNext();
    void reload();
    void refreshFromService() override { reload(); }

    // ---- live refresh of the company's quote -----------------------------------------------
    void initTimer();
    void stopTimer();
    void stopTimers() override { stopTimer(); }
    bool isRefreshing() const;
    void targetMethod();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void parse_Realtime(const QString& text);

    // ---- tabs ------------------------------------------------------------------------------
    void goRealtime();
    void goFinance();
    void goHeadNews();
    void goBack();

    CompanyResultView* chartView();
    QuotePanel* panel() { return layout().panel; }
    QLabel* lbDate() { return bars().lbDate; }
    QLabel* lbNetwork() { return layout().lbNetwork; }
    shell::ActivityIndicator* actNetwork() { return layout().actNetwork; }
    QPushButton* btGoBack() { return bars().btGoBack; }
    QPushButton* btHome() { return bottom().btHome; }
    QPushButton* btReload() { return bottom().btReload; }
    QPushButton* btRt() { return bars().btRt; }
    QPushButton* btTC() { return bars().btTC; }
    QPushButton* btTin() { return bars().btTin; }
    QPushButton* btCategory() { return bottom().btCategory; }
    QPushButton* btMenu() { return bottom().btMenu; }
    QPushButton* leftButton() { return layout().leftButton; }
    QPushButton* rightButton() { return layout().rightButton; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

private:
    const CompanyResultLayout& layout();
    const CompanyTabBar& bars();
    const CompanyTabBottomBar& bottom();
    void connectActions();
    void showDetail(const QStringList& detail);
    void companyResultsLoaded(bool stored);
    void marketResultsLoaded();

    shell::QRMInfoAppDelegate& m_appDelegate;
    CompanyResultView* m_chart = nullptr;
    CompanyResultLayout m_layout;
    std::unique_ptr<shell::LiveRefresh> m_live;
    QString m_code;
    QString m_id;
    int m_dayView = 0;
    QList<int> m_orderDays;
    int m_iDayCount = 0;
    double m_tmpVal = 0;
    bool m_loadOutstanding = false;
};

} // namespace company
