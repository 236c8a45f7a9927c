#include "market/MarketHistoryView.h"

#include "core/CalendarHelpers.h"
#include "market/MarketHistoryLabel.h"
#include "market/MarketHistoryViewController.h"
#include "ui/Canvas.h"
#include "ui/ChartPieces.h"
#include "ui/QPainterCanvas.h"

#include <QPainter>

namespace market {

namespace {

constexpr double kScaleSpan = 50;
// A change shown as at least one hundredth; the margin keeps 500.01 - 500 on the right side.
constexpr double kOneHundredth = 0.01 - 1e-9;

QString blanks(int count) {
    return {count, QLatin1Char(' ')};
}

// Each caption's words sit under their times on the axis drawn above it.
QString hoseCaption() {
    return QStringLiteral("9h") + blanks(31) + QStringLiteral("9h30") + blanks(31) + QStringLiteral("10h") +
           blanks(21) + QStringLiteral("10h15");
}

QString haSTCCaption() {
    return QStringLiteral("8h30") + blanks(31) + QStringLiteral("9h30") + blanks(31) + QStringLiteral("10h30") +
           blanks(17) + QStringLiteral("11h");
}

// The change against the previous minute as the drawing pass writes it; an unchanged value
// leaves the label as it was.
void showChange(MarketHistoryLabel* label, double point, double prePoint, const ui::TrendColors& colors) {
    if (label == nullptr || point == prePoint) {
        return;
    }
    const double difference = point - prePoint;
    const double percent = difference * 100 / prePoint;
    if (difference >= kOneHundredth) {
        label->showValue(QString::asprintf("+%6.2lf(%6.2lf%%)", difference, percent), colors.rise(ui::Shade::Deep));
    } else if (difference <= -kOneHundredth) {
        label->showValue(QString::asprintf("%6.2lf(%6.2lf%%)", difference, percent), colors.fall(ui::Shade::Deep));
    } else {
        label->showValue(QStringLiteral("0(00.00%)"), colors.rise(ui::Shade::Deep));
    }
}

QString volumeText(double value) {
    return core::getDecimalString(value);
}

} // namespace

MarketHistoryView::MarketHistoryView(MarketHistoryViewController& delegate, QWidget* parent)
    : ui::ChartView(parent)
    , m_delegate(delegate) {
    setChartBackground(Qt::white);
    // As the change labels, each minute's change is against the minute before it.
    setCrosshairPanels({{QRectF(140, 50, 300, 75), core::timeFromLastUpdate, ui::twoDecimalText, volumeText,
                         ui::CrosshairPanel::Reference::PreviousPoint},
                        {QRectF(140, 160, 300, 70), core::timeFromLastUpdate, ui::twoDecimalText, volumeText,
                         ui::CrosshairPanel::Reference::PreviousPoint}});
}

MarketHistoryView::~MarketHistoryView() = default;

void MarketHistoryView::setNeedsDisplay() {
    ++m_displayRequests;
    m_needsDisplay = true;
    update();
}

void MarketHistoryView::resetDayState() {
    m_maxHoSEHeight = 0;
    m_maxHaSTCHeight = 0;
    m_preHoSEPoint = 0;
    m_preHaSTCPoint = 0;
}

void MarketHistoryView::widenRanges(int exchange, double barValue, double indexValue) {
    if (exchange == kHoSE) {
        ui::widenRange(barValue, m_maxHoSEHeight, m_minHoSEHeight);
        ui::widenRange(indexValue, m_maxHoSEPoint, m_minHoSEPoint);
    } else if (exchange == kHaSTC) {
        ui::widenRange(barValue, m_maxHaSTCHeight, m_minHaSTCHeight);
        ui::widenRange(indexValue, m_maxHaSTCPoint, m_minHaSTCPoint);
    }
}

void MarketHistoryView::updateScales() {
    m_yHoSE_Scale = static_cast<float>((m_maxHoSEHeight - m_minHoSEHeight) / kScaleSpan);
    m_yHaSTC_Scale = static_cast<float>((m_maxHaSTCHeight - m_minHaSTCHeight) / kScaleSpan);
    m_yHoSE_PointScale = static_cast<float>((m_maxHoSEPoint - m_minHoSEPoint) / kScaleSpan);
    m_yHaSTC_PointScale = static_cast<float>((m_maxHaSTCPoint - m_minHaSTCPoint) / kScaleSpan);
}

void MarketHistoryView::drawChart(ui::Canvas& /*canvas*/) {
    if (chartBackground() != Qt::white) {
        setChartBackground(Qt::white);
    }
    drawCoordinate();
    m_delegate.parseForDraw();
}

// The pass runs once per request, so its change labels and the line state it moves are those
// of one drawing of the day, however often the window is repainted.
void MarketHistoryView::paintEvent(QPaintEvent* /*event*/) {
    if (m_needsDisplay) {
        m_needsDisplay = false;
        repaintPicture();
    }
    QPainter painter(this);
    painter.fillRect(rect(), chartBackground());
    painter.drawPicture(0, 0, m_picture);
    paintCrosshair(painter);
}

void MarketHistoryView::repaintPicture() {
    QPicture picture;
    {
        QPainter painter(&picture);
        ui::QPainterCanvas canvas(painter);
        renderChart(canvas);
    }
    m_picture = picture;
}

void MarketHistoryView::drawCoordinate() {
    if (currentCanvas() == nullptr) {
        return;
    }
    ui::Canvas& canvas = *currentCanvas();
    canvas.setFillColor(1, 1, 1, 1);
    canvas.fillRect(140, 50, 300, 75);
    canvas.fillRect(140, 160, 300, 75);

    canvas.setLineWidth(0.5);
    canvas.setStrokeColor(trendColors().rise());
    canvas.beginPath();
    canvas.moveTo(140, 125);
    canvas.addLineTo(140, 50);
    canvas.moveTo(140, 125);
    canvas.addLineTo(440, 125);
    canvas.moveTo(140, 230);
    canvas.addLineTo(140, 160);
    canvas.moveTo(140, 230);
    canvas.addLineTo(440, 230);
    canvas.strokePath();

    drawText(hoseCaption(), 140, 135);
    drawText(haSTCCaption(), 140, 245);
    if (m_maxHoSEPoint > 0) {
        drawRangeLabels(m_maxHoSEPoint, m_minHoSEPoint, 50, 100);
    }
    if (m_maxHaSTCPoint > 0) {
        drawRangeLabels(m_maxHaSTCPoint, m_minHaSTCPoint, 160, 210);
    }
}

void MarketHistoryView::drawRangeLabels(float maxPoint, float minPoint, int maxY, int minY) {
    drawText(QString::asprintf("%6.2lf", static_cast<double>(minPoint)), 110, minY);
    drawText(QString::asprintf("%6.2lf", static_cast<double>(maxPoint)), 110, maxY);
}

void MarketHistoryView::drawText(const QString& text, int x, int y) {
    if (currentCanvas() != nullptr) {
        ui::drawChartText(*currentCanvas(), text, x, y, 0.0);
    }
}

MarketHistoryView::Panel MarketHistoryView::hosePanel() {
    // x = 4 × i + 20 puts minute 30 (09:00) on the axis at x 140.
    return Panel{.firstMinute = 32,
                 .lastMinute = 105,
                 .xPerMinute = 4,
                 .xAtMinuteZero = 20,
                 .barBase = 125,
                 .lineBase = 95,
                 .minHeight = m_minHoSEHeight,
                 .heightScale = m_yHoSE_Scale,
                 .minPoint = m_minHoSEPoint,
                 .pointScale = m_yHoSE_PointScale,
                 .preHeight = m_preHoSEHeight,
                 .prePoint = m_preHoSEPoint,
                 .preMinute = m_preHoSEMinute,
                 .changeLabel = m_delegate.hosePercent(),
                 .crosshairPanel = 0};
}

MarketHistoryView::Panel MarketHistoryView::haSTCPanel() {
    return Panel{.firstMinute = 0,
                 .lastMinute = 150,
                 .xPerMinute = 2,
                 .xAtMinuteZero = 140,
                 .barBase = 230,
                 .lineBase = 200,
                 .minHeight = m_minHaSTCHeight,
                 .heightScale = m_yHaSTC_Scale,
                 .minPoint = m_minHaSTCPoint,
                 .pointScale = m_yHaSTC_PointScale,
                 .preHeight = m_preHaSTCHeight,
                 .prePoint = m_preHaSTCPoint,
                 .preMinute = m_preHaSTCMinute,
                 .changeLabel = m_delegate.haSTCPercent(),
                 .crosshairPanel = 1};
}

void MarketHistoryView::drawBar(int exchange, int minute, double barValue, double indexValue) {
    if (currentCanvas() == nullptr) {
        return;
    }
    ui::Canvas& canvas = *currentCanvas();
    canvas.setLineWidth(1);
    canvas.beginPath();
    if (exchange == kHoSE || exchange == kHaSTC) {
        Panel panel = exchange == kHoSE ? hosePanel() : haSTCPanel();
        if (minute >= panel.firstMinute && minute <= panel.lastMinute) {
            drawMinute(canvas, panel, minute, barValue, indexValue);
            return;
        }
    }
    canvas.strokePath();
}

// Bar and segment are stroked together, in the colour of the index move. A flat range would
// put every point at infinity, so such a panel keeps its state and labels but draws nothing.
void MarketHistoryView::drawMinute(ui::Canvas& canvas, Panel& panel, int minute, double barValue, double indexValue) {
    const bool drawable = !panel.isFlat();
    const double x = panel.x(minute);
    const ui::TrendColors colors = trendColors();
    canvas.setStrokeColor(colors.riseOrFall(barValue >= panel.preHeight, ui::Shade::Deep));
    panel.preHeight = barValue;
    if (drawable) {
        canvas.moveTo(x, panel.barBase);
        canvas.addLineTo(x, panel.barBase - (barValue - panel.minHeight) / panel.heightScale);
    }
    canvas.setStrokeColor(colors.riseOrFall(indexValue >= panel.prePoint, ui::Shade::Deep));
    if (panel.prePoint != 0) {
        if (drawable) {
            canvas.moveTo(panel.x(panel.preMinute),
                          panel.lineBase - (panel.prePoint - panel.minPoint) / panel.pointScale);
            canvas.addLineTo(x, panel.lineBase - (indexValue - panel.minPoint) / panel.pointScale);
        }
        showChange(panel.changeLabel, indexValue, panel.prePoint, colors);
    }
    panel.prePoint = indexValue;
    panel.preMinute = minute;
    canvas.strokePath();
    addCrosshairPoint(panel.crosshairPanel, {x, minute, indexValue, 0, barValue});
}

} // namespace market
