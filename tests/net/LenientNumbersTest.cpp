#include "net/LenientNumbers.h"

#include <QString>

#include <gtest/gtest.h>

#include <limits>

namespace {

using net::leadingDouble;
using net::leadingInt;

TEST(LeadingInt, TakesTheLongestNumericPrefix) {
    EXPECT_EQ(leadingInt(u" 12abc"), 12);
    EXPECT_EQ(leadingInt(u"-42"), -42);
    EXPECT_EQ(leadingInt(u"+7x"), 7);
    EXPECT_EQ(leadingInt(u"\t 3650\n"), 3650);
    EXPECT_EQ(leadingInt(u"12.9"), 12);
}

TEST(LeadingInt, NothingNumericIsZero) {
    EXPECT_EQ(leadingInt(u""), 0);
    EXPECT_EQ(leadingInt(u"abc"), 0);
    EXPECT_EQ(leadingInt(u"-"), 0);
    EXPECT_EQ(leadingInt(u"x12"), 0);
    EXPECT_EQ(leadingInt(QStringView()), 0);
}

TEST(LeadingInt, StopsAtThirtyTwoBitLimits) {
    EXPECT_EQ(leadingInt(u"2147483647"), std::numeric_limits<int>::max());
    EXPECT_EQ(leadingInt(u"99999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(leadingInt(u"-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(leadingInt(u"-99999999999999"), std::numeric_limits<int>::min());
}

TEST(LeadingDouble, TakesTheLongestNumericPrefix) {
    EXPECT_DOUBLE_EQ(leadingDouble(u"-3.5x"), -3.5);
    EXPECT_DOUBLE_EQ(leadingDouble(u" 12abc"), 12.0);
    EXPECT_DOUBLE_EQ(leadingDouble(u"+0.25"), 0.25);
    EXPECT_DOUBLE_EQ(leadingDouble(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingDouble(u"7."), 7.0);
    EXPECT_DOUBLE_EQ(leadingDouble(u"1.5e3kg"), 1500.0);
    EXPECT_DOUBLE_EQ(leadingDouble(u"2e"), 2.0);
    EXPECT_DOUBLE_EQ(leadingDouble(u"2e+x"), 2.0);
    EXPECT_DOUBLE_EQ(leadingDouble(u"1,234"), 1.0);
}

TEST(LeadingDouble, NothingNumericIsZero) {
    EXPECT_EQ(leadingDouble(u""), 0.0);
    EXPECT_EQ(leadingDouble(u"abc"), 0.0);
    EXPECT_EQ(leadingDouble(u"-."), 0.0);
    EXPECT_EQ(leadingDouble(u"e5"), 0.0);
}

TEST(LeadingDouble, LongDigitRunsKeepTheirMagnitude) {
    const QString digits = QString(70, u'1') + u".5";
    EXPECT_NEAR(leadingDouble(digits) / 1.111111111111111e69, 1.0, 1e-12);
}

} // namespace
