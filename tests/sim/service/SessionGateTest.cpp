#include "ServiceFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kExpired = "Phiên làm việc đã hết hạn. Vui lòng đăng nhập lại";

// A client that logged in before the service restarted still sends its old token.
constexpr const char* kStaleSession = "session=0123456789abcdef0123456789abcdef";

class SessionGateTest : public ::testing::Test {
protected:
    simtest::ServiceHarness harness;
};

TEST_F(SessionGateTest, MarketNewsAndPricePagesAnswerAStaleSessionAsADevice) {
    const std::vector<std::string> pages{
        "default.aspx?lastupdate=0&numofday=7&",
        "default.aspx?type=1&lastupdate=0&",
        "realtime.aspx?type=1&lastupdate=0&",
        "realtime.aspx?type=2&StockID=1&lastupdate=0&",
        "realtime.aspx?type=3&",
        "realtime.aspx?type=4&",
        "realtime.aspx?type=5&",
        "realtime.aspx?type=7&lastupdate=0&",
        "realtime.aspx?type=8&lastupdate=0&",
        "realtime.aspx?type=9&companyid=1&lastupdate=0&",
        "realtime.aspx?type=10&companyid=1&",
        "realtime.aspx?type=12&companyids=1,2&",
        "news.aspx?",
        "news.aspx?companyid=1&",
    };
    for (const std::string& page : pages) {
        const std::string asDevice = harness.body(page + "imei=dev1");
        ASSERT_EQ(simtest::read(asDevice).status(), 0) << page;
        // Compared as a whole, but reported by page only: the end-of-day answer is half a megabyte.
        EXPECT_TRUE(harness.body(page + kStaleSession) == asDevice) << page;
    }
}

TEST_F(SessionGateTest, WarningsAnswerAStaleSessionWithTheExpiryInField2) {
    for (const std::string& query : {"type=11&portfolioids=1&" + std::string(kStaleSession), std::string("type=11")}) {
        const auto answer = harness.answer("realtime.aspx?" + query);
        EXPECT_EQ(answer.status(), 1) << query;
        EXPECT_EQ(answer.headerText(2).toStdString(), kExpired) << query;
    }
}

TEST_F(SessionGateTest, PortfolioAndCategoryPagesAnswerAStaleSessionWithTheExpiryInField3) {
    const std::string session(kStaleSession);
    for (const std::string& page :
         {"portfolio.aspx?" + session, "Portfolio.aspx?portfolioid=1&" + session,
          "Portfolio.aspx?type=addcat&name=x&" + session, "Portfolio.aspx?type=editcat&name=x&portfolioid=1&" + session,
          "Portfolio.aspx?type=deletecat&portfolioid=1&" + session, std::string("portfolio.aspx?imei=dev1")}) {
        const auto answer = harness.answer(page);
        EXPECT_EQ(answer.status(), 1) << page;
        EXPECT_EQ(answer.headerText(3).toStdString(), kExpired) << page;
    }
}

TEST_F(SessionGateTest, AValidSessionReachesTheAccountPages) {
    const std::string session = harness.login("demo", "demo");
    EXPECT_TRUE(harness.answer("portfolio.aspx?session=" + session).isSuccess());
    EXPECT_TRUE(harness.answer("realtime.aspx?type=11&portfolioids=1&session=" + session).isSuccess());
}

} // namespace
