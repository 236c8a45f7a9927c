#include "MarketHistoryFixture.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <cmath>

using market::MarketHistoryView;
using testsupport::MarketHistoryTest;
using Stroke = ui::RecordingCanvas::Stroke;

namespace {

const QString kHoSECaption =
    QStringLiteral("9h                               9h30                               10h      "
                   "               10h15");
const QString kHaSTCCaption = QStringLiteral("8h30                               9h30                               "
                                             "10h30                 11h");

QList<QPointF> line(double x0, double y0, double x1, double y1) {
    return {QPointF(x0, y0), QPointF(x1, y1)};
}

// The strokes after the four axes.
QList<Stroke> chartStrokes(const ui::RecordingCanvas& canvas) {
    return canvas.strokes().mid(4);
}

QStringList textsOf(const ui::RecordingCanvas& canvas) {
    QStringList texts;
    for (const auto& text : canvas.texts()) {
        texts << text.text;
    }
    return texts;
}

} // namespace

class MarketHistoryChartTest : public MarketHistoryTest {
protected:
    // HoSE rises 500 → 502.5 with bars 10 → 12 and then falls to 501 with bar 11; HNX rises
    // 345 → 346 with bars 20 → 25.
    void storeDay() {
        store(kToday - 1, {answerOf(kToday - 1, {QStringLiteral("2,40,500,10"), QStringLiteral("1,10,345,20"),
                                                 QStringLiteral("2,41,502.5,12"), QStringLiteral("1,11,346,25")}),
                           answerOf(kToday - 1, {QStringLiteral("2,42,501,11")})});
    }
};

TEST_F(MarketHistoryChartTest, DrawsTheWhiteGroundAndTheGreenAxes) {
    open();
    const ui::RecordingCanvas canvas = redraw();
    EXPECT_EQ(screen().chartView()->chartBackground(), QColor(Qt::white));
    ASSERT_EQ(canvas.fills().size(), 2);
    EXPECT_EQ(canvas.fills().at(0).rect, QRectF(140, 50, 300, 75));
    EXPECT_EQ(canvas.fills().at(1).rect, QRectF(140, 160, 300, 75));
    EXPECT_EQ(canvas.fills().at(0).color, ui::Color::white());
    ASSERT_EQ(canvas.strokes().size(), 4);
    const QList<QList<QPointF>> axes = {line(140, 125, 140, 50), line(140, 125, 440, 125), line(140, 230, 140, 160),
                                        line(140, 230, 440, 230)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(canvas.strokes().at(i).points, axes.at(i));
        EXPECT_EQ(canvas.strokes().at(i).color, ui::Color::green());
        EXPECT_DOUBLE_EQ(canvas.strokes().at(i).width, 0.5);
    }
}

TEST_F(MarketHistoryChartTest, CaptionsKeepTheirRunsOfBlanksAndAreBlackHelvetica10) {
    open();
    const ui::RecordingCanvas canvas = redraw();
    ASSERT_EQ(canvas.texts().size(), 2);
    EXPECT_EQ(canvas.texts().at(0).text, kHoSECaption);
    EXPECT_EQ(canvas.texts().at(0).at, QPointF(140, 135));
    EXPECT_EQ(canvas.texts().at(1).text, kHaSTCCaption);
    EXPECT_EQ(canvas.texts().at(1).at, QPointF(140, 245));
    for (const auto& text : canvas.texts()) {
        EXPECT_EQ(text.color, ui::Color::black());
        EXPECT_EQ(text.font, QStringLiteral("Helvetica"));
        EXPECT_DOUBLE_EQ(text.size, 10);
    }
    EXPECT_TRUE(canvas.textUpright());
}

TEST_F(MarketHistoryChartTest, DrawsTheRangeLabelsOfEachPanel) {
    storeDay();
    open();
    const ui::RecordingCanvas canvas = redraw();
    EXPECT_EQ(textsOf(canvas),
              (QStringList{kHoSECaption, kHaSTCCaption, QStringLiteral("500.00"), QStringLiteral("502.50"),
                           QStringLiteral("345.00"), QStringLiteral("346.00")}));
    EXPECT_EQ(canvas.texts().at(2).at, QPointF(110, 100));
    EXPECT_EQ(canvas.texts().at(3).at, QPointF(110, 50));
    EXPECT_EQ(canvas.texts().at(4).at, QPointF(110, 210));
    EXPECT_EQ(canvas.texts().at(5).at, QPointF(110, 160));
}

