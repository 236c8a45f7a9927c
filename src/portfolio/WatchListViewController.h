#pragma once

#include "company/CompanyListSource.h"
#include "net/RequestDelegate.h"
#include "shell/ContextMenuParent.h"
#include "shell/ScreenRequest.h"
#include "ui/ViewController.h"

#include <QString>
#include <QStringList>

#include <memory>

class QLabel;
class QPushButton;

namespace company {
class PriceWarningCheck;
}
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

namespace portfolio {

/// The user's own list of stocks, kept on the device, with the latest stored quote of each:
/// refreshed on its own period while live mode is on, checked for price warnings, and the way to
/// a stock's screens and to the categories.
class WatchListViewController final : public ui::ViewController,
                                      public net::RequestDelegate,
                                      public shell::ContextMenuParent {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WatchListViewController)

public:
    /// Request kinds: the watched stocks' quotes and the price-warning check.
    static constexpr int kQuoteRequest = 1;
    static constexpr int kWarningRequest = 7;

    explicit WatchListViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~WatchListViewController() override;

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    /// L switches live mode, besides the common keys and the list's order keys (ui::RowOrder).
    bool handleKey(int qtKey) override;
    /// Typing filters the list by code or name.
    bool handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) override;
    void reloadScreen() override;

    // ---- data ------------------------------------------------------------------------------
    void loadData();
    void toggleAnimation();
    void initTimer();
    void targetMethod();
    void reloadData();
    void getWarning();
    void DidFinishRequest(std::optional<QByteArray> data) override;

    // ---- actions ---------------------------------------------------------------------------
    /// A row chosen: its stock is the one the actions work on.
    void selectRow(int row);
    /// Opens the row's company.
    void goComDetail(int row);
    /// The remove button: asks before removing the chosen stock.
    void loadMenu_DEL_WATCHLIST();
    void goMenu();
    void menuContextCallBack(int item) override;
    void subMenuContextCallBack(int row) override;
    void goBack();
    void goHome();

    // ---- state -----------------------------------------------------------------------------
    const QStringList& companyList() const { return m_companyList; }
    const company::CompanyListSource& source() const { return m_source; }
    /// The list's order and filter, kept for the run; the table's rows are its shown rows.
    ui::RowOrder& order() const { return *m_order; }
    const QString& stockCode() const { return m_stockCode; }
    bool isRealtime() const { return m_isRealtime; }
    int iWarningCount() const;
    bool isRequestOutstanding() const;
    shell::LiveRefresh& liveRefresh() const { return *m_live; }
    shell::StockActions& actions() const { return *m_actions; }
    ui::RowTable* tbView() const { return m_tbView; }
    QLabel* lbDate() const { return m_lbDate; }
    ui::LiveModeButton* releadBt() const { return m_releadBt; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

private:
    void buildTopBar(QWidget* root);
    void buildHeading(QWidget* root);
    void buildBottomBar(QWidget* root);
    void readList();
    void updateDateLabel();
    /// Asks for the watched stocks' quotes; false (nothing sent) when the list is empty.
    bool sendQuoteRequest();
    void switchLiveOff();
    void askRemoval(const QString& noStock, const QString& question);
    void remove();

    shell::QRMInfoAppDelegate& m_delegate;
    std::unique_ptr<shell::LiveRefresh> m_live;
    std::unique_ptr<company::PriceWarningCheck> m_warnings;
    shell::ScreenRequest m_request;
    company::CompanyListSource m_source;
    std::unique_ptr<ui::RowOrder> m_order;
    shell::StockActions* m_actions = nullptr;

    QStringList m_companyList;
    QString m_stockCode;
    QString m_stockId;
    bool m_isRealtime = false;

    ui::RowTable* m_tbView = nullptr;
    QLabel* m_lbDate = nullptr;
    QLabel* m_lbUser = nullptr;
    ui::LiveModeButton* m_releadBt = nullptr;
};

} // namespace portfolio
