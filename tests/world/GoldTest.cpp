#include "WorldFixture.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "shell/ScreenStyle.h"
#include "ui/RecordingCanvas.h"
#include "world/ACBGoldView.h"
#include "world/ACBGoldViewController.h"
#include "world/WorldGoldView.h"
#include "world/WorldGoldViewController.h"
#include "world/WorldScreens.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

using testsupport::answer;
using testsupport::WorldTest;
using ui::Color;
using ui::RecordingCanvas;
using world::ACBGoldView;
using world::ACBGoldViewController;
using world::GoldDayView;
using world::WorldGoldViewController;

namespace {

std::string bankMinute(int minute, const std::string& price, const std::string& bar) {
    return "1," + std::to_string(minute) + "," + price + "," + bar;
}

/// Quote: change, percent, minute, price, previous day's price, value, amount, day.
std::string bankQuote(const std::string& change, const std::string& percent, int minute, const std::string& price,
                      const std::string& yesterday, int day) {
    return "1," + change + "," + percent + "," + std::to_string(minute) + "," + price + "," + yesterday +
           ",153481.7,3701," + std::to_string(day);
}

bool near(const QPointF& actual, double x, double y) {
    return std::abs(actual.x() - x) < 1e-3 && std::abs(actual.y() - y) < 1e-3;
}

bool isVertical(const RecordingCanvas::Stroke& stroke) {
    return stroke.points.size() == 2 && stroke.points[0].x() == stroke.points[1].x();
}

QList<RecordingCanvas::Stroke> segments(const RecordingCanvas& canvas) {
    QList<RecordingCanvas::Stroke> found;
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        if (!isVertical(stroke) && stroke.points[0].y() != stroke.points[1].y()) {
            found.append(stroke);
        }
    }
    return found;
}

QList<RecordingCanvas::Stroke> bars(const RecordingCanvas& canvas) {
    QList<RecordingCanvas::Stroke> found;
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        if (isVertical(stroke) && stroke.color != Color::white()) {
            found.append(stroke);
        }
    }
    return found;
}

} // namespace

class GoldTest : public WorldTest {
protected:
    void storeBank(const std::string& text, int order = 0) {
        app().db()->addRealtimeGoldData(ACBGoldViewController::kFeedId, QString::number(kToday),
                                        QString::fromStdString(text), order);
    }

    /// A day of three bank quotes: prices 41500, 41600, 41400 with bar values 100, 300, 200,
    /// the previous day's price 41450.
    void storeBankDay() {
        storeBank(body(0, kToday,
                       {bankMinute(480, "41500", "100"), bankMinute(600, "41600", "300"),
                        bankMinute(720, "41400", "200"), bankQuote("-50", "-0.12", 720, "41400", "41450", kToday)}));
    }

    template <typename Screen> void reloadAndWait(Screen& screen) {
        ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
        screen.reload();
        ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    }

    static RecordingCanvas render(world::GoldScreen& screen) {
        RecordingCanvas canvas;
        screen.chartView()->render(canvas);
        return canvas;
    }
};

TEST_F(GoldTest, ABankQuoteOfTodayFillsTheLabelsAndSetsTheRevision) {
    m_server.set("/KTRPW/realtime.aspx", answer(body(0, kToday,
                                                     {bankMinute(870, "41620", "229"),
                                                      bankQuote("100", "0.24", 870, "41620", "41520", kToday)})));
    auto& screen = open<ACBGoldViewController>();
    reloadAndWait(screen);
    EXPECT_EQ(screen.lbPrice()->text(), QStringLiteral("41,620"));
    EXPECT_EQ(screen.lbPercent()->text(), QStringLiteral("+100(+0.24%)"));
    EXPECT_EQ(shell::textColor(screen.lbPercent()), shell::darkGreen());
    EXPECT_EQ(screen.lbValue()->text(), QStringLiteral("153,481"));
    EXPECT_EQ(screen.lbQuantity()->text(), QStringLiteral("3,701"));
    EXPECT_EQ(screen.lbDate()->text(), QStringLiteral("14:30"));
    EXPECT_EQ(app().iLastRevisionWorldGold(), 870);
    EXPECT_EQ(screen.order(), 1);
    EXPECT_EQ(requestsWith("type=8&lastupdate=0&imei=device-1"), 2);
    screen.targetMethod();
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    EXPECT_EQ(requestsWith("type=8&lastupdate=870&imei=device-1"), 1);
    EXPECT_EQ(screen.storedTexts().size(), 2);
}

