#include "MarketOverviewFixture.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "server/ScriptedServer.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/RecordingCanvas.h"

#include <algorithm>
#include <cmath>

using market::MarketInfoView;
using market::MarketInfoViewController;
using testsupport::haSTCX;
using testsupport::hoseX;
using testsupport::indexRecord;
using testsupport::minuteRecord;
using ui::Color;
using ui::RecordingCanvas;

namespace {

bool isVertical(const RecordingCanvas::Stroke& stroke) {
    return stroke.points.size() == 2 && stroke.points[0].x() == stroke.points[1].x();
}

QList<RecordingCanvas::Stroke> strokesAt(const RecordingCanvas& canvas, double x) {
    QList<RecordingCanvas::Stroke> found;
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        if (std::any_of(stroke.points.begin(), stroke.points.end(),
                        [x](const QPointF& point) { return std::abs(point.x() - x) < 1e-3; })) {
            found.append(stroke);
        }
    }
    return found;
}

QList<RecordingCanvas::Stroke> lineSegments(const RecordingCanvas& canvas) {
    QList<RecordingCanvas::Stroke> found;
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        if (!isVertical(stroke) && stroke.color != Color::lightGray()) {
            found.append(stroke);
        }
    }
    return found;
}

QList<RecordingCanvas::Stroke> referenceLines(const RecordingCanvas& canvas) {
    QList<RecordingCanvas::Stroke> found;
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        if (stroke.color == Color::lightGray()) {
            found.append(stroke);
        }
    }
    return found;
}

// Chart coordinates come out of float arithmetic: equal to a thousandth of a point is equal.
bool samePoints(const QList<QPointF>& actual, const QList<QPointF>& expected) {
    if (actual.size() != expected.size()) {
        return false;
    }
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (std::abs(actual[i].x() - expected[i].x()) > 1e-3 || std::abs(actual[i].y() - expected[i].y()) > 1e-3) {
            return false;
        }
    }
    return true;
}

QStringList textsOf(const RecordingCanvas& canvas) {
    QStringList texts;
    for (const RecordingCanvas::Text& text : canvas.texts()) {
        texts.append(text.text);
    }
    return texts;
}

} // namespace

class MarketInfoChartTest : public testsupport::MarketOverviewTest {
protected:
    /// The chart as drawn now, kept for the test to read.
    const RecordingCanvas& draw() {
        m_canvas = MarketOverviewTest::draw();
        return m_canvas;
    }

    RecordingCanvas m_canvas;
};

TEST_F(MarketInfoChartTest, TheRedrawClearsBothPanelsAndTheirLabelColumnsFirst) {
    const RecordingCanvas& canvas = draw();
    ASSERT_EQ(canvas.fills().size(), 4);
    EXPECT_EQ(canvas.fills()[0].rect, QRectF(197, 30, 260, 100));
    EXPECT_EQ(canvas.fills()[1].rect, QRectF(140, 30, 55, 120));
    EXPECT_EQ(canvas.fills()[2].rect, QRectF(197, 150, 265, 90));
    EXPECT_EQ(canvas.fills()[3].rect, QRectF(140, 150, 55, 110));
    for (const RecordingCanvas::Fill& fill : canvas.fills()) {
        EXPECT_EQ(fill.color, Color::black());
    }
    EXPECT_TRUE(canvas.strokes().isEmpty());
    EXPECT_TRUE(canvas.texts().isEmpty());
}

TEST_F(MarketInfoChartTest, BarsAreStrokedWhiteThenGreenForARiseAndRedForAFall) {
    receive({minuteRecord(1, 10, 250, 2), minuteRecord(1, 20, 260, 1), indexRecord(1, 255, app().currentDay())});
    const RecordingCanvas& canvas = draw();

    const QList<RecordingCanvas::Stroke> first = strokesAt(canvas, haSTCX(10));
    ASSERT_GE(first.size(), 2);
    EXPECT_EQ(first[0].color, Color::white());
    EXPECT_EQ(first[1].color, Color::green());
    // Bar values 1..2 span 40 points above the base at 238.
    EXPECT_TRUE(samePoints(first[1].points, {QPointF(haSTCX(10), 238), QPointF(haSTCX(10), 198)}));
    EXPECT_EQ(first[1].width, 1);

    QList<RecordingCanvas::Stroke> second = strokesAt(canvas, haSTCX(20));
    second.removeIf([](const RecordingCanvas::Stroke& stroke) { return !isVertical(stroke); });
    ASSERT_EQ(second.size(), 2);
    EXPECT_EQ(second[0].color, Color::white());
    EXPECT_EQ(second[1].color, Color::red());
    EXPECT_TRUE(samePoints(second[1].points, {QPointF(haSTCX(20), 238), QPointF(haSTCX(20), 238)}));
}

