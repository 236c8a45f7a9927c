#pragma once

#include "shell/LiveScreen.h"
#include "world/PriceRows.h"

#include <QString>
#include <QStringList>

#include <memory>

class QLabel;
class QPushButton;
class myDb;

namespace net {
class RecordView;
}
namespace ui {
class RowOrder;
class RowTable;
} // namespace ui

namespace world {

/// A list of the latest prices of one feed (world indices, commodities, exchange rates). What
/// the store holds is listed at once; the reload asks the service once and live mode asks every
/// refresh period; a success answer is stored whole and the list read again.
class PriceListScreen : public shell::LiveScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PriceListScreen)

public:
    /// Kind tag of the list's requests.
    static constexpr int kRequestKind = 1;
    /// Records of every price answer have this many fields.
    static constexpr int kRecordFields = 6;

    ~PriceListScreen() override;

    void viewWillAppear(bool animated) override;
    /// The list's order keys (ui::RowOrder) before L and the common keys.
    bool handleKey(int qtKey) override;
    /// Typing filters the rows by name.
    bool handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) override;

    /// Lists the stored rows; with live mode on, starts the refresh and asks at once.
    void startLoad();
    /// One request now; neither the reload nor the tick waits for an answer under way.
    void reload() override;
    void targetMethod() override;
    void toggleAnimation() override;
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void parseAndSaveToDb(const QString& text);

    const std::vector<PriceRow>& rows() const { return m_rows.rows(); }
    ui::RowTable* tbView() const { return m_tbView; }
    /// The list's order and filter, kept for the run; the table's rows are its shown rows.
    ui::RowOrder& order() const { return *m_order; }

protected:
    PriceListScreen(shell::QRMInfoAppDelegate& appDelegate, QString heading, const PriceRowLayout& rowLayout);

    QWidget* loadView() override;
    bool holdsCurrentDay() const override;

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
    /// A column heading above the table, lined up with a row frame; a click on it sorts by
    /// `column` (0 the name, 1 to 3 the figures).
    QLabel* addColumnHeading(QWidget* root, const QString& text, const QRect& frame, Qt::Alignment alignment,
                             int column);
    /// The headings of the name and the three figures, which a copy of the table is titled by.
    void setColumnTitles(const QStringList& titles) { m_rows.setColumnTitles(titles); }
    /// A button of the bottom bar after Home and Reload (the group switches).
    QPushButton* addBottomButton(QWidget* root, const QString& caption, int slot);

private:
    QString m_heading;
    PriceRows m_rows;
    std::unique_ptr<ui::RowOrder> m_order;
    ui::RowTable* m_tbView = nullptr;
    QStringList m_stored;
};

} // namespace world
