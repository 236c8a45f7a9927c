#pragma once

#include "info/CivilDate.h"
#include "info/NewsFacts.h"

#include <cmath>

namespace infotest {

/// A made-up series quoted in one session a day, opening at `open` (Vietnamese clock) for
/// `length` minutes on the weekdays of `mask` (bit 0 Monday … bit 6 Sunday). Its close on a day
/// is base plus a step that changes sign from day to day; within the session it moves evenly from
/// the previous close to that one.
inline sim::InstrumentQuote fakeQuote(double base, int open, int length, unsigned mask, const sim::SimTime& t) {
    const auto trades = [mask](int day) {
        return (mask & (1U << static_cast<unsigned>(sim::CivilDate::weekday(day)))) != 0U;
    };
    const auto close = [base](int day) {
        return base * (1.0 + 0.001 * (day * 7 % 11 - 5));
    };
    const long now = t.day * 1440L + t.clockMinute;
    int day = t.day;
    while (!trades(day) || day * 1440L + open > now) {
        --day;
    }
    int before = day - 1;
    while (!trades(before)) {
        --before;
    }
    const long start = day * 1440L + open;
    const bool inSession = now < start + length;
    const long instant = inSession ? now : start + length;
    const double share = static_cast<double>(instant - start) / length;
    const double value = close(before) + (close(day) - close(before)) * share;
    return sim::InstrumentQuote{static_cast<int>(instant / 1440),
                                static_cast<int>(instant % 1440),
                                std::round(value * 100.0) / 100.0,
                                close(before),
                                day,
                                inSession};
}

/// Quotes with the sessions of the real pages: American indices from 21:30, Asian ones in the
/// day, commodities nearly round the clock and the bank's rates and gold in office hours.
inline sim::NewsFacts fakeFacts() {
    return sim::NewsFacts{
        [](std::size_t position, const sim::SimTime& t) {
            const bool american = position < 3;
            return fakeQuote(american ? 39000.0 : 20000.0 + 1000.0 * static_cast<double>(position),
                             american ? 1290 : 480, american ? 390 : 360, 0x1FU, t);
        },
        [](int id, const sim::SimTime& t) { return fakeQuote(80.0 * id, 360, 1380, 0x1FU, t); },
        [](int id, const sim::SimTime& t) { return fakeQuote(id == 9 ? 25400.0 : 27000.0, 480, 540, 0x1FU, t); },
        [](const sim::SimTime& t) { return fakeQuote(76000.0, 465, 585, 0x3FU, t); },
    };
}

} // namespace infotest
