#include "market/BreadthStrip.h"

#include "ui/Fonts.h"
#include "ui/TrendPalette.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace market {

namespace {

constexpr int kTextGap = 6;
constexpr int kFontSize = 11;
const QColor kSeparatorColor(0x9f, 0xb4, 0xd0);

const QString kNoResults = QStringLiteral("Cổ phiếu tăng/giảm: -");

int shareOf(int count, int total) {
    return static_cast<int>(std::lround(double(BreadthStrip::kBarWidth) * count / total));
}

} // namespace

BreadthStrip::BreadthStrip(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BreadthStrip::setBreadth(std::optional<MarketBreadth> breadth) {
    m_breadth = breadth;
    update();
}

void BreadthStrip::setPalette(const ui::TrendPalette* palette) {
    m_palette = palette;
    if (m_palette) {
        ui::repaintOnChange(*m_palette, this);
    }
    update();
}

QColor BreadthStrip::markColor(ui::PriceMark mark) const {
    return ui::colorsOf(m_palette).ofMark(mark, ui::Shade::Deep).toQColor();
}

QString BreadthStrip::text() const {
    return m_breadth ? breadthText(*m_breadth) : kNoResults;
}

std::array<int, 3> BreadthStrip::barWidths() const {
    if (!m_breadth || m_breadth->total() <= 0) {
        return {0, 0, 0};
    }
    const int rising = shareOf(m_breadth->rising, m_breadth->total());
    const int falling = shareOf(m_breadth->falling, m_breadth->total());
    return {rising, std::max(0, kBarWidth - rising - falling), falling};
}

// The strip is opaque: it lies over the chart's ground, where a day marker may end.
void BreadthStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setFont(ui::systemFont(kFontSize));
    if (!m_breadth) {
        painter.setPen(kSeparatorColor);
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, kNoResults);
        return;
    }
    paintBar(painter);
    paintCounts(painter, kBarWidth + kTextGap);
}

void BreadthStrip::paintBar(QPainter& painter) const {
    const std::array<int, 3> widths = barWidths();
    const std::array<ui::PriceMark, 3> marks{ui::PriceMark::Rise, ui::PriceMark::Reference, ui::PriceMark::Fall};
    const int top = (height() - kBarHeight) / 2;
    int x = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        painter.fillRect(QRect(x, top, widths.at(i), kBarHeight), markColor(marks.at(i)));
        x += widths.at(i);
    }
}

void BreadthStrip::paintCounts(QPainter& painter, int left) const {
    const QFontMetrics metrics(painter.font());
    int x = left;
    const auto draw = [&painter, &metrics, &x, this](const QString& piece, const QColor& color) {
        painter.setPen(color);
        painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, piece);
        x += metrics.horizontalAdvance(piece);
    };
    bool first = true;
    for (const BreadthPart& part : breadthParts(*m_breadth)) {
        if (!first) {
            draw(kBreadthSeparator, kSeparatorColor);
        }
        draw(part.text, markColor(part.mark));
        first = false;
    }
}

} // namespace market
