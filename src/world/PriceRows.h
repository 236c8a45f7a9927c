#pragma once

#include "ui/RowKeys.h"
#include "ui/RowSource.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace world {

/// One figure of a price row: its text and colour.
struct PriceCell {
    QString text;
    QColor color = Qt::white;
};

/// A row of the price lists: a picture (a flag, a currency sign, or none), the name and three
/// figures (value, change, percent; or reference, buying and selling rate), and the numbers the
/// figures are ordered by (none where the figure shows no value).
struct PriceRow {
    QString image;
    QString name;
    std::array<PriceCell, 3> figures;
    std::array<std::optional<double>, 3> numbers{};
};

/// Where a list puts its row's pieces, in row coordinates.
struct PriceRowLayout {
    int rowHeight = 33;
    /// Empty when the list has no pictures.
    QRect image;
    QRect name;
    std::array<QRect, 3> figures;
    bool boldFigures = false;
};

/// The rows of a price list as its table paints them: white bold name on the left, the figures
/// right-aligned in their colours. Ordered by name or figure, filtered by name.
class PriceRows final : public ui::RowSource, public ui::RowKeys {
public:
    explicit PriceRows(const PriceRowLayout& layout);

    void setRows(std::vector<PriceRow> rows) { m_rows = std::move(rows); }
    const std::vector<PriceRow>& rows() const { return m_rows; }
    /// The headings over the name and the three figures, as the screen shows them; the
    /// picture column has none.
    void setColumnTitles(const QStringList& titles) { m_titles = titles; }

    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    int rowHeight(int /*row*/) const override { return m_layout.rowHeight; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    QStringList columnTitles() const override { return m_titles; }
    QStringList rowTexts(int row) const override;

    /// Column 0 is the name, 1 to 3 the figures.
    ui::SortKey sortKey(int row, int column) const override;
    QString matchText(int row) const override;
    QString rowIdentity(int row) const override { return matchText(row); }

private:
    const QPixmap& picture(const QString& name) const;

    PriceRowLayout m_layout;
    std::vector<PriceRow> m_rows;
    QStringList m_titles;
    // A few pictures serve every row: each is drawn once at its size.
    mutable QHash<QString, QPixmap> m_pictures;
};

/// A stored price row ("id,name,day,minute,a,b,c" as the store gives it) in fields. A name that
/// holds a comma keeps it: the fields after the name are counted from the end.
struct StoredPrice {
    int id = 0;
    QString name;
    int day = 0;
    int minute = 0;
    std::array<QString, 3> values;
};

StoredPrice readStoredPrice(const QString& row);

/// A stored figure as a number: the number at its start, 0 when it has none.
double numberOf(const QString& text);

/// Whether a stored figure reads as zero ("0", "0.00", "-0").
bool isZeroText(const QString& text);

/// A stored figure as the number it is ordered by; none for an empty field.
std::optional<double> figureNumber(const QString& text);

} // namespace world
