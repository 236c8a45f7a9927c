#include "portfolio/HoldingsSource.h"

#include "portfolio/Holdings.h"
#include "ui/Artwork.h"
#include "ui/RowLabel.h"
#include "ui/TrendPalette.h"

#include <QPainter>

namespace portfolio {

HoldingsSource::HoldingsSource(const HoldingsModel& model, const HoldingColumns& columns,
                               const ui::TrendPalette* palette)
    : m_model(model)
    , m_columns(columns)
    , m_palette(palette)
    , m_disclosure(ui::artwork(QStringLiteral("AccDisclosure.png"), QSize(20, 20))) {}

int HoldingsSource::rowCount() const {
    return int(m_model.rows().size());
}

void HoldingsSource::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    const HoldingRow* holding = m_model.row(row);
    if (!holding) {
        return;
    }
    painter.fillRect(rect, selected ? QColor(0x1c, 0x3a, 0x66) : QColor(Qt::black));
    const ui::TrendColors colors = ui::colorsOf(m_palette);
    for (const HoldingColumn& column : m_columns) {
        const HoldingCell cell = column.value(*holding, colors);
        ui::paintLabel(painter, column.frame.translated(rect.topLeft()), cell.text, cell.color, 13, true,
                       Qt::AlignRight | Qt::AlignVCenter);
    }
    ui::paintCentred(painter, m_disclosure, kDetailFrame.translated(rect.topLeft()));
}

QStringList HoldingsSource::columnTitles() const {
    QStringList titles;
    for (const HoldingColumn& column : m_columns) {
        titles.append(QString::fromUtf16(column.heading));
    }
    return titles;
}

QStringList HoldingsSource::rowTexts(int row) const {
    const HoldingRow* holding = m_model.row(row);
    if (!holding) {
        return {};
    }
    QStringList texts;
    for (const HoldingColumn& column : m_columns) {
        texts.append(column.value(*holding).text);
    }
    return texts;
}

ui::SortKey HoldingsSource::sortKey(int row, int column) const {
    const HoldingRow* holding = m_model.row(row);
    if (!holding || column < 0 || column >= int(m_columns.size())) {
        return {};
    }
    const HoldingCell cell = m_columns.at(std::size_t(column)).value(*holding);
    if (cell.number) {
        return ui::SortKey::of(*cell.number);
    }
    return cell.text == u"-" ? ui::SortKey::missing() : ui::SortKey::of(cell.text);
}

QString HoldingsSource::matchText(int row) const {
    const HoldingRow* holding = m_model.row(row);
    if (!holding) {
        return {};
    }
    const auto name = m_names.constFind(holding->code);
    return name == m_names.cend() ? holding->code : holding->code + u' ' + *name;
}

QString HoldingsSource::rowIdentity(int row) const {
    const HoldingRow* holding = m_model.row(row);
    return holding ? holding->holdingId : QString();
}

} // namespace portfolio
