#include "AnswerSplitter.h"
#include "market/CompanyCatalogue.h"
#include "market/CounterRandom.h"
#include "market/ExchangeRules.h"
#include "market/Market.h"
#include "market/PriceModel.h"
#include "market/TradingCalendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using namespace markettest;
using sim::market::CompanyCatalogue;
using sim::market::CounterRandom;
using sim::market::DayPlan;
using sim::market::PriceModel;

bool onTick(double price) {
    return std::abs(price * 10.0 - std::round(price * 10.0)) < 1e-9;
}

class MarketPricesTest : public ::testing::Test {
protected:
    CounterRandom m_random{5};
    CompanyCatalogue m_catalogue{m_random};
    PriceModel m_prices{m_random, m_catalogue};
};

TEST_F(MarketPricesTest, EveryCloseOfFourYearsStaysInsideTheDailyBand) {
    // The close is a direct function of the day; this checks the bound on its daily move.
    const int firstDay = sim::market::nextTradingDay(kFriday - 4 * 365);
    for (std::size_t company = 0; company < m_catalogue.size(); ++company) {
        for (int day = firstDay; day <= kFriday; day = sim::market::nextTradingDay(day)) {
            const DayPlan plan = m_prices.plan(company, day);
            ASSERT_GE(plan.closeTicks, plan.floorTicks) << m_catalogue.company(company).code << " day " << day;
            ASSERT_LE(plan.closeTicks, plan.ceilingTicks) << m_catalogue.company(company).code << " day " << day;
        }
    }
}

TEST_F(MarketPricesTest, BandIsSevenPercentOnHoseAndTenOnHnxInsideOnTheSteps) {
    for (std::size_t company = 0; company < m_catalogue.size(); ++company) {
        const DayPlan plan = m_prices.plan(company, kWednesday);
        const double band = m_catalogue.company(company).stockId == 2 ? 0.07 : 0.10;
        const int ceilingStep = plan.rules->stepAt(plan.ceilingTicks);
        const int floorStep = plan.rules->stepAt(plan.floorTicks);
        EXPECT_LE(plan.ceilingTicks, plan.refTicks * (1.0 + band) + 1e-9);
        EXPECT_GT(plan.ceilingTicks, plan.refTicks * (1.0 + band) - ceilingStep);
        EXPECT_GE(plan.floorTicks, plan.refTicks * (1.0 - band) - 1e-9);
        EXPECT_LT(plan.floorTicks, plan.refTicks * (1.0 - band) + floorStep);
    }
}

TEST(ExchangeStepsTest, HoseStepsGrowWithThePriceAndHnxKeepsOne) {
    using sim::market::kHnxRules;
    using sim::market::kHoseRules;
    EXPECT_EQ(kHoseRules.onStep(499.4), 499);
    EXPECT_EQ(kHoseRules.onStep(512.0), 510);
    EXPECT_EQ(kHoseRules.onStep(1234.0), 1230);
    EXPECT_EQ(kHnxRules.onStep(1234.4), 1234);
    // 60,000 dong: 7 % up is 64,200, whose step down is 64,000; 7 % down is 55,800, up to 56,000.
    EXPECT_EQ(kHoseRules.ceilingFor(600), 640);
    EXPECT_EQ(kHoseRules.floorFor(600), 560);
    // 10,000 dong on HNX: exactly 11,000 and 9,000.
    EXPECT_EQ(kHnxRules.ceilingFor(100), 110);
    EXPECT_EQ(kHnxRules.floorFor(100), 90);
    // The cheapest prices still leave room to move a step either way.
    EXPECT_EQ(kHoseRules.ceilingFor(5), 6);
    EXPECT_EQ(kHoseRules.floorFor(5), 4);
}

TEST_F(MarketPricesTest, IntradayPathStartsAtTheOpenEndsAtTheCloseAndStaysInBand) {
    for (std::size_t company = 0; company < m_catalogue.size(); company += 7) {
        const DayPlan plan = m_prices.plan(company, kThursday);
        const auto& rules = *plan.rules;
        EXPECT_EQ(m_prices.priceTicks(plan, rules.firstMinute - 1), plan.refTicks);
        EXPECT_EQ(m_prices.priceTicks(plan, rules.firstMinute), plan.openTicks);
        EXPECT_EQ(m_prices.priceTicks(plan, rules.lastMinute), plan.closeTicks);
        std::int64_t volumeBefore = 0;
        for (int minute = 0; minute <= 150; ++minute) {
            const int price = m_prices.priceTicks(plan, minute);
            EXPECT_GE(price, plan.floorTicks);
            EXPECT_LE(price, plan.ceilingTicks);
            const std::int64_t volume = m_prices.cumulativeVolume(plan, minute);
            EXPECT_GE(volume, volumeBefore) << "volume fell at minute " << minute;
            EXPECT_EQ(volume % sim::market::kLotSize, 0);
            volumeBefore = volume;
        }
        EXPECT_EQ(volumeBefore, plan.volume);
        EXPECT_EQ(m_prices.cumulativeVolume(plan, rules.firstMinute - 1), 0);
    }
}

TEST_F(MarketPricesTest, ReferenceIsThePreviousTradingDaysClose) {
    for (std::size_t company = 0; company < m_catalogue.size(); company += 13) {
        EXPECT_EQ(m_prices.plan(company, kMonday).refTicks, m_prices.closeTicks(company, kFriday));
        EXPECT_EQ(m_prices.plan(company, kFriday).refTicks, m_prices.closeTicks(company, kThursday));
    }
}

class MarketPriceAtTest : public ::testing::Test {
protected:
    sim::Market m_market{5};
};

TEST_F(MarketPriceAtTest, PriceIsOnTheTickAndMovesDuringTheSession) {
    const int id = m_market.companies().front().id;
    std::set<double> seen;
    for (int minute = 0; minute <= 150; minute += 5) {
        const double price = m_market.priceAt(id, atMarketMinute(kWednesday, minute));
        EXPECT_TRUE(onTick(price)) << price;
        EXPECT_GT(price, 0.0);
        seen.insert(price);
    }
    EXPECT_GT(seen.size(), 2U) << "the price never moved";
}

TEST_F(MarketPriceAtTest, BeforeTheOpenAndAtTheWeekendThePreviousCloseStands) {
    for (const sim::Company& company : m_market.companies()) {
        const double fridayClose = m_market.priceAt(company.id, at(kFriday, 16, 0));
        EXPECT_EQ(m_market.priceAt(company.id, at(kSaturday, 12, 0)), fridayClose);
        EXPECT_EQ(m_market.priceAt(company.id, at(kSunday, 9, 0)), fridayClose);
        EXPECT_EQ(m_market.priceAt(company.id, at(kMonday, 8, 0)), fridayClose);
    }
}

TEST_F(MarketPriceAtTest, PriceAtAgreesWithTheQuoteRecord) {
    for (const sim::Company& company : m_market.companies()) {
        const sim::SimTime t = atMarketMinute(kThursday, 77);
        const SplitAnswer quote = splitAnswer("KTRPW:0:0;" + m_market.quoteRecord(company.id, t));
        ASSERT_EQ(quote.records.size(), 1U);
        ASSERT_EQ(quote.records[0].size(), 17U);
        EXPECT_DOUBLE_EQ(number(quote.records[0][4]), m_market.priceAt(company.id, t));
    }
    EXPECT_EQ(m_market.quoteRecord(0, at(kThursday, 9, 0)), "");
    EXPECT_EQ(m_market.priceAt(0, at(kThursday, 9, 0)), 0.0);
}

} // namespace
