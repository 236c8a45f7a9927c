#include "world/WorldGoldView.h"

#include "ui/Canvas.h"
#include "ui/Color.h"

namespace world {

namespace {

constexpr int kLabelX = 18;

} // namespace

WorldGoldView::WorldGoldView(QWidget* parent)
    : GoldDayView(50000, parent) {}

WorldGoldView::~WorldGoldView() = default;

void WorldGoldView::drawBar(int minute, double /*barValue*/, double price) {
    if (currentCanvas() == nullptr) {
        return;
    }
    currentCanvas()->setLineWidth(0.8);
    drawPricePoint(minute, price);
}

// The reference line keeps the width of the price line.
void WorldGoldView::drawCoordinate() {
    if (currentCanvas() == nullptr || maxPoint() <= 0) {
        return;
    }
    drawReferenceLine(ui::Color::lightGray());
    drawValueLabels(kLabelX);
}

} // namespace world
