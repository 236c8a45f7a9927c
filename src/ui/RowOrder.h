#pragma once

#include "ui/OrderedSource.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>

#include <functional>

class QLabel;
class QWidget;

namespace ui {

class RowKeys;
class RowTable;
class SortHeadings;

/// Sorting and filtering for one list screen. A click on a column heading sorts by that column,
/// rising; a second click falls; a third goes back to the list's own order. Typing filters the
/// rows to those whose code or name holds the typed text, accents or not.
///
/// Keys, as the screen passes them on: printable text typed without Ctrl, Alt or Meta goes to
/// the filter (handleTyping). While no filter is active, a single letter the screen uses itself
/// (reserveKey, e.g. L for live mode) keeps its own action unless Shift is held; once a filter is
/// active every letter and digit goes to it, and a space too. Backspace removes the last letter;
/// Escape clears the filter and only goes back when no filter is active; Enter opens the chosen
/// row (the first shown when a filter is active and none is chosen); Up and Down choose a row.
///
/// The order and filter belong to this object: a screen that keeps it for the run keeps them.
class RowOrder final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowOrder)

public:
    /// Neither `rows` nor `keys` is owned; both must outlive this object.
    RowOrder(const RowSource& rows, const RowKeys& keys, QObject* parent = nullptr);
    ~RowOrder() override;

    /// The rows as shown, in the order shown.
    const OrderedSource& shown() const { return m_shown; }
    /// Shows the ordered rows in `table`; its row numbers are then shown rows (see sourceRow).
    void attach(RowTable* table);
    /// Makes `heading` sort by `column` (a column of the source's column titles).
    void addHeading(QLabel* heading, int column);
    /// The line that shows the filter and how many rows match, right-aligned in `frame` of `root`
    /// and only as wide as its text; hidden while no filter is active. `noun` names the rows
    /// ("mã").
    void placeFilterLabel(QWidget* root, const QRect& frame, const QString& noun);
    /// A letter or digit key the screen uses itself.
    void reserveKey(int qtKey) { m_reserved.insert(qtKey); }
    /// What Enter does with a row, and what Up and Down do after choosing one (source rows).
    void setOpenRow(std::function<void(int sourceRow)> open) { m_openRow = std::move(open); }
    void setChooseRow(std::function<void(int sourceRow)> choose) { m_chooseRow = std::move(choose); }

    const RowOrderState& state() const { return m_state; }
    /// A heading's click: rising, falling, then the list's own order.
    void sortBy(int column);
    void setFilter(const QString& filter);
    /// Applies the order and filter again after the rows changed; the chosen row stays chosen
    /// wherever its row went, when it is still shown.
    void reload();

    /// The source row of a row of the table; -1 beyond the end.
    int sourceRow(int shownRow) const { return m_shown.sourceRow(shownRow); }
    /// The source row the table has chosen; -1 when none.
    int selectedSourceRow() const;
    QLabel* filterLabel() const;

    /// Typed text (see the class comment); returns whether the filter took it.
    bool handleTyping(const QString& text, Qt::KeyboardModifiers modifiers);
    /// Backspace, Escape, Enter, Up and Down as the class comment says; other keys are not used.
    bool handleKey(int qtKey);

Q_SIGNALS:
    /// The user changed the order or the filter.
    void orderChanged();

private:
    bool takesTyping(const QString& text, Qt::KeyboardModifiers modifiers) const;
    void userChanged();
    void updateFilterLabel();
    bool openChosenRow();
    bool moveChoice(int step);

    OrderedSource m_shown;
    RowOrderState m_state;
    SortHeadings* m_headings = nullptr;
    QPointer<RowTable> m_table;
    QPointer<QLabel> m_filterLabel;
    QString m_noun;
    QRect m_filterFrame;
    QSet<int> m_reserved;
    std::function<void(int)> m_openRow;
    std::function<void(int)> m_chooseRow;
};

} // namespace ui
