#include "AnswerSplitter.h"
#include "market/Market.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace markettest;

class CompanyPagesTest : public ::testing::Test {
protected:
    SplitAnswer ask(std::vector<std::pair<std::string, std::string>> params, const sim::SimTime& t) const {
        const sim::Response response = m_market.answer(request("realtime.aspx", std::move(params)), t);
        EXPECT_EQ(response.httpStatus, 200);
        return splitAnswer(response.body);
    }
    const sim::Company& firstOn(int stockId) const {
        for (const sim::Company& company : m_market.companies()) {
            if (company.stockId == stockId) {
                return company;
            }
        }
        throw std::logic_error("no company");
    }

    sim::Market m_market{8};
};

TEST_F(CompanyPagesTest, ExchangeQuotesListEveryCompanyOfTheExchangeWithSeventeenFields) {
    for (int stockId : {1, 2}) {
        const SplitAnswer answer =
            ask({{"type", "2"}, {"StockID", std::to_string(stockId)}, {"lastupdate", "0"}}, at(kThursday, 9, 40));
        ASSERT_EQ(answer.status(), 0);
        EXPECT_EQ(answer.headerInt(2), kThursday);
        std::size_t listed = 0;
        for (const sim::Company& company : m_market.companies()) {
            listed += company.stockId == stockId ? 1 : 0;
        }
        ASSERT_EQ(answer.records.size(), listed);
        for (const Fields& quote : answer.records) {
            ASSERT_EQ(quote.size(), 17U);
            EXPECT_EQ(integer(quote[1]), stockId);
            EXPECT_EQ(integer(quote[3]), kThursday);
            EXPECT_EQ(quote[10], "0.0") << "no close during the session";
        }
    }
}

TEST_F(CompanyPagesTest, UnknownExchangeIsRefused) {
    const SplitAnswer answer = ask({{"type", "2"}, {"StockID", "7"}, {"lastupdate", "0"}}, at(kThursday, 9, 40));
    EXPECT_EQ(answer.status(), 1);
    ASSERT_GE(answer.header.size(), 3U);
    EXPECT_EQ(answer.header[2], "Sàn giao dịch không tồn tại");
}

TEST_F(CompanyPagesTest, IntradayPointsOfTheWholeDayThenTheQuote) {
    const sim::Company& hose = firstOn(2);
    const SplitAnswer answer = ask({{"type", "9"}, {"companyid", std::to_string(hose.id)}, {"lastupdate", "0"}},
                                   atMarketMinute(kThursday, 60));
    ASSERT_EQ(answer.status(), 0);
    ASSERT_EQ(answer.records.size(), 60U - 32U + 1U + 1U);
    for (std::size_t i = 0; i + 1 < answer.records.size(); ++i) {
        const Fields& point = answer.records[i];
        ASSERT_EQ(point.size(), 4U);
        EXPECT_EQ(integer(point[0]), hose.id);
        EXPECT_EQ(integer(point[1]), 32 + static_cast<int>(i));
        EXPECT_GE(integer(point[3]), 0);
    }
    const Fields& quote = answer.records.back();
    ASSERT_EQ(quote.size(), 17U);
    EXPECT_EQ(integer(quote[2]), 60) << "the quote's minute is the next revision";
    EXPECT_EQ(quote[4], answer.records[answer.records.size() - 2][2]) << "the quote shows the last point's price";
}

TEST_F(CompanyPagesTest, IntradayRevisionSendsOnlyNewerPoints) {
    const sim::Company& hnx = firstOn(1);
    const SplitAnswer answer = ask({{"type", "9"}, {"companyid", std::to_string(hnx.id)}, {"lastupdate", "57"}},
                                   atMarketMinute(kThursday, 60));
    const std::vector<Fields> points = answer.withFieldCount(4);
    ASSERT_EQ(points.size(), 3U);
    EXPECT_EQ(integer(points.front()[1]), 58);
    EXPECT_EQ(integer(points.back()[1]), 60);
    EXPECT_EQ(answer.withFieldCount(17).size(), 1U);
}

TEST_F(CompanyPagesTest, IntradayVolumesAddUpToTheQuotesVolume) {
    const sim::Company& hnx = firstOn(1);
    const SplitAnswer answer =
        ask({{"type", "9"}, {"companyid", std::to_string(hnx.id)}, {"lastupdate", "0"}}, at(kFriday, 14, 0));
    long long sum = 0;
    for (const Fields& point : answer.withFieldCount(4)) {
        sum += integer(point[3]);
    }
    ASSERT_EQ(answer.withFieldCount(17).size(), 1U);
    EXPECT_EQ(sum, integer(answer.withFieldCount(17)[0][7]));
}

TEST_F(CompanyPagesTest, UnknownCompanyIsRefusedWithTheMessageInField2) {
    for (const std::string& id : {std::string("999999"), std::string("0"), std::string("")}) {
        const sim::Response response = m_market.answer(
            request("realtime.aspx", {{"type", "9"}, {"companyid", id}, {"lastupdate", "0"}}), at(kThursday, 9, 0));
        EXPECT_EQ(response.httpStatus, 200);
        EXPECT_EQ(response.body, "KTRPW:1:Mã chứng khoán không tồn tại;");
        const SplitAnswer answer = splitAnswer(response.body);
        EXPECT_EQ(answer.status(), 1);
        EXPECT_EQ(answer.header[2], "Mã chứng khoán không tồn tại");
    }
}

TEST_F(CompanyPagesTest, WatchedQuotesFollowTheIdsAskedAndSkipUnknownOnes) {
    const sim::Company& a = firstOn(2);
    const sim::Company& b = firstOn(1);
    const std::string ids = std::to_string(b.id) + ",424242," + std::to_string(a.id);
    const SplitAnswer answer = ask({{"type", "12"}, {"companyids", ids}}, at(kThursday, 10, 0));
    ASSERT_EQ(answer.status(), 0);
    ASSERT_EQ(answer.records.size(), 2U);
    EXPECT_EQ(answer.fieldCounts(), (std::vector<std::size_t>{17, 17}));
    EXPECT_EQ(integer(answer.records[0][0]), b.id);
    EXPECT_EQ(integer(answer.records[1][0]), a.id);
}

TEST_F(CompanyPagesTest, WatchedQuotesOfOnlyUnknownIdsAreRefused) {
    const SplitAnswer answer = ask({{"type", "12"}, {"companyids", "424242,0"}}, at(kThursday, 10, 0));
    EXPECT_EQ(answer.status(), 1);
    EXPECT_EQ(answer.header[2], "Mã chứng khoán không tồn tại");
}

TEST_F(CompanyPagesTest, HandlesOnlyTheMarketPages) {
    EXPECT_TRUE(m_market.handles(request("default.aspx", {{"lastupdate", "0"}, {"numofday", "7"}})));
    for (const char* type : {"1", "2", "9", "12"}) {
        EXPECT_TRUE(m_market.handles(request("realtime.aspx", {{"type", type}}))) << type;
    }
    for (const char* type : {"3", "4", "5", "7", "8", "10", "11", ""}) {
        EXPECT_FALSE(m_market.handles(request("realtime.aspx", {{"type", type}}))) << type;
    }
    EXPECT_FALSE(m_market.handles(request("news.aspx", {})));
    EXPECT_FALSE(m_market.handles(request("portfolio.aspx", {})));
}

} // namespace
