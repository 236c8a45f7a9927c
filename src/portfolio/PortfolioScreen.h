#pragma once

#include "net/RequestDelegate.h"
#include "portfolio/Holdings.h"
#include "portfolio/HoldingsSource.h"
#include "shell/BarScreen.h"
#include "shell/ScreenRequest.h"

#include <QString>

class QLabel;
class QPushButton;

namespace shell {
class ScreenMenu;
}
namespace ui {
class RowOrder;
class RowTable;
} // namespace ui

namespace portfolio {

/// A holdings screen: one category's holdings, one row each, paged day by day over the stored
/// quotes. The five screens share this data model, action set and row protocol and differ only
/// in their columns; the first also reloads the quotes without asking and edits its table.
class PortfolioScreen : public shell::BarScreen, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortfolioScreen)

public:
    /// Request kinds: a holding deleted, the category's quotes.
    static constexpr int kDeleteRequest = 14;
    static constexpr int kQuotesRequest = 15;

    ~PortfolioScreen() override;

    /// The category shown; set by the category list before the screen is pushed.
    void setCategory(const QString& id, const QString& name);
    const QString& pId() const { return m_pId; }
    const QString& pName() const { return m_pName; }
    int screenNumber() const { return m_screen; }

    void viewWillAppear(bool animated) override;
    /// Left and Right page the day, besides the common keys and the list's order keys
    /// (ui::RowOrder).
    bool handleKey(int qtKey) override;
    /// Typing filters the holdings by code or company name.
    bool handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) override;
    void reloadScreen() override;

    // ---- data ------------------------------------------------------------------------------
    void loadData();
    /// The earlier trading day.
    void goNext();
    /// The later trading day.
    void goPrev();
    void confirmUpdate();
    /// Screen 1: the quotes asked for at once, unless a request is under way.
    void reload();
    void confirmDeleteCK();
    void deleteCK();
    void requestDeleteStock(const QString& holdingId);
    void DidFinishRequest(std::optional<QByteArray> data) override;

    // ---- actions ---------------------------------------------------------------------------
    void goMenu() override;
    void menuContextCallBack(int item) override;
    void subMenuContextCallBack(int row) override;
    /// A row chosen: it is the row the actions work on, and the action menu shows or hides.
    void selectRow(int row);
    /// Opens the row's company.
    void goComDetail(int row);
    /// Screen 1: the table's editing state, where a row is deleted at once or moved to edit it.
    void toggleEdit();
    /// Opens the holding form to change the row's holding.
    void editHolding(int row);

    // ---- state -----------------------------------------------------------------------------
    int infoDay() const { return m_infoDay; }
    const HoldingsModel& model() const { return m_model; }
    /// The holdings' order and filter, kept for the run; the table's rows are its shown rows,
    /// selectedRow() and the actions' rows are the model's.
    ui::RowOrder& order() const { return *m_order; }
    int selectedRow() const { return m_selectedRow; }
    const QString& alertType() const { return m_alertType; }
    bool isRequestOutstanding() const;
    ui::RowTable* tbView() const { return m_tbView; }
    shell::ScreenMenu* tbMenu() const { return m_tbMenu; }
    QLabel* lbDate() const { return m_lbDate; }
    QLabel* lbDanhmuc() const { return m_lbDanhmuc; }
    QLabel* lbUser() const { return m_lbUser; }

protected:
    PortfolioScreen(shell::QRMInfoAppDelegate& appDelegate, int screen, const QString& heading,
                    const HoldingColumns& columns);

    void buildContent(QWidget* root) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDayBar(QWidget* root);
    void buildTable(QWidget* root);
    void buildBottomBar(QWidget* root);
    void processDelStock(const QByteArray& data);
    void processGetStock(const QByteArray& data);
    void reloadTable();
    void ask(const QString& type, const QString& question);
    void alertButtonClicked(int index);
    const HoldingRow* selectedHolding() const;

    int m_screen;
    const HoldingColumns& m_columns;
    HoldingsModel m_model;
    HoldingsSource m_source;
    std::unique_ptr<ui::RowOrder> m_order;
    shell::ScreenRequest m_request;
    QString m_pId;
    QString m_pName;
    QString m_portfoliodataId;
    QString m_alertType;
    int m_infoDay = 0;
    int m_selectedRow = -1;
    /// A swipe was read during the current press: its release selects no row.
    bool m_swiped = false;

    ui::RowTable* m_tbView = nullptr;
    shell::ScreenMenu* m_tbMenu = nullptr;
    QLabel* m_lbDate = nullptr;
    QLabel* m_lbDanhmuc = nullptr;
    QLabel* m_lbUser = nullptr;
    QPushButton* m_btEdit = nullptr;
};

} // namespace portfolio
