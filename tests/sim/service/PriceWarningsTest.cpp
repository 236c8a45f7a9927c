#include "ServiceFixture.h"
#include "market/Market.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <set>

namespace {

std::string oneDecimal(double value) {
    std::array<char, 32> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 1);
    return std::string(buffer.data(), end);
}

/// Holdings placed exactly at, and one tick short of, each threshold against today's price.
class PriceWarningsTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = harness.login("demo", "demo");
        ASSERT_FALSE(session.empty());
        const auto& company = harness.service->market().companies().at(1);
        companyId = std::to_string(company.id);
        price = harness.service->market().priceAt(company.id, harness.service->clock().now());
        ASSERT_GT(price, 3.0);
        category =
            harness.records("Portfolio.aspx?type=addcat&name=canh-bao&session=" + session, 2)[0][0].toStdString();
    }

    std::string addHolding(double purchase, const std::string& over, const std::string& under) {
        auto answer = harness.answer("Portfolio.aspx?type=add&portfolioid=" + category + "&companyid=" + companyId +
                                     "&price=" + oneDecimal(purchase) + "&volume=100&over=" + over + "&under=" + under +
                                     "&fee=0&session=" + session);
        return answer.recordsWithFieldCount(8).at(0).text(0).toStdString();
    }

    std::set<std::string> warnedHoldings(const std::string& categories) {
        auto answer = harness.answer("realtime.aspx?type=11&session=" + session + "&portfolioids=" + categories);
        EXPECT_TRUE(answer.isSuccess());
        std::set<std::string> ids;
        for (const auto& record : answer.recordsWithFieldCount(5)) {
            ids.insert(record.text(2).toStdString());
            EXPECT_NEAR(record.doubleAt(4), price, 1e-9);
            EXPECT_EQ(record.text(3).toStdString(), oneDecimal(price));
        }
        return ids;
    }

    simtest::ServiceHarness harness;
    std::string session;
    std::string companyId;
    std::string category;
    double price = 0;
};

TEST_F(PriceWarningsTest, WarnsExactlyAtTheThresholds) {
    const std::string atLower = addHolding(price + 1.5, "100", "1.5");
    addHolding(price + 1.4, "100", "1.5");
    const std::string atUpper = addHolding(price - 2.0, "2", "100");
    addHolding(price - 1.9, "2", "100");
    EXPECT_EQ(warnedHoldings(category), (std::set<std::string>{atLower, atUpper}));
}

TEST_F(PriceWarningsTest, EmptyLowerThresholdNeverWarnsBelow) {
    addHolding(price + 50, "100", "");
    EXPECT_TRUE(warnedHoldings(category).empty());
}

TEST_F(PriceWarningsTest, OnlyTheAskedCategoriesOfTheUserAreChecked) {
    const std::string warned = addHolding(price + 5, "100", "1");
    EXPECT_TRUE(warnedHoldings("").empty());
    EXPECT_EQ(warnedHoldings("999," + category), (std::set<std::string>{warned}));

    harness.body("Register.aspx?username=hoa&email=hoa%40example.vn");
    const auto mail = harness.service->mailsTo("hoa@example.vn").at(0);
    const std::string other = harness.login("hoa", simtest::passwordIn(mail));
    auto foreign = harness.answer("realtime.aspx?type=11&session=" + other + "&portfolioids=" + category);
    EXPECT_TRUE(foreign.isSuccess());
    EXPECT_TRUE(foreign.recordsWithFieldCount(5).empty());
}

} // namespace
