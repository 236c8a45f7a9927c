#include "core/CalendarHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace core;

TEST(DayNumbers, EpochIsMidnightOfTheFirstOfJanuary2000Local) {
    EXPECT_EQ(dayNumberOf(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::LocalTime)), 0);
    EXPECT_EQ(dayNumberOf(QDateTime(QDate(2000, 1, 2), QTime(0, 0), Qt::LocalTime)), 1);
    EXPECT_EQ(dayNumberOf(QDateTime(QDate(1999, 12, 31), QTime(23, 59), Qt::LocalTime)), -1);
    EXPECT_EQ(dayNumberOf(QDateTime(QDate(2010, 1, 1), QTime(12, 0), Qt::LocalTime)), 3653);
}

TEST(DayNumbers, MidnightStartsTheNextDay) {
    const QDateTime midnight(QDate(2026, 12, 7), QTime(0, 0), Qt::LocalTime);
    EXPECT_EQ(dayNumberOf(midnight) - dayNumberOf(midnight.addSecs(-1)), 1);
    EXPECT_EQ(dayNumberOf(midnight.addSecs(86399)), dayNumberOf(midnight));
}

TEST(DayNumbers, DateOfTodaysNumberIsToday) {
    EXPECT_EQ(dateFromDay(dateDiffFromNow()), QDate::currentDate().toString(QStringLiteral("dd/MM/yy")));
    EXPECT_EQ(dateFromDay(3653), QStringLiteral("01/01/10"));
    EXPECT_EQ(dateFromDay(0), QStringLiteral("01/01/00"));
}

TEST(DayNumbers, DayKeysFollowToday) {
    const DayKeys keys = caculateDay(9000);
    EXPECT_EQ(keys.currentDay, 9000);
    EXPECT_EQ(keys.currentHistoryDayView, 8999);
    EXPECT_EQ(keys.currentMarketResultDayView, 9000);
}

TEST(MinuteTexts, MarketMinutesCountFromHalfPastEight) {
    EXPECT_EQ(timeFromLastUpdate(0), QStringLiteral("08:30"));
    EXPECT_EQ(timeFromLastUpdate(29), QStringLiteral("08:59"));
    EXPECT_EQ(timeFromLastUpdate(30), QStringLiteral("09:00"));
    EXPECT_EQ(timeFromLastUpdate(89), QStringLiteral("09:59"));
    EXPECT_EQ(timeFromLastUpdate(90), QStringLiteral("10:00"));
    EXPECT_EQ(timeFromLastUpdate(405), QStringLiteral("15:15"));
}

TEST(MinuteTexts, ClockMinutesCountFromMidnight) {
    EXPECT_EQ(timeFromMinuteFrom0h00(0), QStringLiteral("00:00"));
    EXPECT_EQ(timeFromMinuteFrom0h00(9), QStringLiteral("00:09"));
    EXPECT_EQ(timeFromMinuteFrom0h00(60), QStringLiteral("01:00"));
    EXPECT_EQ(timeFromMinuteFrom0h00(545), QStringLiteral("09:05"));
    EXPECT_EQ(timeFromMinuteFrom0h00(1439), QStringLiteral("23:59"));
}

TEST(DecimalStrings, EnglishGroupsThousandsAndDropsTrailingZeros) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(getDecimalString(0, english), QStringLiteral("0"));
    EXPECT_EQ(getDecimalString(1000, english), QStringLiteral("1,000"));
    EXPECT_EQ(getDecimalString(1200000.5, english), QStringLiteral("1,200,000.5"));
    EXPECT_EQ(getDecimalString(2.0004, english), QStringLiteral("2"));
    EXPECT_EQ(getDecimalString(2.0006, english), QStringLiteral("2.001"));
    EXPECT_EQ(getDecimalString(-12.25, english), QStringLiteral("-12.25"));
}

TEST(DecimalStrings, VietnameseUsesDotsForThousandsAndACommaForTheFraction) {
    const QLocale vietnamese(QLocale::Vietnamese, QLocale::Vietnam);
    EXPECT_EQ(getDecimalString(1200000.5, vietnamese), QStringLiteral("1.200.000,5"));
    EXPECT_EQ(getDecimalString(1000, vietnamese), QStringLiteral("1.000"));
    EXPECT_EQ(getDecimalString(0.125, vietnamese), QStringLiteral("0,125"));
}

TEST(DecimalStrings, NeverNegativeZero) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(getDecimalString(-0.0001, english), QStringLiteral("0"));
    EXPECT_EQ(getDecimalString(-0.0, english), QStringLiteral("0"));
}

TEST(DecimalStrings, TheCLocaleFormatsAsEnglish) {
    EXPECT_EQ(getDecimalString(1234.5, QLocale::c()), QStringLiteral("1,234.5"));
}

TEST(WholeNumberText, TruncatesTowardZeroWithoutGroupingOrNegativeZero) {
    EXPECT_EQ(wholeNumberText(150.9), QStringLiteral("150"));
    EXPECT_EQ(wholeNumberText(-150.9), QStringLiteral("-150"));
    EXPECT_EQ(wholeNumberText(-0.4), QStringLiteral("0"));
    EXPECT_EQ(wholeNumberText(1234567), QStringLiteral("1234567"));
}

// An answer may hold any number: one beyond an int must not overflow the conversion.
TEST(WholeNumberText, ValuesBeyondAnIntOrNoNumberAtAll) {
    EXPECT_EQ(wholeNumberText(-8.0e12), QStringLiteral("-8000000000000"));
    EXPECT_EQ(wholeNumberText(std::ldexp(1.0, 70)), QStringLiteral("1180591620717411303424"));
    EXPECT_EQ(wholeNumberText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("-"));
    EXPECT_EQ(wholeNumberText(-std::numeric_limits<double>::infinity()), QStringLiteral("-"));
}
