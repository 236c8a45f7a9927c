#include "ui/Crosshair.h"

#include "ui/ChartExport.h"
#include "ui/ChartView.h"
#include "ui/RecordingCanvas.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using ui::Canvas;
using ui::Color;
using ui::Crosshair;
using ui::CrosshairPanel;
using ui::CrosshairPoint;
using ui::RecordingCanvas;

namespace {

QString twoDecimals(double value) {
    return QString::asprintf("%.2f", value);
}

QString whole(double value) {
    return QString::number(value, 'f', 0);
}

// A point made by point() stands for the moment of its x.
QString xLabel(int moment) {
    return QStringLiteral("x%1").arg(moment);
}

QString clockTime(int minute) {
    return QString::asprintf("%02d:%02d", minute / 60, minute % 60);
}

// A stand-in for the screens' dates: the day of December 2026.
QString decemberDay(int day) {
    return QString::asprintf("%02d/12/26", day);
}

const QRectF kPanel(100, 20, 300, 100);

CrosshairPanel givenPanel(const QRectF& area = kPanel, ui::MomentFormat moments = xLabel) {
    return {area, moments, twoDecimals, whole, CrosshairPanel::Reference::Given};
}

CrosshairPoint point(double x, double value, double reference = 0, std::optional<double> volume = std::nullopt) {
    return {x, static_cast<int>(x), value, reference, volume};
}

QList<CrosshairPoint> pointsAt(std::initializer_list<double> xs) {
    QList<CrosshairPoint> points;
    for (const double x : xs) {
        points.append(point(x, x));
    }
    return points;
}

QStringList textsOf(const RecordingCanvas& canvas) {
    QStringList texts;
    for (const RecordingCanvas::Text& text : canvas.texts()) {
        texts.append(text.text);
    }
    return texts;
}

/// A chart of one panel with points at 110, 200 and 390 (values 10, 20, 19 against 16), which
/// counts its drawing passes and paints, and records its touches.
class HoverChart final : public ui::ChartView {
public:
    HoverChart() { setCrosshairPanels({givenPanel()}); }

    int passes = 0;
    int paints = 0;
    QList<QPointF> touches;

protected:
    void drawChart(Canvas& canvas) override {
        ++passes;
        canvas.setFillColor(0, 0, 0, 1);
        canvas.fillRect(kPanel.x(), kPanel.y(), kPanel.width(), kPanel.height());
        addCrosshairPoint(0, point(200, 20, 16, 1500));
        addCrosshairPoint(0, point(110, 10, 16, 500));
        addCrosshairPoint(0, point(390, 19, 16));
    }
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        ui::ChartView::paintEvent(event);
    }
    void touchesBegan(QPointF p) override { touches << p; }
    void touchesMoved(QPointF p) override { touches << p; }
    void touchesEnded(QPointF p) override { touches << p; }
};

RecordingCanvas recorded(ui::ChartView& chart) {
    RecordingCanvas canvas;
    chart.render(canvas);
    return canvas;
}

