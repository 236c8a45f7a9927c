#pragma once

#include "net/RequestDelegate.h"
#include "shell/ContextMenuParent.h"
#include "shell/LiveBar.h"
#include "ui/ViewController.h"
#include "world/PriceRows.h"

#include <QString>

#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class myDb;

namespace net {
class MyUrlRequest;
class RecordView;
} // namespace net
namespace shell {
class LiveRefresh;
class QRMInfoAppDelegate;
} // namespace shell
namespace ui {
class RowTable;
}

namespace world {

/// A list of the latest prices of one feed (world indices, commodities, exchange rates). What
/// the store holds is listed at once; the reload asks the service once and live mode asks every
/// refresh period; a success answer is stored whole and the list read again.
class PriceListScreen : public ui::ViewController, public net::RequestDelegate, public shell::ContextMenuParent {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PriceListScreen)

public:
    /// Kind tag of the list's requests.
    static constexpr int kRequestKind = 1;
    /// Records of every price answer have this many fields.
    static constexpr int kRecordFields = 6;

    PriceListScreen(shell::QRMInfoAppDelegate& appDelegate, QString heading, const PriceRowLayout& rowLayout);
    ~PriceListScreen() override;

    void viewWillAppear(bool animated) override;
    /// L switches live mode, besides the common keys.
    bool handleKey(int qtKey) override;
    void reloadScreen() override;

    /// Lists the stored rows; with live mode on, starts the refresh and asks at once.
    void startLoad();
    /// One request now.
    void reload();
    /// The refresh tick.
    void targetMethod();
    void toggleAnimation();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void parseAndSaveToDb(const QString& text);

    void goBack();
    void goHome();
    void goMenu();
    void menuContextCallBack(int item) override;

    bool isRequestOutstanding() const;
    int animationCount() const;
    shell::LiveRefresh& liveRefresh() const { return *m_live; }
    const std::vector<PriceRow>& rows() const { return m_rows.rows(); }
    QLabel* lbDate() const { return m_bar.date; }
    QLabel* lbUser() const { return m_lbUser; }
    ui::RowTable* tbView() const { return m_tbView; }
    ui::LiveModeButton* releadBt() const { return m_bar.live; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

    /// The stored rows of the group shown, as the store gives them.
    virtual QStringList readStoredRows() = 0;
    /// The rows to show, built in order from the stored rows (which also sets the date label).
    virtual std::vector<PriceRow> buildRows(const QStringList& stored) = 0;
    virtual QString requestUrl() const = 0;
    /// Stores one record of a success answer; false when the store refused it.
    virtual bool storeRecord(myDb& db, const net::RecordView& record) = 0;
    /// Whether a failed transfer lists the stored rows again.
    virtual bool rereadsAfterFailure() const { return true; }
    /// The column headings and any group switches of the screen.
    virtual void buildContent(QWidget* root) = 0;

    /// Reads the stored rows of the group shown and lists them.
    void showStoredRows();
    /// Sets the label that says when the latest data are from.
    void setDateText(const QString& text);
    /// A column heading above the table, lined up with a row frame.
    QLabel* addColumnHeading(QWidget* root, const QString& text, const QRect& frame, Qt::Alignment alignment);
    /// A button of the bottom bar after Home and Reload (the group switches).
    QPushButton* addBottomButton(QWidget* root, const QString& caption, int slot);
    shell::QRMInfoAppDelegate& appDelegate() const { return m_delegate; }

private:
    void sendRequest();
    void refreshUserLabel();
    bool holdsCurrentDay() const;

    shell::QRMInfoAppDelegate& m_delegate;
    QString m_heading;
    PriceRows m_rows;
    std::unique_ptr<shell::LiveRefresh> m_live;
    std::unique_ptr<net::MyUrlRequest> m_myUrlRequest;
    shell::LiveBar m_bar;
    ui::RowTable* m_tbView = nullptr;
    QLabel* m_lbUser = nullptr;
    QStringList m_stored;
};

} // namespace world
