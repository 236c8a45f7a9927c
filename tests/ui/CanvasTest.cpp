#include "support/TempDir.h"
#include "ui/ChartView.h"
#include "ui/QPainterCanvas.h"
#include "ui/RecordingCanvas.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using ui::Canvas;
using ui::Color;
using ui::RecordingCanvas;

namespace {

void drawSample(Canvas& canvas) {
    canvas.setLineWidth(2);
    canvas.setStrokeColor(Color::green());
    canvas.beginPath();
    canvas.moveTo(10, 20);
    canvas.addLineTo(30, 20);
    canvas.addLineTo(30, 40);
    canvas.moveTo(50, 60);
    canvas.addLineTo(70, 80);
    canvas.strokePath();
    canvas.setStrokeColor(Color::lightGray());
    canvas.setLineWidth(1);
    canvas.beginPath();
    canvas.moveTo(200, 100);
    canvas.addLineTo(448, 100);
    canvas.strokePath();
    canvas.setFillColor(0, 0, 0, 1);
    canvas.fillRect(197, 30, 260, 100);
    ui::drawChartText(canvas, QStringLiteral("1234.50 <Tỷ>"), 155, 50);
}

} // namespace

TEST(Colors, NamedColoursHaveThePhoneValues) {
    EXPECT_EQ(Color::lightGray(), (Color{2.0 / 3, 2.0 / 3, 2.0 / 3, 1}));
    EXPECT_EQ(Color::darkGray(), (Color{1.0 / 3, 1.0 / 3, 1.0 / 3, 1}));
    EXPECT_EQ(Color::gray(), (Color{0.5, 0.5, 0.5, 1}));
    EXPECT_EQ(Color::yellow(), (Color{1, 1, 0, 1}));
    EXPECT_NE(Color::green(), Color::red());
    EXPECT_EQ(Color::blue().toQColor(), QColor(0, 0, 255));
}

TEST(RecordingCanvas, RecordsEachSubPathWithItsColourAndWidth) {
    RecordingCanvas canvas;
    drawSample(canvas);
    ASSERT_EQ(canvas.strokes().size(), 3);
    EXPECT_EQ(canvas.strokes().at(0).points, (QList<QPointF>{{10, 20}, {30, 20}, {30, 40}}));
    EXPECT_EQ(canvas.strokes().at(1).points, (QList<QPointF>{{50, 60}, {70, 80}}));
    EXPECT_EQ(canvas.strokes().at(1).color, Color::green());
    EXPECT_DOUBLE_EQ(canvas.strokes().at(1).width, 2);
    EXPECT_EQ(canvas.strokes().at(2).color, Color::lightGray());
    EXPECT_DOUBLE_EQ(canvas.strokes().at(2).width, 1);
}

TEST(RecordingCanvas, RecordsFillsAndTextsWithTheFillColour) {
    RecordingCanvas canvas;
    drawSample(canvas);
    ASSERT_EQ(canvas.fills().size(), 1);
    EXPECT_EQ(canvas.fills().at(0).rect, QRectF(197, 30, 260, 100));
    EXPECT_EQ(canvas.fills().at(0).color, Color::black());
    ASSERT_EQ(canvas.texts().size(), 1);
    const RecordingCanvas::Text& text = canvas.texts().at(0);
    EXPECT_EQ(text.at, QPointF(155, 50));
    EXPECT_EQ(text.text, QStringLiteral("1234.50 <Tỷ>"));
    EXPECT_EQ(text.color, (Color{0.55, 0.55, 0.55, 1}));
    EXPECT_EQ(text.font, QStringLiteral("Helvetica"));
    EXPECT_DOUBLE_EQ(text.size, 10);
    EXPECT_TRUE(canvas.textUpright());
}

TEST(RecordingCanvas, StrokeEmptiesThePathAndLonePointsDrawNothing) {
    RecordingCanvas canvas;
    canvas.addLineTo(5, 5); // no current point: dropped
    canvas.moveTo(1, 1);
    canvas.strokePath();
    canvas.strokePath();
    EXPECT_TRUE(canvas.strokes().isEmpty());
    canvas.moveTo(1, 1);
    canvas.addLineTo(2, 2);
    canvas.strokePath();
    canvas.strokePath();
    EXPECT_EQ(canvas.strokes().size(), 1);
    canvas.clear();
    EXPECT_TRUE(canvas.strokes().isEmpty());
}

class RecordingCanvasSvg : public testsupport::TempDirTest {};