void sendMouse(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(CrosshairNearest, ChoosesTheCloserNeighbourAndTheEarlierOnATie) {
    const QList<CrosshairPoint> points = pointsAt({10, 20, 40});
    EXPECT_EQ(ui::nearestPointIndex(points, 14), 0);
    EXPECT_EQ(ui::nearestPointIndex(points, 16), 1);
    EXPECT_EQ(ui::nearestPointIndex(points, 15), 0);
    EXPECT_EQ(ui::nearestPointIndex(points, 31), 2);
}

TEST(CrosshairNearest, NeverGoesBeyondTheDataAndTakesAnExactPoint) {
    const QList<CrosshairPoint> points = pointsAt({10, 20, 40});
    EXPECT_EQ(ui::nearestPointIndex(points, -500), 0);
    EXPECT_EQ(ui::nearestPointIndex(points, 9.9), 0);
    EXPECT_EQ(ui::nearestPointIndex(points, 41), 2);
    EXPECT_EQ(ui::nearestPointIndex(points, 1e9), 2);
    EXPECT_EQ(ui::nearestPointIndex(points, 20), 1);
    EXPECT_EQ(ui::nearestPointIndex(points, 40), 2);
    EXPECT_EQ(ui::nearestPointIndex(pointsAt({25}), 3), 0);
    EXPECT_EQ(ui::nearestPointIndex({}, 3), -1);
}

TEST(CrosshairLines, ShowTheLabelValueSignedChangeWithPercentAndVolume) {
    const CrosshairPanel panel = givenPanel(kPanel, clockTime);
    EXPECT_EQ(ui::crosshairLines(panel, {0, 9 * 60 + 15, 370, 368.75, 12000}),
              (QStringList{QStringLiteral("09:15"), QStringLiteral("370.00"), QStringLiteral("+1.25 (+0.34%)"),
                           QStringLiteral("KL: 12000")}));
    EXPECT_EQ(ui::crosshairLines(panel, {0, 10 * 60, 367.5, 370, std::nullopt}),
              (QStringList{QStringLiteral("10:00"), QStringLiteral("367.50"), QStringLiteral("-2.50 (-0.68%)")}));
    EXPECT_EQ(ui::crosshairLines(panel, {0, 10 * 60 + 1, 370, 370, std::nullopt}).at(2),
              QStringLiteral("0.00 (0.00%)"));
}

// A reference of zero is none: no change (and no division by it).
TEST(CrosshairLines, NoReferenceShowsNoChange) {
    EXPECT_EQ(ui::crosshairLines(givenPanel(kPanel, decemberDay), {0, 8, 5, 0, 7}),
              (QStringList{QStringLiteral("08/12/26"), QStringLiteral("5.00"), QStringLiteral("KL: 7")}));
}

TEST(CrosshairBox, StandsRightOfTheLineAndFlipsLeftNearTheRightEdge) {
    const QSizeF size(80, 40);
    EXPECT_EQ(ui::crosshairBoxRect(kPanel, 150, size), QRectF(154, 24, 80, 40));
    EXPECT_EQ(ui::crosshairBoxRect(kPanel, 380, size), QRectF(296, 24, 80, 40));
    // Flipped left it would leave the panel: it keeps to the panel's left edge.
    EXPECT_EQ(ui::crosshairBoxRect(QRectF(100, 20, 120, 100), 150, size), QRectF(100, 24, 80, 40));
    EXPECT_EQ(ui::crosshairBoxRect(QRectF(100, 20, 60, 100), 150, size).left(), 100);
    // A low panel: the box ends at its bottom, or starts at its top when even that is too low.
    EXPECT_EQ(ui::crosshairBoxRect(QRectF(100, 20, 300, 42), 150, size).top(), 22);
    EXPECT_EQ(ui::crosshairBoxRect(QRectF(100, 20, 300, 30), 150, size).top(), 20);
}

TEST(CrosshairPoints, AreSortedTheLastOfAnXWinsAndPointsOutsideThePanelAreLeftOut) {
    Crosshair crosshair;
    crosshair.setPanels({givenPanel()});
    crosshair.addPoint(0, point(300, 3));
    crosshair.addPoint(0, point(150, 1));
    crosshair.addPoint(0, point(300, 4));
    crosshair.addPoint(0, point(99, 9));
    crosshair.addPoint(0, point(401, 9));
    crosshair.addPoint(1, point(200, 9));
    crosshair.finishPoints();
    const QList<CrosshairPoint> points = crosshair.points(0);
    ASSERT_EQ(points.size(), 2);
    EXPECT_EQ(points[0].x, 150);
    EXPECT_EQ(points[1].x, 300);
    EXPECT_EQ(points[1].value, 4);

    crosshair.clearPoints();
    crosshair.finishPoints();
    EXPECT_TRUE(crosshair.points(0).isEmpty());
}

TEST(CrosshairPoints, APanelOfPreviousPointReferencesMeasuresEachAgainstTheOneBefore) {
    Crosshair crosshair;
    crosshair.setPanels({{kPanel, xLabel, twoDecimals, whole, CrosshairPanel::Reference::PreviousPoint}});
    crosshair.addPoint(0, point(300, 12));
    crosshair.addPoint(0, point(200, 10));
    crosshair.addPoint(0, point(250, 11));
    crosshair.finishPoints();
    const QList<CrosshairPoint> points = crosshair.points(0);
    ASSERT_EQ(points.size(), 3);
    EXPECT_EQ(points[0].reference, 0);
    EXPECT_EQ(points[1].reference, 10);
    EXPECT_EQ(points[2].reference, 11);
}

TEST(CrosshairTarget, ThePanelUnderThePointerChoosesItsNearestPoint) {
    Crosshair crosshair;
    crosshair.setPanels({givenPanel(), givenPanel(QRectF(100, 150, 300, 80))});
    crosshair.addPoint(0, point(120, 1));
    crosshair.addPoint(1, point(380, 2));
    crosshair.finishPoints();
    const auto top = crosshair.targetAt(QPointF(390, 60));
    ASSERT_TRUE(top.has_value());
    EXPECT_EQ(top->panel, 0);
    EXPECT_EQ(top->index, 0);
    const auto bottom = crosshair.targetAt(QPointF(110, 200));
    ASSERT_TRUE(bottom.has_value());
    EXPECT_EQ(bottom->panel, 1);
    EXPECT_FALSE(crosshair.targetAt(QPointF(390, 135)).has_value());
    EXPECT_FALSE(crosshair.targetAt(QPointF(50, 60)).has_value());
    EXPECT_TRUE(crosshair.boundsAt(QPointF(50, 60)).isEmpty());
}

TEST(CrosshairChart, HoveringDrawsTheLineAndBoxLastAndLeavingHidesThem) {
    HoverChart chart;
    const RecordingCanvas plain = recorded(chart);
    chart.hoverAt(QPointF(150, 70));
    const RecordingCanvas shown = recorded(chart);

    // The line at the nearest point (110) across the panel, then the box and its texts.
    ASSERT_EQ(shown.strokes().size(), plain.strokes().size() + 1);
    const RecordingCanvas::Stroke& line = shown.strokes().constLast();
    EXPECT_EQ(line.points, (QList<QPointF>{{110, 20}, {110, 120}}));
    ASSERT_EQ(shown.fills().size(), plain.fills().size() + 1);
    const QRectF box = shown.fills().constLast().rect;
    EXPECT_TRUE(kPanel.contains(box));
    EXPECT_GT(box.left(), 110);
    EXPECT_EQ(textsOf(shown), (QStringList{QStringLiteral("x110"), QStringLiteral("10.00"),
                                           QStringLiteral("-6.00 (-37.50%)"), QStringLiteral("KL: 500")}));
    for (const RecordingCanvas::Text& text : shown.texts()) {
        EXPECT_TRUE(box.contains(text.at));
    }
    EXPECT_EQ(shown.texts()[2].color, Color::red());
    EXPECT_EQ(shown.texts()[1].color, Color::white());
    EXPECT_TRUE(ui::chartSvg(chart).contains(QStringLiteral("-6.00 (-37.50%)")));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&chart, &leave);
    EXPECT_FALSE(chart.hoverPosition().has_value());
    const RecordingCanvas hidden = recorded(chart);
    EXPECT_EQ(hidden.strokes().size(), plain.strokes().size());
    EXPECT_TRUE(hidden.texts().isEmpty());
}

