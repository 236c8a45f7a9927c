#include "info/CivilDate.h"
#include "info/FinancePage.h"
#include "info/NewsPage.h"
#include "info/NewsWriter.h"
#include "info/Noise.h"
#include "info_AnswerReading.h"
#include "info_FakeFacts.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

using namespace infotest;
using sim::SimTime;

namespace {

int quarterOf(int day) {
    const sim::CivilDate date = sim::CivilDate::fromDay(day);
    return date.year * 4 + date.quarter() - 1;
}

// A company's news against its calendar and its finance page, over the small made-up market.
class CompanyNewsTest : public ::testing::Test {
protected:
    sim::Noise m_noise{kSeed};
    sim::MarketView m_market = fakeMarket();
    sim::NewsWriter m_writer{m_noise, m_market, fakeFacts()};
    sim::NewsPage m_news{m_noise, m_market, fakeFacts()};
    sim::FinancePage m_finance{m_noise, m_market};

    /// The company's statement figures of a quarter as the finance page shows them on day.
    std::vector<std::string> statement(int companyId, int quarter, int year, int day) const {
        const std::string id = std::to_string(companyId);
        for (const auto& period : readAnswer(m_finance.answer(&id, SimTime{day, 1439, 0})).ofSize(8)) {
            if (whole(period[1]) == quarter && whole(period[2]) == year) {
                return period;
            }
        }
        ADD_FAILURE() << "quarter " << quarter << "/" << year << " not shown on day " << day;
        std::vector<std::string> zeros(8, "0");
        return zeros;
    }
};

TEST_F(CompanyNewsTest, ResultsTellTheFiguresTheFinancePageShowsThatDay) {
    static const std::regex quarterOfYear("quý ([1-4]) năm ([0-9]+)");
    static const std::regex profit("(lãi|lỗ) sau thuế ([0-9.]+) tỷ đồng");
    static const std::regex netAssets("đạt ([0-9.]+) tỷ đồng");
    int told = 0;
    for (const auto& company : m_market.companies) {
        const std::string id = std::to_string(company.id);
        for (const auto& item : readAnswer(m_news.answer(&id, SimTime{kMonday + 2, 1439, 0})).ofSize(5)) {
            std::smatch period;
            if (!std::regex_search(item[3], period, quarterOfYear)) {
                continue;
            }
            const auto figures = statement(company.id, std::stoi(period[1]), std::stoi(period[2]), whole(item[0]));
            std::smatch amount;
            if (company.layoutId == 3) {
                ASSERT_TRUE(std::regex_search(item[4], amount, netAssets)) << item[4];
                EXPECT_NEAR(std::stod(amount[1]) * 1000.0, number(figures[5]), 50.0) << item[4];
            } else {
                ASSERT_TRUE(std::regex_search(item[4], amount, profit)) << item[4];
                const double sign = amount[1] == "lãi" ? 1.0 : -1.0;
                EXPECT_NEAR(sign * std::stod(amount[2]) * 1000.0, number(figures[6]), 50.0) << item[4];
            }
            ++told;
        }
    }
    EXPECT_GE(told, 2 * static_cast<int>(m_market.companies.size())) << "the latest items hold two reports at least";
}

TEST_F(CompanyNewsTest, EachKindOfEventComesAtMostOnceInItsPeriod) {
    // Results, meetings and dividends name their period; the other kinds are counted in the
    // quarter or year they fall in.
    const std::vector<std::pair<std::string, bool>> undated = {{"Cổ đông lớn", false},
                                                               {"giải trình", false},
                                                               {"ký hợp đồng", false},
                                                               {"niêm yết bổ sung", true},
                                                               {"bổ nhiệm", true}};
    for (const auto& company : m_market.companies) {
        std::set<std::string> seen;
        std::vector<int> resultDays;
        for (const auto& story : m_writer.companyNews(company, kMonday - 3 * 365, kMonday)) {
            std::string key = story.story.title;
            for (const auto& [mark, yearly] : undated) {
                if (story.story.title.find(mark) != std::string::npos) {
                    const int period = yearly ? sim::CivilDate::fromDay(story.day).year : quarterOf(story.day);
                    key = mark + " " + std::to_string(period);
                }
            }
            EXPECT_TRUE(seen.insert(key).second) << company.code << " " << story.story.title << " on " << story.day;
            if (key.find(" quý ") != std::string::npos) {
                resultDays.push_back(story.day);
            }
        }
        ASSERT_GE(resultDays.size(), 11U) << company.code << " reports every quarter";
        for (std::size_t i = 1; i < resultDays.size(); ++i) {
            EXPECT_NEAR(resultDays[i] - resultDays[i - 1], 91, 12) << company.code;
        }
    }
}

} // namespace
