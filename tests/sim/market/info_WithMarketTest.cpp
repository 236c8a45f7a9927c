#include "info/InfoPages.h"
#include "info_AnswerReading.h"
#include "market/Market.h"

#include <gtest/gtest.h>

#include <set>

using namespace infotest;
using sim::Request;
using sim::SimTime;

namespace {

// The pages over the real synthetic market: every listed company gets finance and news the
// client can read, whatever its name and layout.
class InfoWithMarketTest : public ::testing::Test {
protected:
    sim::Market m_market{kSeed};
    sim::InfoPages m_pages{m_market, kSeed};
    SimTime m_t{kMonday + 1, 700};
};

TEST_F(InfoWithMarketTest, EveryCompanyHasReadableFinanceInItsLayout) {
    std::set<int> layouts;
    for (const sim::Company& company : m_market.companies()) {
        const std::string id = std::to_string(company.id);
        const ReadAnswer answer =
            readAnswer(m_pages.answer(Request{"realtime.aspx", {{"type", "10"}, {"companyid", id}}}, m_t).body);
        ASSERT_EQ(answer.status(), 0) << company.code;
        const auto ratios = answer.ofSize(10);
        ASSERT_EQ(ratios.size(), 1U) << company.code;
        EXPECT_EQ(whole(ratios[0][5]), company.layoutId);
        EXPECT_GT(number(ratios[0][6]), 0.0) << company.code;
        EXPECT_GE(answer.ofSize(8).size(), 8U);
        layouts.insert(company.layoutId);
    }
    EXPECT_TRUE(layouts.count(2) == 1 && layouts.count(3) == 1) << "banks and funds are listed";
}

TEST_F(InfoWithMarketTest, EveryCompanysNewsSplitsIntoFiveFieldRecords) {
    for (const sim::Company& company : m_market.companies()) {
        const std::string body =
            m_pages.answer(Request{"news.aspx", {{"companyid", std::to_string(company.id)}}}, m_t).body;
        const std::vector<std::string> raw = split(body, ';');
        const ReadAnswer answer = readAnswer(body);
        ASSERT_EQ(answer.status(), 0);
        EXPECT_EQ(answer.ofSize(5).size(), raw.size() - 2) << company.code;
        EXPECT_EQ(body.find(':', body.find(';')), std::string::npos) << company.code;
    }
}

} // namespace