TEST_F(MarketHistoryChartTest, ScalesMapEachRangeOntoFiftyPoints) {
    storeDay();
    open();
    redraw();
    const MarketHistoryView& chart = *screen().chartView();
    EXPECT_FLOAT_EQ(chart.yHoSE_Scale(), 2.0f / 50);
    EXPECT_FLOAT_EQ(chart.yHoSE_PointScale(), 2.5f / 50);
    EXPECT_FLOAT_EQ(chart.yHaSTC_Scale(), 5.0f / 50);
    EXPECT_FLOAT_EQ(chart.yHaSTC_PointScale(), 1.0f / 50);
}

TEST_F(MarketHistoryChartTest, DrawsBarsAndLinesInTheColourOfTheMove) {
    storeDay();
    open();
    const ui::RecordingCanvas canvas = redraw();
    const QList<Stroke> strokes = chartStrokes(canvas);
    const ui::Color green = MarketHistoryView::darkGreen();
    const ui::Color red = ui::Color::red();
    struct Expected {
        QList<QPointF> points;
        ui::Color color;
    };
    // HoSE x = 4 × minute + 20, bars from y 125, line from y 95; HNX x = 2 × minute + 140, bars
    // from y 230, line from y 200. The first minute of a panel draws only its bar.
    const QList<Expected> expected = {
        {line(180, 125, 180, 125), green},                   // HoSE 40: the lowest bar
        {line(160, 230, 160, 230), green},                   // HNX 10
        {line(184, 125, 184, 75), green},                    // HoSE 41: the highest bar
        {line(180, 95, 184, 45), green},                     // HoSE 40 → 41: the lowest to the highest value
        {line(162, 230, 162, 180), green},                   // HNX 11
        {line(160, 200, 162, 150), green},                   // HNX 10 → 11
        {line(188, 125, 188, 100), red},                     // HoSE 42: a lower bar...
        {line(184, 45, 188, 95 - (501.0 - 500) / 0.05), red} // ...and a falling line, both red
    };
    ASSERT_EQ(strokes.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(strokes.at(i).points.size(), 2);
        EXPECT_NEAR(strokes.at(i).points.at(0).x(), expected.at(i).points.at(0).x(), 1e-4);
        EXPECT_NEAR(strokes.at(i).points.at(0).y(), expected.at(i).points.at(0).y(), 1e-4);
        EXPECT_NEAR(strokes.at(i).points.at(1).x(), expected.at(i).points.at(1).x(), 1e-4);
        EXPECT_NEAR(strokes.at(i).points.at(1).y(), expected.at(i).points.at(1).y(), 1e-4);
        EXPECT_EQ(strokes.at(i).color, expected.at(i).color);
        EXPECT_DOUBLE_EQ(strokes.at(i).width, 1);
    }
}

TEST_F(MarketHistoryChartTest, ADayWithoutTextsDrawsOnlyAxesCaptionsAndRangeLabels) {
    storeDay();
    open();
    screen().goRight();
    const ui::RecordingCanvas canvas = redraw();
    EXPECT_EQ(canvas.strokes().size(), 4);
    EXPECT_EQ(canvas.texts().size(), 6);
    EXPECT_EQ(canvas.fills().size(), 2);
}

