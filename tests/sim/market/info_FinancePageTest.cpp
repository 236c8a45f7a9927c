#include "info/CivilDate.h"
#include "info/FinancePage.h"
#include "info/FinanceStatements.h"
#include "info/Noise.h"
#include "info_AnswerReading.h"

#include <gtest/gtest.h>

#include <map>

using namespace infotest;
using sim::SimTime;

namespace {

class FinancePageTest : public ::testing::Test {
protected:
    sim::Noise m_noise{kSeed};
    sim::MarketView m_market = fakeMarket();
    sim::FinancePage m_page{m_noise, m_market};

    ReadAnswer financeOf(const std::string& companyId, const SimTime& t = SimTime{kMonday, 600}) const {
        return readAnswer(m_page.answer(&companyId, t));
    }
};

TEST_F(FinancePageTest, AnswersOneRatiosRecordAndAtLeastEightPeriods) {
    for (const auto& company : m_market.companies) {
        const ReadAnswer answer = financeOf(std::to_string(company.id));
        EXPECT_EQ(answer.status(), 0);
        EXPECT_EQ(answer.ofSize(10).size(), 1U) << company.code;
        EXPECT_GE(answer.ofSize(8).size(), 8U) << company.code;
        EXPECT_EQ(answer.records.size(), answer.ofSize(10).size() + answer.ofSize(8).size());
    }
}

TEST_F(FinancePageTest, EveryRecordCarriesTheCompanysLayout) {
    for (const auto& company : m_market.companies) {
        const ReadAnswer answer = financeOf(std::to_string(company.id));
        EXPECT_EQ(whole(answer.ofSize(10).at(0)[5]), company.layoutId);
        for (const auto& period : answer.ofSize(8)) {
            EXPECT_EQ(period[0], std::to_string(company.id));
            EXPECT_EQ(whole(period[7]), company.layoutId);
        }
    }
}

TEST_F(FinancePageTest, QuartersComeNewestFirstThenWholeYears) {
    const auto periods = financeOf("1").ofSize(8);
    ASSERT_EQ(periods.size(), 10U);
    int previous = whole(periods[0][2]) * 4 + whole(periods[0][1]);
    for (std::size_t i = 1; i < 8; ++i) {
        const int index = whole(periods[i][2]) * 4 + whole(periods[i][1]);
        EXPECT_EQ(index, previous - 1);
        previous = index;
    }
    EXPECT_EQ(periods[8][1], "5");
    EXPECT_EQ(periods[9][1], "5");
    EXPECT_EQ(whole(periods[8][2]), whole(periods[9][2]) + 1);
}

TEST_F(FinancePageTest, QuarterlyReportsAppearSixWeeksAfterTheQuarter) {
    EXPECT_EQ(sim::FinanceStatements::latestQuarterIndex(sim::CivilDate{2012, 8, 1}.toDay()), 2012 * 4 + 0);
    EXPECT_EQ(sim::FinanceStatements::latestQuarterIndex(sim::CivilDate{2012, 8, 20}.toDay()), 2012 * 4 + 1);
    EXPECT_EQ(sim::FinanceStatements::latestQuarterIndex(sim::CivilDate{2013, 1, 10}.toDay()), 2012 * 4 + 2);
    EXPECT_EQ(sim::FinanceStatements::latestYear(sim::CivilDate{2013, 2, 1}.toDay()), 2011);
    EXPECT_EQ(sim::FinanceStatements::latestYear(sim::CivilDate{2013, 5, 1}.toDay()), 2012);
}

TEST_F(FinancePageTest, YearFlowsAreTheSumOfTheirQuarters) {
    // Late in the year both the previous year's four quarters and that year are listed.
    const auto periods = financeOf("1", SimTime{sim::CivilDate{2012, 12, 20}.toDay(), 600}).ofSize(8);
    std::map<std::pair<int, int>, std::vector<std::string>> byPeriod;
    for (const auto& period : periods) {
        byPeriod[{whole(period[2]), whole(period[1])}] = period;
    }
    const auto year = byPeriod.at({2011, 5});
    for (const int field : {5, 6}) {
        double sum = 0.0;
        for (int quarter = 1; quarter <= 4; ++quarter) {
            sum += number(byPeriod.at({2011, quarter})[static_cast<std::size_t>(field)]);
        }
        EXPECT_DOUBLE_EQ(number(year[static_cast<std::size_t>(field)]), sum);
    }
    EXPECT_EQ(year[3], byPeriod.at({2011, 4})[3]); // assets at the year's end
}

TEST_F(FinancePageTest, FundValueOfTheEndIsTheStartPlusTheProfit) {
    const auto periods = financeOf("3").ofSize(8);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_DOUBLE_EQ(number(periods[i][3]), number(periods[i][5]) - number(periods[i][4]));
        if (i + 1 < 8) {
            EXPECT_EQ(periods[i][4], periods[i + 1][5]); // a quarter starts where the one before ended
        }
    }
}

