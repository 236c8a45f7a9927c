#include "server/Clock.h"

#include "ServiceFixture.h"

#include <gtest/gtest.h>

namespace {

QDateTime local(int y, int m, int d, int h, int min, int s = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, min, s), Qt::LocalTime);
}

TEST(ClockTest, DayNumbersCountFromTheFirstOfJanuary2000) {
    EXPECT_EQ(sim::Clock::toSimTime(local(2000, 1, 1, 0, 0)).day, 0);
    EXPECT_EQ(sim::Clock::toSimTime(local(2000, 1, 2, 0, 0)).day, 1);
    EXPECT_EQ(sim::Clock::toSimTime(local(2010, 1, 1, 0, 0)).day, 3653);
    EXPECT_EQ(sim::Clock::toSimTime(local(2024, 3, 5, 10, 15)).day, 8830);
}

TEST(ClockTest, MidnightStartsTheNextDay) {
    const auto before = sim::Clock::toSimTime(local(2024, 3, 4, 23, 59, 59));
    const auto after = sim::Clock::toSimTime(local(2024, 3, 5, 0, 0, 0));
    EXPECT_EQ(after.day, before.day + 1);
    EXPECT_EQ(before.clockMinute, 1439);
    EXPECT_EQ(after.clockMinute, 0);
}

TEST(ClockTest, ClockMinuteAndMarketMinute) {
    const auto t = sim::Clock::toSimTime(local(2024, 3, 5, 8, 30));
    EXPECT_EQ(t.clockMinute, 510);
    EXPECT_EQ(t.marketMinute(), 0);
}

TEST(ClockTest, FixedClockMovesOnlyByHand) {
    sim::Clock clock(local(2024, 3, 5, 9, 0));
    clock.setFixed(local(2024, 3, 5, 9, 0));
    EXPECT_EQ(clock.now().clockMinute, 540);
    clock.advance(90 * 60);
    EXPECT_EQ(clock.now().clockMinute, 630);
    clock.advance(24 * 3600);
    EXPECT_EQ(clock.now().day, 8831);
}

TEST(ClockTest, SpeedMultipliesTheWallClock) {
    qint64 wallMs = 0;
    sim::Clock clock(local(2024, 3, 5, 9, 0), 60.0, [&wallMs] { return wallMs; });
    EXPECT_EQ(clock.now().clockMinute, 540);
    wallMs = 30'000; // half a minute of wall time is half an hour of market time
    EXPECT_EQ(clock.now().clockMinute, 570);
    wallMs = 5 * 60'000;
    EXPECT_EQ(clock.now().clockMinute, 540 + 5 * 60);
}

TEST(ClockTest, ServiceClockStartsAtTheClockOption) {
    const auto parsed = sim::parseServiceOptions({"--clock", "2024-03-05 14:20", "--speed", "10"});
    ASSERT_TRUE(parsed.error.empty());
    sim::Service service(parsed.options);
    const auto now = service.clock().now();
    EXPECT_EQ(now.day, 8830);
    // Ten times the wall clock: a test that takes under six seconds stays within the minute.
    EXPECT_GE(now.clockMinute, 14 * 60 + 20);
    EXPECT_LE(now.clockMinute, 14 * 60 + 21);
}

} // namespace
