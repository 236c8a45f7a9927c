#pragma once

#include "ui/RowSource.h"

#include <QCollator>
#include <QString>

#include <vector>

namespace ui {

class RowKeys;

/// How a list is ordered and filtered: the sorted column (-1: the list's own order), its
/// direction, and the typed filter text.
struct RowOrderState {
    int column = -1;
    bool descending = false;
    QString filter;

    bool isSorted() const { return column >= 0; }
    bool isFiltered() const { return !filter.isEmpty(); }
};

/// A list's rows as shown: those matching the filter, in the chosen order. Shown rows are
/// painted and written out by the underlying source's rows; `sourceRow` maps a shown row back
/// to the row the screen's data knows.
class OrderedSource final : public RowSource {
public:
    OrderedSource(const RowSource& rows, const RowKeys& keys);

    /// Re-reads the underlying rows and applies `state` to them.
    void rebuild(const RowOrderState& state);

    /// The underlying row of a shown row; -1 beyond the end.
    int sourceRow(int shownRow) const;
    /// Where an underlying row is shown; -1 when the filter hides it.
    int shownRow(int sourceRow) const;
    /// The identity a shown row had when the rows were last rebuilt (see RowKeys::rowIdentity).
    QString shownIdentity(int shownRow) const;
    /// Where the row of that identity is shown now; -1 when none is.
    int shownRowOf(const QString& identity) const;
    int sourceRowCount() const { return m_rows.rowCount(); }

    int rowCount() const override { return int(m_shown.size()); }
    int rowHeight(int row) const override;
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    QStringList columnTitles() const override { return m_rows.columnTitles(); }
    QStringList rowTexts(int row) const override;

private:
    void filterRows(const QString& filter);
    void sortRows(int column, bool descending);

    const RowSource& m_rows;
    const RowKeys& m_keys;
    QCollator m_collator;
    std::vector<int> m_shown;
    std::vector<QString> m_identities;
};

} // namespace ui