TEST_F(FinancePageTest, BankBalanceSheetsAreLargerThanTheirCapital) {
    for (const auto& period : financeOf("2").ofSize(8)) {
        EXPECT_GT(number(period[3]), number(period[4]) * 5.0);
        EXPECT_GT(number(period[5]), 0.0);
    }
}

TEST_F(FinancePageTest, RatiosFollowThePriceAndTheStatements) {
    const SimTime t{kMonday, 605};
    const auto ratios = financeOf("1", t).ofSize(10).at(0);
    const double price = m_market.priceAt(1, t);
    EXPECT_DOUBLE_EQ(number(ratios[6]), price);
    EXPECT_NEAR(number(ratios[7]), price - m_market.priceAt(1, SimTime{kMonday, 0}), 1e-9);
    EXPECT_EQ(whole(ratios[9]), kMonday);
    const double eps = number(ratios[1]);
    const double bv = number(ratios[3]);
    EXPECT_GT(bv, 1000.0);
    if (eps > 0.0) {
        EXPECT_NEAR(number(ratios[2]), price * 1000.0 / eps, 0.01 * price * 1000.0 / eps + 0.01);
    } else {
        EXPECT_EQ(ratios[2], "0.00");
    }
    EXPECT_NEAR(number(ratios[4]), price * 1000.0 / bv, 0.01);
}

TEST_F(FinancePageTest, PriceDayBeforeTheOpenIsThePreviousTradingDay) {
    const auto ratios = financeOf("1", SimTime{kMonday, 300}).ofSize(10).at(0);
    EXPECT_EQ(whole(ratios[9]), kMonday - 3); // Friday
}

TEST_F(FinancePageTest, PriceDayOnAHolidayIsTheTradingDayBefore) {
    constexpr int holiday = kMonday + 1;
    sim::MarketView market = fakeMarket();
    market.isTradingDay = [](int day) {
        return day != holiday && !sim::CivilDate::isWeekend(day);
    };
    market.sessionDayAt = [trading = market.isTradingDay](const SimTime& t) {
        int day = t.clockMinute < 510 ? t.day - 1 : t.day;
        while (!trading(day)) {
            --day;
        }
        return day;
    };
    const sim::FinancePage page(m_noise, market);
    const std::string id = "1";
    EXPECT_EQ(whole(readAnswer(page.answer(&id, SimTime{holiday, 700})).ofSize(10).at(0)[9]), kMonday);
    EXPECT_EQ(whole(readAnswer(page.answer(&id, SimTime{holiday + 1, 300})).ofSize(10).at(0)[9]), kMonday);
}

TEST_F(FinancePageTest, UnknownOrMalformedCompanyGetsTheServiceError) {
    const std::string expected = sim::errorAnswer(true, "Mã chứng khoán không tồn tại");
    for (const std::string id : {"999", "abc", "", "1x"}) {
        EXPECT_EQ(m_page.answer(&id, SimTime{kMonday, 600}), expected) << id;
    }
    EXPECT_EQ(m_page.answer(nullptr, SimTime{kMonday, 600}), expected);
    const ReadAnswer answer = readAnswer(expected);
    EXPECT_EQ(answer.status(), 1);
    EXPECT_EQ(answer.header.at(2), "Mã chứng khoán không tồn tại");
}

TEST_F(FinancePageTest, SameInputsGiveTheSameBytes) {
    const sim::Noise same(kSeed);
    const sim::FinancePage other(same, m_market);
    const std::string id = "2";
    EXPECT_EQ(other.answer(&id, SimTime{kMonday, 700}), m_page.answer(&id, SimTime{kMonday, 700}));
}

} // namespace
