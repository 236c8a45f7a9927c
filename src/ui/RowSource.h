#pragma once

#include <QStringList>

class QPainter;
class QRect;

namespace ui {

/// What a RowTable shows: the rows, their heights, and how to paint one. Rows are painted only
/// when they are visible, so a long list costs only what is on screen.
class RowSource {
public:
    virtual ~RowSource();
    virtual int rowCount() const = 0;
    virtual int rowHeight(int row) const = 0;
    virtual void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const = 0;

    /// The titles of the columns a row shows as text, in order; a column that only holds a
    /// picture has none. Rows without titles cannot be written out as a table.
    virtual QStringList columnTitles() const { return {}; }
    /// One row's texts, one per column title, as the row shows them; an empty list for a row
    /// that holds no data (a heading drawn as a row) or beyond the end.
    virtual QStringList rowTexts(int /*row*/) const { return {}; }
    bool isExportable() const { return !columnTitles().isEmpty(); }
};

} // namespace ui