TEST_F(MarketHistoryChartTest, AFlatPanelDrawsNothingAndDividesByNothing) {
    store(kToday - 1, {answerOf(kToday - 1, {QStringLiteral("2,40,500,10"), QStringLiteral("2,41,500,12"),
                                             QStringLiteral("1,10,345,20"), QStringLiteral("1,11,346,25")})});
    open();
    screen().hosePercent()->showValue(QStringLiteral("kept"), ui::Color::white());
    const ui::RecordingCanvas canvas = redraw();
    const QList<Stroke> strokes = chartStrokes(canvas);
    // Only the HNX bars and line remain; the HoSE index range is flat.
    ASSERT_EQ(strokes.size(), 3);
    for (const Stroke& stroke : strokes) {
        for (const QPointF& point : stroke.points) {
            EXPECT_TRUE(std::isfinite(point.x()) && std::isfinite(point.y()));
            EXPECT_GE(point.x(), 140);
            EXPECT_LE(point.x(), 440);
            EXPECT_GT(point.y(), 149);
        }
    }
    EXPECT_EQ(screen().hosePercent()->text(), QStringLiteral("kept"));
}

TEST_F(MarketHistoryChartTest, RecordsOfOtherIdsAndMinutesDrawNothing) {
    store(kToday - 1, {answerOf(kToday - 1, {QStringLiteral("2,40,500,10"), QStringLiteral("2,41,502,12"),
                                             QStringLiteral("2,31,501,11"), QStringLiteral("2,106,501,11"),
                                             QStringLiteral("1,151,501,11"), QStringLiteral("3,50,501,11")})});
    open();
    const ui::RecordingCanvas canvas = redraw();
    EXPECT_EQ(chartStrokes(canvas).size(), 3);
}

TEST_F(MarketHistoryChartTest, ARepaintShowsTheLastPassWithoutRunningItAgain) {
    storeDay();
    open();
    MarketHistoryView& chart = *screen().chartView();
    QImage first(480, 320, QImage::Format_ARGB32);
    chart.QWidget::render(&first);
    ASSERT_EQ(screen().hosePercent()->text(), QStringLiteral(" -1.50( -0.30%)"));
    screen().hosePercent()->showValue(QStringLiteral("kept"), ui::Color::white());
    QImage second(480, 320, QImage::Format_ARGB32);
    chart.QWidget::render(&second);
    EXPECT_EQ(screen().hosePercent()->text(), QStringLiteral("kept"));
    EXPECT_EQ(first.pixel(184, 75), second.pixel(184, 75));

    chart.setNeedsDisplay();
    QImage third(480, 320, QImage::Format_ARGB32);
    chart.QWidget::render(&third);
    EXPECT_EQ(screen().hosePercent()->text(), QStringLiteral(" -1.50( -0.30%)"));
}

TEST_F(MarketHistoryChartTest, TheCrosshairShowsTheMinuteAgainstTheMinuteBefore) {
    storeDay();
    open();
    const ui::RecordingCanvas plain = redraw();
    MarketHistoryView* chart = screen().chartView();
    chart->hoverAt(QPointF(185, 80));
    const QStringList texts = textsOf(redraw()).mid(plain.texts().size());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("09:11"), QStringLiteral("502.50"), QStringLiteral("+2.50 (+0.50%)"),
                                  QStringLiteral("KL: 12")}));

    chart->hoverAt(QPointF(150, 200));
    EXPECT_EQ(textsOf(redraw()).mid(plain.texts().size()),
              (QStringList{QStringLiteral("08:40"), QStringLiteral("345.00"), QStringLiteral("KL: 20")}));
}

// The chart paints its kept picture of the pass: the crosshair is painted over it and goes
// with the pointer, without a new pass.
TEST_F(MarketHistoryChartTest, TheCrosshairIsPaintedOverTheKeptPicture) {
    storeDay();
    open();
    MarketHistoryView* chart = screen().chartView();
    const QImage before = chart->grab().toImage();
    const int requests = chart->displayRequestCount();
    chart->hoverAt(QPointF(189, 80));
    const QImage shown = chart->grab().toImage();
    EXPECT_LT(std::min(shown.pixelColor(187, 88).red(), shown.pixelColor(188, 88).red()), 230);
    EXPECT_EQ(std::min(before.pixelColor(187, 88).red(), before.pixelColor(188, 88).red()), 255);
    chart->endHover();
    const QImage after = chart->grab().toImage();
    EXPECT_EQ(std::min(after.pixelColor(187, 88).red(), after.pixelColor(188, 88).red()), 255);
    EXPECT_EQ(chart->displayRequestCount(), requests);
}
