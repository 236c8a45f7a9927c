#include "CompanyRealTimeFixture.h"
#include "company/QuotePanel.h"
#include "ui/Color.h"
#include "ui/RecordingCanvas.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <cmath>

using ui::RecordingCanvas;

namespace {

/// The line segments (two-point strokes of width 1 that are not vertical bars).
QList<RecordingCanvas::Stroke> lineSegments(const RecordingCanvas& canvas) {
    QList<RecordingCanvas::Stroke> segments;
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        if (stroke.points.size() == 2 && stroke.width == 1 && stroke.points[0].x() != stroke.points[1].x()) {
            segments.append(stroke);
        }
    }
    return segments;
}

QList<RecordingCanvas::Stroke> verticalBars(const RecordingCanvas& canvas) {
    QList<RecordingCanvas::Stroke> bars;
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        if (stroke.points.size() == 2 && stroke.points[0].x() == stroke.points[1].x()) {
            bars.append(stroke);
        }
    }
    return bars;
}

double hoseX(double minute) {
    return 199 + (minute - 30) * static_cast<double>(248.0F / 75.0F);
}

} // namespace

using CompanyRealTimeChartTest = CompanyRealTimeTest;

TEST_F(CompanyRealTimeChartTest, FallThroughReferenceSplitsHalfAMinuteLater) {
    storeQuote(QStringLiteral("20"));
    storePoint(40, 21, 100);
    storePoint(44, 19, 200);
    m_screen->displayInfo();
    RecordingCanvas canvas;
    m_screen->chartView()->render(canvas);
    const auto segments = lineSegments(canvas);
    ASSERT_EQ(segments.size(), 2);
    // y: 122 - (p - 19) / (2 / 80): 21 → 42, 20 → 82, 19 → 122.
    EXPECT_NEAR(segments[0].points[0].x(), hoseX(40), 1e-3);
    EXPECT_NEAR(segments[0].points[0].y(), 42, 1e-3);
    EXPECT_NEAR(segments[0].points[1].x(), hoseX(40.5), 1e-3);
    EXPECT_NEAR(segments[0].points[1].y(), 82, 1e-3);
    EXPECT_EQ(segments[0].color, ui::Color::green());
    EXPECT_NEAR(segments[1].points[0].x(), hoseX(40.5), 1e-3);
    EXPECT_NEAR(segments[1].points[1].x(), hoseX(44), 1e-3);
    EXPECT_NEAR(segments[1].points[1].y(), 122, 1e-3);
    EXPECT_EQ(segments[1].color, ui::Color::red());
}

TEST_F(CompanyRealTimeChartTest, RiseThroughReferenceSplitsHalfway) {
    storeQuote(QStringLiteral("20"));
    storePoint(40, 19, 200);
    storePoint(44, 21, 100);
    m_screen->displayInfo();
    RecordingCanvas canvas;
    m_screen->chartView()->render(canvas);
    const auto segments = lineSegments(canvas);
    ASSERT_EQ(segments.size(), 2);
    EXPECT_NEAR(segments[0].points[1].x(), hoseX(42), 1e-3);
    EXPECT_NEAR(segments[0].points[1].y(), 82, 1e-3);
    EXPECT_EQ(segments[0].color, ui::Color::red());
    EXPECT_EQ(segments[1].color, (ui::Color{0.13, 0.55, 0.13, 1}));
    EXPECT_NEAR(segments[1].points[1].y(), 42, 1e-3);
}

TEST_F(CompanyRealTimeChartTest, BarsColouredByPreviousVolumeAndReferenceLineDrawn) {
    storeQuote(QStringLiteral("20"));
    storePoint(40, 21, 100);
    storePoint(41, 19, 50);
    storePoint(42, 21, 80);
    m_screen->displayInfo();
    RecordingCanvas canvas;
    m_screen->chartView()->render(canvas);
    const auto bars = verticalBars(canvas);
    ASSERT_EQ(bars.size(), 3);
    EXPECT_EQ(bars[0].color, ui::Color::green());
    EXPECT_EQ(bars[1].color, ui::Color::red());
    EXPECT_EQ(bars[2].color, ui::Color::green());
    // The tallest volume rises the full 40 points from the base.
    EXPECT_NEAR(bars[0].points[1].y(), 82, 1e-3);
    bool reference = false;
    for (const auto& stroke : canvas.strokes()) {
        reference = reference || (stroke.color == ui::Color::lightGray() && stroke.points[0].x() == 199 &&
                                  std::abs(stroke.points[0].y() - 82) < 1e-3);
    }
    EXPECT_TRUE(reference);
    ASSERT_EQ(canvas.texts().size(), 3);
    EXPECT_EQ(canvas.texts()[0].text, QStringLiteral(" 19.00"));
    EXPECT_EQ(canvas.texts()[1].text, QStringLiteral(" 20.00"));
    EXPECT_EQ(canvas.texts()[2].text, QStringLiteral(" 21.00"));
}

TEST_F(CompanyRealTimeChartTest, ReferenceAtTheDaysHighDrawsNoLineAndNoPointsDrawNothing) {
    storeQuote(QStringLiteral("21"));
    storePoint(40, 21, 100);
    storePoint(41, 19, 50);
    m_screen->displayInfo();
    RecordingCanvas canvas;
    m_screen->chartView()->render(canvas);
    for (const auto& stroke : canvas.strokes()) {
        EXPECT_FALSE(stroke.color == ui::Color::lightGray());
    }

    m_screen->setCode(QStringLiteral("NONE"));
    m_screen->set_id(QStringLiteral("99"));
    m_screen->displayInfo();
    RecordingCanvas empty;
    m_screen->chartView()->render(empty);
    EXPECT_TRUE(empty.strokes().isEmpty());
    EXPECT_TRUE(empty.texts().isEmpty());
    EXPECT_EQ(empty.fills().size(), 2);
}

TEST_F(CompanyRealTimeChartTest, TimeAxisPictureFollowsTheExchange) {
    storeQuote(QStringLiteral("20"));
    m_screen->displayInfo();
    EXPECT_FALSE(m_screen->hotimeChart()->isHidden());
    EXPECT_TRUE(m_screen->hatimeChart()->isHidden());
    EXPECT_EQ(m_screen->hotimeChart()->geometry(), QRect(184, 130, 280, 18));
    EXPECT_TRUE(m_screen->chartView()->isHoSE());

    exchange = QStringLiteral("1");
    storeQuote(QStringLiteral("20"));
    storePoint(0, 20, 10);
    storePoint(150, 21, 10);
    m_screen->displayInfo();
    EXPECT_EQ(m_screen->quotePanel()->text(company::QuotePanel::Field::Stock), QStringLiteral("HNX"));
    EXPECT_TRUE(m_screen->hotimeChart()->isHidden());
    EXPECT_FALSE(m_screen->hatimeChart()->isHidden());
    RecordingCanvas canvas;
    m_screen->chartView()->render(canvas);
    const auto segments = lineSegments(canvas);
    ASSERT_EQ(segments.size(), 1);
    EXPECT_NEAR(segments[0].points[0].x(), 199, 1e-3);
    EXPECT_NEAR(segments[0].points[1].x(), 199 + 150 * static_cast<double>(248.0F / 150.0F), 1e-3);
}
