#include "core/CalendarHelpers.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "market/TradingCalendar.h"
#include "server/Clock.h"
#include "server/EmbeddedService.h"
#include "server/Service.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/RecordingCanvas.h"

#include <QLabel>

using market::MarketInfoViewController;
using testsupport::ShellTest;

// The overview against the embedded service, its market clock frozen inside the session of the
// latest trading day (weekends and holidays show the day before, which the overview then takes as
// its day).
class MarketInfoServiceTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_service = sim::startEmbeddedService("");
        ASSERT_NE(m_service, nullptr);
        QDate tradingDay = QDate::currentDate();
        while (!sim::market::isTradingDay(static_cast<int>(QDate(2000, 1, 1).daysTo(tradingDay)))) {
            tradingDay = tradingDay.addDays(-1);
        }
        m_service->clock().setFixed(sim::Clock::vietnamTime(tradingDay, QTime(9, 40)));
        startQuietly(m_service->baseUrl());
        app().setCurrentDay(core::dayNumberOf(QDateTime(tradingDay, QTime(12, 0))));
        m_screen = app().cachedScreen<MarketInfoViewController>();
    }

    bool waitForAnswer() {
        return waitFor([this] { return !m_screen->isRequestOutstanding(); });
    }

    QStringList storedToday() { return app().db()->getRealtimeData(app().dateDiffFromNow()); }

    std::unique_ptr<sim::Service> m_service;
    MarketInfoViewController* m_screen = nullptr;
};

TEST_F(MarketInfoServiceTest, LiveRefreshStoresEachAnswerAndAdvancesTheRevision) {
    app().setBRealTime(true);
    navigator().push(m_screen, false);
    ASSERT_TRUE(waitForAnswer());
    EXPECT_FALSE(alerts().isShowing());
    EXPECT_EQ(app().iLastRevision(), 70);
    EXPECT_EQ(m_screen->order(), 1);
    EXPECT_EQ(storedToday().size(), 1);
    EXPECT_EQ(m_screen->timeLabel()->text(), QStringLiteral("09:40"));
    EXPECT_FALSE(m_screen->hosePoint()->text().isEmpty());
    EXPECT_FALSE(m_screen->haSTCPoint()->text().isEmpty());
    EXPECT_GT(m_screen->chartView()->maxHoSEPoint(), m_screen->chartView()->minHoSEPoint());
    EXPECT_GT(m_screen->chartView()->maxHaSTCHeight(), m_screen->chartView()->minHaSTCHeight());

    m_service->clock().advance(60);
    scheduler().advance(app().timeRealtime());
    ASSERT_TRUE(m_screen->isRequestOutstanding());
    ASSERT_TRUE(waitForAnswer());
    EXPECT_EQ(app().iLastRevision(), 71);
    EXPECT_EQ(m_screen->order(), 2);
    const QStringList texts = storedToday();
    ASSERT_EQ(texts.size(), 2);
    // The second answer holds only what is newer than minute 70: one minute of each exchange.
    EXPECT_TRUE(texts.at(1).contains(QStringLiteral("\n1,71,")));
    EXPECT_TRUE(texts.at(1).contains(QStringLiteral("\n2,71,")));
    EXPECT_FALSE(texts.at(1).contains(QStringLiteral("\n1,70,")));
}

TEST_F(MarketInfoServiceTest, AWholeSessionDrawsEveryMinuteOfBothPanels) {
    m_service->clock().setFixed(sim::Clock::vietnamTime(m_service->clock().nowDateTime().date(), QTime(11, 30)));
    app().setBRealTime(true);
    navigator().push(m_screen, false);
    ASSERT_TRUE(waitForAnswer());
    EXPECT_EQ(app().iLastRevision(), 150);
    // Drawing reads the stored answers of the overview's day, which the store files under today.
    app().setCurrentDay(app().dateDiffFromNow());
    ui::RecordingCanvas canvas;
    m_screen->chartView()->render(canvas);
    int bars = 0;
    for (const ui::RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        bars += stroke.points.size() == 2 && stroke.points[0].x() == stroke.points[1].x() ? 1 : 0;
    }
    // HoSE 32..105 and HNX 0..150, each bar stroked twice.
    EXPECT_EQ(bars, 2 * (74 + 151));
    EXPECT_EQ(canvas.texts().size(), 6);
}

// Live mode asks more often than the market moves: a refresh within the same minute repeats the
// last answer kept, which is neither kept nor stored again; the next minute's answer is.
TEST_F(MarketInfoServiceTest, ARefreshThatBringsNothingNewStoresNothing) {
    app().setBRealTime(true);
    navigator().push(m_screen, false);
    ASSERT_TRUE(waitForAnswer());
    for (int tick = 0; tick < 3; ++tick) {
        scheduler().advance(app().timeRealtime());
        ASSERT_TRUE(waitForAnswer());
    }
    EXPECT_EQ(storedToday().size(), 1);
    EXPECT_EQ(app().realDataArr().size(), 1);
    m_service->clock().advance(60);
    scheduler().advance(app().timeRealtime());
    ASSERT_TRUE(waitForAnswer());
    EXPECT_EQ(storedToday().size(), 2);
    EXPECT_EQ(m_screen->timeLabel()->text(), QStringLiteral("09:41"));
}
