#include "TradingWeek.h"

#include "CivilDate.h"

namespace sim {

TradingWeek::TradingWeek(unsigned weekdayMask)
    : m_weekdayMask(weekdayMask) {}

bool TradingWeek::tradesOn(int day) const {
    return (m_weekdayMask & (1U << static_cast<unsigned>(CivilDate::weekday(day)))) != 0U;
}

int TradingWeek::sessionBefore(int day) const {
    int previous = day - 1;
    while (!tradesOn(previous) && previous > day - kLongestPause) {
        --previous;
    }
    return previous;
}

} // namespace sim
