#include "company/CompanyRealTimeView.h"

#include "company/CompanyRealTimeViewcontroller.h"
#include "core/CalendarHelpers.h"
#include "ui/Canvas.h"
#include "ui/ChartPieces.h"
#include "ui/Color.h"

namespace company {

namespace {

// HoSE trades 09:00–10:15 (market minutes 30 to 105), HNX 08:30–11:00 (0 to 150), both across
// the same 248 points of panel.
constexpr float kHoSEMinuteWidth = 248.0F / 75.0F;
constexpr float kHNXMinuteWidth = 248.0F / 150.0F;
constexpr int kHoSEFirstMinute = 30;
constexpr double kLeft = 199;
constexpr double kRight = 448;
constexpr double kBase = 122;
constexpr int kLabelX = 155;

QString volumeText(double value) {
    return core::getDecimalString(value);
}

} // namespace

CompanyRealTimeView::CompanyRealTimeView(QWidget* parent)
    : ui::ChartView(parent) {
    setCrosshairPanels({{QRectF(197, 30, 260, 100), core::timeFromLastUpdate, ui::twoDecimalText, volumeText,
                         ui::CrosshairPanel::Reference::Given}});
}

void CompanyRealTimeView::setNeedsDisplay() {
    ++m_displayRequests;
    update();
}

void CompanyRealTimeView::widen(float volume, float price) {
    ui::widenRange(volume, m_maxHeight, m_minHeight);
    ui::widenRange(price, m_maxPoint, m_minPoint);
}

double CompanyRealTimeView::xOf(double minute) const {
    if (m_hose) {
        return kLeft + (minute - kHoSEFirstMinute) * static_cast<double>(kHoSEMinuteWidth);
    }
    return kLeft + minute * static_cast<double>(kHNXMinuteWidth);
}

double CompanyRealTimeView::yOf(double price) const {
    return kBase - (price - static_cast<double>(m_minPoint)) / static_cast<double>(m_y_PointScale);
}

// The labels and the reference line come last so that they lie over the line and the bars.
void CompanyRealTimeView::drawChart(ui::Canvas& /*canvas*/) {
    clearChart();
    if (m_delegate) {
        m_delegate->parseForDraw();
    }
    drawCoordinate();
}

void CompanyRealTimeView::clearChart() {
    if (!currentCanvas()) {
        return;
    }
    ui::fillGround(*currentCanvas(), {{197, 30, 260, 100}, {140, 30, 55, 120}});
}

void CompanyRealTimeView::drawBar(int minute, double volume, double price) {
    if (!currentCanvas()) {
        return;
    }
    currentCanvas()->setLineWidth(1);
    drawVolumeBar(minute, volume);
    drawPriceSegment(minute, price);
    addCrosshairPoint(0, {xOf(minute), minute, price, double{m_yesterdayPoint}, volume});
    m_prePoint = static_cast<float>(price);
    m_preMinute = minute;
}

// Green when the volume is not below the previous minute's.
void CompanyRealTimeView::drawVolumeBar(int minute, double volume) {
    const ui::Color color = trendColors().riseOrFall(volume >= static_cast<double>(m_preHeight));
    m_preHeight = static_cast<float>(volume);
    if (!hasVolumeScale()) {
        return;
    }
    const double x = xOf(minute);
    currentCanvas()->setStrokeColor(color);
    ui::strokeLine(*currentCanvas(), x, kBase, x,
                   kBase - (volume - static_cast<double>(m_minHeight)) / static_cast<double>(m_y_Scale));
}

// A segment crossing the reference is split: a fall turns red half a minute after the previous
// point, a rise turns (dark) green halfway between the two points.
void CompanyRealTimeView::drawPriceSegment(int minute, double price) {
    const double previous = m_prePoint;
    if (m_preMinute >= minute || previous == 0 || !hasPriceScale()) {
        return;
    }
    const double reference = m_yesterdayPoint;
    const ui::TrendColors colors = trendColors();
    if (previous > reference && price < reference) {
        const double split = m_preMinute + 0.5;
        strokeLine(colors.rise(), m_preMinute, previous, split, reference);
        strokeLine(colors.fall(), split, reference, minute, price);
    } else if (previous < reference && price > reference) {
        const double split = m_preMinute + (minute - m_preMinute) / 2.0;
        strokeLine(colors.fall(), m_preMinute, previous, split, reference);
        strokeLine(colors.rise(ui::Shade::Deep), split, reference, minute, price);
    } else {
        strokeLine(colors.riseOrFall(price >= reference), m_preMinute, previous, minute, price);
    }
}

void CompanyRealTimeView::strokeLine(const ui::Color& color, double fromMinute, double fromPrice, double toMinute,
                                     double toPrice) {
    currentCanvas()->setStrokeColor(color);
    ui::strokeLine(*currentCanvas(), xOf(fromMinute), yOf(fromPrice), xOf(toMinute), yOf(toPrice));
}

void CompanyRealTimeView::drawCoordinate() {
    if (!currentCanvas() || m_maxPoint <= 0) {
        return;
    }
    currentCanvas()->setLineWidth(0.5);
    const double minimum = m_minPoint;
    const double maximum = m_maxPoint;
    drawText(QString::asprintf("%6.2lf", minimum + 0.000001), kLabelX, 125);
    drawText(QString::asprintf("%6.2lf", minimum * 0.5 + maximum * 0.5 + 0.000001), kLabelX, 85);
    drawText(QString::asprintf("%6.2lf", maximum + 0.00001), kLabelX, 50);
    if (m_minPoint > 0 && m_minPoint < m_yesterdayPoint && m_yesterdayPoint < m_maxPoint && hasPriceScale()) {
        ui::strokeHorizontal(*currentCanvas(), ui::Color::lightGray(), kLeft, kRight, yOf(m_yesterdayPoint));
    }
}

// The chart's text routine, in white.
void CompanyRealTimeView::drawText(const QString& text, int x, int y) {
    if (currentCanvas()) {
        ui::drawChartText(*currentCanvas(), text, x, y, 1.0);
    }
}

} // namespace company
