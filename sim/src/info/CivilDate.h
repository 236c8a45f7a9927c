#pragma once

namespace sim {

/// A calendar date and its day key (whole days since 1 January 2000, a Saturday).
struct CivilDate final {
    int year = 2000;
    int month = 1;
    int dayOfMonth = 1;

    static CivilDate fromDay(int day);
    int toDay() const;

    /// 0 Monday … 6 Sunday.
    static int weekday(int day);
    static bool isWeekend(int day) { return weekday(day) >= 5; }

    /// 1 to 4.
    int quarter() const { return (month - 1) / 3 + 1; }
};

} // namespace sim
