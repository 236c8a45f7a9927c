#include "server/QueryParser.h"

#include "server/VersionCheck.h"

#include <gtest/gtest.h>

namespace {

TEST(QueryParserTest, DecodesValuesAsUtf8AndKeepsPlus) {
    const auto request = sim::requestFromTarget("/KTRPW/Portfolio.aspx?type=addcat&name=C%E1%BB%95%20A%26B%2B1%25+x"
                                                "&session=abc");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->page, "Portfolio.aspx");
    EXPECT_EQ(*request->param("name"), "Cổ A&B+1%+x");
    EXPECT_EQ(*request->param("session"), "abc");
    EXPECT_EQ(*request->param("type"), "addcat");
}

TEST(QueryParserTest, EmptyAndMissingValues) {
    const auto request = sim::requestFromTarget("/KTRPW/Portfolio.aspx?under=&flag&fee=0");
    ASSERT_TRUE(request);
    EXPECT_EQ(*request->param("under"), "");
    EXPECT_EQ(*request->param("flag"), "");
    EXPECT_EQ(request->param("over"), nullptr);
}

TEST(QueryParserTest, OnlyPagesUnderKtrpw) {
    EXPECT_FALSE(sim::requestFromTarget("/other/login.aspx"));
    EXPECT_FALSE(sim::requestFromTarget("/KTRPW/"));
    EXPECT_TRUE(sim::requestFromTarget("/KTRPW/news.aspx"));
}

TEST(QueryParserTest, MalformedEscapesStayAsSent) {
    EXPECT_EQ(sim::percentDecode("100%zz%4"), "100%zz%4");
}

TEST(VersionCheckTest, ComparesDottedNumbersPartByPart) {
    EXPECT_TRUE(sim::VersionCheck::isOlder("2.0.2", "2.0.3"));
    EXPECT_TRUE(sim::VersionCheck::isOlder("2.0.9", "2.0.10"));
    EXPECT_TRUE(sim::VersionCheck::isOlder("2", "2.0.1"));
    EXPECT_FALSE(sim::VersionCheck::isOlder("2.0.3", "2.0.3"));
    EXPECT_FALSE(sim::VersionCheck::isOlder("2.0.3.0", "2.0.3"));
    EXPECT_FALSE(sim::VersionCheck::isOlder("10.0", "9.9.9"));
}

} // namespace
