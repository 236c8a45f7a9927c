#include "market/MarketResultView.h"

#include "core/CalendarHelpers.h"
#include "market/MarketResultViewController.h"
#include "ui/Canvas.h"
#include "ui/ChartPieces.h"
#include "ui/Color.h"

#include <QStringList>

namespace market {

namespace {

constexpr int kHoSE = 2;
constexpr int kHaSTC = 1;
constexpr int kSlots = 60;
constexpr float kSlotWidth = 248.0F / 60.0F;
constexpr double kChartLeft = 199;
constexpr double kBarSpan = 40;
constexpr double kLineSpan = 80;
constexpr int kLabelX = 165;

// Traded quantities are in millions, as the screen's totals show them.
QString quantityText(double value) {
    return core::getDecimalString(value) + QStringLiteral(" Tr.");
}

} // namespace

MarketResultView::MarketResultView(MarketResultViewController& delegate, QWidget* parent)
    : ui::ChartView(parent)
    , m_delegate(delegate) {
    // Each day's change is against the trading day before it.
    setCrosshairPanels({{QRectF(197, 30, 260, 100), core::dateFromDay, ui::twoDecimalText, quantityText,
                         ui::CrosshairPanel::Reference::PreviousPoint},
                        {QRectF(197, 150, 265, 90), core::dateFromDay, ui::twoDecimalText, quantityText,
                         ui::CrosshairPanel::Reference::PreviousPoint}});
}

MarketResultView::~MarketResultView() = default;

double MarketResultView::xOfSlot(int slot) {
    return slot * double{kSlotWidth} + kChartLeft;
}

void MarketResultView::drawChart(ui::Canvas& /*canvas*/) {
    clearChart();
    drawCoordinate();
    m_delegate.parseForDraw();
    drawPositionBar();
}

void MarketResultView::clearChart() {
    if (!currentCanvas()) {
        return;
    }
    // The ground of both panels and of their label columns.
    ui::fillGround(*currentCanvas(),
                   {{197, 30, 260, 100}, {140, 30, 55, 120}, {197, 150, 265, 90}, {140, 150, 55, 110}});
}

void MarketResultView::drawCoordinate() {
    if (!currentCanvas()) {
        return;
    }
    currentCanvas()->setLineWidth(0.5);
    if (hasIndexValues(kHoSE)) {
        drawPanelLabels(m_maxHoSEPoint, m_minHoSEPoint, 50, 85, 125);
    }
    if (hasIndexValues(kHaSTC)) {
        drawPanelLabels(m_maxHaSTCPoint, m_minHaSTCPoint, 163, 203, 241);
    }
}

// The lowest label is 85 % of the minimum: the bars stand on the index panel's floor.
void MarketResultView::drawPanelLabels(double maximum, double minimum, int maxY, int minY, int lowY) {
    drawText(core::wholeNumberText(maximum), kLabelX, maxY);
    drawText(core::wholeNumberText(minimum), kLabelX, minY);
    drawText(core::wholeNumberText(0.85 * minimum), kLabelX, lowY);
}

void MarketResultView::drawText(const QString& text, int x, int y) {
    if (currentCanvas()) {
        ui::drawChartText(*currentCanvas(), text, x, y);
    }
}

void MarketResultView::drawBar(int exchange, int slot, int day, double quantity, double index) {
    if (!currentCanvas()) {
        return;
    }
    currentCanvas()->setLineWidth(1);
    if (exchange == kHoSE) {
        drawHoSEBar(slot, quantity, index);
    } else if (exchange == kHaSTC) {
        drawHaSTCBar(slot, quantity, index);
    } else {
        return;
    }
    addCrosshairPoint(exchange == kHoSE ? 0 : 1, {xOfSlot(slot), day, index, 0, quantity});
}

void MarketResultView::drawHoSEBar(int slot, double quantity, double index) {
    const double x = xOfSlot(slot);
    if (m_yHoSE_Scale > 0) {
        currentCanvas()->setStrokeColor(trendColors().riseOrFall(m_isGreen));
        ui::strokeLine(*currentCanvas(), x, 122, x, 117 - (quantity - m_minHoSEHeight) / m_yHoSE_Scale);
    }
    m_preHoSEHeight = quantity;
    currentCanvas()->setStrokeColor(trendColors().rise());
    if (m_preHoSEPoint != 0 && m_yHoSE_PointScale > 0) {
        ui::strokeLine(*currentCanvas(), xOfSlot(m_preHoSEMinute),
                       120 - (m_preHoSEPoint - m_minHoSEPoint) / m_yHoSE_PointScale, x,
                       120 - (index - m_minHoSEPoint) / m_yHoSE_PointScale);
    }
    m_preHoSEPoint = index;
    m_preHoSEMinute = slot;
}

void MarketResultView::drawHaSTCBar(int slot, double quantity, double index) {
    const double x = xOfSlot(slot);
    if (m_yHaSTC_Scale > 0) {
        currentCanvas()->setStrokeColor(trendColors().riseOrFall(m_isGreen));
        ui::strokeLine(*currentCanvas(), x, 238, x, 233 - (quantity - m_minHaSTCHeight) / m_yHaSTC_Scale);
    }
    m_preHaSTCHeight = quantity;
    currentCanvas()->setStrokeColor(trendColors().rise());
    if (m_preHaSTCPoint != 0 && m_yHaSTC_PointScale > 0) {
        ui::strokeLine(*currentCanvas(), xOfSlot(m_preHaSTCMinute),
                       236 - (m_preHaSTCPoint - m_minHaSTCPoint) / m_yHaSTC_PointScale, x,
                       236 - (index - m_minHaSTCPoint) / m_yHaSTC_PointScale);
    }
    m_preHaSTCPoint = index;
    m_preHaSTCMinute = slot;
}

// The HoSE days were drawn newest first one slot apart, so the chosen day's place in that list
// gives its slot.
void MarketResultView::drawPositionBar() {
    const QStringList& days = m_delegate.orderDays();
    const int chosen = m_delegate.chosenDay();
    const qsizetype k = days.indexOf(QString::number(chosen));
    if (!currentCanvas() || k < 0) {
        return;
    }
    const int slot = days.constFirst().toInt() - m_delegate.currentDay() + kSlots - static_cast<int>(k);
    const double x = xOfSlot(slot);
    currentCanvas()->setLineWidth(0.5);
    currentCanvas()->setStrokeColor(ui::Color::gray());
    currentCanvas()->beginPath();
    currentCanvas()->moveTo(x, 126);
    currentCanvas()->addLineTo(x, 31);
    currentCanvas()->moveTo(x, 253);
    currentCanvas()->addLineTo(x, 160);
    currentCanvas()->strokePath();
}

void MarketResultView::resetData() {
    m_preHoSEPoint = 0;
    m_preHaSTCPoint = 0;
}

void MarketResultView::widenRanges(int exchange, double quantity, double index) {
    if (exchange == kHoSE) {
        ui::widenRange(quantity, m_maxHoSEHeight, m_minHoSEHeight);
        ui::widenRange(index, m_maxHoSEPoint, m_minHoSEPoint);
    } else if (exchange == kHaSTC) {
        ui::widenRange(quantity, m_maxHaSTCHeight, m_minHaSTCHeight);
        ui::widenRange(index, m_maxHaSTCPoint, m_minHaSTCPoint);
    }
}

void MarketResultView::updateScales() {
    m_yHoSE_Scale = ui::scaleOf(m_maxHoSEHeight, m_minHoSEHeight, kBarSpan);
    m_yHaSTC_Scale = ui::scaleOf(m_maxHaSTCHeight, m_minHaSTCHeight, kBarSpan);
    m_yHoSE_PointScale = ui::scaleOf(m_maxHoSEPoint, m_minHoSEPoint, kLineSpan);
    m_yHaSTC_PointScale = ui::scaleOf(m_maxHaSTCPoint, m_minHaSTCPoint, kLineSpan);
}

bool MarketResultView::hasIndexValues(int exchange) const {
    if (exchange == kHoSE) {
        return m_maxHoSEPoint >= m_minHoSEPoint;
    }
    if (exchange == kHaSTC) {
        return m_maxHaSTCPoint >= m_minHaSTCPoint;
    }
    return false;
}

void MarketResultView::touchesBegan(QPointF position) {
    m_swipe.began(position);
}

void MarketResultView::touchesMoved(QPointF position) {
    switch (m_swipe.moved(position)) {
    case ui::SwipeClassifier::Swipe::Right:
        m_delegate.goBack();
        break;
    case ui::SwipeClassifier::Swipe::Left:
        m_delegate.goNext();
        break;
    case ui::SwipeClassifier::Swipe::None:
        break;
    }
}

void MarketResultView::touchesEnded(QPointF /*position*/) {
    m_swipe.ended();
}

} // namespace market
