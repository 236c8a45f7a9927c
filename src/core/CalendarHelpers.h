#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace core {

/// Every table and every answer of the service keys its data by the day: whole days since
/// 1 January 2000 00:00 local time. These helpers are the one definition of that epoch.

/// 1 January 2000 00:00:00 in the local time zone.
QDateTime dayEpoch();

/// The day number of an instant (floor of the seconds since the epoch over 86400).
int dayNumberOf(const QDateTime& instant);

/// Today's day number.
int dateDiffFromNow();

/// "dd/MM/yy" of a day number (3653 gives "01/01/10").
QString dateFromDay(int day);

/// "HH:mm" of a market minute, counted from 08:30.
QString timeFromLastUpdate(int marketMinute);

/// "HH:mm" of a clock minute, counted from 00:00.
QString timeFromMinuteFrom0h00(int clockMinute);

/// A number in the locale's decimal style: grouped, at most three fraction digits, no trailing
/// zeros, never "-0". The "C" locale formats as English.
QString getDecimalString(double value, const QLocale& locale = QLocale());

/// The whole part of a number as plain digits: truncated toward zero, ungrouped, never "-0". Any
/// value an answer may hold is safe: one beyond an int prints all its digits, and one that is no
/// number at all prints "-".
QString wholeNumberText(double value);

/// The three day keys the application keeps: today, the history screen's day and the results
/// screen's day.
struct DayKeys {
    int currentDay = 0;
    int currentHistoryDayView = 0;
    int currentMarketResultDayView = 0;
};

/// The day keys for a given today.
DayKeys caculateDay(int today);

} // namespace core
