#include "info_AnswerReading.h"
#include "info_WorldFeeds.h"

#include <gtest/gtest.h>

#include <set>

using namespace infotest;
using sim::SimTime;

namespace {

class WorldPagesTest : public WorldFeedsTest {
protected:
    std::vector<std::string> indexRecord(const SimTime& t, int id) const {
        for (const auto& record : readAnswer(m_indices.answer(t)).ofSize(6)) {
            if (whole(record[0]) == id) {
                return record;
            }
        }
        return {};
    }
};

std::set<int> idsAt(const std::vector<std::vector<std::string>>& records, std::size_t field) {
    std::set<int> ids;
    for (const auto& record : records) {
        ids.insert(whole(record[field]));
    }
    return ids;
}

std::set<int> range(int from, int to) {
    std::set<int> ids;
    for (int id = from; id <= to; ++id) {
        ids.insert(id);
    }
    return ids;
}

TEST_F(WorldPagesTest, WorldIndicesAnswerTenSixFieldRecords) {
    const ReadAnswer answer = readAnswer(m_indices.answer(SimTime{kMonday, 600}));
    EXPECT_EQ(answer.status(), 0);
    EXPECT_EQ(answer.header.at(2), std::to_string(kMonday));
    EXPECT_EQ(answer.records.size(), 10U);
    EXPECT_EQ(idsAt(answer.ofSize(6), 0), range(1, 10));
}

TEST_F(WorldPagesTest, IndexMovesDuringItsSessionAndHoldsItsCloseAfter) {
    // Nikkei 225 (id 6) trades 07:00 to 13:00 here.
    const auto morning = indexRecord(SimTime{kMonday, 540}, 6);
    const auto later = indexRecord(SimTime{kMonday, 660}, 6);
    const auto evening = indexRecord(SimTime{kMonday, 1200}, 6);
    const auto night = indexRecord(SimTime{kMonday, 1380}, 6);
    EXPECT_EQ(morning[2], "540");
    EXPECT_NE(morning[3], later[3]);
    EXPECT_EQ(evening[2], "780");
    EXPECT_EQ(evening, night);
}

TEST_F(WorldPagesTest, AmericanIndexAfterMidnightCarriesTheNextDayKey) {
    const auto open = indexRecord(SimTime{kMonday + 1, 120}, 1);
    EXPECT_EQ(whole(open[1]), kMonday + 1);
    EXPECT_EQ(open[2], "120");
    const auto closed = indexRecord(SimTime{kMonday + 1, 600}, 1);
    EXPECT_EQ(closed[2], "240"); // the session of Monday evening closed at 04:00
}

TEST_F(WorldPagesTest, WeekendShowsFridaysCloseWithItsChange) {
    const auto saturday = indexRecord(SimTime{kSaturday, 720}, 7);
    const auto sunday = indexRecord(SimTime{kSunday, 720}, 7);
    EXPECT_EQ(saturday, sunday);
    EXPECT_EQ(whole(saturday[1]), kSaturday - 1);
    EXPECT_NE(number(saturday[4]), 0.0);
}

TEST_F(WorldPagesTest, PercentIsTheChangeOverThePreviousClose) {
    for (const auto& record : readAnswer(m_indices.answer(SimTime{kMonday + 2, 700})).records) {
        const double previous = number(record[3]) - number(record[4]);
        EXPECT_NEAR(number(record[5]), number(record[4]) / previous * 100.0, 0.006) << record[0];
        EXPECT_GT(number(record[3]), 0.0);
    }
}

TEST_F(WorldPagesTest, ExchangeRatesCoverBothGroupsWithBuyingBelowSelling) {
    const ReadAnswer answer = readAnswer(m_rates.answer(SimTime{kMonday, 600}));
    EXPECT_EQ(answer.status(), 0);
    EXPECT_EQ(answer.records.size(), 16U);
    EXPECT_EQ(idsAt(answer.ofSize(6), 2), range(1, 16));
    for (const auto& record : answer.records) {
        EXPECT_LT(number(record[4]), number(record[3])) << record[2];
        EXPECT_LT(number(record[3]), number(record[5])) << record[2];
    }
}

TEST_F(WorldPagesTest, BankRatesHoldStillOutsideOfficeHoursWhileWorldPairsMove) {
    const auto evening = readAnswer(m_rates.answer(SimTime{kMonday, 1100})).records;
    const auto night = readAnswer(m_rates.answer(SimTime{kMonday, 1300})).records;
    for (std::size_t i = 0; i < 16; ++i) {
        if (whole(evening[i][2]) >= 9) {
            EXPECT_EQ(evening[i], night[i]);
            EXPECT_EQ(evening[i][1], "1020");
        } else {
            EXPECT_EQ(night[i][1], "1300");
        }
    }
}

TEST_F(WorldPagesTest, BankRatesAreInDongAndWorldPairsInUnits) {
    const auto records = readAnswer(m_rates.answer(SimTime{kMonday, 700})).records;
    EXPECT_GT(number(records[8][3]), 15000.0); // USD
    EXPECT_LT(number(records[0][3]), 2.0);     // EUR/USD
}

TEST_F(WorldPagesTest, CommoditiesAnswerIdsOneToTen) {
    const ReadAnswer answer = readAnswer(m_commodities.answer(SimTime{kMonday, 800}));
    EXPECT_EQ(answer.status(), 0);
    EXPECT_EQ(answer.records.size(), 10U);
    EXPECT_EQ(idsAt(answer.ofSize(6), 2), range(1, 10));
}

TEST_F(WorldPagesTest, CommodityDaysNeverGoDownSoTheClientStoresEachRecordsOwnDay) {
    // Early Tuesday: coffee still shows Monday, the others already trade on Tuesday or run on
    // from Monday's session.
    for (const SimTime t : {SimTime{kMonday + 1, 200}, SimTime{kMonday + 1, 400}, SimTime{kSaturday, 300}}) {
        std::string a = "0";
        std::string b = "0";
        for (const auto& record : readAnswer(m_commodities.answer(t)).records) {
            if (std::stoi(b) < std::stoi(record[0])) {
                b = a;
                a = record[0];
            }
            EXPECT_EQ(a, record[0]) << "commodity " << record[2];
        }
    }
}

TEST_F(WorldPagesTest, SameSeedAndClockGiveTheSameBytes) {
    const sim::Noise other(kSeed);
    const sim::WorldPrices otherPrices(other);
    const SimTime t{kMonday + 3, 777};
    EXPECT_EQ(sim::WorldIndexPage(otherPrices).answer(t), m_indices.answer(t));
    EXPECT_EQ(sim::ExchangeRatePage(otherPrices).answer(t), m_rates.answer(t));
    EXPECT_EQ(sim::CommodityPage(otherPrices).answer(t), m_commodities.answer(t));
    const sim::Noise different(kSeed + 1);
    EXPECT_NE(sim::WorldIndexPage(sim::WorldPrices(different)).answer(t), m_indices.answer(t));
}

} // namespace
