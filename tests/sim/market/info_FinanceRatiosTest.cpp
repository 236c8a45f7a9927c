#include "info/CivilDate.h"
#include "info/InfoPages.h"
#include "info_AnswerReading.h"
#include "market/Market.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace infotest;
using sim::Request;
using sim::SimTime;

namespace {

// Within the two decimals a ratio is shown with.
constexpr double kRatioRounding = 0.0051;

struct Finance {
    std::vector<std::string> ratios;
    std::vector<std::vector<std::string>> periods; ///< eight quarters newest first, then two years
};

// Every company of the real market on days spread over ninety days of mid-2024, read once for
// the suite.
class FinanceRatiosTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_market = std::make_unique<sim::Market>(kSeed);
        s_pages = std::make_unique<sim::InfoPages>(*s_market, kSeed);
        s_finances = std::make_unique<std::vector<std::pair<sim::Company, Finance>>>();
        const int first = sim::CivilDate{2024, 5, 2}.toDay();
        for (int day = first; day < first + 90; day += 22) {
            for (const sim::Company& company : s_market->companies()) {
                const Request request{"realtime.aspx", {{"type", "10"}, {"companyid", std::to_string(company.id)}}};
                const ReadAnswer answer = readAnswer(s_pages->answer(request, SimTime{day, 600 + day % 300, 0}).body);
                s_finances->emplace_back(company, Finance{answer.ofSize(10).at(0), answer.ofSize(8)});
            }
        }
    }

    static void TearDownTestSuite() {
        s_finances.reset();
        s_pages.reset();
        s_market.reset();
    }

    static inline std::unique_ptr<sim::Market> s_market;
    static inline std::unique_ptr<sim::InfoPages> s_pages;
    static inline std::unique_ptr<std::vector<std::pair<sim::Company, Finance>>> s_finances;
};

double figure(const std::vector<std::string>& period, std::size_t which) {
    return number(period.at(3 + which));
}

TEST_F(FinanceRatiosTest, PriceRatiosAreThePriceShownOverTheFiguresShown) {
    for (const auto& [company, finance] : *s_finances) {
        const double price = number(finance.ratios[6]) * 1000.0;
        const double eps = number(finance.ratios[1]);
        const double bv = number(finance.ratios[3]);
        ASSERT_GT(bv, 0.0) << company.code;
        EXPECT_NEAR(number(finance.ratios[4]), price / bv, kRatioRounding) << company.code;
        if (eps > 0.0) {
            EXPECT_NEAR(number(finance.ratios[2]), price / eps, kRatioRounding) << company.code;
        } else {
            EXPECT_EQ(finance.ratios[2], "0.00") << company.code << " makes a loss: no P/E";
        }
    }
}

TEST_F(FinanceRatiosTest, EarningsAreTheLastFourQuartersAndBookValueTheLatestEquity) {
    // Shares are not shown, but earnings over book value per share must be the four quarters'
    // profit over the latest equity (a fund: the year's gain over its latest net assets).
    for (const auto& [company, finance] : *s_finances) {
        const auto& quarters = finance.periods;
        const double eps = number(finance.ratios[1]);
        const double bv = number(finance.ratios[3]);
        double earnings = 0.0;
        double book = 0.0;
        if (company.layoutId == 3) {
            earnings = figure(quarters[0], 2) - figure(quarters[3], 1);
            book = figure(quarters[0], 2);
            // The unit's value in millions, to the thousand dong the figure keeps.
            EXPECT_NEAR(bv, figure(quarters[0], 3) * 1e6, 500.0) << company.code << " book value is the unit's value";
            EXPECT_GT(figure(quarters[0], 3), 0.005) << company.code << " a unit's value in millions";
            EXPECT_LT(figure(quarters[0], 3), 0.05) << company.code << " a unit's value in millions";
        } else {
            for (std::size_t q = 0; q < 4; ++q) {
                earnings += figure(quarters[q], 3);
            }
            book = figure(quarters[0], 1);
        }
        const double tolerance = 0.5 / bv * std::abs(eps / bv) + 0.5 / bv + 1e-6;
        EXPECT_NEAR(eps / bv, earnings / book, tolerance) << company.code;
    }
}

TEST_F(FinanceRatiosTest, MostCompaniesTradeAtABelievableMultipleAndAFewMakeLosses) {
    int believable = 0;
    int losses = 0;
    for (const auto& [company, finance] : *s_finances) {
        const double pe = number(finance.ratios[2]);
        believable += pe >= 5.0 && pe <= 30.0 ? 1 : 0;
        losses += number(finance.ratios[1]) < 0.0 ? 1 : 0;
    }
    const auto count = static_cast<double>(s_finances->size());
    EXPECT_GE(believable, 0.8 * count);
    EXPECT_GT(losses, 0);
    EXPECT_LT(losses, 0.1 * count);
}

TEST_F(FinanceRatiosTest, SuccessiveQuartersLookLikeTheSameBusiness) {
    for (const auto& [company, finance] : *s_finances) {
        for (std::size_t q = 0; q + 1 < 8; ++q) {
            const auto& newer = finance.periods[q];
            const auto& older = finance.periods[q + 1];
            // A fund's first figure is its gain, which may change sign; the rest are sizes.
            for (std::size_t which = company.layoutId == 3 ? 1 : 0; which < 4; ++which) {
                const double ratio = figure(newer, which) / figure(older, which);
                EXPECT_TRUE(ratio > 0.5 && ratio < 2.0)
                    << company.code << " " << newer[1] << "/" << newer[2] << " figure " << which << " " << ratio;
            }
        }
    }
}

TEST_F(FinanceRatiosTest, BanksAndFundsHaveFiguresOfTheirKind) {
    for (const auto& [company, finance] : *s_finances) {
        const auto& latest = finance.periods.front();
        if (company.layoutId == 2) {
            const double capital = figure(latest, 1) / figure(latest, 0);
            EXPECT_TRUE(capital > 0.05 && capital < 0.15) << company.code << " capital to assets " << capital;
            EXPECT_GT(figure(latest, 2), figure(latest, 3)) << company.code << " income above profit";
        } else if (company.layoutId == 3) {
            // Net assets over a unit's value, both in millions: a fund of a few million to a few
            // hundred million units.
            const double units = figure(latest, 2) / figure(latest, 3);
            EXPECT_TRUE(units > 1e6 && units < 1e9) << company.code << " " << units;
            const double priceToBook = number(finance.ratios[4]);
            EXPECT_TRUE(priceToBook > 0.5 && priceToBook < 1.5) << company.code << " " << priceToBook;
        }
    }
}

} // namespace
