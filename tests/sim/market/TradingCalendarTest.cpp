// The exchanges' calendar (weekends and Vietnam's holidays) and what the market shows on the days
// and hours it does not trade.
#include "market/TradingCalendar.h"

#include "AnswerSplitter.h"
#include "market/ExchangeHolidays.h"
#include "market/Market.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

using namespace markettest;
using sim::market::isTradingDay;

int dayOf(int year, int month, int day) {
    return static_cast<int>(QDate(2000, 1, 1).daysTo(QDate(year, month, day)));
}

TEST(TradingCalendarTest, TheExchangesCloseOnVietnamsHolidays) {
    for (const QDate date : {QDate(2024, 1, 1), QDate(2024, 2, 8), QDate(2024, 2, 12), QDate(2024, 2, 14),
                             QDate(2024, 4, 18), QDate(2024, 4, 30), QDate(2024, 5, 1), QDate(2024, 9, 2),
                             QDate(2024, 9, 3), QDate(2025, 1, 29), QDate(2026, 2, 17), QDate(2023, 5, 2)}) {
        EXPECT_FALSE(isTradingDay(dayOf(date.year(), date.month(), date.day()))) << date.toString().toStdString();
    }
    for (const QDate date : {QDate(2024, 1, 2), QDate(2024, 2, 7), QDate(2024, 2, 15), QDate(2024, 5, 2),
                             QDate(2024, 9, 4), QDate(2025, 12, 4)}) {
        EXPECT_TRUE(isTradingDay(dayOf(date.year(), date.month(), date.day()))) << date.toString().toStdString();
    }
    // Outside the listed years the fixed-date holidays still hold.
    EXPECT_FALSE(isTradingDay(dayOf(2035, 4, 30)));
    EXPECT_TRUE(isTradingDay(dayOf(2035, 5, 2)));
}

TEST(TradingCalendarTest, EveryListedYearClosesForTetAndHasAboutTwoHundredFiftyTradingDays) {
    for (int year = sim::market::kFirstListedYear; year <= sim::market::kLastListedYear; ++year) {
        int tradingDays = 0;
        int closedWeekdaysOfTet = 0;
        for (int day = dayOf(year, 1, 1); day < dayOf(year + 1, 1, 1); ++day) {
            const QDate date = QDate(2000, 1, 1).addDays(day);
            tradingDays += isTradingDay(day) ? 1 : 0;
            const bool tetSeason = date.month() <= 2 && date >= QDate(year, 1, 15);
            closedWeekdaysOfTet += tetSeason && date.dayOfWeek() <= 5 && !isTradingDay(day) ? 1 : 0;
        }
        EXPECT_GE(tradingDays, 245) << year;
        EXPECT_LE(tradingDays, 252) << year;
        EXPECT_GE(closedWeekdaysOfTet, 4) << year;
        EXPECT_LE(closedWeekdaysOfTet, 5) << year;
    }
}

TEST(TradingCalendarTest, TradingDaysAreNumberedWithoutGaps) {
    const int beforeTet = dayOf(2024, 2, 7);
    const int afterTet = dayOf(2024, 2, 15);
    EXPECT_EQ(sim::market::nextTradingDay(beforeTet), afterTet);
    EXPECT_EQ(sim::market::previousTradingDay(afterTet), beforeTet);
    EXPECT_EQ(sim::market::tradingIndex(afterTet), sim::market::tradingIndex(beforeTet) + 1);
    const std::vector<int> week = sim::market::tradingDaysEndingAt(afterTet, 3);
    EXPECT_EQ(week, (std::vector<int>{dayOf(2024, 2, 6), beforeTet, afterTet}));
}

class ClosedHoursTest : public ::testing::Test {
protected:
    SplitAnswer ask(std::vector<std::pair<std::string, std::string>> params, const sim::SimTime& t) const {
        return splitAnswer(m_market.answer(request("realtime.aspx", std::move(params)), t).body);
    }

    sim::Market m_market{3};
};

TEST_F(ClosedHoursTest, AtNightBeforeTheOpenAndOverTetTheLastSessionShowsComplete) {
    const int tetMonday = dayOf(2024, 2, 12);
    const int lastBeforeTet = dayOf(2024, 2, 7);
    for (const auto& [t, shown] :
         {std::pair{at(kThursday, 3, 0), kWednesday}, std::pair{at(kThursday, 8, 29), kWednesday},
          std::pair{at(tetMonday, 10, 0), lastBeforeTet}}) {
        const SplitAnswer overview = ask({{"type", "1"}, {"lastupdate", "0"}}, t);
        EXPECT_EQ(overview.headerInt(2), shown);
        EXPECT_EQ(overview.withFieldCount(4).size(), 151U + 74U) << "every minute of both exchanges";
        const SplitAnswer quotes = ask({{"type", "2"}, {"StockID", "2"}, {"lastupdate", "0"}}, t);
        EXPECT_EQ(quotes.headerInt(2), shown);
        for (const Fields& quote : quotes.withFieldCount(17)) {
            EXPECT_GT(integer(quote[7]), 0) << "a day's volume";
            EXPECT_NE(quote[10], "0.0") << "the close is known";
        }
    }
}

} // namespace