TEST_F(MarketInfoChartTest, ARepaintColoursTheFirstBarAsTheFirstDrawingDid) {
    receive({minuteRecord(1, 10, 250, 2), minuteRecord(1, 20, 260, 5), indexRecord(1, 255, app().currentDay())});
    const RecordingCanvas::Stroke first = strokesAt(draw(), haSTCX(10)).at(1);
    // The window repaints the chart whenever it is zoomed or uncovered: the last bar drawn
    // (higher than the first) must not turn the first one red.
    const RecordingCanvas::Stroke again = strokesAt(draw(), haSTCX(10)).at(1);
    EXPECT_EQ(first.color, Color::green());
    EXPECT_EQ(again.color, Color::green());
}

TEST_F(MarketInfoChartTest, TheFirstLinePointOnlySetsThePreviousPoint) {
    receive({minuteRecord(1, 0, 240, 1), minuteRecord(1, 10, 250, 2), minuteRecord(1, 20, 260, 1),
             indexRecord(1, 255, app().currentDay())});
    const QList<RecordingCanvas::Stroke> segments = lineSegments(draw());
    // Minute 0 never starts the line and minute 10 is its first point: one segment, 10 to 20.
    ASSERT_EQ(segments.size(), 1);
    EXPECT_TRUE(samePoints(segments[0].points, {QPointF(haSTCX(10), 236 - (250.0 - 240) / 0.25),
                                                QPointF(haSTCX(20), 236 - (260.0 - 240) / 0.25)}));
    EXPECT_EQ(segments[0].color, Color::green());
}

TEST_F(MarketInfoChartTest, TheLineIsRedBelowThePreviousClose) {
    receive({minuteRecord(2, 40, 1000, 2), minuteRecord(2, 50, 990, 3), minuteRecord(2, 60, 1010, 1),
             indexRecord(2, 1005, app().currentDay())});
    const QList<RecordingCanvas::Stroke> segments = lineSegments(draw());
    ASSERT_EQ(segments.size(), 2);
    EXPECT_EQ(segments[0].color, Color::red());
    EXPECT_EQ(segments[1].color, Color::green());
    EXPECT_TRUE(samePoints({segments[0].points.front()}, {QPointF(hoseX(40), 120 - (1000.0 - 990) / 0.25)}));
    EXPECT_TRUE(samePoints({segments[1].points.back()}, {QPointF(hoseX(60), 40)}));
}

TEST_F(MarketInfoChartTest, HoSEMinute31AndHNXMinute151DrawNothing) {
    receive({minuteRecord(2, 31, 900, 9), minuteRecord(1, 151, 300, 9), minuteRecord(1, 10, 250, 2),
             minuteRecord(1, 20, 260, 1), minuteRecord(2, 40, 1000, 2), minuteRecord(2, 50, 1010, 3)});
    const RecordingCanvas& canvas = draw();
    EXPECT_TRUE(strokesAt(canvas, hoseX(31)).isEmpty());
    EXPECT_TRUE(strokesAt(canvas, haSTCX(151)).isEmpty());
    EXPECT_FALSE(strokesAt(canvas, hoseX(40)).isEmpty());
    EXPECT_FLOAT_EQ(m_screen->chartView()->minHoSEPoint(), 1000.0F);
    EXPECT_FLOAT_EQ(m_screen->chartView()->maxHaSTCPoint(), 260.0F);
}

TEST_F(MarketInfoChartTest, TheReferenceLineNeedsThePreviousCloseStrictlyInsideTheRange) {
    const int today = app().currentDay();
    receive({minuteRecord(2, 40, 1000, 2), minuteRecord(2, 50, 1010, 3), indexRecord(2, 1010, today)});
    EXPECT_TRUE(referenceLines(draw()).isEmpty());
    receive({indexRecord(2, 1000, today)});
    EXPECT_TRUE(referenceLines(draw()).isEmpty());
    receive({indexRecord(2, 1002.5, today)});
    const QList<RecordingCanvas::Stroke> lines = referenceLines(draw());
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(samePoints(lines[0].points, {QPointF(200, 100), QPointF(448, 100)}));
}

