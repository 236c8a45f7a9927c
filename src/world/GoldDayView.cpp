#include "world/GoldDayView.h"

#include "core/CalendarHelpers.h"
#include "ui/Canvas.h"
#include "ui/ChartPieces.h"

#include <cmath>

namespace world {

namespace {

// 381 points for 1440 minutes, as a float so that every platform puts a minute on the same x.
constexpr float kPointsPerMinute = 0.26458332F;

QString goldText(double value) {
    return core::getDecimalString(value);
}

} // namespace

GoldChartDelegate::~GoldChartDelegate() = default;

GoldDayView::GoldDayView(float initialMinPoint, QWidget* parent)
    : ui::ChartView(parent)
    , m_minPoint(initialMinPoint) {
    setChartBackground(Qt::white);
    // The black panel between the quote labels above it and the hours below.
    setCrosshairPanels({{QRectF(14, 104, 452, 130), core::timeFromMinuteFrom0h00, goldText, goldText,
                         ui::CrosshairPanel::Reference::Given}});
}

GoldDayView::~GoldDayView() = default;

double GoldDayView::xOfMinute(int minute) {
    return static_cast<double>(static_cast<float>(minute) * kPointsPerMinute) + kLeft;
}

// A flat range puts the whole line on the base.
double GoldDayView::priceY(double price) const {
    if (m_yPointScale <= 0) {
        return kPriceBase;
    }
    return kPriceBase - (price - double{m_minPoint}) / double{m_yPointScale};
}

void GoldDayView::widenPrice(double price) {
    ui::widenRange(std::fabs(price), m_maxPoint, m_minPoint);
}

void GoldDayView::updateScales() {
    m_yPointScale = ui::scaleOf(m_maxPoint, m_minPoint, kPriceSpan);
}

void GoldDayView::setNeedsDisplay() {
    update();
}

void GoldDayView::drawChart(ui::Canvas& canvas) {
    ui::fillGround(canvas, {{14, 80, 550, 220}});
    resetPass();
    if (m_delegate != nullptr) {
        m_delegate->parseForDraw();
    }
    drawCoordinate();
}

void GoldDayView::resetPass() {
    m_prePoint = 0;
    m_preMinute = 0;
}

void GoldDayView::drawPricePoint(int minute, double price, std::optional<double> volume) {
    ui::Canvas* canvas = currentCanvas();
    if (canvas == nullptr) {
        return;
    }
    addCrosshairPoint(0, {xOfMinute(minute), minute, price, double{m_yesterdayPoint}, volume});
    canvas->setStrokeColor(trendColors().riseOrFall(double{m_yesterdayPoint} < price));
    if (minute > m_preMinute && m_prePoint != 0) {
        ui::strokeLine(*canvas, xOfMinute(m_preMinute), priceY(m_prePoint), xOfMinute(minute), priceY(price));
    }
    m_prePoint = price;
    m_preMinute = minute;
}

void GoldDayView::drawReferenceLine(const ui::Color& color) {
    if (currentCanvas() == nullptr || m_minPoint <= 0 || m_yesterdayPoint <= m_minPoint ||
        m_yesterdayPoint >= m_maxPoint) {
        return;
    }
    ui::strokeHorizontal(*currentCanvas(), color, kLeft, kRight, priceY(m_yesterdayPoint));
}

void GoldDayView::drawValueLabels(int x) {
    if (currentCanvas() == nullptr) {
        return;
    }
    const auto whole = [](double value) {
        return core::getDecimalString(std::trunc(value));
    };
    const double middle = double{m_minPoint} * 0.5 + double{m_maxPoint} * 0.5;
    ui::drawChartText(*currentCanvas(), whole(m_maxPoint), x, 105);
    ui::drawChartText(*currentCanvas(), whole(middle), x, 170);
    ui::drawChartText(*currentCanvas(), whole(m_minPoint), x, 230);
}

} // namespace world
