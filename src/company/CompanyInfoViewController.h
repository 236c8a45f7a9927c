#pragma once

#include "net/RequestDelegate.h"
#include "shell/ScreenRequest.h"
#include "ui/ViewController.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QLabel;
class QPushButton;

namespace shell {
class LiveRefresh;
class QRMInfoAppDelegate;
class StockActions;
} // namespace shell
namespace ui {
class LiveModeButton;
class RowOrder;
class RowTable;
} // namespace ui

namespace company {

class CompanyListSource;
class PriceWarningCheck;

/// The companies of one exchange with price, change, percent and volume. Opened for today with
/// live refresh available, or for a past trading day; a row opens the company's real-time
/// screen, and a logged-in user's holdings are checked for crossed price bounds.
class CompanyInfoViewController final : public ui::ViewController, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyInfoViewController)

public:
    static constexpr int kHNX = 1;
    static constexpr int kHoSE = 2;
    /// Request kinds: the exchange's quotes and the price-warning check.
    static constexpr int kQuoteRequest = 1;
    static constexpr int kWarningRequest = 7;

    explicit CompanyInfoViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~CompanyInfoViewController() override;

    // ---- set by the opener -----------------------------------------------------------------
    void setMarketStockId(int stockId) { m_marketStockId = stockId; }
    int marketStockId() const { return m_marketStockId; }
    void setInfoDay(int day) { m_infoDay = day; }
    int infoDay() const { return m_infoDay; }
    void setIsRealtime(bool realtime) { m_isRealtime = realtime; }
    bool isRealtime() const { return m_isRealtime; }

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    /// L switches live mode, besides the common keys and the list's order keys (ui::RowOrder).
    bool handleKey(int qtKey) override;
    /// Typing filters the list by code or name.
    bool handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) override;
    void reloadScreen() override;

    // ---- data ------------------------------------------------------------------------------
    void loadData();
    void initTimer();
    void targetMethod();
    void reloadData();
    void toggleAnimation();
    void animationLoop();
    void changeImages();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void parse_data(const QString& text);
    void getWarning();
    void parse_data_warning(const QByteArray& data);

    // ---- navigation ------------------------------------------------------------------------
    /// Opens the company of the row in the real-time screen.
    void goComDetail(int row);
    void viewChooseCompany();
    void goHome();
    void goBack();
    /// The context menu of the list ("DSMACK").
    void goMenu();
    /// The list's category and watch-list actions on the chosen stock.
    shell::StockActions* actions();

    // ---- state -----------------------------------------------------------------------------
    const QStringList& companyList() const { return m_companyList; }
    const CompanyListSource& source() const { return *m_source; }
    /// The list's order and filter, kept for the run; the table's rows are its shown rows.
    ui::RowOrder& order() const { return *m_order; }
    const QString& stockCode() const { return m_stockCode; }
    int iWarningCount() const;
    bool isRequestOutstanding() const;
    shell::LiveRefresh& liveRefresh() const { return *m_live; }

    // ---- controls (made with the view) -----------------------------------------------------
    ui::RowTable* tbView() const { return m_tbView; }
    QLabel* lbDate() const { return m_lbDate; }
    QLabel* lbStock() const { return m_lbStock; }
    QLabel* lbUser() const { return m_lbUser; }
    ui::LiveModeButton* releadBt() const { return m_releadBt; }
    /// The category and watch-list controls: categories, add to one, watch list, add to it, and
    /// the context menu.
    QList<QPushButton*> categoryButtons() const;
    QPushButton* chooseButton() const { return m_btChoose; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

private:
    void buildTopBar(QWidget* root);
    void buildTable(QWidget* root);
    void buildBottomBar(QWidget* root);
    void refreshUserLabel();
    void readCompanyList();
    void reloadTable();
    void updateDateLabel();
    void sendQuoteRequest();
    void switchLiveOff();
    void rowSelected(int row);

    shell::QRMInfoAppDelegate& m_delegate;
    std::unique_ptr<shell::LiveRefresh> m_live;
    std::unique_ptr<CompanyListSource> m_source;
    std::unique_ptr<ui::RowOrder> m_order;
    std::unique_ptr<PriceWarningCheck> m_warnings;
    shell::ScreenRequest m_request;

    int m_marketStockId = kHoSE;
    int m_infoDay = 0;
    bool m_isRealtime = false;
    QStringList m_companyList;
    QString m_stockCode;

    ui::RowTable* m_tbView = nullptr;
    QLabel* m_lbDate = nullptr;
    QLabel* m_lbStock = nullptr;
    QLabel* m_lbUser = nullptr;
    ui::LiveModeButton* m_releadBt = nullptr;
    QPushButton* m_btGoBack = nullptr;
    QPushButton* m_btHome = nullptr;
    QPushButton* m_btReload = nullptr;
    QPushButton* m_btChoose = nullptr;
    QPushButton* m_btDanhmuc = nullptr;
    QPushButton* m_btCongDm = nullptr;
    QPushButton* m_btTD = nullptr;
    QPushButton* m_btThemTD = nullptr;
    QPushButton* m_btMenu = nullptr;
    shell::StockActions* m_actions = nullptr;
};

} // namespace company
