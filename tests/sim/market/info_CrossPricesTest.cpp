#include "info/BankGoldPage.h"
#include "info/CivilDate.h"
#include "info/WorldGoldPage.h"
#include "info_AnswerReading.h"
#include "info_WorldFeeds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace infotest;
using sim::SimTime;

namespace {

// A tael of 37.5 g in troy ounces.
constexpr double kOuncesPerTael = 1.20565;

/// Every world and bank page over one seed, read the way the client reads them, over the 90 days
/// from Monday 3 June 2024.
class CrossPricesTest : public WorldFeedsTest {
protected:
    sim::WorldGoldPage m_worldGold{m_prices};
    sim::BankGoldPage m_bankGold{m_noise, m_prices};
    const int m_first = sim::CivilDate{2024, 6, 3}.toDay();
    static constexpr int kDays = 90;

    /// The records of an answer by id (the id in field idField).
    static std::map<int, std::vector<std::string>> byId(const std::string& body, std::size_t idField) {
        std::map<int, std::vector<std::string>> records;
        for (auto& record : readAnswer(body).ofSize(6)) {
            records[whole(record[idField])] = record;
        }
        return records;
    }

    std::vector<std::string> worldGoldQuote(const SimTime& t) const {
        return readAnswer(m_worldGold.answer(t, t.clockMinute)).ofSize(7).at(0);
    }
};

TEST_F(CrossPricesTest, EveryPriceStaysWithinAQuarterOfItsMid2024Level) {
    const double indices[] = {39000, 5400, 17500, 8200, 18300, 39000, 17800, 3350, 7800, 2950};
    const double rates[] = {1.08, 157, 1.27, 0.89, 0.665, 1.37, 7.26, 1.35, 25450};
    const double commodities[] = {81, 85, 2.6, 2350, 29.5, 4.4, 990, 590, 420, 4100};
    const double bankGold = 2350 * kOuncesPerTael * 25450 / 1000 * 1.06;
    auto expectNear = [](double value, double level, const std::string& what) {
        EXPECT_GT(value, level * 0.75) << what;
        EXPECT_LT(value, level * 1.25) << what;
    };
    for (int day = m_first; day < m_first + kDays; ++day) {
        const SimTime t{day, 660, 0};
        for (const auto& [id, record] : byId(m_indices.answer(t), 0)) {
            expectNear(number(record[3]), indices[id - 1], "index " + record[0] + " day " + std::to_string(day));
        }
        for (const auto& [id, record] : byId(m_rates.answer(t), 2)) {
            if (id <= 9) {
                expectNear(number(record[3]), rates[id - 1], "rate " + record[2] + " day " + std::to_string(day));
            }
        }
        for (const auto& [id, record] : byId(m_commodities.answer(t), 2)) {
            expectNear(number(record[3]), commodities[id - 1],
                       "commodity " + record[2] + " day " + std::to_string(day));
        }
        expectNear(number(readAnswer(m_bankGold.answer(t, 0)).ofSize(9).at(0)[4]), bankGold, "bank gold");
    }
}

TEST_F(CrossPricesTest, LevelsNeverDriftOutOfTheirEraOverTheYearsServed) {
    auto expectInEra = [](const sim::Instrument& series, int day) {
        const double ratio = series.close(day) / series.profile().centre;
        EXPECT_GT(ratio, 0.75) << series.profile().key << " day " << day;
        EXPECT_LT(ratio, 1.25) << series.profile().key << " day " << day;
    };
    for (int day = sim::CivilDate{2020, 1, 6}.toDay(); day < sim::CivilDate{2036, 1, 1}.toDay(); day += 28) {
        for (std::size_t i = 0; i < sim::WorldPrices::kIndexCount; ++i) {
            expectInEra(m_prices.index(i), day);
        }
        for (std::size_t i = 0; i < sim::WorldPrices::kPairCount; ++i) {
            expectInEra(m_prices.pair(i), day);
        }
        for (int id = 1; id <= sim::WorldPrices::kCommodityCount; ++id) {
            expectInEra(m_prices.commodity(id), day);
        }
        expectInEra(m_prices.dollarInDong(), day);
    }
}

TEST_F(CrossPricesTest, CommodityGoldIsWorldGoldAtEveryInstant) {
    // Through sessions, the hour the market pauses, weekends and the day's first minutes.
    for (int day = m_first; day < m_first + kDays; ++day) {
        for (const int minute : {0, 3, 200, 300, 330, 359, 361, 725, 1100, 1439}) {
            const SimTime t{day, minute, 0};
            const auto commodity = byId(m_commodities.answer(t), 2).at(4);
            const auto world = worldGoldQuote(t);
            ASSERT_EQ(commodity[3], world[4]) << day << " " << minute;
            ASSERT_EQ(commodity[4], world[1]) << day << " " << minute;
        }
    }
}

TEST_F(CrossPricesTest, BankCurrenciesAreWorldPairsTimesTheBanksDollar) {
    // The bank's currencies 10 to 16 and, for each, its world pair and whether that pair is
    // quoted as dollars per currency (EUR/USD) or currency per dollar (USD/JPY).
    const std::map<int, std::pair<int, bool>> crosses = {{10, {1, false}}, {11, {2, true}}, {12, {3, false}},
                                                         {13, {5, false}}, {14, {4, true}}, {15, {6, true}},
                                                         {16, {8, true}}};
    for (int day = m_first; day < m_first + kDays; day += 3) {
        for (const int minute : {300, 485, 700, 1019, 1300}) {
            const auto bank = byId(m_rates.answer(SimTime{day, minute, 0}), 2);
            const auto& dollar = bank.at(9);
            // The world pairs at the instant the bank set its rates.
            const auto world = byId(m_rates.answer(SimTime{whole(dollar[0]), whole(dollar[1]), 0}), 2);
            const double dollarSpread = (number(dollar[5]) - number(dollar[4])) / number(dollar[3]);
            for (const auto& [id, cross] : crosses) {
                const auto& record = bank.at(id);
                const double pair = number(world.at(cross.first)[3]);
                const double expected = cross.second ? number(dollar[3]) / pair : number(dollar[3]) * pair;
                EXPECT_EQ(record[0], dollar[0]);
                EXPECT_EQ(record[1], dollar[1]);
                EXPECT_GE(expected, number(record[4])) << "currency " << id << " day " << day << " " << minute;
                EXPECT_LE(expected, number(record[5])) << "currency " << id << " day " << day << " " << minute;
                // Not merely inside the spread: the reference is the cross, up to the pair's rounding.
                EXPECT_NEAR(number(record[3]) / expected, 1.0, 0.0002) << "currency " << id;
                // Banks trade the dollar on the narrowest spread.
                EXPECT_LT(dollarSpread, (number(record[5]) - number(record[4])) / number(record[3]));
            }
        }
    }
}

TEST_F(CrossPricesTest, BankGoldIsWorldGoldInDongWithASteadyPremium) {
    double yesterday = 0.0;
    for (int day = m_first; day < m_first + kDays; ++day) {
        for (const int minute : {600, 905, 1300}) {
            const auto quote = readAnswer(m_bankGold.answer(SimTime{day, minute, 0}, 0)).ofSize(9).at(0);
            const SimTime quoted{whole(quote[8]), whole(quote[3]), 0};
            const double gold = number(worldGoldQuote(quoted)[4]);
            const double dollar = number(byId(m_rates.answer(quoted), 2).at(9)[3]);
            const double premium = number(quote[4]) / (gold * kOuncesPerTael * dollar / 1000.0) - 1.0;
            EXPECT_GT(premium, 0.045) << day << " " << minute;
            EXPECT_LT(premium, 0.075) << day << " " << minute;
            if (minute == 600 && yesterday != 0.0) {
                EXPECT_NEAR(premium, yesterday, 0.002) << "day " << day;
            }
            if (minute == 600) {
                yesterday = premium;
            }
        }
    }
}

} // namespace
