#include "MarketResultFixture.h"

#include <QDir>

#include <cmath>

using ui::Color;
using ui::RecordingCanvas;

namespace {

constexpr double kTolerance = 1e-3;

double xOf(int slot) {
    return market::MarketResultView::xOfSlot(slot);
}

bool allPointsFinite(const RecordingCanvas& canvas) {
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        for (const QPointF& point : stroke.points) {
            if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class MarketResultChartTest : public testsupport::MarketResultTest {
protected:
    /// Three trading days with one HoSE and one HNX row each.
    void storeThreeDays(int first, int second, int third) {
        store(kHoSE, first, 500, 10);
        store(kHNX, first, 100, 5);
        store(kHoSE, second, 510, 12);
        store(kHNX, second, 104, 3);
        store(kHoSE, third, 505, 11);
        store(kHNX, third, 102, 3);
    }
};

TEST_F(MarketResultChartTest, SlotXRunsFromTheLeftEdgeToToday) {
    EXPECT_NEAR(xOf(0), 199, kTolerance);
    EXPECT_NEAR(xOf(60), 199 + 248, kTolerance);
}

TEST_F(MarketResultChartTest, BarsAreGreenUnlessTheQuantityFellFromTheDayBefore) {
    storeThreeDays(kToday - 2, kToday - 1, kToday);
    openScreen();
    const RecordingCanvas canvas = render();

    const auto hose = barsFrom(canvas, 122);
    ASSERT_EQ(hose.size(), 3);
    // Drawn newest first.
    EXPECT_NEAR(hose[0].points[0].x(), xOf(60), kTolerance);
    EXPECT_EQ(hose[0].color, Color::red());
    EXPECT_NEAR(hose[1].points[0].x(), xOf(59), kTolerance);
    EXPECT_EQ(hose[1].color, Color::green());
    EXPECT_NEAR(hose[2].points[0].x(), xOf(58), kTolerance);
    EXPECT_EQ(hose[2].color, Color::green());

    const auto hnx = barsFrom(canvas, 238);
    ASSERT_EQ(hnx.size(), 3);
    EXPECT_EQ(hnx[0].color, Color::green()); // 3 >= 3: no change is green
    EXPECT_EQ(hnx[1].color, Color::red());   // 3 < 5
    EXPECT_EQ(hnx[2].color, Color::green()); // the oldest compares with 0
}

TEST_F(MarketResultChartTest, BarHeightsSpanFiveToFortyFivePoints) {
    storeThreeDays(kToday - 2, kToday - 1, kToday);
    openScreen();
    const auto hose = barsFrom(render(), 122);
    ASSERT_EQ(hose.size(), 3);
    EXPECT_NEAR(hose[0].points[1].y(), 117 - 20, kTolerance); // 11 in 10..12
    EXPECT_NEAR(hose[1].points[1].y(), 117 - 40, kTolerance); // the maximum
    EXPECT_NEAR(hose[2].points[1].y(), 117, kTolerance);      // the minimum
    EXPECT_EQ(hose[0].width, 1);
}

TEST_F(MarketResultChartTest, IndexLinesJoinTheDaysInGreen) {
    storeThreeDays(kToday - 2, kToday - 1, kToday);
    openScreen();
    const RecordingCanvas canvas = render();
    QList<RecordingCanvas::Stroke> hose;
    QList<RecordingCanvas::Stroke> hnx;
    for (const RecordingCanvas::Stroke& stroke : strokesIn(canvas, Color::green())) {
        if (stroke.points[0].x() != stroke.points[1].x()) {
            (stroke.points[0].y() < 140 ? hose : hnx).append(stroke);
        }
    }
    ASSERT_EQ(hose.size(), 2);
    ASSERT_EQ(hnx.size(), 2);
    // Newest pair first: 505 at slot 60 back to 510 at slot 59 (range 500..510 over 80 points).
    EXPECT_NEAR(hose[0].points[0].x(), xOf(60), kTolerance);
    EXPECT_NEAR(hose[0].points[0].y(), 120 - 40, kTolerance);
    EXPECT_NEAR(hose[0].points[1].x(), xOf(59), kTolerance);
    EXPECT_NEAR(hose[0].points[1].y(), 120 - 80, kTolerance);
    EXPECT_NEAR(hose[1].points[1].x(), xOf(58), kTolerance);
    EXPECT_NEAR(hose[1].points[1].y(), 120, kTolerance);
    // HNX 104 at slot 59 and 100 at slot 58 (range 100..104).
    EXPECT_NEAR(hnx[1].points[0].y(), 236 - 80, kTolerance);
    EXPECT_NEAR(hnx[1].points[1].y(), 236, kTolerance);
}

TEST_F(MarketResultChartTest, TradingDaysTakeConsecutiveSlotsAcrossAWeekend) {
    // Friday, Monday and Tuesday, today being Thursday.
    storeThreeDays(kToday - 6, kToday - 3, kToday - 2);
    openScreen(kToday - 2);
    const auto hose = barsFrom(render(), 122);
    ASSERT_EQ(hose.size(), 3);
    EXPECT_NEAR(hose[0].points[0].x(), xOf(58), kTolerance);
    EXPECT_NEAR(hose[1].points[0].x(), xOf(57), kTolerance);
    EXPECT_NEAR(hose[2].points[0].x(), xOf(56), kTolerance);
    EXPECT_EQ(screen().orderDays(),
              (QStringList{QStringLiteral("8998"), QStringLiteral("8997"), QStringLiteral("8994")}));
    EXPECT_EQ(screen().iDayCountHo(), 8996);
}

TEST_F(MarketResultChartTest, RepeatedRedrawsGiveTheSamePicture) {
    storeThreeDays(kToday - 2, kToday - 1, kToday);
    openScreen();
    const RecordingCanvas first = render();
    const RecordingCanvas second = render();
    ASSERT_EQ(first.strokes().size(), second.strokes().size());
    for (qsizetype i = 0; i < first.strokes().size(); ++i) {
        EXPECT_EQ(first.strokes()[i].points, second.strokes()[i].points);
    }
}

TEST_F(MarketResultChartTest, AxisLabelsShowTheIndexRangeAsWholeNumbers) {
    storeThreeDays(kToday - 2, kToday - 1, kToday);
    openScreen();
    const RecordingCanvas canvas = render();
    QStringList texts;
    for (const RecordingCanvas::Text& text : canvas.texts()) {
        EXPECT_EQ(text.at.x(), 165);
        EXPECT_EQ(text.color, (Color{0.55, 0.55, 0.55}));
        texts << QStringLiteral("%1@%2").arg(text.text).arg(text.at.y());
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("510@50"), QStringLiteral("500@85"), QStringLiteral("425@125"),
                                  QStringLiteral("104@163"), QStringLiteral("100@203"), QStringLiteral("85@241")}));
}

TEST_F(MarketResultChartTest, GroundIsClearedToBlackFirst) {
    openScreen();
    const RecordingCanvas canvas = render();
    ASSERT_EQ(canvas.fills().size(), 4);
    EXPECT_EQ(canvas.fills()[0].rect, QRectF(197, 30, 260, 100));
    EXPECT_EQ(canvas.fills()[3].rect, QRectF(140, 150, 55, 110));
    EXPECT_EQ(canvas.fills()[0].color, Color::black());
}

// One HoSE day makes both of its ranges flat: its labels need no scale and stay; two HNX days
// with the same quantity keep their index line without bar heights.
TEST_F(MarketResultChartTest, FlatRangesLeaveOutOnlyWhatNeedsTheirScale) {
    store(kHoSE, kToday, 500, 10);
    store(kHNX, kToday - 1, 100, 5);
    store(kHNX, kToday, 102, 5);
    openScreen();
    const RecordingCanvas canvas = render();
    EXPECT_TRUE(allPointsFinite(canvas));
    EXPECT_TRUE(barsFrom(canvas, 122).isEmpty());
    EXPECT_TRUE(barsFrom(canvas, 238).isEmpty());
    QStringList hoseLabels;
    for (const RecordingCanvas::Text& text : canvas.texts()) {
        if (text.at.y() < 150) {
            hoseLabels << text.text;
        }
    }
    EXPECT_EQ(hoseLabels, (QStringList{QStringLiteral("500"), QStringLiteral("500"), QStringLiteral("425")}));
    int hnxSegments = 0;
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        hnxSegments += stroke.color == Color::green() && stroke.points.size() == 2 &&
                               stroke.points[0].x() != stroke.points[1].x() && stroke.points[0].y() > 150
                           ? 1
                           : 0;
    }
    EXPECT_EQ(hnxSegments, 1);
}

