#include "server/ServiceOptions.h"

#include "server/Clock.h"
#include "server/Replay.h"

#include <gtest/gtest.h>

namespace {

using sim::parseServiceOptions;

TEST(ServiceOptionsTest, DefaultsServeLoopbackOnAFreePort) {
    const auto parsed = parseServiceOptions({});
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_FALSE(parsed.showHelp);
    EXPECT_EQ(parsed.options.host, "127.0.0.1");
    EXPECT_EQ(parsed.options.port, 0);
    EXPECT_EQ(parsed.options.latestVersion, "2.0.3");
    EXPECT_TRUE(parsed.options.statePath.empty());
    EXPECT_TRUE(parsed.options.mailDir.empty());
    EXPECT_FALSE(parsed.options.clockStart.has_value());
    EXPECT_DOUBLE_EQ(parsed.options.speed, 1.0);
    EXPECT_DOUBLE_EQ(parsed.options.failRate + parsed.options.errorRate + parsed.options.garbageRate, 0.0);
    // The executable sends some answers joined, as the real service does; options built in code send none.
    EXPECT_DOUBLE_EQ(parsed.options.headerJoinedRate, sim::kDefaultHeaderJoinedRate);
    EXPECT_GT(sim::kDefaultHeaderJoinedRate, 0.0);
    EXPECT_DOUBLE_EQ(sim::ServiceOptions().headerJoinedRate, 0.0);
}

TEST(ServiceOptionsTest, ReadsEveryOptionInBothSpellings) {
    // clang-format off
    const std::vector<std::string> args{"--host", "0.0.0.0", "--port=8080", "--seed", "42", "--state", "/tmp/s.db",
        "--mail-dir=/tmp/m", "--clock", "2024-03-05 10:15", "--speed=60", "--latest-version", "2.1.0",
        "--latency-ms", "250", "--fail-rate=0.1", "--error-rate", "0.2", "--garbage-rate", "1",
        "--header-joined-rate", "0"};
    // clang-format on
    const auto parsed = parseServiceOptions(args);
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    const auto& o = parsed.options;
    EXPECT_EQ(o.host, "0.0.0.0");
    EXPECT_EQ(o.port, 8080);
    EXPECT_EQ(o.seed, 42u);
    EXPECT_EQ(o.statePath, "/tmp/s.db");
    EXPECT_EQ(o.mailDir, "/tmp/m");
    ASSERT_TRUE(o.clockStart.has_value());
    EXPECT_EQ(*o.clockStart, sim::Clock::vietnamTime(QDate(2024, 3, 5), QTime(10, 15)));
    EXPECT_DOUBLE_EQ(o.speed, 60.0);
    EXPECT_EQ(o.latestVersion, "2.1.0");
    EXPECT_EQ(o.latencyMs, 250);
    EXPECT_DOUBLE_EQ(o.failRate, 0.1);
    EXPECT_DOUBLE_EQ(o.errorRate, 0.2);
    EXPECT_DOUBLE_EQ(o.garbageRate, 1.0);
    EXPECT_DOUBLE_EQ(o.headerJoinedRate, 0.0);
}

TEST(ServiceOptionsTest, RefusesValuesOutOfRangeOrMalformed) {
    const std::vector<std::vector<std::string>> bad{
        {"--fail-rate", "1.5"},    {"--error-rate", "-0.1"},
        {"--port", "70000"},       {"--port", "80x"},
        {"--clock", "2024/03/05"}, {"--speed", "0"},
        {"--seed", "-1"},          {"--latency-ms", "-5"},
        {"--bogus", "1"},          {"--port"},
        {"--garbage-rate", "abc"}, {"--header-joined-rate", "1.01"},
        {"--replay", "0"},         {"--replay", "fast"},
        {"--replay=-2"},
    };
    for (const auto& args : bad) {
        EXPECT_FALSE(parseServiceOptions(args).error.empty()) << args.front();
    }
}

TEST(ServiceOptionsTest, ReplayTakesAnOptionalSpeed) {
    EXPECT_FALSE(parseServiceOptions({}).options.replaySpeed.has_value());
    EXPECT_EQ(parseServiceOptions({"--replay"}).options.replaySpeed, sim::kDefaultReplaySpeed);
    EXPECT_EQ(parseServiceOptions({"--replay", "4"}).options.replaySpeed, 4.0);
    EXPECT_EQ(parseServiceOptions({"--replay=2.5"}).options.replaySpeed, 2.5);
    const auto followed = parseServiceOptions({"--replay", "--port", "8080"});
    ASSERT_TRUE(followed.error.empty()) << followed.error;
    EXPECT_EQ(followed.options.replaySpeed, sim::kDefaultReplaySpeed);
    EXPECT_EQ(followed.options.port, 8080);
}

TEST(ServiceOptionsTest, HelpIsRecognisedAndDescribesTheOptions) {
    EXPECT_TRUE(parseServiceOptions({"--help"}).showHelp);
    for (const char* option : {"--state", "--clock", "--speed", "--fail-rate", "--garbage-rate", "--latest-version",
                               "--header-joined-rate", "--mail-dir", "--replay"}) {
        EXPECT_NE(sim::serviceUsage().find(option), std::string::npos) << option;
    }
}

} // namespace