TEST(CrosshairChart, NearTheRightEdgeTheBoxStandsLeftOfTheLine) {
    HoverChart chart;
    chart.hoverAt(QPointF(399, 30));
    const RecordingCanvas shown = recorded(chart);
    EXPECT_EQ(shown.strokes().constLast().points.constFirst().x(), 390);
    const QRectF box = shown.fills().constLast().rect;
    EXPECT_TRUE(kPanel.contains(box));
    EXPECT_LT(box.right(), 390);
    EXPECT_EQ(textsOf(shown),
              (QStringList{QStringLiteral("x390"), QStringLiteral("19.00"), QStringLiteral("+3.00 (+18.75%)")}));
    EXPECT_EQ(shown.texts()[2].color, Color::green());
}

TEST(CrosshairChart, OutsideEveryPanelNothingIsShown) {
    HoverChart chart;
    const qsizetype plain = recorded(chart).strokes().size();
    chart.hoverAt(QPointF(60, 70));
    EXPECT_EQ(recorded(chart).strokes().size(), plain);
    EXPECT_TRUE(recorded(chart).texts().isEmpty());
}

TEST(CrosshairChart, APlainMouseMoveHoversAndADragStaysATouchThatHidesTheCrosshair) {
    HoverChart chart;
    sendMouse(chart, QEvent::MouseMove, QPointF(205, 50), Qt::NoButton, Qt::NoButton);
    ASSERT_TRUE(chart.hoverPosition().has_value());
    EXPECT_TRUE(chart.touches.isEmpty());

    sendMouse(chart, QEvent::MouseButtonPress, QPointF(300, 50), Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(chart.hoverPosition().has_value());
    sendMouse(chart, QEvent::MouseMove, QPointF(260, 52), Qt::NoButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseButtonRelease, QPointF(250, 53), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(chart.touches, (QList<QPointF>{{300, 50}, {260, 52}, {250, 53}}));
    EXPECT_FALSE(chart.hoverPosition().has_value());
}

// The chart redraws on every mouse move: moving the crosshair must not run the drawing pass,
// which reads the chart's data again, while any other repaint must.
TEST(CrosshairChart, MovingTheCrosshairRepaintsWithoutADrawingPass) {
    HoverChart chart;
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QCoreApplication::processEvents();
    const int passes = chart.passes;
    ASSERT_GE(passes, 1);

    const int paints = chart.paints;
    chart.hoverAt(QPointF(120, 60));
    QCoreApplication::processEvents();
    chart.hoverAt(QPointF(380, 60));
    QCoreApplication::processEvents();
    chart.endHover();
    QCoreApplication::processEvents();
    EXPECT_GE(chart.paints, paints + 3);
    EXPECT_EQ(chart.passes, passes);

    chart.hoverAt(QPointF(200, 60));
    chart.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.passes, passes + 1);
}

// What the screen shows after the crosshair moved is the chart with the crosshair at its new
// place only.
TEST(CrosshairChart, TheScreenShowsTheCrosshairWhereThePointerIs) {
    HoverChart chart;
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QCoreApplication::processEvents();
    chart.hoverAt(QPointF(112, 60));
    QCoreApplication::processEvents();
    chart.hoverAt(QPointF(210, 60));
    QCoreApplication::processEvents();

    const int passes = chart.passes;
    const QImage shown = chart.screen()->grabWindow(chart.winId()).toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(chart.passes, passes);
    EXPECT_GT(std::max(shown.pixelColor(199, 110).red(), shown.pixelColor(200, 110).red()), 150);
    // The line and box of the point before are gone.
    EXPECT_LT(std::max(shown.pixelColor(109, 110).red(), shown.pixelColor(110, 110).red()), 30);
    EXPECT_LT(shown.pixelColor(150, 40).red(), 30);
}
