#include "world/PriceRows.h"

#include "net/LenientNumbers.h"
#include "ui/Artwork.h"
#include "ui/RowLabel.h"

#include <QPainter>
#include <QStringList>

namespace world {

namespace {

constexpr int kFontSize = 13;
constexpr qsizetype kStoredFields = 7;

// The row frames are 15 points high, a little less than a line of the font: the text is
// centred on the frame with room above and below.
QRect textRect(const QRect& rowRect, const QRect& frame) {
    return {rowRect.left() + frame.x(), rowRect.top() + frame.y() - 3, frame.width(), frame.height() + 6};
}

} // namespace

PriceRows::PriceRows(const PriceRowLayout& layout)
    : m_layout(layout) {}

void PriceRows::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    if (selected) {
        painter.fillRect(rect, QColor(0x1d, 0x2a, 0x3d));
    }
    const PriceRow& shown = m_rows.at(static_cast<std::size_t>(row));
    if (!m_layout.image.isEmpty() && !shown.image.isEmpty()) {
        const QPixmap& image = picture(shown.image);
        if (!image.isNull()) {
            painter.drawPixmap(m_layout.image.translated(rect.topLeft()), image);
        }
    }
    ui::paintLabel(painter, textRect(rect, m_layout.name), shown.name, Qt::white, kFontSize, true, Qt::AlignLeft);
    for (std::size_t i = 0; i < shown.figures.size(); ++i) {
        ui::paintLabel(painter, textRect(rect, m_layout.figures.at(i)), shown.figures.at(i).text,
                       shown.figures.at(i).color, kFontSize, m_layout.boldFigures, Qt::AlignRight);
    }
}

QStringList PriceRows::rowTexts(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    const PriceRow& shown = m_rows.at(static_cast<std::size_t>(row));
    QStringList texts{shown.name};
    for (const PriceCell& figure : shown.figures) {
        texts.append(figure.text);
    }
    return texts;
}

ui::SortKey PriceRows::sortKey(int row, int column) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    const PriceRow& shown = m_rows.at(static_cast<std::size_t>(row));
    if (column == 0) {
        return ui::SortKey::of(shown.name);
    }
    const auto figure = static_cast<std::size_t>(column - 1);
    if (column < 0 || figure >= shown.numbers.size() || !shown.numbers.at(figure)) {
        return {};
    }
    return ui::SortKey::of(*shown.numbers.at(figure));
}

QString PriceRows::matchText(int row) const {
    return row >= 0 && row < rowCount() ? m_rows.at(static_cast<std::size_t>(row)).name : QString();
}

const QPixmap& PriceRows::picture(const QString& name) const {
    auto found = m_pictures.find(name);
    if (found == m_pictures.end()) {
        found = m_pictures.insert(name, ui::artwork(name, m_layout.image.size()));
    }
    return *found;
}

StoredPrice readStoredPrice(const QString& row) {
    const QStringList fields = row.split(QLatin1Char(','));
    StoredPrice price;
    if (fields.size() < kStoredFields) {
        return price;
    }
    const qsizetype extra = fields.size() - kStoredFields;
    price.id = net::leadingInt(fields.at(0));
    price.name = fields.mid(1, 1 + extra).join(QLatin1Char(','));
    price.day = net::leadingInt(fields.at(2 + extra));
    price.minute = net::leadingInt(fields.at(3 + extra));
    for (std::size_t i = 0; i < price.values.size(); ++i) {
        price.values.at(i) = fields.at(4 + extra + static_cast<qsizetype>(i));
    }
    return price;
}

double numberOf(const QString& text) {
    return net::leadingDouble(text);
}

bool isZeroText(const QString& text) {
    return numberOf(text) == 0;
}

std::optional<double> figureNumber(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    return numberOf(text);
}

} // namespace world