// A change beyond any int (a fuzzed answer found it) reads as its digits, not as an overflow.
TEST_F(GoldTest, ABankQuoteWithAChangeBeyondAnIntShowsItsDigits) {
    m_server.set("/KTRPW/realtime.aspx",
                 answer(body(0, kToday, {bankQuote("-8000000000000.5", "-0.12", 870, "41620", "41520", kToday)})));
    auto& screen = open<ACBGoldViewController>();
    reloadAndWait(screen);
    EXPECT_TRUE(screen.lbPercent()->text().startsWith(QStringLiteral("-8000000000000(")))
        << qPrintable(screen.lbPercent()->text());
}

TEST_F(GoldTest, ABankQuoteOfNoChangeFromAnotherDayReadsRedWithItsDate) {
    m_server.set("/KTRPW/realtime.aspx",
                 answer(body(0, kToday - 1, {bankQuote("0", "0.12", 1050, "41500", "41450", kToday - 1)})));
    auto& screen = open<ACBGoldViewController>();
    reloadAndWait(screen);
    EXPECT_EQ(screen.lbPercent()->text(), QStringLiteral("0(0.12%)"));
    EXPECT_EQ(shell::textColor(screen.lbPercent()), QColor(Qt::red));
    EXPECT_EQ(screen.lbDate()->text(), app().dateFromDay(kToday - 1));
    EXPECT_EQ(app().iLastRevisionWorldGold(), 0);
}

TEST_F(GoldTest, ErrorAnswersAreNotStored) {
    auto& screen = open<ACBGoldViewController>();
    m_server.set("/KTRPW/realtime.aspx", answer(body(2, kToday, {bankMinute(480, "41500", "100")})));
    reloadAndWait(screen);
    EXPECT_TRUE(screen.isErr());
    m_server.set("/KTRPW/realtime.aspx", answer("<html>busy</html>"));
    reloadAndWait(screen);
    EXPECT_TRUE(screen.isErr());
    EXPECT_TRUE(app().db()->getRealtimeGoldData(ACBGoldViewController::kFeedId).isEmpty());
    EXPECT_EQ(screen.order(), 0);
}

TEST_F(GoldTest, TheBankChartDrawsBarsThePriceLineTheReferenceAndTheLabels) {
    storeBankDay();
    auto& screen = open<ACBGoldViewController>();
    const RecordingCanvas canvas = render(screen);
    ASSERT_FALSE(canvas.fills().isEmpty());
    EXPECT_EQ(canvas.fills().constFirst().rect, QRectF(14, 80, 550, 220));

    // Bars: 300 is the top of the range (60 points), 200 half of it, 100 the bottom.
    const QList<RecordingCanvas::Stroke> drawnBars = bars(canvas);
    ASSERT_EQ(drawnBars.size(), 3);
    const double x600 = GoldDayView::xOfMinute(600);
    EXPECT_NEAR(x600, 600 * 0.26458332 + 64, 1e-4);
    EXPECT_TRUE(near(drawnBars[1].points[0], x600, 227));
    EXPECT_TRUE(near(drawnBars[1].points[1], x600, 167));
    EXPECT_EQ(drawnBars[1].color, Color::green());
    EXPECT_DOUBLE_EQ(drawnBars[1].width, 0.8);
    EXPECT_TRUE(near(drawnBars[2].points[1], GoldDayView::xOfMinute(720), 197));
    EXPECT_EQ(drawnBars[2].color, Color::red());

    // The price line spans 120 points: 41600 at 105, 41400 at 225.
    const QList<RecordingCanvas::Stroke> line = segments(canvas);
    ASSERT_EQ(line.size(), 2);
    EXPECT_TRUE(near(line[0].points[0], GoldDayView::xOfMinute(480), 165));
    EXPECT_TRUE(near(line[0].points[1], x600, 105));
    EXPECT_EQ(line[0].color, Color::green());
    EXPECT_TRUE(near(line[1].points[1], GoldDayView::xOfMinute(720), 225));
    EXPECT_EQ(line[1].color, Color::red());

    const RecordingCanvas::Stroke& reference = canvas.strokes().constLast();
    EXPECT_EQ(reference.color, Color::darkGray());
    EXPECT_DOUBLE_EQ(reference.width, 0.5);
    EXPECT_TRUE(near(reference.points[0], 64, 195));
    EXPECT_TRUE(near(reference.points[1], 445, 195));

    ASSERT_EQ(canvas.texts().size(), 3);
    EXPECT_EQ(canvas.texts()[0].text, QStringLiteral("41,600"));
    EXPECT_EQ(canvas.texts()[0].at, QPointF(16, 105));
    EXPECT_EQ(canvas.texts()[1].text, QStringLiteral("41,500"));
    EXPECT_EQ(canvas.texts()[1].at, QPointF(16, 170));
    EXPECT_EQ(canvas.texts()[2].text, QStringLiteral("41,400"));
    EXPECT_EQ(canvas.texts()[2].at, QPointF(16, 230));
}

