#include "market/MarketInfoView.h"

#include "core/CalendarHelpers.h"
#include "market/MarketInfoViewController.h"
#include "ui/Canvas.h"
#include "ui/ChartPieces.h"

namespace market {

namespace {

// Market minutes of the panels: HoSE trades 09:00–10:15 across the top panel's 248 points,
// HNX 08:30–11:00 across the bottom one.
constexpr float kHoSEMinuteWidth = 248.0F / 75.0F;
constexpr float kHaSTCMinuteWidth = 248.0F / 150.0F;
constexpr int kHaSTCLastMinute = 150;
constexpr int kHoSEFirstBarMinute = 32;
constexpr int kHoSELastMinute = 105;
constexpr int kHoSEFirstLineMinute = 30;

constexpr int kLabelX = 155;
constexpr int kHoSECrosshairPanel = 0;
constexpr int kHaSTCCrosshairPanel = 1;
constexpr double kReferenceLeft = 200;
constexpr double kReferenceRight = 448;

// A minute's bar is the shares traded in it, in millions as the screen's day total ("Tr.").
QString volumeText(double value) {
    return core::getDecimalString(value) + QStringLiteral(" Tr.");
}

} // namespace

MarketInfoView::MarketInfoView(QWidget* parent)
    : ui::ChartView(parent) {
    setCrosshairPanels({{QRectF(197, 30, 260, 100), core::timeFromLastUpdate, ui::twoDecimalText, volumeText,
                         ui::CrosshairPanel::Reference::Given},
                        {QRectF(197, 150, 265, 90), core::timeFromLastUpdate, ui::twoDecimalText, volumeText,
                         ui::CrosshairPanel::Reference::Given}});
}

void MarketInfoView::widenHoSE(float barValue, float indexValue) {
    ui::widenRange(barValue, m_maxHoSEHeight, m_minHoSEHeight);
    ui::widenRange(indexValue, m_maxHoSEPoint, m_minHoSEPoint);
}

void MarketInfoView::widenHaSTC(float barValue, float indexValue) {
    ui::widenRange(barValue, m_maxHaSTCHeight, m_minHaSTCHeight);
    ui::widenRange(indexValue, m_maxHaSTCPoint, m_minHaSTCPoint);
}

void MarketInfoView::setNeedsDisplay() {
    ++m_displayRequests;
    update();
}

void MarketInfoView::drawChart(ui::Canvas& /*canvas*/) {
    // Every pass draws the whole day, so each starts as the first after a new answer does: a
    // repaint (the window zoomed, uncovered) must not colour the first bar by the last one.
    m_preHoSEHeight = 0;
    m_preHaSTCHeight = 0;
    clearChart();
    if (m_delegate) {
        m_delegate->parseForDraw();
    }
    drawCoordinate();
}

void MarketInfoView::clearChart() {
    if (!currentCanvas()) {
        return;
    }
    ui::fillGround(*currentCanvas(),
                   {{197, 30, 260, 100}, {140, 30, 55, 120}, {197, 150, 265, 90}, {140, 150, 55, 110}});
}

MarketInfoView::Panel MarketInfoView::hosePanel() {
    return Panel{kHoSEFirstLineMinute,
                 kHoSEMinuteWidth,
                 120,
                 122,
                 m_minHoSEPoint,
                 m_yHoSE_PointScale,
                 m_minHoSEHeight,
                 m_yHoSE_Scale,
                 m_yesterdayHoPoint,
                 &m_preHoSEHeight,
                 &m_preHoSEMinute,
                 &m_preHoSEPoint};
}

MarketInfoView::Panel MarketInfoView::haSTCPanel() {
    return Panel{0,
                 kHaSTCMinuteWidth,
                 236,
                 238,
                 m_minHaSTCPoint,
                 m_yHaSTC_PointScale,
                 m_minHaSTCHeight,
                 m_yHaSTC_Scale,
                 m_yesterdayHaPoint,
                 &m_preHaSTCHeight,
                 &m_preHaSTCMinute,
                 &m_preHaSTCPoint};
}

void MarketInfoView::drawBar(int exchange, int minute, double barValue, double indexValue) {
    if (!currentCanvas()) {
        return;
    }
    currentCanvas()->setLineWidth(1);
    if (exchange == kHaSTC) {
        if (minute < 0 || minute > kHaSTCLastMinute) {
            return;
        }
        const Panel panel = haSTCPanel();
        drawMinuteBar(panel, minute, barValue);
        drawLinePoint(panel, minute, indexValue);
        addMinutePoint(kHaSTCCrosshairPanel, panel, minute, indexValue, barValue);
    } else if (exchange == kHoSE) {
        const Panel panel = hosePanel();
        if (minute >= kHoSEFirstBarMinute && minute <= kHoSELastMinute) {
            drawMinuteBar(panel, minute, barValue);
            drawLinePoint(panel, minute, indexValue);
            addMinutePoint(kHoSECrosshairPanel, panel, minute, indexValue, barValue);
        } else if (minute == kHoSEFirstLineMinute || minute == kHoSEFirstLineMinute + 1) {
            drawLinePoint(panel, minute, indexValue);
            addMinutePoint(kHoSECrosshairPanel, panel, minute, indexValue, std::nullopt);
        }
    }
}

void MarketInfoView::addMinutePoint(int crosshairPanel, const Panel& panel, int minute, double indexValue,
                                    std::optional<double> barValue) {
    addCrosshairPoint(crosshairPanel,
                      {panel.x(minute), minute, indexValue, static_cast<double>(panel.yesterday), barValue});
}

// The white stroke under the coloured one keeps a hairline of light at the bar's edges. Without
// a bar scale the bar has no height, but its value still colours the next one.
void MarketInfoView::drawMinuteBar(const Panel& panel, int minute, double barValue) {
    if (!panel.hasBarScale()) {
        *panel.preHeight = static_cast<float>(barValue);
        return;
    }
    const double x = panel.x(minute);
    const double top = panel.barTop(barValue);
    ui::strokeBar(*currentCanvas(), x, panel.barBase, top, trendColors().riseOrFall(barValue >= *panel.preHeight));
    *panel.preHeight = static_cast<float>(barValue);
}

void MarketInfoView::drawLinePoint(const Panel& panel, int minute, double indexValue) {
    if (*panel.preMinute >= minute) {
        return;
    }
    currentCanvas()->setStrokeColor(trendColors().riseOrFall(indexValue >= panel.yesterday));
    if (*panel.prePoint != 0 && panel.hasLineScale()) {
        ui::strokeLine(*currentCanvas(), panel.x(*panel.preMinute), panel.lineY(*panel.prePoint), panel.x(minute),
                       panel.lineY(indexValue));
    }
    *panel.prePoint = static_cast<float>(indexValue);
    *panel.preMinute = minute;
}

void MarketInfoView::drawCoordinate() {
    if (!currentCanvas()) {
        return;
    }
    drawReferenceLine(hosePanel(), m_maxHoSEPoint);
    drawReferenceLine(haSTCPanel(), m_maxHaSTCPoint);
    drawValueLabels(m_maxHoSEPoint, m_minHoSEPoint, {50, 85, 125}, {0.000001, 0.00000001, 0.000001});
    drawValueLabels(m_maxHaSTCPoint, m_minHaSTCPoint, {163, 203, 241}, {0.0000001, 0.0000001, 0.000001});
}

// Only a previous close strictly inside the panel's range has a place on it (a flat range has
// no inside).
void MarketInfoView::drawReferenceLine(const Panel& panel, float maxPoint) {
    if (!panel.hasLineScale() || maxPoint <= 0 || panel.minPoint <= 0 || panel.yesterday <= panel.minPoint ||
        panel.yesterday >= maxPoint) {
        return;
    }
    const double y = panel.lineY(panel.yesterday);
    ui::strokeHorizontal(*currentCanvas(), ui::Color::lightGray(), kReferenceLeft, kReferenceRight, y);
}

// The nudges round values that sit exactly on a half cent the same way on every platform.
void MarketInfoView::drawValueLabels(float maxPoint, float minPoint, const int (&baselines)[3],
                                     const double (&nudges)[3]) {
    if (maxPoint <= 0) {
        return;
    }
    const double middle = static_cast<double>(minPoint) * 0.5 + static_cast<double>(maxPoint) * 0.5;
    drawText(QString::asprintf("%6.2lf", static_cast<double>(maxPoint) + nudges[0]), kLabelX, baselines[0]);
    drawText(QString::asprintf("%6.2lf", middle + nudges[1]), kLabelX, baselines[1]);
    drawText(QString::asprintf("%6.2lf", static_cast<double>(minPoint) + nudges[2]), kLabelX, baselines[2]);
}

void MarketInfoView::drawText(const QString& text, int x, int y) {
    if (currentCanvas()) {
        ui::drawChartText(*currentCanvas(), text, x, y);
    }
}

void MarketInfoView::touchesBegan(QPointF position) {
    m_swipe.began(position);
}

void MarketInfoView::touchesMoved(QPointF position) {
    if (m_swipe.moved(position) == ui::SwipeClassifier::Swipe::Left && m_delegate) {
        m_delegate->goMarketResult();
    }
}

void MarketInfoView::touchesEnded(QPointF /*position*/) {
    m_swipe.ended();
}

void MarketInfoView::touchesCancelled(QPointF position) {
    m_swipe.cancelled(position);
}

} // namespace market