TEST_F(MarketResultChartTest, NoStoredDaysDrawOnlyTheGround) {
    openScreen();
    const RecordingCanvas canvas = render();
    EXPECT_TRUE(canvas.strokes().isEmpty());
    EXPECT_TRUE(canvas.texts().isEmpty());
}

TEST_F(MarketResultChartTest, MarkerStandsAtTheChosenDaysSlot) {
    storeThreeDays(kToday - 6, kToday - 3, kToday - 2);
    openScreen(kToday - 3);
    const auto grey = strokesIn(render(), Color::gray());
    ASSERT_EQ(grey.size(), 2);
    EXPECT_NEAR(grey[0].points[0].x(), xOf(57), kTolerance);
    EXPECT_EQ(grey[0].points[0].y(), 126);
    EXPECT_EQ(grey[0].points[1].y(), 31);
    EXPECT_NEAR(grey[1].points[0].x(), xOf(57), kTolerance);
    EXPECT_EQ(grey[1].points[0].y(), 253);
    EXPECT_EQ(grey[1].points[1].y(), 160);
    EXPECT_EQ(grey[0].width, 0.5);
}

TEST_F(MarketResultChartTest, ChosenDayAbsentFromTheDrawnDaysDrawsNoMarker) {
    storeThreeDays(kToday - 6, kToday - 3, kToday - 2);
    openScreen(kToday - 4);
    EXPECT_TRUE(strokesIn(render(), Color::gray()).isEmpty());
}

TEST_F(MarketResultChartTest, SwipesStepTheDayOncePerTouch) {
    storeThreeDays(kToday - 6, kToday - 3, kToday - 2);
    openScreen(kToday - 3);
    market::MarketResultView* chart = screen().chartView();

    chart->touchesBegan(QPointF(250, 100));
    chart->touchesMoved(QPointF(280, 102));
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 2);
    chart->touchesMoved(QPointF(320, 104));
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 2);
    chart->touchesEnded(QPointF(320, 104));

    chart->touchesBegan(QPointF(320, 100));
    chart->touchesMoved(QPointF(290, 101));
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 3);
    chart->touchesMoved(QPointF(250, 101));
    chart->touchesEnded(QPointF(250, 101));
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 3);
    EXPECT_TRUE(screenIsShown());
}

TEST_F(MarketResultChartTest, VerticalMovesDoNotStepTheDay) {
    storeThreeDays(kToday - 6, kToday - 3, kToday - 2);
    openScreen(kToday - 3);
    market::MarketResultView* chart = screen().chartView();
    chart->touchesBegan(QPointF(250, 60));
    chart->touchesMoved(QPointF(260, 120));
    chart->touchesMoved(QPointF(330, 70));
    chart->touchesEnded(QPointF(330, 70));
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 3);
}
