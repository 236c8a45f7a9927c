#include "AnswerSplitter.h"
#include "market/Market.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace markettest;

class EndOfDayPageTest : public ::testing::Test {
protected:
    SplitAnswer fullUpdate(int lastUpdate, const sim::SimTime& t) const {
        return splitAnswer(
            m_market.answer(request("default.aspx", {{"lastupdate", std::to_string(lastUpdate)}, {"numofday", "7"}}), t)
                .body);
    }
    SplitAnswer results(int day, const sim::SimTime& t) const {
        return splitAnswer(
            m_market.answer(request("default.aspx", {{"type", "1"}, {"lastupdate", std::to_string(day)}}), t).body);
    }

    sim::Market m_market{3};
};

std::vector<int> daysOf(const std::vector<Fields>& records, std::size_t dayField) {
    std::vector<int> days;
    for (const Fields& record : records) {
        const int day = integer(record[dayField]);
        if (days.empty() || days.back() != day) {
            days.push_back(day);
        }
    }
    return days;
}

TEST_F(EndOfDayPageTest, SevenTradingDaysAscendingWithoutWeekends) {
    const SplitAnswer answer = fullUpdate(0, at(kMonday, 15, 0));
    ASSERT_EQ(answer.status(), 0);
    // Monday back to the Friday of the week before, Saturdays and Sundays left out.
    const std::vector<int> expected{kFriday - 7, kMonday - 7, kMonday - 6, kWednesday, kThursday, kFriday, kMonday};
    EXPECT_EQ(daysOf(answer.withFieldCount(9), 8), expected);
    EXPECT_EQ(daysOf(answer.withFieldCount(17), 3), expected);
}

TEST_F(EndOfDayPageTest, RecordsAreCompaniesThenIndexDaysThenQuotes) {
    const SplitAnswer answer = fullUpdate(0, at(kWednesday, 12, 0));
    const std::size_t companies = m_market.companies().size();
    ASSERT_EQ(answer.records.size(), companies + 7 * 2 + 7 * companies);
    const std::vector<std::size_t> counts = answer.fieldCounts();
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const std::size_t expected = i < companies ? 4 : (i < companies + 14 ? 9 : 17);
        ASSERT_EQ(counts[i], expected) << "record " << i;
    }
    const Fields& first = answer.records.front();
    const sim::Company* company = m_market.companyById(integer(first[0]));
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(integer(first[1]), company->stockId);
    EXPECT_EQ(first[2], company->code);
    EXPECT_EQ(first[3], company->name);
}

TEST_F(EndOfDayPageTest, HeaderCarriesTheLatestDayInField2) {
    const SplitAnswer answer = fullUpdate(0, at(kSaturday, 10, 0));
    ASSERT_GE(answer.header.size(), 3U);
    EXPECT_EQ(answer.header[0], "KTRPW");
    EXPECT_EQ(answer.headerInt(2), kFriday);
    EXPECT_EQ(integer(answer.withFieldCount(17).back()[3]), kFriday);
}

TEST_F(EndOfDayPageTest, BeforeTheOpenTodayIsNotYetInTheAnswer) {
    const SplitAnswer answer = fullUpdate(0, at(kThursday, 8, 0));
    EXPECT_EQ(answer.headerInt(2), kWednesday);
    EXPECT_EQ(daysOf(answer.withFieldCount(9), 8).back(), kWednesday);
}

TEST_F(EndOfDayPageTest, LastUpdateAsksFromThatDayOn) {
    const SplitAnswer answer = fullUpdate(kWednesday, at(kMonday, 12, 0));
    EXPECT_EQ(daysOf(answer.withFieldCount(9), 8), (std::vector<int>{kWednesday, kThursday, kFriday, kMonday}));
    EXPECT_EQ(answer.headerInt(2), kMonday);
}

TEST_F(EndOfDayPageTest, ClosedDaysCarryCompleteQuotesInsideTheirBand) {
    const SplitAnswer answer = fullUpdate(0, at(kSaturday, 10, 0));
    std::map<int, double> previousClose;
    for (const Fields& quote : answer.withFieldCount(17)) {
        const double price = number(quote[4]);
        const double ref = number(quote[8]);
        const double ceiling = number(quote[13]);
        const double floor = number(quote[14]);
        EXPECT_EQ(quote[4], quote[10]) << "a closed day's price is its close";
        EXPECT_GE(price, floor);
        EXPECT_LE(price, ceiling);
        EXPECT_GE(number(quote[9]), floor);
        EXPECT_LE(number(quote[9]), ceiling);
        EXPECT_NEAR(number(quote[5]), price - ref, 1e-9);
        EXPECT_EQ(integer(quote[2]), integer(quote[1]) == 2 ? 105 : 150);
        EXPECT_GT(integer(quote[7]), 0);
        const int id = integer(quote[0]);
        if (previousClose.contains(id)) {
            EXPECT_DOUBLE_EQ(ref, previousClose[id]) << "reference is the previous close";
        }
        previousClose[id] = price;
    }
}

TEST_F(EndOfDayPageTest, IndexDaysChainTheirReferences) {
    const SplitAnswer answer = fullUpdate(0, at(kSaturday, 10, 0));
    std::map<int, double> previousClose;
    for (const Fields& index : answer.withFieldCount(9)) {
        const int stockId = integer(index[0]);
        const double value = number(index[4]);
        const double reference = number(index[5]);
        EXPECT_NEAR(number(index[1]), value - reference, 0.006);
        EXPECT_EQ(integer(index[3]), 150);
        if (stockId == 2) {
            EXPECT_GT(value, 1000.0);
            EXPECT_LT(value, 1300.0);
        } else {
            EXPECT_GT(value, 200.0);
            EXPECT_LT(value, 250.0);
        }
        if (previousClose.contains(stockId)) {
            EXPECT_DOUBLE_EQ(reference, previousClose[stockId]);
        }
        previousClose[stockId] = value;
    }
}

TEST_F(EndOfDayPageTest, ResultsOfOneDayCarryThatDayOnly) {
    const SplitAnswer answer = results(kThursday, at(kMonday, 12, 0));
    EXPECT_EQ(answer.headerInt(2), kThursday);
    EXPECT_EQ(daysOf(answer.withFieldCount(9), 8), std::vector<int>{kThursday});
    EXPECT_EQ(daysOf(answer.withFieldCount(17), 3), std::vector<int>{kThursday});
    EXPECT_EQ(answer.withFieldCount(4).size(), m_market.companies().size());
}

TEST_F(EndOfDayPageTest, ResultsOfAWeekendDayAreThoseOfFriday) {
    const SplitAnswer answer = results(kSunday, at(kMonday, 12, 0));
    EXPECT_EQ(daysOf(answer.withFieldCount(9), 8), std::vector<int>{kFriday});
}

TEST_F(EndOfDayPageTest, ResultsOlderThanTheHistoryHoldNoDay) {
    const SplitAnswer answer = results(kMonday - 400, at(kMonday, 12, 0));
    EXPECT_EQ(answer.status(), 0);
    EXPECT_TRUE(answer.withFieldCount(9).empty());
    EXPECT_TRUE(answer.withFieldCount(17).empty());
}

} // namespace
