#include "info/CivilDate.h"
#include "info_AnswerReading.h"
#include "info_WorldFeeds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace infotest;
using sim::SimTime;

namespace {

using Moves = std::vector<double>;

double median(Moves moves) {
    for (double& move : moves) {
        move = std::fabs(move);
    }
    std::sort(moves.begin(), moves.end());
    return moves[moves.size() / 2];
}

double deviation(const Moves& moves) {
    double mean = 0.0;
    for (const double move : moves) {
        mean += move;
    }
    mean /= static_cast<double>(moves.size());
    double sum = 0.0;
    for (const double move : moves) {
        sum += (move - mean) * (move - mean);
    }
    return std::sqrt(sum / static_cast<double>(moves.size()));
}

double correlation(const Moves& a, const Moves& b) {
    double ab = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ab += a[i] * b[i];
    }
    // Daily moves average out to almost nothing, so the plain products measure the co-movement.
    return ab / static_cast<double>(a.size()) / deviation(a) / deviation(b);
}

/// Close-to-close moves of the world series over 90 weekday sessions from June 2024, each read from
/// the answer of the morning after its session, when every one of them has closed.
class DailyMovesTest : public WorldFeedsTest {
protected:
    using Reading = std::function<sim::InstrumentQuote(const SimTime&)>;

    /// Relative moves of one series, its quote read at `minute` of the day after each session (or
    /// of the session's own day when sameDay is set).
    static Moves moves(const Reading& read, int minute, bool sameDay = false) {
        Moves found;
        for (int day = sim::CivilDate{2024, 6, 3}.toDay(); found.size() < 90; ++day) {
            if (sim::CivilDate::isWeekend(day)) {
                continue;
            }
            const sim::InstrumentQuote quote = read(SimTime{sameDay ? day : day + 1, minute, 0});
            found.push_back(quote.value / quote.previousClose - 1.0);
        }
        return found;
    }

    Moves index(std::size_t position) const {
        return moves([this, position](const SimTime& t) { return m_indices.quoteAt(position, t); }, 360);
    }
};

TEST_F(DailyMovesTest, AmericanIndicesMoveTogetherAndNasdaqSwingsMost) {
    const Moves dow = index(0);
    const Moves sp = index(1);
    const Moves nasdaq = index(2);
    EXPECT_GT(correlation(dow, sp), 0.8);
    EXPECT_GT(correlation(dow, nasdaq), 0.8);
    EXPECT_GT(correlation(sp, nasdaq), 0.8);
    EXPECT_GT(deviation(nasdaq), deviation(sp));
    EXPECT_GT(deviation(nasdaq), deviation(dow));
    // Other markets share only a little of the American mood.
    EXPECT_LT(correlation(dow, index(5)), 0.6);
}

TEST_F(DailyMovesTest, TheDowMovesLikeTheDowWithAnOccasionalBigDay) {
    const Moves dow = index(0);
    EXPECT_GT(median(dow), 0.004);
    EXPECT_LT(median(dow), 0.012);
    EXPECT_TRUE(std::any_of(dow.begin(), dow.end(), [](double move) { return std::fabs(move) > 0.02; }));
    // Fat tails: the biggest day is several typical days.
    const double biggest = std::fabs(
        *std::max_element(dow.begin(), dow.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); }));
    EXPECT_GT(biggest, 3.0 * median(dow));
}

TEST_F(DailyMovesTest, RatesAndCommoditiesMoveByTheirUsualAmounts) {
    // World pairs trade from 05:00 to 05:00; a minute before the next open is as good as the close.
    const Moves euro = moves([this](const SimTime& t) { return m_rates.quoteAt(1, t); }, 299);
    const Moves dong = moves([this](const SimTime& t) { return m_rates.quoteAt(9, t); }, 1080, true);
    const Moves oil = moves([this](const SimTime& t) { return m_commodities.quoteAt(1, t); }, 330);
    const Moves gold = moves([this](const SimTime& t) { return m_commodities.quoteAt(4, t); }, 330);
    EXPECT_GT(deviation(euro), 0.002);
    EXPECT_LT(deviation(euro), 0.008);
    EXPECT_GT(deviation(dong), 0.0003);
    EXPECT_LT(deviation(dong), 0.0015);
    EXPECT_GT(deviation(oil), 0.012);
    EXPECT_LT(deviation(oil), 0.03);
    EXPECT_GT(deviation(gold), 0.006);
    EXPECT_LT(deviation(gold), 0.015);
}

} // namespace