// Each redraw draws the whole day again: a pass must not go on from the last point of the one
// before it.
TEST_F(GoldTest, EveryRedrawDrawsTheDayFromItsStart) {
    storeBankDay();
    auto& screen = open<ACBGoldViewController>();
    const RecordingCanvas first = render(screen);
    const RecordingCanvas second = render(screen);
    ASSERT_EQ(segments(second).size(), segments(first).size());
    ASSERT_EQ(bars(second).size(), bars(first).size());
    for (qsizetype i = 0; i < bars(first).size(); ++i) {
        EXPECT_EQ(bars(second)[i].color, bars(first)[i].color);
    }
    EXPECT_EQ(segments(second)[0].points, segments(first)[0].points);
}

TEST_F(GoldTest, ANegativeBarWidensByItsSizeAndARepeatedMinuteDrawsNoSegment) {
    storeBank(body(0, kToday,
                   {bankMinute(480, "41500", "-500"), bankMinute(480, "41550", "100"),
                    bankQuote("5", "0.01", 480, "41550", "41450", kToday)}));
    auto& screen = open<ACBGoldViewController>();
    EXPECT_FLOAT_EQ(screen.goldView()->maxHeight(), 500);
    EXPECT_FLOAT_EQ(screen.goldView()->minHeight(), 100);
    const RecordingCanvas canvas = render(screen);
    EXPECT_EQ(bars(canvas).size(), 2);
    EXPECT_TRUE(segments(canvas).isEmpty());
}

TEST_F(GoldTest, AWorldMinuteOfAnotherDayShowsThatDayAndAFlatQuoteReadsRed) {
    m_server.set("/KTRPW/realtime.aspx", answer(body(0, kToday - 1, {"1,600,1580.5", "1,0,0.00,0,1580.5,1580.5,0"})));
    auto& screen = open<WorldGoldViewController>();
    reloadAndWait(screen);
    EXPECT_EQ(screen.lbDate()->text(), app().dateFromDay(kToday - 1));
    EXPECT_EQ(app().iLastRevisionWorldGold(), 0);
    EXPECT_EQ(screen.lbValue()->text(), QStringLiteral("1,580.5"));
    EXPECT_EQ(screen.lbPercent()->text(), QStringLiteral("0(0.00%)"));
    EXPECT_EQ(shell::textColor(screen.lbValue()), QColor(Qt::red));
    EXPECT_EQ(shell::textColor(screen.lbPercent()), QColor(Qt::red));
    EXPECT_EQ(requestsWith("type=7&lastupdate=0&imei=device-1"), 2);
}

TEST_F(GoldTest, TheWorldChartIsALineWithALightReferenceAndLabelsAtEighteen) {
    app().db()->addRealtimeGoldData(
        WorldGoldViewController::kFeedId, QString::number(kToday),
        QString::fromStdString(
            body(0, kToday, {"1,0,1570", "1,5,1590", "1,10,1580", "1,13.70,0.87,870,1580,1575,9000"})),
        0);
    auto& screen = open<WorldGoldViewController>();
    EXPECT_EQ(app().iLastRevisionWorldGold(), 10);
    EXPECT_EQ(shell::textColor(screen.lbValue()), shell::darkGreen());
    EXPECT_EQ(screen.lbPercent()->text(), QStringLiteral("+13.70(+0.87%)"));
    const RecordingCanvas canvas = render(screen);
    EXPECT_TRUE(bars(canvas).isEmpty());
    const QList<RecordingCanvas::Stroke> line = segments(canvas);
    ASSERT_EQ(line.size(), 2);
    EXPECT_TRUE(near(line[0].points[1], GoldDayView::xOfMinute(5), 105));
    const RecordingCanvas::Stroke& reference = canvas.strokes().constLast();
    EXPECT_EQ(reference.color, Color::lightGray());
    EXPECT_DOUBLE_EQ(reference.width, 0.8);
    ASSERT_EQ(canvas.texts().size(), 3);
    EXPECT_EQ(canvas.texts()[0].at.x(), 18);
}

