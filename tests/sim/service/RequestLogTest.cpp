#include "server/RequestLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

sim::Request requestFor(int n) {
    return sim::Request{"page" + std::to_string(n) + ".aspx", {{"n", std::to_string(n)}}};
}

} // namespace

// The embedded service runs as long as the program: its log keeps the latest requests only.
TEST(RequestLog, KeepsTheLatestRequestsOldestFirst) {
    sim::RequestLog log(3);
    for (int n = 1; n <= 5; ++n) {
        log.add(requestFor(n));
    }
    const auto entries = log.entries();
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries.front().page, "page3.aspx");
    EXPECT_EQ(entries.back().page, "page5.aspx");
    EXPECT_EQ(entries.back().params.at("n"), "5");
    log.clear();
    EXPECT_TRUE(log.entries().empty());
}
