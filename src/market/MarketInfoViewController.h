#pragma once

#include "net/RequestDelegate.h"
#include "shell/ContextMenuParent.h"
#include "ui/ViewController.h"

#include <QString>

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
} // namespace shell
namespace ui {
class LiveModeButton;
}

namespace market {

class MarketInfoView;

/// The market overview: index, change, quantity and value of HoSE and HNX, and their intraday
/// chart. In live mode every answer of the day is kept in the store and the chart is redrawn
/// from all of them; from here the history, the trading results and the company lists open.
class MarketInfoViewController final : public ui::ViewController,
                                       public net::RequestDelegate,
                                       public shell::ContextMenuParent {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarketInfoViewController)

public:
    /// Kind tag of this screen's requests.
    static constexpr int kRequestKind = 1;

    explicit MarketInfoViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~MarketInfoViewController() override;

    void viewWillAppear(bool animated) override;
    /// L switches live mode, besides the common keys.
    bool handleKey(int qtKey) override;
    void reloadScreen() override;

    // ---- data ------------------------------------------------------------------------------
    /// Replays the stored answers of the day, then starts the live refresh when live mode is on.
    void loadData();
    /// Asks for the whole day again; the answer replaces everything stored.
    void reloadData();
    void toggleAnimation();
    /// The refresh tick.
    void targetMethod();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    /// One answer into the labels, the chart's ranges and the revision.
    void parseMarKetInfo(const QString& text);
    /// Called by the chart at every redraw: the scales, then every stored minute record.
    void parseForDraw();
    void ParseText(const QString& text);
    void animationLoop();
    void changeImages();

    // ---- navigation ------------------------------------------------------------------------
    void goHome();
    void goMainMenu();
    void goMenu();
    void goCompanyInfoHoSE();
    void goCompanyInfoHaSTC();
    void goHistory();
    void goMarketResult();
    void menuContextCallBack(int item) override;

    // ---- state -----------------------------------------------------------------------------
    int order() const { return m_order; }
    bool isErr() const { return m_isErr; }
    /// Whether the answer being parsed is fresh from the service (not a replay of a stored one).
    bool bRealTime() const { return m_bRealTime; }
    int animationCount() const;
    bool isRequestOutstanding() const;
    shell::LiveRefresh& liveRefresh() const { return *m_live; }

    // ---- controls (made with the view) -----------------------------------------------------
    MarketInfoView* chartView();
    QLabel* hosePoint() const { return m_hosePoint; }
    QLabel* hosePercent() const { return m_hosePercent; }
    QLabel* hoseTotalQuantity() const { return m_hoseTotalQuantity; }
    QLabel* hoseTotalValue() const { return m_hoseTotalValue; }
    QLabel* haSTCPoint() const { return m_haSTCPoint; }
    QLabel* haSTCPercent() const { return m_haSTCPercent; }
    QLabel* haSTCTotalQuantity() const { return m_haSTCTotalQuantity; }
    QLabel* haSTCTotalValue() const { return m_haSTCTotalValue; }
    QLabel* timeLabel() const { return m_timeLabel; }
    QLabel* lbUser() const { return m_lbUser; }
    ui::LiveModeButton* releadBt() const { return m_releadBt; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

private:
    /// The four labels of one exchange.
    struct ExchangeLabels {
        QLabel* point = nullptr;
        QLabel* percent = nullptr;
        QLabel* quantity = nullptr;
        QLabel* value = nullptr;
    };

    void buildTopBar(QWidget* root);
    void buildExchangeLabels(QWidget* root);
    void buildBottomBar(QWidget* root);
    void buildTimeAxes(QWidget* root);
    void sendRequest(int revision);
    void startIndicator();
    void stopIndicator();
    void widenRanges(const net::RecordView& record, int lastHaSTCMinute, int lastHoSEMinute);
    void fillLabels(const ExchangeLabels& labels, const net::RecordView& record);
    void applyRevision(int revision, bool sawMinutes, int day);
    void refreshUserLabel();

    shell::QRMInfoAppDelegate& m_delegate;
    std::unique_ptr<shell::LiveRefresh> m_live;
    std::unique_ptr<net::MyUrlRequest> m_myUrlRequest;

    MarketInfoView* m_chart = nullptr;
    QLabel* m_hosePoint = nullptr;
    QLabel* m_hosePercent = nullptr;
    QLabel* m_hoseTotalQuantity = nullptr;
    QLabel* m_hoseTotalValue = nullptr;
    QLabel* m_haSTCPoint = nullptr;
    QLabel* m_haSTCPercent = nullptr;
    QLabel* m_haSTCTotalQuantity = nullptr;
    QLabel* m_haSTCTotalValue = nullptr;
    QLabel* m_timeLabel = nullptr;
    QLabel* m_lbUser = nullptr;
    QLabel* m_titleLabel = nullptr;
    shell::ActivityIndicator* m_actNetwork = nullptr;
    ui::LiveModeButton* m_releadBt = nullptr;
    QPushButton* m_btGoBack = nullptr;
    QPushButton* m_btHome = nullptr;
    QPushButton* m_btReload = nullptr;
    QPushButton* m_btBackDay = nullptr;

    int m_order = 0;
    bool m_isErr = false;
    bool m_bRealTime = false;
};

} // namespace market
