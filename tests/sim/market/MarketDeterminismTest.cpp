#include "AnswerSplitter.h"
#include "market/Market.h"

#include <gtest/gtest.h>

namespace {

using namespace markettest;

std::vector<sim::Request> everyPage(const sim::Market& market) {
    const std::string id = std::to_string(market.companies()[17].id);
    return {
        request("default.aspx", {{"lastupdate", "0"}, {"numofday", "7"}}),
        request("default.aspx", {{"type", "1"}, {"lastupdate", std::to_string(kWednesday)}}),
        request("realtime.aspx", {{"type", "1"}, {"lastupdate", "0"}}),
        request("realtime.aspx", {{"type", "2"}, {"StockID", "1"}, {"lastupdate", "0"}}),
        request("realtime.aspx", {{"type", "2"}, {"StockID", "2"}, {"lastupdate", "0"}}),
        request("realtime.aspx", {{"type", "9"}, {"companyid", id}, {"lastupdate", "0"}}),
        request("realtime.aspx", {{"type", "12"}, {"companyids", id + ",1,2"}}),
    };
}

TEST(MarketDeterminismTest, SameSeedAndTimeGiveByteIdenticalAnswers) {
    const sim::Market first(1234);
    const sim::Market second(1234);
    for (const sim::SimTime& t : {atMarketMinute(kThursday, 47), at(kSaturday, 10, 0), at(kMonday, 7, 0)}) {
        for (const sim::Request& page : everyPage(first)) {
            const std::string answer = first.answer(page, t).body;
            EXPECT_EQ(answer, second.answer(page, t).body) << page.page;
            EXPECT_EQ(answer, first.answer(page, t).body) << "asked twice: " << page.page;
        }
    }
}

TEST(MarketDeterminismTest, AnotherSeedGivesOtherAnswers) {
    const sim::Market first(1234);
    const sim::Market other(4321);
    const sim::SimTime t = atMarketMinute(kThursday, 47);
    for (const sim::Request& page : everyPage(first)) {
        EXPECT_NE(first.answer(page, t).body, other.answer(page, t).body) << page.page;
    }
}

TEST(MarketDeterminismTest, AnswersHoldOnlySeparatorsWhereRecordsNeedThem) {
    const sim::Market market(99);
    const sim::SimTime t = atMarketMinute(kThursday, 120);
    for (const sim::Request& page : everyPage(market)) {
        const SplitAnswer answer = splitAnswer(market.answer(page, t).body);
        EXPECT_EQ(answer.header.size(), 3U) << page.page;
        EXPECT_EQ(answer.status(), 0) << page.page;
        for (const Fields& record : answer.records) {
            const std::size_t size = record.size();
            EXPECT_TRUE(size == 4 || size == 9 || size == 17) << page.page << " record of " << size;
            for (const std::string& field : record) {
                EXPECT_EQ(field.find_first_of(":\n"), std::string::npos) << field;
                EXPECT_FALSE(field.starts_with("-") && field.find_first_not_of("-0.") == std::string::npos)
                    << "negative zero " << field;
            }
        }
    }
}

} // namespace