TEST_F(RecordingCanvasSvg, SvgHoldsEveryElementInDrawingOrder) {
    RecordingCanvas canvas;
    drawSample(canvas);
    const QString svg = canvas.toSvg();
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"480\" height=\"320\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("points=\"10,20 30,20 30,40\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke=\"rgb(0,255,0)\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke=\"rgb(170,170,170)\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("<rect x=\"197\" y=\"30\" width=\"260\" "
                                            "height=\"100\" fill=\"rgb(0,0,0)\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral(">1234.50 &lt;Tỷ&gt;</text>")));
    EXPECT_LT(svg.indexOf(QStringLiteral("<polyline")), svg.indexOf(QStringLiteral("<rect")));
    EXPECT_LT(svg.indexOf(QStringLiteral("<rect")), svg.indexOf(QStringLiteral("<text")));

    const QString file = path() + QStringLiteral("/chart.svg");
    ASSERT_TRUE(canvas.writeSvg(file));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(written.readAll()), svg);
    EXPECT_FALSE(canvas.writeSvg(path() + QStringLiteral("/missing/folder/chart.svg")));
}

namespace {

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += match(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool isGreen(QColor c) {
    return c.green() > 200 && c.red() < 60 && c.blue() < 60;
}

} // namespace

TEST(QPainterCanvas, GreenLineLeavesGreenPixelsWhereItRuns) {
    QImage image(480, 320, QImage::Format_ARGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        ui::QPainterCanvas canvas(painter);
        canvas.setStrokeColor(Color::green());
        canvas.setLineWidth(3);
        canvas.beginPath();
        canvas.moveTo(100, 50);
        canvas.addLineTo(300, 50);
        canvas.strokePath();
    }
    EXPECT_TRUE(isGreen(image.pixelColor(200, 50)));
    EXPECT_EQ(countPixels(image, QRect(0, 60, 480, 260), isGreen), 0);
    EXPECT_EQ(countPixels(image, QRect(310, 40, 100, 20), isGreen), 0);
}

TEST(QPainterCanvas, FillsRectanglesAndDrawsUprightTextInTheFillColour) {
    QImage image(480, 320, QImage::Format_ARGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        ui::QPainterCanvas canvas(painter);
        canvas.setFillColor(1, 0, 0, 1);
        canvas.fillRect(10, 10, 20, 20);
        canvas.setFillColor(0, 1, 0, 1);
        canvas.selectFont(QStringLiteral("Helvetica"), 10);
        canvas.setTextMatrixFlipped();
        canvas.showTextAtPoint(100, 100, QStringLiteral("HHHH"));
    }
    EXPECT_EQ(image.pixelColor(20, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(31, 31), QColor(0, 0, 0));
    // Upright glyphs of size 10 stand above their baseline.
    EXPECT_GT(countPixels(image, QRect(98, 88, 40, 12), isGreen), 0);
    EXPECT_EQ(countPixels(image, QRect(98, 102, 40, 12), isGreen), 0);
}

namespace {

class CrossChart final : public ui::ChartView {
public:
    QList<QPointF> touches;

protected:
    void drawChart(Canvas& canvas) override {
        canvas.setStrokeColor(Color::red());
        canvas.setLineWidth(2);
        canvas.beginPath();
        canvas.moveTo(0, 160);
        canvas.addLineTo(480, 160);
        canvas.strokePath();
    }
    void touchesBegan(QPointF p) override { touches << p; }
    void touchesMoved(QPointF p) override { touches << p; }
    void touchesEnded(QPointF p) override { touches << p; }
};

} // namespace

TEST(ChartView, PaintsBackgroundThenChartAndRendersToAnyCanvas) {
    CrossChart chart;
    EXPECT_EQ(chart.size(), QSize(480, 320));
    chart.setChartBackground(Qt::white);
    const QImage image = chart.grab().toImage();
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_GT(image.pixelColor(240, 160).red(), 200);
    EXPECT_LT(image.pixelColor(240, 160).green(), 60);

    RecordingCanvas recording;
    chart.render(recording);
    ASSERT_EQ(recording.strokes().size(), 1);
    EXPECT_EQ(recording.strokes().at(0).color, Color::red());
    EXPECT_TRUE(recording.fills().isEmpty());
}

TEST(ChartView, MouseDragArrivesAsTouches) {
    CrossChart chart;
    chart.show();
    QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    QTest::mouseMove(&chart, QPoint(260, 102));
    QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(250, 103));
    EXPECT_EQ(chart.touches, (QList<QPointF>{{300, 100}, {260, 102}, {250, 103}}));
}
