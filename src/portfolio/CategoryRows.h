#pragma once

#include "ui/RowSource.h"

#include <QPixmap>
#include <QRect>
#include <QStringList>

namespace portfolio {

/// The rows of the category list: each category's name in white and the disclosure picture
/// that opens its holdings.
class CategoryRows final : public ui::RowSource {
public:
    static constexpr int kRowHeight = 36;
    /// The picture at the end of a row; it ends left of the table's scroll bar.
    static constexpr QRect kDetailFrame{436, 8, 24, 20};

    CategoryRows();
    void setNames(const QStringList& names) { m_names = names; }

    int rowCount() const override { return int(m_names.size()); }
    int rowHeight(int /*row*/) const override { return kRowHeight; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    /// The list has no headings; its one column is titled as the screen is.
    QStringList columnTitles() const override { return {QStringLiteral("Danh mục")}; }
    QStringList rowTexts(int row) const override;

private:
    QStringList m_names;
    QPixmap m_disclosure;
};

} // namespace portfolio
