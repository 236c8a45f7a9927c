#include "ServiceFixture.h"
#include "server/HeaderJoining.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The pages whose answers may come joined, each with the record lengths its screen reads.
struct JoinablePage {
    std::string query;
    std::vector<qsizetype> fieldCounts;
};

const std::vector<JoinablePage>& joinablePages() {
    static const std::vector<JoinablePage> pages{
        {"realtime.aspx?type=1&lastupdate=0&imei=dev1", {4, 9}},
        {"realtime.aspx?type=1&lastupdate=60&imei=dev1", {4, 9}},
        {"realtime.aspx?type=2&StockID=2&lastupdate=0&imei=dev1", {17}},
        {"realtime.aspx?type=10&companyid=1&imei=dev1", {10, 8}},
    };
    return pages;
}

sim::ServiceOptions joinedAtRate(double rate, std::uint64_t seed = 1) {
    sim::ServiceOptions options;
    options.headerJoinedRate = rate;
    options.seed = seed;
    return options;
}

std::vector<QStringList> recordsOfLength(const net::Answer& answer, qsizetype fieldCount) {
    std::vector<QStringList> records;
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == fieldCount) {
            records.push_back(record.toStringList());
        }
    }
    return records;
}

TEST(HeaderJoinedTest, RateOnePutsTheFirstRecordOnTheHeadersLine) {
    simtest::ServiceHarness harness(joinedAtRate(1));
    for (const JoinablePage& page : joinablePages()) {
        const std::string body = harness.body(page.query);
        const std::string record0 = body.substr(0, body.find(';'));
        EXPECT_EQ(record0.rfind("KTRPW:0:8830\n", 0), 0U) << page.query << "\n" << record0;
        EXPECT_NE(record0.find(','), std::string::npos) << page.query << "\n" << record0;
    }
}

TEST(HeaderJoinedTest, TheClientReadsTheSameHeaderAndRecordsEitherWay) {
    simtest::ServiceHarness separate(joinedAtRate(0));
    simtest::ServiceHarness joined(joinedAtRate(1));
    for (const JoinablePage& page : joinablePages()) {
        const net::Answer expected = separate.answer(page.query);
        const net::Answer actual = joined.answer(page.query);
        ASSERT_EQ(actual.status(), 0) << page.query;
        EXPECT_EQ(net::leadingInt(actual.headerField(2)), net::leadingInt(expected.headerField(2))) << page.query;
        for (const qsizetype count : page.fieldCounts) {
            const auto records = recordsOfLength(expected, count);
            EXPECT_FALSE(records.empty()) << page.query << " " << count;
            EXPECT_TRUE(recordsOfLength(actual, count) == records) << page.query << " " << count;
        }
    }
}

TEST(HeaderJoinedTest, OtherPagesAndErrorAnswersAreNeverJoined) {
    simtest::ServiceHarness separate(joinedAtRate(0));
    simtest::ServiceHarness joined(joinedAtRate(1));
    for (const std::string& query : std::vector<std::string>{
             "realtime.aspx?type=3&imei=dev1", "realtime.aspx?type=9&companyid=1&lastupdate=0&imei=dev1",
             "realtime.aspx?type=12&companyids=1,2&imei=dev1", "news.aspx?imei=dev1",
             "realtime.aspx?type=2&StockID=9&lastupdate=0&imei=dev1", "realtime.aspx?type=10&companyid=0&imei=dev1",
             "CheckAlert.aspx?version=1.0&type=IPN&imei=dev1"}) {
        EXPECT_EQ(joined.body(query), separate.body(query)) << query;
    }
}

TEST(HeaderJoinedTest, WhichAnswersAreJoinedComesFromTheSeed) {
    const auto joinedFlags = [](std::uint64_t seed) {
        simtest::ServiceHarness harness(joinedAtRate(0.5, seed));
        std::vector<bool> flags;
        for (int i = 0; i < 40; ++i) {
            const std::string body = harness.body("realtime.aspx?type=1&lastupdate=100&imei=dev1");
            flags.push_back(body.substr(0, body.find(';')).find('\n') != std::string::npos);
        }
        return flags;
    };
    const auto flags = joinedFlags(7);
    EXPECT_EQ(joinedFlags(7), flags);
    EXPECT_NE(joinedFlags(8), flags);
    EXPECT_NE(std::count(flags.begin(), flags.end(), true), 0);
    EXPECT_NE(std::count(flags.begin(), flags.end(), false), 0);
}

TEST(JoinHeaderLineTest, LeavesAnswersWithoutAJoinableFirstRecordAlone) {
    for (const std::string& body :
         std::vector<std::string>{"KTRPW:1:Yêu cầu không hợp lệ;", "KTRPW:0:8830;\n", "KTRPW:0:8830;\n;\n1,2;\n",
                                  "KTRPW:0:8830;\n10:15,2;\n", "KTRPW:0:8830"}) {
        EXPECT_EQ(sim::joinHeaderLine(body), body);
    }
    EXPECT_EQ(sim::joinHeaderLine("KTRPW:0:8830;\n1,2;\n3,4;\n"), "KTRPW:0:8830\n1,2;\n3,4;\n");
}

} // namespace
