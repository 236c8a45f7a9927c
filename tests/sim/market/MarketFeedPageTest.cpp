#include "AnswerSplitter.h"
#include "market/CompanyCatalogue.h"
#include "market/CounterRandom.h"
#include "market/IndexCalculator.h"
#include "market/Market.h"
#include "market/PriceModel.h"

#include <gtest/gtest.h>

namespace {

using namespace markettest;

class MarketFeedPageTest : public ::testing::Test {
protected:
    SplitAnswer feed(int lastUpdate, const sim::SimTime& t) const {
        return splitAnswer(
            m_market.answer(request("realtime.aspx", {{"type", "1"}, {"lastupdate", std::to_string(lastUpdate)}}), t)
                .body);
    }

    sim::Market m_market{21};
};

TEST_F(MarketFeedPageTest, WholeDayCoversEachExchangesMinutes) {
    const SplitAnswer answer = feed(0, at(kWednesday, 12, 0));
    ASSERT_EQ(answer.status(), 0);
    EXPECT_EQ(answer.headerInt(2), kWednesday);
    std::vector<int> hnx;
    std::vector<int> hose;
    for (const Fields& minute : answer.withFieldCount(4)) {
        (integer(minute[0]) == 1 ? hnx : hose).push_back(integer(minute[1]));
    }
    ASSERT_EQ(hnx.size(), 151U);
    ASSERT_EQ(hose.size(), 74U);
    EXPECT_EQ(hnx.front(), 0);
    EXPECT_EQ(hnx.back(), 150);
    EXPECT_EQ(hose.front(), 32);
    EXPECT_EQ(hose.back(), 105);
}

TEST_F(MarketFeedPageTest, MinuteRecordsComeInMinuteOrderBeforeTheIndexRecords) {
    const SplitAnswer answer = feed(0, atMarketMinute(kWednesday, 90));
    int lastMinute = -1;
    bool indexSeen = false;
    for (const Fields& record : answer.records) {
        ASSERT_TRUE(record.size() == 4 || record.size() == 9) << record.size();
        if (record.size() == 9) {
            indexSeen = true;
            continue;
        }
        EXPECT_FALSE(indexSeen) << "a minute record after an index record";
        EXPECT_GE(integer(record[1]), lastMinute);
        lastMinute = integer(record[1]);
    }
    EXPECT_EQ(lastMinute, 90);
    EXPECT_EQ(answer.withFieldCount(9).size(), 2U);
}

TEST_F(MarketFeedPageTest, LastUpdateReturnsOnlyNewerMinutes) {
    const SplitAnswer answer = feed(60, atMarketMinute(kThursday, 70));
    const std::vector<Fields> minutes = answer.withFieldCount(4);
    ASSERT_EQ(minutes.size(), 20U); // minutes 61 to 70 of both exchanges
    for (const Fields& minute : minutes) {
        EXPECT_GT(integer(minute[1]), 60);
        EXPECT_LE(integer(minute[1]), 70);
    }
    for (const Fields& index : answer.withFieldCount(9)) {
        EXPECT_EQ(integer(index[3]), 70) << "the revision is the latest minute";
        EXPECT_EQ(integer(index[8]), kThursday);
    }
}

TEST_F(MarketFeedPageTest, NewerMinutesKeepTheirValuesFromTheWholeDay) {
    const SplitAnswer whole = feed(0, atMarketMinute(kThursday, 70));
    const SplitAnswer newer = feed(65, atMarketMinute(kThursday, 70));
    const std::vector<Fields> all = whole.withFieldCount(4);
    const std::vector<Fields> tail = newer.withFieldCount(4);
    ASSERT_FALSE(tail.empty());
    EXPECT_TRUE(std::equal(tail.rbegin(), tail.rend(), all.rbegin()));
}

TEST_F(MarketFeedPageTest, HoseHasNoMinutesBeforeNineOClock) {
    const SplitAnswer answer = feed(0, atMarketMinute(kThursday, 20));
    for (const Fields& minute : answer.withFieldCount(4)) {
        EXPECT_EQ(integer(minute[0]), 1);
    }
    for (const Fields& index : answer.withFieldCount(9)) {
        if (integer(index[0]) == 2) {
            EXPECT_EQ(index[4], index[5]) << "untraded index stands at its reference";
            EXPECT_EQ(index[1], "0.00");
        }
    }
}

TEST_F(MarketFeedPageTest, BeforeTheOpenThePreviousSessionShowsComplete) {
    const SplitAnswer early = feed(0, at(kThursday, 8, 10));
    EXPECT_EQ(early.headerInt(2), kWednesday) << "the previous session, under its own day";
    EXPECT_EQ(early.records, feed(0, at(kWednesday, 16, 0)).records);
    EXPECT_FALSE(early.withFieldCount(4).empty());
    for (const Fields& index : early.withFieldCount(9)) {
        EXPECT_EQ(integer(index[3]), 150);
    }
    EXPECT_EQ(feed(0, atMarketMinute(kThursday, 0)).headerInt(2), kThursday) << "from the open, today";
}

TEST_F(MarketFeedPageTest, WeekendShowsFridayComplete) {
    const SplitAnswer answer = feed(0, at(kSunday, 10, 0));
    EXPECT_EQ(answer.headerInt(2), kFriday);
    EXPECT_EQ(answer.withFieldCount(4).size(), 151U + 74U);
    const SplitAnswer friday = feed(0, at(kFriday, 17, 0));
    EXPECT_EQ(answer.records, friday.records);
    for (const Fields& index : answer.withFieldCount(9)) {
        EXPECT_EQ(integer(index[3]), 150);
        EXPECT_EQ(integer(index[8]), kFriday);
    }
}

TEST_F(MarketFeedPageTest, IndexRecordMatchesItsLastMinuteAndPreviousClose) {
    const SplitAnswer today = feed(0, atMarketMinute(kThursday, 100));
    const SplitAnswer yesterday = feed(0, at(kWednesday, 16, 0));
    for (int stockId : {1, 2}) {
        Fields lastMinute;
        for (const Fields& minute : today.withFieldCount(4)) {
            if (integer(minute[0]) == stockId) {
                lastMinute = minute;
            }
        }
        for (const Fields& index : today.withFieldCount(9)) {
            if (integer(index[0]) == stockId) {
                EXPECT_EQ(index[4], lastMinute[2]);
                EXPECT_GT(number(index[6]), 0.0);
                EXPECT_GT(number(index[7]), 0.0);
            }
        }
        for (const Fields& index : yesterday.withFieldCount(9)) {
            if (integer(index[0]) == stockId) {
                const auto current = today.withFieldCount(9)[stockId == 1 ? 0 : 1];
                EXPECT_EQ(current[5], index[4]) << "reference is the previous close";
            }
        }
    }
}

// The index is the capitalisation of its companies over a fixed divisor, so it moves exactly as
// their prices move.
class IndexFromCompaniesTest : public ::testing::Test {
protected:
    double capitalisationIndex(int stockId, const sim::market::MarketMoment& moment) const {
        double sum = 0.0;
        for (std::size_t company : m_catalogue.listedOn(stockId)) {
            const auto plan = m_prices.plan(company, moment.day);
            sum += static_cast<double>(m_catalogue.profile(company).shares) *
                   m_prices.priceTicks(plan, std::min(moment.minute, plan.rules->lastMinute));
        }
        return sum / m_indices.divisor(stockId);
    }

