#include "world/ACBGoldView.h"

#include "ui/Canvas.h"
#include "ui/ChartPieces.h"

#include <cmath>

namespace world {

namespace {

constexpr int kLabelX = 16;

} // namespace

ACBGoldView::ACBGoldView(QWidget* parent)
    : GoldDayView(500000, parent) {}

ACBGoldView::~ACBGoldView() = default;

void ACBGoldView::widenHeight(double barValue) {
    ui::widenRange(std::fabs(barValue), m_maxHeight, m_minHeight);
}

void ACBGoldView::updateScales() {
    GoldDayView::updateScales();
    m_yScale = ui::scaleOf(m_maxHeight, m_minHeight, kBarSpan);
}

void ACBGoldView::resetPass() {
    GoldDayView::resetPass();
    m_preHeight = 0;
}

// Without a bar range (every amount equal) the bars have no height, but each amount still
// colours the next bar.
void ACBGoldView::drawBar(int minute, double barValue, double price) {
    ui::Canvas* canvas = currentCanvas();
    if (canvas == nullptr) {
        return;
    }
    canvas->setLineWidth(0.8);
    const double value = std::fabs(barValue);
    if (m_yScale > 0) {
        const double x = xOfMinute(minute);
        ui::strokeBar(*canvas, x, kBarBase, kBarBase - (value - double{m_minHeight}) / double{m_yScale},
                      trendColors().riseOrFall(value >= m_preHeight));
    }
    m_preHeight = value;
    drawPricePoint(minute, price, value);
}

void ACBGoldView::drawCoordinate() {
    if (currentCanvas() == nullptr) {
        return;
    }
    currentCanvas()->setLineWidth(0.5);
    if (maxPoint() <= 0) {
        return;
    }
    drawReferenceLine(ui::Color::darkGray());
    drawValueLabels(kLabelX);
}

} // namespace world
