#include "company/CompanyResultView.h"

#include "company/CompanyResultViewController.h"
#include "core/CalendarHelpers.h"
#include "ui/Canvas.h"
#include "ui/ChartPieces.h"
#include "ui/Color.h"

#include <QKeyEvent>

namespace company {

namespace {

constexpr float kPositionWidth = 248.0F / 30.0F;
constexpr double kChartLeft = 198;
constexpr double kBarBase = 122;
constexpr double kLineBase = 125;
constexpr double kBarSpan = 50;
constexpr double kLineSpan = 80;
constexpr double kMarkerTop = 44;
constexpr int kLabelX = 155;
constexpr double kWhite = 1.0;

QString priceLabel(double value) {
    return QString::asprintf("%6.2lf", value);
}

QString volumeText(double value) {
    return core::getDecimalString(value);
}

} // namespace

CompanyResultView::CompanyResultView(CompanyResultViewController& delegate, QWidget* parent)
    : ui::ChartView(parent)
    , m_delegate(delegate) {
    // The tab lies over its host's screen, so the day keys reach it through the focus.
    setFocusPolicy(Qt::StrongFocus);
    // Each day's change is against the trading day before it.
    setCrosshairPanels({{QRectF(197, 30, 260, 100), core::dateFromDay, ui::twoDecimalText, volumeText,
                         ui::CrosshairPanel::Reference::PreviousPoint}});
}

CompanyResultView::~CompanyResultView() = default;

double CompanyResultView::xOfPosition(double position) {
    return kChartLeft + position * double{kPositionWidth};
}

void CompanyResultView::drawChart(ui::Canvas& /*canvas*/) {
    clearChart();
    drawCoordinate();
    m_delegate.parseForDraw();
    drawPositionBar();
}

void CompanyResultView::clearChart() {
    if (!currentCanvas()) {
        return;
    }
    // The panel and its label column.
    ui::fillGround(*currentCanvas(), {{197, 30, 260, 100}, {140, 30, 55, 120}});
}

void CompanyResultView::drawCoordinate() {
    if (!currentCanvas()) {
        return;
    }
    currentCanvas()->setLineWidth(0.5);
    if (m_maxPoint <= 0) {
        return;
    }
    drawText(priceLabel(m_maxPoint), kLabelX, 50);
    if (m_maxPoint > m_minPoint) {
        drawText(priceLabel((double{m_minPoint} + double{m_maxPoint}) / 2), kLabelX, 85);
    }
    drawText(priceLabel(m_minPoint), kLabelX, 125);
}

void CompanyResultView::drawText(const QString& text, int x, int y) {
    if (currentCanvas()) {
        ui::drawChartText(*currentCanvas(), text, x, y, kWhite);
    }
}

// A volume range with nothing in it has no scale: the bars are left out. A flat price range
// puts the whole line on the panel's base.
void CompanyResultView::drawBar(int i, int day, double volume, double price) {
    if (!currentCanvas()) {
        return;
    }
    currentCanvas()->setLineWidth(1);
    const double x = xOfPosition(i);
    if (m_maxHeight > m_minHeight && m_y_Scale > 0) {
        currentCanvas()->setStrokeColor(trendColors().riseOrFall(m_isGreen));
        ui::strokeLine(*currentCanvas(), x, kBarBase, x, kBarBase - (volume - m_minHeight) / m_y_Scale);
    }
    m_preHeight = static_cast<float>(volume);
    currentCanvas()->setStrokeColor(trendColors().rise());
    if (i <= m_preDay && m_prePoint != 0) {
        ui::strokeLine(*currentCanvas(), xOfPosition(m_preDay), yOfPrice(m_prePoint), x, yOfPrice(price));
    }
    m_prePoint = price;
    m_preDay = i;
    addCrosshairPoint(0, {x, day, price, 0, volume});
}

double CompanyResultView::yOfPrice(double price) const {
    if (m_y_PointScale <= 0) {
        return kLineBase;
    }
    return kLineBase - (price - m_minPoint) / m_y_PointScale;
}

// The rows were drawn latest first one position apart, so the chosen day's place in that list
// gives its position, whatever the calendar gaps.
void CompanyResultView::drawPositionBar() {
    const QList<int>& days = m_delegate.orderDays();
    const qsizetype k = days.indexOf(m_delegate.dayView());
    if (!currentCanvas() || k < 0) {
        return;
    }
    const int position = days.constFirst() - m_delegate.currentDay() + kPositions - static_cast<int>(k);
    const double x = xOfPosition(position);
    currentCanvas()->setLineWidth(0.5);
    currentCanvas()->setStrokeColor(ui::Color::gray());
    ui::strokeLine(*currentCanvas(), x, kBarBase, x, kMarkerTop);
}

void CompanyResultView::resetRanges() {
    m_maxHeight = 0;
    m_preHeight = 0;
    m_y_Scale = 200;
    m_maxPoint = 0;
    m_minPoint = 50000;
}

void CompanyResultView::widenRanges(double price, double volume) {
    ui::widenRange(price, m_maxPoint, m_minPoint);
    ui::widenRange(volume, m_maxHeight, m_minHeight);
}

void CompanyResultView::updateScales() {
    m_y_Scale = ui::scaleOf(m_maxHeight, m_minHeight, kBarSpan);
    m_y_PointScale = ui::scaleOf(m_maxPoint, m_minPoint, kLineSpan);
}

void CompanyResultView::touchesBegan(QPointF position) {
    m_swipe.began(position);
}

// A move to the right brings the earlier day, to the left the later one.
void CompanyResultView::touchesMoved(QPointF position) {
    switch (m_swipe.moved(position)) {
    case ui::SwipeClassifier::Swipe::Right:
        m_delegate.goNext();
        break;
    case ui::SwipeClassifier::Swipe::Left:
        m_delegate.goPrev();
        break;
    case ui::SwipeClassifier::Swipe::None:
        break;
    }
}

void CompanyResultView::touchesEnded(QPointF /*position*/) {
    m_swipe.ended();
}

void CompanyResultView::keyPressEvent(QKeyEvent* event) {
    if (m_delegate.handleDayKey(event->key())) {
        event->accept();
        return;
    }
    ui::ChartView::keyPressEvent(event);
}

} // namespace company