    sim::market::CounterRandom m_random{21};
    sim::market::CompanyCatalogue m_catalogue{m_random};
    sim::market::PriceModel m_prices{m_random, m_catalogue};
    sim::market::IndexCalculator m_indices{m_catalogue, m_prices};
};

TEST_F(IndexFromCompaniesTest, IndexIsTheWeightedSumOfItsCompaniesAtEveryMinute) {
    for (int stockId : {1, 2}) {
        const sim::market::IndexDay day = m_indices.dayAt(stockId, {kThursday, 150});
        ASSERT_FALSE(day.minutes.empty());
        for (const auto& minute : day.minutes) {
            EXPECT_NEAR(minute.value, capitalisationIndex(stockId, {kThursday, minute.minute}), 1e-6);
        }
        EXPECT_NEAR(day.reference, capitalisationIndex(stockId, {kWednesday, 150}), 1e-6);
    }
}

TEST_F(IndexFromCompaniesTest, IndexChangesWithItsCompaniesAndStaysInItsRange) {
    int changes = 0;
    double previous = 0.0;
    for (int day = kThursday - 60; day <= kThursday; ++day) {
        if (!sim::market::isTradingDay(day)) {
            continue;
        }
        const double hose = m_indices.closeValue(2, day);
        const double hnx = m_indices.closeValue(1, day);
        EXPECT_GT(hose, 900.0);
        EXPECT_LT(hose, 1700.0);
        EXPECT_GT(hnx, 160.0);
        EXPECT_LT(hnx, 330.0);
        changes += hose != previous ? 1 : 0;
        previous = hose;
    }
    EXPECT_GT(changes, 30);
}

} // namespace
