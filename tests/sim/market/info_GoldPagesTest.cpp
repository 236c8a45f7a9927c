#include "info/BankGoldPage.h"
#include "info/Noise.h"
#include "info/WorldGoldPage.h"
#include "info/WorldPrices.h"
#include "info_AnswerReading.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace infotest;
using sim::SimTime;

namespace {

class GoldPagesTest : public ::testing::Test {
protected:
    sim::Noise m_noise{kSeed};
    sim::WorldPrices m_prices{m_noise};
    sim::WorldGoldPage m_world{m_prices};
    sim::BankGoldPage m_bank{m_noise, m_prices};
};

std::map<int, std::string> minutePrices(const ReadAnswer& answer, std::size_t fields) {
    std::map<int, std::string> prices;
    for (const auto& record : answer.ofSize(fields)) {
        prices[whole(record[1])] = record[2];
    }
    return prices;
}

TEST_F(GoldPagesTest, WorldGoldFromScratchHasAPriceEveryFiveMinutesAndOneQuote) {
    const ReadAnswer answer = readAnswer(m_world.answer(SimTime{kMonday, 62}, 0));
    EXPECT_EQ(answer.status(), 0);
    EXPECT_EQ(answer.header.at(2), std::to_string(kMonday));
    const auto minutes = answer.ofSize(3);
    ASSERT_EQ(minutes.size(), 12U); // 00:05 … 01:00
    EXPECT_EQ(minutes.front()[1], "5");
    EXPECT_EQ(minutes.back()[1], "60");
    const auto quotes = answer.ofSize(7);
    ASSERT_EQ(quotes.size(), 1U);
    EXPECT_EQ(answer.records.size(), 13U);
    const double change = number(quotes[0][1]);
    EXPECT_NEAR(number(quotes[0][4]) - number(quotes[0][5]), change, 0.005);
}

TEST_F(GoldPagesTest, WorldGoldSendsOnlyMinutesAfterTheRevision) {
    const auto caughtUp = readAnswer(m_world.answer(SimTime{kMonday, 62}, 60));
    EXPECT_TRUE(caughtUp.ofSize(3).empty());
    EXPECT_EQ(caughtUp.ofSize(7).size(), 1U);

    const auto next = readAnswer(m_world.answer(SimTime{kMonday, 77}, 60));
    const auto minutes = next.ofSize(3);
    ASSERT_EQ(minutes.size(), 3U);
    EXPECT_EQ(minutes[0][1], "65");
    EXPECT_EQ(minutes[2][1], "75");
}

TEST_F(GoldPagesTest, WorldGoldAnswersOfADayAddUpToTheWholeDay) {
    std::map<int, std::string> collected;
    int revision = 0;
    for (const int clock : {62, 300, 301, 844, 1439}) {
        const auto answer = readAnswer(m_world.answer(SimTime{kMonday, clock}, revision));
        for (const auto& [minute, price] : minutePrices(answer, 3)) {
            EXPECT_TRUE(collected.emplace(minute, price).second) << "minute " << minute << " sent twice";
            revision = minute;
        }
    }
    EXPECT_EQ(collected, minutePrices(readAnswer(m_world.answer(SimTime{kMonday, 1439}, 0)), 3));
    EXPECT_EQ(collected.size(), 287U);
}

TEST_F(GoldPagesTest, WorldGoldChartHoldsTheLastPriceWhileTheMarketIsShut) {
    // The market shuts from Saturday 05:00 to Monday 06:00 here, and for an hour every morning.
    auto pricesBetween = [this](int day, int from, int to) {
        std::set<std::string> prices;
        for (const auto& [minute, price] : minutePrices(readAnswer(m_world.answer(SimTime{day, 1439}, 0)), 3)) {
            if (minute >= from && minute <= to) {
                prices.insert(price);
            }
        }
        return prices;
    };
    const auto weekend = pricesBetween(kSunday, 0, 1439);
    ASSERT_EQ(weekend.size(), 1U);
    EXPECT_EQ(pricesBetween(kSaturday, 300, 1439), weekend);
    EXPECT_GT(pricesBetween(kSaturday, 0, 295).size(), 20U);
    EXPECT_EQ(pricesBetween(kMonday + 7, 0, 355), weekend);
    EXPECT_GT(pricesBetween(kMonday + 7, 365, 1439).size(), 100U);
    EXPECT_EQ(pricesBetween(kMonday + 1, 300, 360).size(), 1U);
}

TEST_F(GoldPagesTest, BankGoldQuotesEveryQuarterHourFromEight) {
    const ReadAnswer answer = readAnswer(m_bank.answer(SimTime{kMonday, 610}, 0));
    EXPECT_EQ(answer.status(), 0);
    EXPECT_EQ(answer.header.at(2), std::to_string(kMonday));
    const auto minutes = answer.ofSize(4);
    ASSERT_EQ(minutes.size(), 9U); // 08:00 … 10:00
    EXPECT_EQ(minutes.front()[1], "480");
    EXPECT_EQ(minutes.back()[1], "600");
    const auto quotes = answer.ofSize(9);
    ASSERT_EQ(quotes.size(), 1U);
    EXPECT_EQ(quotes[0][3], "600");                   // the revision the client keeps
    EXPECT_EQ(quotes[0][4], minutes.back()[2]);       // latest price
    EXPECT_EQ(quotes[0][8], std::to_string(kMonday)); // compared with today by the client
    EXPECT_EQ(whole(quotes[0][1]), whole(quotes[0][4]) - whole(quotes[0][5]));
}

TEST_F(GoldPagesTest, BankGoldQuantityIsTheSumOfTheBars) {
    const ReadAnswer answer = readAnswer(m_bank.answer(SimTime{kMonday, 900}, 0));
    int total = 0;
    for (const auto& record : answer.ofSize(4)) {
        EXPECT_GT(whole(record[3]), 0);
        total += whole(record[3]);
    }
    EXPECT_EQ(whole(answer.ofSize(9).at(0)[7]), total);
}

TEST_F(GoldPagesTest, BankGoldRevisionLeavesOnlyNewQuotes) {
    const auto caughtUp = readAnswer(m_bank.answer(SimTime{kMonday, 610}, 600));
    EXPECT_TRUE(caughtUp.ofSize(4).empty());
    EXPECT_EQ(caughtUp.ofSize(9).size(), 1U);
    const auto later = readAnswer(m_bank.answer(SimTime{kMonday, 640}, 600));
    ASSERT_EQ(later.ofSize(4).size(), 2U);
    EXPECT_EQ(later.ofSize(4)[0][1], "615");
    EXPECT_EQ(later.ofSize(9)[0][3], "630");
}

TEST_F(GoldPagesTest, BankGoldBeforeTheFirstQuoteAnswersThePreviousQuotingDay) {
    // Monday 07:00 and all of Sunday show Saturday, the last day the bank quoted.
    for (const SimTime t : {SimTime{kMonday + 7, 420}, SimTime{kSunday, 700}}) {
        const ReadAnswer answer = readAnswer(m_bank.answer(t, 0));
        EXPECT_EQ(answer.header.at(2), std::to_string(kSaturday));
        EXPECT_EQ(answer.ofSize(4).size(), 39U);
        EXPECT_EQ(answer.ofSize(9).at(0)[8], std::to_string(kSaturday));
        EXPECT_EQ(answer.ofSize(9).at(0)[3], "1050");
    }
}

TEST_F(GoldPagesTest, GoldAnswersAreDeterministic) {
    const sim::Noise same(kSeed);
    const sim::WorldPrices samePrices(same);
    EXPECT_EQ(sim::WorldGoldPage(samePrices).answer(SimTime{kMonday, 500}, 100),
              m_world.answer(SimTime{kMonday, 500}, 100));
    EXPECT_EQ(sim::BankGoldPage(same, samePrices).answer(SimTime{kMonday, 700}, 0),
              m_bank.answer(SimTime{kMonday, 700}, 0));
}

} // namespace
