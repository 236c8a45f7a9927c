#include "CivilDate.h"

namespace sim {

namespace {

// Days from 1 March of year 0 to 1 January 2000, in the proleptic Gregorian calendar, so the
// era arithmetic below yields day keys directly.
constexpr int kEpochShift = 730425;

} // namespace

CivilDate CivilDate::fromDay(int day) {
    const int z = day + kEpochShift;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    CivilDate date;
    date.dayOfMonth = doy - (153 * mp + 2) / 5 + 1;
    date.month = mp < 10 ? mp + 3 : mp - 9;
    date.year = yoe + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

int CivilDate::toDay() const {
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = month > 2 ? month - 3 : month + 9;
    const int doy = (153 * mp + 2) / 5 + dayOfMonth - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - kEpochShift;
}

int CivilDate::weekday(int day) {
    // Day 0 was a Saturday (5).
    const int shifted = (day + 5) % 7;
    return shifted < 0 ? shifted + 7 : shifted;
}

} // namespace sim
