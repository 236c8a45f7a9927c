#include "MarketOverviewFixture.h"
#include "MarketResultFixture.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "server/ScriptedServer.h"
#include "shell/ShellFixture.h"
#include "ui/ChartExport.h"
#include "ui/RecordingCanvas.h"

#include <QMouseEvent>

#include <cmath>

using market::MarketInfoView;
using market::MarketInfoViewController;
using testsupport::haSTCX;
using testsupport::hoseX;
using testsupport::indexRecord;
using testsupport::minuteRecord;
using ui::RecordingCanvas;

namespace {

const QRectF kHoSEPanel(197, 30, 260, 100);
const QRectF kHNXPanel(197, 150, 265, 90);

/// The crosshair's part of a drawing: the texts drawn after the chart's own.
QStringList textsAfter(const RecordingCanvas& shown, const RecordingCanvas& plain) {
    QStringList texts;
    for (qsizetype i = plain.texts().size(); i < shown.texts().size(); ++i) {
        texts.append(shown.texts().at(i).text);
    }
    return texts;
}

void sendMouse(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

using MarketInfoCrosshairTest = testsupport::MarketOverviewTest;

TEST_F(MarketInfoCrosshairTest, HoveringTheHoSEPanelShowsTheNearestMinuteAgainstThePreviousClose) {
    receive(
        {minuteRecord(2, 40, 500, 1000), minuteRecord(2, 41, 502.5, 3000), indexRecord(2, 498, app().currentDay())});
    MarketInfoView* chart = m_screen->chartView();
    const RecordingCanvas plain = draw();
    chart->hoverAt(QPointF(hoseX(41) - 1, 80));
    const RecordingCanvas shown = draw();

    EXPECT_EQ(textsAfter(shown, plain),
              (QStringList{QStringLiteral("09:11"), QStringLiteral("502.50"), QStringLiteral("+4.50 (+0.90%)"),
                           QStringLiteral("KL: 3,000 Tr.")}));
    const RecordingCanvas::Stroke& line = shown.strokes().constLast();
    ASSERT_EQ(line.points.size(), 2);
    EXPECT_NEAR(line.points[0].x(), hoseX(41), 1e-3);
    EXPECT_EQ(line.points[0].y(), kHoSEPanel.top());
    EXPECT_EQ(line.points[1].y(), kHoSEPanel.bottom());
    const QRectF box = shown.fills().constLast().rect;
    EXPECT_TRUE(kHoSEPanel.contains(box));
    EXPECT_GT(box.left(), hoseX(41));

    // Before the first minute the crosshair stays on it: never beyond the data.
    chart->hoverAt(QPointF(200, 80));
    EXPECT_EQ(textsAfter(draw(), plain).constFirst(), QStringLiteral("09:10"));
}

TEST_F(MarketInfoCrosshairTest, NearTheRightEdgeOfTheHNXPanelTheBoxFlipsLeftAndStaysInside) {
    receive({minuteRecord(1, 140, 101, 20), minuteRecord(1, 150, 99.5, 10), indexRecord(1, 100, app().currentDay())});
    MarketInfoView* chart = m_screen->chartView();
    const RecordingCanvas plain = draw();
    chart->hoverAt(QPointF(460, 200));
    const RecordingCanvas shown = draw();

    EXPECT_EQ(textsAfter(shown, plain), (QStringList{QStringLiteral("11:00"), QStringLiteral("99.50"),
                                                     QStringLiteral("-0.50 (-0.50%)"), QStringLiteral("KL: 10 Tr.")}));
    EXPECT_NEAR(shown.strokes().constLast().points[0].x(), haSTCX(150), 1e-3);
    const QRectF box = shown.fills().constLast().rect;
    EXPECT_TRUE(kHNXPanel.contains(box));
    EXPECT_LT(box.right(), haSTCX(150));
    EXPECT_TRUE(ui::chartSvg(*chart).contains(QStringLiteral("-0.50 (-0.50%)")));
}

TEST_F(MarketInfoCrosshairTest, BetweenThePanelsAndAfterLeavingNothingIsShown) {
    receive({minuteRecord(2, 40, 500, 1000), indexRecord(2, 498, app().currentDay())});
    MarketInfoView* chart = m_screen->chartView();
    const RecordingCanvas plain = draw();
    chart->hoverAt(QPointF(300, 140));
    EXPECT_EQ(draw().texts().size(), plain.texts().size());

    chart->hoverAt(QPointF(300, 80));
    ASSERT_GT(draw().texts().size(), plain.texts().size());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(chart, &leave);
    const RecordingCanvas left = draw();
    EXPECT_EQ(left.texts().size(), plain.texts().size());
    EXPECT_EQ(left.strokes().size(), plain.strokes().size());
}

TEST_F(MarketInfoCrosshairTest, ALeftSwipeStillOpensTheTradingResultsFromAHoveredChart) {
    receive({minuteRecord(2, 40, 500, 1000), indexRecord(2, 498, app().currentDay())});
    navigator().push(m_screen, false);
    MarketInfoView* chart = m_screen->chartView();
    sendMouse(*chart, QEvent::MouseMove, QPointF(300, 100), Qt::NoButton, Qt::NoButton);
    ASSERT_TRUE(chart->hoverPosition().has_value());

    sendMouse(*chart, QEvent::MouseButtonPress, QPointF(300, 100), Qt::LeftButton, Qt::LeftButton);
    sendMouse(*chart, QEvent::MouseMove, QPointF(270, 95), Qt::NoButton, Qt::LeftButton);
    EXPECT_NE(dynamic_cast<market::MarketResultViewController*>(navigator().topController()), nullptr);
    EXPECT_FALSE(chart->hoverPosition().has_value());
    sendMouse(*chart, QEvent::MouseButtonRelease, QPointF(260, 95), Qt::LeftButton, Qt::NoButton);
}

using MarketResultCrosshairTest = testsupport::MarketResultTest;

TEST_F(MarketResultCrosshairTest, ADayShowsItsDateIndexChangeFromTheDayBeforeAndQuantity) {
    store(kHoSE, kToday - 2, 500, 10);
    store(kHoSE, kToday - 1, 510, 12);
    store(kHoSE, kToday, 505, 11);
    openScreen();
    const RecordingCanvas plain = render();
    screen().chartView()->hoverAt(QPointF(market::MarketResultView::xOfSlot(59) + 1, 60));
    const RecordingCanvas shown = render();

    EXPECT_EQ(textsAfter(shown, plain), (QStringList{app().dateFromDay(kToday - 1), QStringLiteral("510.00"),
                                                     QStringLiteral("+10.00 (+2.00%)"), QStringLiteral("KL: 12 Tr.")}));
    EXPECT_TRUE(kHoSEPanel.contains(shown.fills().constLast().rect));

    // The oldest day has no day before it on the chart: no change.
    screen().chartView()->hoverAt(QPointF(market::MarketResultView::xOfSlot(40), 60));
    EXPECT_EQ(textsAfter(render(), plain),
              (QStringList{app().dateFromDay(kToday - 2), QStringLiteral("500.00"), QStringLiteral("KL: 10 Tr.")}));
}
