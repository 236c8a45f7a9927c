#pragma once

#include "net/RequestDelegate.h"
#include "ui/ViewController.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QWidget;

namespace net {
class MyUrlRequest;
class RecordView;
} // namespace net
namespace shell {
class ActivityIndicator;
class LiveRefresh;
class QRMInfoAppDelegate;
class StockActions;
} // namespace shell
namespace ui {
class LiveModeButton;
}

namespace company {

class CompanyRealTimeView;
class CompanyTabScreen;
class QuotePanel;

/// One company's real-time quote and intraday chart. In live mode it asks for the company's new
/// points and its latest quote at every refresh, stores them and redraws from the store. It also
/// hosts the company tabs, laid over its view: the trading results ("KQGD"), the financial
/// statements ("Taichinh") and the news ("Tintuc").
class CompanyRealTimeViewcontroller final : public ui::ViewController, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyRealTimeViewcontroller)

public:
    /// Kind tag of this screen's requests.
    static constexpr int kRequestKind = 1;

    explicit CompanyRealTimeViewcontroller(shell::QRMInfoAppDelegate& appDelegate);
    ~CompanyRealTimeViewcontroller() override;

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    /// A tab laid over the screen takes the keys first; then L switches live mode, besides the
    /// common keys.
    bool handleKey(int qtKey) override;
    void reloadScreen() override;

    // ---- set by the opener -----------------------------------------------------------------
    const QString& code() const { return m_code; }
    void setCode(const QString& code) { m_code = code; }
    const QString& _id() const { return m_id; }
    void set_id(const QString& id) { m_id = id; }

    // ---- data ------------------------------------------------------------------------------
    void startLoad();
    /// The panel and the chart's ranges from the store, then a redraw.
    void displayInfo();
    void initTimer();
    /// The refresh tick: sends the request whatever the live mode.
    void targetMethod();
    /// Asks for the whole day again.
    void reloadData();
    void toggleAnimation();
    void animationLoop();
    void changeImages();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void parse_Realtime(const QString& text);
    void parsetoGetInfo(const QStringList& points);
    /// Called by the chart at every redraw: the scales, then every stored point.
    void parseForDraw();
    void ParseText(const QString& text);

    // ---- tabs and navigation ---------------------------------------------------------------
    void goKQGD();
    void goFinance();
    void goHeadNews();
    void tabCallBack(const QString& tab);
    /// Takes every tab off the screen.
    void removeViews();
    /// The tab laid over the screen now, or null.
    CompanyTabScreen* shownTab() const;
    void goPrev();
    void goNext();
    void goHome();
    /// The context menu of the company screens ("COM_KQGD").
    void goMenu();
    /// The screen's category and watch-list actions.
    shell::StockActions* actions();

    // ---- state -----------------------------------------------------------------------------
    int iLastUpdate() const { return m_iLastUpdate; }
    bool bLockView() const { return m_bLockView; }
    void setBLockView(bool lock) { m_bLockView = lock; }
    bool isResultTabShown() const;
    bool isRequestOutstanding() const;
    shell::LiveRefresh& liveRefresh() const { return *m_live; }

    // ---- controls (made with the view) -----------------------------------------------------
    CompanyRealTimeView* chartView();
    QuotePanel* quotePanel();
    QLabel* timeLabel() const { return m_timeLabel; }
    QLabel* hotimeChart() const { return m_hotimeChart; }
    QLabel* hatimeChart() const { return m_hatimeChart; }
    ui::LiveModeButton* releadBt() const { return m_releadBt; }
    QPushButton* btKQGD() const { return m_btKQGD; }
    QPushButton* btTC() const { return m_btTC; }
    QPushButton* btTin() const { return m_btTin; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

private:
    void buildTopBar(QWidget* root);
    void buildTimeAxes(QWidget* root);
    void buildBottomBar(QWidget* root);
    void resetRanges();
    void sendRequest();
    void storePoint(const net::RecordView& record);
    void storeQuote(const net::RecordView& record);
    void showTime(int minute, int day);
    void showExchange(bool hose);
    void stopIndicator();
    void showTab(CompanyTabScreen& tab);
    std::array<CompanyTabScreen*, 3> existingTabs() const;

    shell::QRMInfoAppDelegate& m_delegate;
    std::unique_ptr<shell::LiveRefresh> m_live;
    std::unique_ptr<net::MyUrlRequest> m_myUrlRequest;

    CompanyRealTimeView* m_chart = nullptr;
    QuotePanel* m_panel = nullptr;
    QLabel* m_timeLabel = nullptr;
    QLabel* m_hotimeChart = nullptr;
    QLabel* m_hatimeChart = nullptr;
    shell::ActivityIndicator* m_actNetwork = nullptr;
    ui::LiveModeButton* m_releadBt = nullptr;
    QPushButton* m_btGoBack = nullptr;
    QPushButton* m_btHome = nullptr;
    QPushButton* m_btReload = nullptr;
    QPushButton* m_btKQGD = nullptr;
    QPushButton* m_btTC = nullptr;
    QPushButton* m_btTin = nullptr;
    shell::StockActions* m_actions = nullptr;

    QString m_code;
    QString m_id;
    int m_iLastUpdate = 0;
    bool m_bLockView = false;
};

} // namespace company