class GoldNavigationTest : public GoldTest {
protected:
    void SetUp() override {
        GoldTest::SetUp();
        world::registerWorldScreens(app());
    }

    qsizetype depth() { return navigator().viewControllers().size(); }
};

TEST_F(GoldNavigationTest, TheTwoGoldScreensOpenEachOtherWithoutDeepeningTheStack) {
    app().mainViewController()->sectionButton(QStringLiteral("btVang"))->click();
    auto* worldGold = app().cachedScreen<WorldGoldViewController>();
    auto* bankGold = app().cachedScreen<ACBGoldViewController>();
    ASSERT_EQ(navigator().topController(), worldGold);
    worldGold->switchButton()->click();
    EXPECT_EQ(navigator().topController(), bankGold);
    EXPECT_EQ(depth(), 3);
    bankGold->switchButton()->click();
    EXPECT_EQ(navigator().topController(), worldGold);
    EXPECT_EQ(depth(), 2);

    navigator().popToRoot(false);
    navigator().push(bankGold, false);
    bankGold->switchButton()->click();
    EXPECT_EQ(navigator().topController(), worldGold);
    worldGold->switchButton()->click();
    EXPECT_EQ(navigator().topController(), bankGold);
    EXPECT_EQ(depth(), 2);
}

TEST_F(GoldNavigationTest, EachFeedKeepsItsOwnAnswersWhileTheySharedTheRevision) {
    m_server.set("/KTRPW/realtime.aspx?type=7&lastupdate=0&imei=device-1",
                 answer(body(0, kToday, {"1,900,1580", "1,905,1581", "1,1,0.1,0,1581,1580,0"})));
    m_server.set(
        "/KTRPW/realtime.aspx?type=8&lastupdate=0&imei=device-1",
        answer(body(0, kToday,
                    {bankMinute(870, "41620", "229"), bankQuote("100", "0.24", 870, "41620", "41520", kToday)})));
    app().mainViewController()->sectionButton(QStringLiteral("btVang"))->click();
    auto* worldGold = app().cachedScreen<WorldGoldViewController>();
    reloadAndWait(*worldGold);
    EXPECT_EQ(app().iLastRevisionWorldGold(), 905);
    worldGold->goACB();
    auto* bankGold = app().cachedScreen<ACBGoldViewController>();
    reloadAndWait(*bankGold);
    EXPECT_EQ(app().iLastRevisionWorldGold(), 870);
    ASSERT_EQ(bankGold->storedTexts().size(), 1);
    EXPECT_TRUE(bankGold->storedTexts().constFirst().contains(QStringLiteral("41620")));
    bankGold->goWorldGold();
    ASSERT_EQ(navigator().topController(), worldGold);
    ASSERT_EQ(worldGold->storedTexts().size(), 1);
    EXPECT_TRUE(worldGold->storedTexts().constFirst().contains(QStringLiteral("1581")));
    EXPECT_EQ(app().realDataArrGold(), worldGold->storedTexts());
    EXPECT_EQ(app().iLastRevisionWorldGold(), 905);
}

TEST_F(GoldTest, TheUpdateItemStopsTheRefreshBeforeAsking) {
    auto& bank = open<ACBGoldViewController>();
    ASSERT_TRUE(waitFor([&bank] { return !bank.isRequestOutstanding(); }));
    bank.toggleAnimation();
    ASSERT_TRUE(bank.liveRefresh().isRefreshing());
    bank.menuContextCallBack(0);
    EXPECT_FALSE(app().bRealTime());
    EXPECT_FALSE(bank.liveRefresh().isRefreshing());
    EXPECT_FALSE(bank.liveRefresh().isAnimating());
    EXPECT_TRUE(waitForAlert(QStringLiteral("Cập nhật toàn bộ dữ liệu!")));
    alerts().press(0);
    ASSERT_TRUE(waitFor([&bank] { return !bank.isRequestOutstanding(); }));

    navigator().popToRoot(false);
    auto& worldGold = open<WorldGoldViewController>();
    ASSERT_TRUE(waitFor([&worldGold] { return !worldGold.isRequestOutstanding(); }));
    worldGold.toggleAnimation();
    worldGold.menuContextCallBack(0);
    EXPECT_FALSE(worldGold.liveRefresh().isRefreshing());
    EXPECT_TRUE(worldGold.liveRefresh().isAnimating());
}
