#pragma once

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
};

} // namespace ui
