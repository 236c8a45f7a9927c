#include "ServiceFixture.h"
#include "market/Market.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kUnreadableName = "Tên danh mục chứa ký tự không hợp lệ";

// Names as they arrive percent-encoded: control characters, and bytes that are not UTF-8.
const std::vector<std::string>& unreadableNames() {
    static const std::vector<std::string> names{
        "L%C6%B0%E1%BB%9Bt%09s%C3%B3ng", // a tab
        "A%00B",                         // a NUL byte
        "A%1FB",                         // unit separator
        "A%7FB",                         // delete
        "A%C3",                          // a truncated two-byte sequence
        "A%C0%AFB",                      // an overlong "/"
        "A%ED%A0%80B",                   // a surrogate
        "A%F4%90%80%80B",                // beyond U+10FFFF
        "A%E1%BBB",                      // a three-byte sequence cut short
    };
    return names;
}

class CategoryNameTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = harness.login("demo", "demo");
        ASSERT_FALSE(session.empty());
        firstCategory = harness.records("portfolio.aspx?session=" + session, 2).at(0).at(0);
    }

    std::size_t categoryCount() const { return harness.records("portfolio.aspx?session=" + session, 2).size(); }

    simtest::ServiceHarness harness;
    std::string session;
    QString firstCategory;
};

TEST_F(CategoryNameTest, CreatingWithControlCharactersOrBrokenUtf8IsRefused) {
    const std::size_t before = categoryCount();
    for (const std::string& name : unreadableNames()) {
        const auto answer = harness.answer("Portfolio.aspx?type=addcat&name=" + name + "&session=" + session);
        EXPECT_EQ(answer.status(), 1) << name;
        EXPECT_EQ(answer.headerText(3).toStdString(), kUnreadableName) << name;
    }
    EXPECT_EQ(categoryCount(), before);
}

TEST_F(CategoryNameTest, RenamingWithControlCharactersOrBrokenUtf8IsRefused) {
    for (const std::string& name : unreadableNames()) {
        const auto answer = harness.answer("Portfolio.aspx?type=editcat&name=" + name + "&session=" + session +
                                           "&portfolioid=" + firstCategory.toStdString());
        EXPECT_EQ(answer.status(), 1) << name;
        EXPECT_EQ(answer.headerText(3).toStdString(), kUnreadableName) << name;
    }
    const auto listAnswer = harness.answer("portfolio.aspx?session=" + session);
    EXPECT_EQ(listAnswer.recordsWithFieldCount(2).at(0).text(1).toStdString(), "Danh mục chính");
}

TEST_F(CategoryNameTest, AddingAHoldingToANewCategoryChecksItsNameToo) {
    const std::size_t before = categoryCount();
    const auto answer = harness.answer("Portfolio.aspx?type=addcatdata&name=A%07B&companyid=" +
                                       std::to_string(harness.service->market().companies().front().id) +
                                       "&price=10&volume=100&over=1&under=1&fee=0&session=" + session);
    EXPECT_EQ(answer.status(), 1);
    EXPECT_EQ(answer.headerText(3).toStdString(), kUnreadableName);
    EXPECT_EQ(categoryCount(), before);
}

TEST_F(CategoryNameTest, VietnameseSymbolsAndEmojiAreAccepted) {
    for (const std::string& name :
         std::vector<std::string>{"Đầu tư dài hạn", "Quỹ & cổ tức 5%", "Tăng trưởng 🚀", "€ / ¥"}) {
        const auto answer =
            harness.answer("Portfolio.aspx?type=addcat&name=" + simtest::escaped(name) + "&session=" + session);
        ASSERT_TRUE(answer.isSuccess()) << name;
        EXPECT_EQ(answer.recordsWithFieldCount(2).at(0).text(1).toStdString(), name);
    }
}

} // namespace
