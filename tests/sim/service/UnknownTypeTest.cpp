#include "ServiceFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kUnknownRequest = "Yêu cầu không hợp lệ";

class UnknownTypeTest : public ::testing::Test {
protected:
    simtest::ServiceHarness harness;
};

TEST_F(UnknownTypeTest, RealtimePageAnswersAnUnknownTypeWithAnErrorInField2) {
    for (const std::string& query :
         std::vector<std::string>{"type=6&imei=dev1", "type=13&imei=dev1", "type=abc&imei=dev1", "imei=dev1"}) {
        const auto result = harness.get("realtime.aspx?" + query);
        ASSERT_TRUE(result) << query;
        EXPECT_EQ(result->status, 200) << query;
        const auto answer = simtest::read(result->body);
        EXPECT_EQ(answer.status(), 1) << query;
        EXPECT_EQ(answer.headerText(2).toStdString(), kUnknownRequest) << query;
    }
}

TEST_F(UnknownTypeTest, OtherPagesAnswerAnUnknownTypeWithAnErrorInField3) {
    const std::string session = harness.login("demo", "demo");
    for (const std::string& page : std::vector<std::string>{"default.aspx?type=2&lastupdate=0&imei=dev1",
                                                            "CheckAlert.aspx?version=2.0.3&type=APN&imei=dev1",
                                                            "Portfolio.aspx?type=movecat&session=" + session}) {
        const auto result = harness.get(page);
        ASSERT_TRUE(result) << page;
        EXPECT_EQ(result->status, 200) << page;
        const auto answer = simtest::read(result->body);
        EXPECT_EQ(answer.status(), 1) << page;
        EXPECT_EQ(answer.headerText(3).toStdString(), kUnknownRequest) << page;
    }
}

TEST_F(UnknownTypeTest, KnownTypesAreStillServed) {
    for (const std::string& page : std::vector<std::string>{"default.aspx?lastupdate=0&numofday=1&imei=dev1",
                                                            "default.aspx?type=1&lastupdate=0&imei=dev1",
                                                            "CheckAlert.aspx?version=2.0.3&type=IPN&imei=dev1"}) {
        EXPECT_EQ(harness.answer(page).status(), 0) << page;
    }
}

TEST_F(UnknownTypeTest, AnUnknownPageIsStillNotFound) {
    const auto result = harness.get("quotes.aspx?type=1&imei=dev1");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 404);
}

} // namespace
