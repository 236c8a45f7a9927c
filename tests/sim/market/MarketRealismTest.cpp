// Statistics of the synthetic market over many seeded days, against what the Vietnamese
// exchanges show: limit closes, fat-tailed and clustered index moves, price steps and lots,
// sectors that move together, and price levels of one era.
#include "AnswerSplitter.h"
#include "market/CompanyCatalogue.h"
#include "market/CounterRandom.h"
#include "market/ExchangeRules.h"
#include "market/IndexCalculator.h"
#include "market/PriceModel.h"
#include "market/TradingCalendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

using namespace markettest;
using sim::market::CompanyCatalogue;
using sim::market::CounterRandom;
using sim::market::DayPlan;
using sim::market::IndexCalculator;
using sim::market::PriceModel;

double quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
}

double mean(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const double ma = mean(a);
    const double mb = mean(b);
    double sab = 0.0;
    double saa = 0.0;
    double sbb = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    return sab / std::sqrt(saa * sbb);
}

class MarketRealismTest : public ::testing::Test {
protected:
    std::vector<double> indexReturns(int stockId, const std::vector<int>& days) const {
        std::vector<double> returns;
        double before = m_indices.closeValue(stockId, sim::market::previousTradingDay(days.front()));
        for (int day : days) {
            const double close = m_indices.closeValue(stockId, day);
            returns.push_back(close / before - 1.0);
            before = close;
        }
        return returns;
    }

    std::vector<double> companyReturns(std::size_t company) const {
        std::vector<double> returns;
        for (int day : m_days) {
            const DayPlan plan = m_prices.plan(company, day);
            returns.push_back(static_cast<double>(plan.closeTicks) / plan.refTicks - 1.0);
        }
        return returns;
    }

    CounterRandom m_random{20240701};
    CompanyCatalogue m_catalogue{m_random};
    PriceModel m_prices{m_random, m_catalogue};
    IndexCalculator m_indices{m_catalogue, m_prices};
    std::vector<int> m_days = sim::market::tradingDaysEndingAt(sim::market::tradingDayOnOrBefore(kFriday), 90);
};

TEST_F(MarketRealismTest, MostDaysSeeLimitClosesAndTouchesOnBothExchanges) {
    for (int stockId : {1, 2}) {
        int daysWithLimitClose = 0;
        int daysWithCeiling = 0;
        int daysWithFloor = 0;
        int daysWithTouchOnly = 0;
        int limitCloses = 0;
        for (int day : m_days) {
            int ceilings = 0;
            int floors = 0;
            int touches = 0;
            for (std::size_t company : m_catalogue.listedOn(stockId)) {
                const DayPlan plan = m_prices.plan(company, day);
                ceilings += plan.closeTicks == plan.ceilingTicks ? 1 : 0;
                floors += plan.closeTicks == plan.floorTicks ? 1 : 0;
                const bool touched = plan.highTicks == plan.ceilingTicks || plan.lowTicks == plan.floorTicks;
                const bool closedThere = plan.closeTicks == plan.ceilingTicks || plan.closeTicks == plan.floorTicks;
                touches += touched && !closedThere ? 1 : 0;
            }
            daysWithLimitClose += ceilings + floors > 0 ? 1 : 0;
            daysWithCeiling += ceilings > 0 ? 1 : 0;
            daysWithFloor += floors > 0 ? 1 : 0;
            daysWithTouchOnly += touches > 0 ? 1 : 0;
            limitCloses += ceilings + floors;
        }
        const auto days = static_cast<double>(m_days.size());
        const auto listed = static_cast<double>(m_catalogue.listedOn(stockId).size());
        std::printf("exchange %d: limit-close days %.2f, ceiling %.2f, floor %.2f, touch-only %.2f, per day %.1f\n",
                    stockId, daysWithLimitClose / days, daysWithCeiling / days, daysWithFloor / days,
                    daysWithTouchOnly / days, limitCloses / days);
        EXPECT_GE(daysWithLimitClose / days, 0.75) << "exchange " << stockId;
        EXPECT_GE(daysWithCeiling / days, 0.4) << "exchange " << stockId;
        EXPECT_GE(daysWithFloor / days, 0.4) << "exchange " << stockId;
        EXPECT_GE(daysWithTouchOnly / days, 0.3) << "exchange " << stockId;
        EXPECT_LT(limitCloses / days, 0.05 * listed) << "a few, not a crowd, on most days";
    }
}