TEST_F(MarketInfoChartTest, ValueLabelsShowTheRangeWithTheirNudges) {
    const int today = app().currentDay();
    receive({minuteRecord(1, 10, 90.25, 1), minuteRecord(1, 20, 99, 2), minuteRecord(2, 40, 990.25, 2),
             minuteRecord(2, 50, 1000, 3), indexRecord(1, 95, today)});
    const RecordingCanvas& canvas = draw();
    // Halfway values that sit exactly on a tie (995.125, 94.625) round up thanks to the nudge.
    EXPECT_EQ(textsOf(canvas),
              (QStringList{QStringLiteral("1000.00"), QStringLiteral("995.13"), QStringLiteral("990.25"),
                           QStringLiteral(" 99.00"), QStringLiteral(" 94.63"), QStringLiteral(" 90.25")}));
    const QList<int> baselines{50, 85, 125, 163, 203, 241};
    for (qsizetype i = 0; i < canvas.texts().size(); ++i) {
        const RecordingCanvas::Text& text = canvas.texts()[i];
        EXPECT_EQ(text.at, QPointF(155, baselines[i]));
        EXPECT_EQ(text.color, (Color{0.55, 0.55, 0.55, 1}));
        EXPECT_EQ(text.font, QStringLiteral("Helvetica"));
        EXPECT_EQ(text.size, 10);
    }
    EXPECT_TRUE(canvas.textUpright());
}

TEST_F(MarketInfoChartTest, NoLabelsWithoutAnIndexValueAboveZero) {
    receive({minuteRecord(1, 10, -5, 1), minuteRecord(1, 20, -3, 2)});
    const RecordingCanvas& canvas = draw();
    EXPECT_TRUE(canvas.texts().isEmpty());
    EXPECT_EQ(lineSegments(canvas).size(), 1);
}

// The first minute of a session makes every range flat; what needs no scale still shows.
TEST_F(MarketInfoChartTest, AFlatRangeKeepsItsLabelsAndOnlyLeavesOutWhatNeedsTheScale) {
    receive({minuteRecord(1, 10, 250, 2), minuteRecord(2, 40, 1000, 2), minuteRecord(2, 50, 1010, 3)});
    const RecordingCanvas& canvas = draw();
    EXPECT_TRUE(strokesAt(canvas, haSTCX(10)).isEmpty());
    EXPECT_FALSE(strokesAt(canvas, hoseX(50)).isEmpty());
    EXPECT_EQ(textsOf(canvas),
              (QStringList{QStringLiteral("1010.00"), QStringLiteral("1005.00"), QStringLiteral("1000.00"),
                           QStringLiteral("250.00"), QStringLiteral("250.00"), QStringLiteral("250.00")}));
}

TEST_F(MarketInfoChartTest, AFlatBarRangeStillDrawsTheIndexLineAndTheReferenceLine) {
    receive({indexRecord(1, 250, app().currentDay()), minuteRecord(1, 10, 249, 5), minuteRecord(1, 20, 251, 5)});
    const RecordingCanvas& canvas = draw();
    EXPECT_EQ(lineSegments(canvas).size(), 1);
    EXPECT_EQ(referenceLines(canvas).size(), 1);
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        EXPECT_FALSE(isVertical(stroke)) << "a flat bar range has no bar heights";
    }
    EXPECT_EQ(textsOf(canvas).size(), 3);
}

TEST_F(MarketInfoChartTest, EveryStoredAnswerIsDrawnOldestFirst) {
    receive({minuteRecord(1, 10, 250, 2)});
    receive({minuteRecord(1, 20, 260, 1)});
    receive({minuteRecord(1, 30, 255, 3)});
    const QList<RecordingCanvas::Stroke> segments = lineSegments(draw());
    ASSERT_EQ(segments.size(), 2);
    EXPECT_NEAR(segments[0].points.front().x(), haSTCX(10), 1e-3);
    EXPECT_NEAR(segments[1].points.back().x(), haSTCX(30), 1e-3);
}
