#include "server/Clock.h"

#include "ServiceFixture.h"
#include "info/CivilDate.h"
#include "market/Market.h"
#include "server/Replay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <thread>

namespace {

QDateTime vietnam(int y, int m, int d, int h, int min, int s = 0) {
    return sim::Clock::vietnamTime(QDate(y, m, d), QTime(h, min, s));
}

/// Sets the host's time zone for the scope, as a user abroad would have it.
class HostTimeZone {
public:
    explicit HostTimeZone(const char* zone) {
        if (const char* before = std::getenv("TZ")) {
            m_before = before;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~HostTimeZone() {
        if (m_before) {
            setenv("TZ", m_before->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    HostTimeZone(const HostTimeZone&) = delete;
    HostTimeZone& operator=(const HostTimeZone&) = delete;

private:
    std::optional<std::string> m_before;
};

TEST(ClockTest, DayNumbersCountFromTheFirstOfJanuary2000InVietnam) {
    EXPECT_EQ(sim::Clock::toSimTime(vietnam(2000, 1, 1, 0, 0)).day, 0);
    EXPECT_EQ(sim::Clock::toSimTime(vietnam(2000, 1, 2, 0, 0)).day, 1);
    EXPECT_EQ(sim::Clock::toSimTime(vietnam(2010, 1, 1, 0, 0)).day, 3653);
    EXPECT_EQ(sim::Clock::toSimTime(vietnam(2024, 3, 5, 10, 15)).day, 8830);
    EXPECT_EQ(sim::Clock::toSimTime(vietnam(1999, 12, 31, 23, 59)).day, -1);
}

TEST(ClockTest, MidnightInVietnamStartsTheNextDay) {
    const auto before = sim::Clock::toSimTime(vietnam(2024, 3, 4, 23, 59, 59));
    const auto after = sim::Clock::toSimTime(vietnam(2024, 3, 5, 0, 0, 0));
    EXPECT_EQ(after.day, before.day + 1);
    EXPECT_EQ(before.clockMinute, 1439);
    EXPECT_EQ(after.clockMinute, 0);
    // 17:00 UTC is already midnight in Hanoi.
    const auto utc = sim::Clock::toSimTime(QDateTime(QDate(2024, 3, 4), QTime(17, 0), Qt::UTC));
    EXPECT_EQ(utc.day, after.day);
    EXPECT_EQ(utc.clockMinute, 0);
}

TEST(ClockTest, ClockMinuteAndMarketMinute) {
    const auto t = sim::Clock::toSimTime(vietnam(2024, 3, 5, 8, 30));
    EXPECT_EQ(t.clockMinute, 510);
    EXPECT_EQ(t.marketMinute(), 0);
}

TEST(ClockTest, TheSameInstantGivesTheSameMarketInEveryHostTimeZone) {
    // Wednesday 3 December 2025, 09:40 in Hanoi, 03:40 in Berlin, 02:40 UTC.
    const QDateTime instant = QDateTime::fromSecsSinceEpoch(1764720000 + 2 * 3600 + 40 * 60, Qt::UTC);
    const sim::Market market(7);
    const sim::Request overview{"realtime.aspx", {{"type", "1"}, {"lastupdate", "0"}}};
    std::vector<std::string> answers;
    std::vector<int> localHours;
    for (const char* zone : {"UTC", "Asia/Ho_Chi_Minh", "Europe/Berlin"}) {
        const HostTimeZone host(zone);
        localHours.push_back(instant.toLocalTime().time().hour());
        const sim::SimTime t = sim::Clock::toSimTime(instant);
        EXPECT_EQ(t.day, (sim::CivilDate{2025, 12, 3}.toDay())) << zone;
        EXPECT_EQ(t.clockMinute, 9 * 60 + 40) << zone;
        const auto parsed = sim::parseServiceOptions({"--clock", "2025-12-03 09:40"});
        ASSERT_TRUE(parsed.options.clockStart.has_value());
        EXPECT_EQ(*parsed.options.clockStart, instant) << zone;
        answers.push_back(market.answer(overview, t).body);
    }
    // The zones really differed for the host, yet the market did not.
    EXPECT_EQ(localHours, (std::vector<int>{2, 9, 3}));
    EXPECT_EQ(answers[0], answers[1]);
    EXPECT_EQ(answers[0], answers[2]);
}

TEST(ClockTest, FixedClockMovesOnlyByHand) {
    sim::Clock clock(vietnam(2024, 3, 5, 9, 0));
    clock.setFixed(vietnam(2024, 3, 5, 9, 0));
    EXPECT_EQ(clock.now().clockMinute, 540);
    clock.advance(qint64{90} * 60);
    EXPECT_EQ(clock.now().clockMinute, 630);
    clock.advance(qint64{24} * 3600);
    EXPECT_EQ(clock.now().day, 8831);
}

TEST(ClockTest, SpeedMultipliesTheWallClock) {
    qint64 wallMs = 0;
    sim::Clock clock(vietnam(2024, 3, 5, 9, 0), 60.0, [&wallMs] { return wallMs; });
    EXPECT_EQ(clock.now().clockMinute, 540);
    wallMs = 30'000; // half a minute of wall time is half an hour of market time
    EXPECT_EQ(clock.now().clockMinute, 570);
    wallMs = qint64{5} * 60000;
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

TEST(ReplayTest, TheLatestSessionIsTodaysOnceOpenElseTheLastTradingDays) {
    // Thursday 4 December 2025: from the open on, today's session.
    EXPECT_EQ(sim::latestSessionOpen(vietnam(2025, 12, 4, 8, 30)), vietnam(2025, 12, 4, 8, 30));
    EXPECT_EQ(sim::latestSessionOpen(vietnam(2025, 12, 4, 23, 10)), vietnam(2025, 12, 4, 8, 30));
    // Before the open, at the weekend and over Tết: the last session held.
    EXPECT_EQ(sim::latestSessionOpen(vietnam(2025, 12, 4, 8, 29)), vietnam(2025, 12, 3, 8, 30));
    EXPECT_EQ(sim::latestSessionOpen(vietnam(2025, 12, 7, 12, 0)), vietnam(2025, 12, 5, 8, 30));
    EXPECT_EQ(sim::latestSessionOpen(vietnam(2024, 2, 12, 10, 0)), vietnam(2024, 2, 7, 8, 30));
}

TEST(ReplayTest, AReplayingServiceStartsAtTheOpenAndRunsFast) {
    const auto parsed = sim::parseServiceOptions({"--clock", "2025-12-04 22:00", "--replay", "600"});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    sim::Service service(parsed.options);
    const QDateTime first = service.clock().nowDateTime();
    EXPECT_GE(first, vietnam(2025, 12, 4, 8, 30));
    EXPECT_LT(first, vietnam(2025, 12, 4, 8, 40));
    // Six hundred times the wall clock: a tenth of a second of waiting is a minute of market.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_GE(first.secsTo(service.clock().nowDateTime()), 60);
}

} // namespace