TEST_F(MarketRealismTest, IndexMovesHaveFatTailsAndClusteredVolatility) {
    const std::vector<int> longRun = sim::market::tradingDaysEndingAt(sim::market::tradingDayOnOrBefore(kFriday), 600);
    for (int stockId : {1, 2}) {
        const std::vector<double> returns = indexReturns(stockId, longRun);
        std::vector<double> sizes(returns.size());
        std::transform(returns.begin(), returns.end(), sizes.begin(), [](double r) { return std::abs(r); });
        const double m = mean(returns);
        double second = 0.0;
        double fourth = 0.0;
        for (double r : returns) {
            second += (r - m) * (r - m);
            fourth += std::pow(r - m, 4);
        }
        second /= static_cast<double>(returns.size());
        fourth /= static_cast<double>(returns.size());
        const double kurtosis = fourth / (second * second);
        const std::vector<double> today(sizes.begin() + 1, sizes.end());
        const std::vector<double> yesterday(sizes.begin(), sizes.end() - 1);
        const double clustering = correlation(today, yesterday);
        std::printf("exchange %d: median |r| %.4f, p95 %.4f, max %.4f, kurtosis %.1f, |r| autocorr %.2f\n", stockId,
                    quantile(sizes, 0.5), quantile(sizes, 0.95), quantile(sizes, 1.0), kurtosis, clustering);
        EXPECT_GT(quantile(sizes, 0.5), 0.004);
        EXPECT_LT(quantile(sizes, 0.5), 0.012);
        EXPECT_GT(quantile(sizes, 0.95), 0.013);
        EXPECT_LT(quantile(sizes, 0.95), 0.04);
        EXPECT_LT(quantile(sizes, 1.0), 0.08);
        EXPECT_GT(kurtosis, 4.0) << "tails fatter than a normal's";
        EXPECT_GT(clustering, 0.08) << "big moves follow big moves";
    }
}

TEST_F(MarketRealismTest, PricesSitOnTheExchangeStepsAndVolumesInLots) {
    for (std::size_t day = 0; day < m_days.size(); day += 9) {
        for (std::size_t company = 0; company < m_catalogue.size(); ++company) {
            const DayPlan plan = m_prices.plan(company, m_days[day]);
            const auto& rules = *plan.rules;
            for (int ticks : {plan.refTicks, plan.openTicks, plan.closeTicks, plan.ceilingTicks, plan.floorTicks,
                              plan.highTicks, plan.lowTicks}) {
                ASSERT_EQ(ticks % rules.stepAt(ticks), 0) << ticks << " on exchange " << rules.stockId;
            }
            for (int minute = 0; minute <= 150; minute += 7) {
                const int price = m_prices.priceTicks(plan, minute);
                ASSERT_EQ(price % rules.stepAt(price), 0) << price;
                ASSERT_EQ(m_prices.cumulativeVolume(plan, minute) % sim::market::kLotSize, 0);
            }
        }
    }
}

TEST_F(MarketRealismTest, BanksMoveWithBanksMoreThanWithOtherSectors) {
    std::vector<std::size_t> banks;
    std::vector<std::size_t> others;
    for (std::size_t company = 0; company < m_catalogue.size(); ++company) {
        if (m_catalogue.company(company).layoutId == 2) {
            banks.push_back(company);
        } else if (m_catalogue.company(company).layoutId != 3 && others.size() < 40) {
            others.push_back(company);
        }
    }
    ASSERT_GE(banks.size(), 5U);
    std::vector<double> withinBanks;
    std::vector<double> bankToOther;
    for (std::size_t i = 0; i < banks.size(); ++i) {
        const std::vector<double> bank = companyReturns(banks[i]);
        for (std::size_t j = i + 1; j < banks.size(); ++j) {
            withinBanks.push_back(correlation(bank, companyReturns(banks[j])));
        }
        for (std::size_t other : others) {
            if (m_catalogue.profile(other).sector != m_catalogue.profile(banks[i]).sector) {
                bankToOther.push_back(correlation(bank, companyReturns(other)));
            }
        }
    }
    std::printf("bank-bank %.2f, bank-other %.2f\n", mean(withinBanks), mean(bankToOther));
    EXPECT_GT(mean(withinBanks), mean(bankToOther) + 0.1);
    EXPECT_GT(mean(bankToOther), 0.05) << "the whole market still moves together a little";
}

TEST_F(MarketRealismTest, IndicesStayInOneEraForYears) {
    const int first = sim::market::nextTradingDay(9131); // 1 January 2025
    const int last = 11322;                              // 31 December 2030
    for (int day = first; day <= last; day = sim::market::nextTradingDay(day)) {
        const double hose = m_indices.closeValue(2, day);
        const double hnx = m_indices.closeValue(1, day);
        ASSERT_GT(hose, 900.0) << day;
        ASSERT_LT(hose, 1700.0) << day;
        ASSERT_GT(hnx, 160.0) << day;
        ASSERT_LT(hnx, 330.0) << day;
    }
}

} // namespace
