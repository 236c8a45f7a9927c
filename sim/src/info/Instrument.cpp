#include "Instrument.h"

#include "CivilDate.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

constexpr int kMinutesPerDay = 1440;
// No series is shut for longer than a long holiday week; the search for a session stops there.
constexpr int kLongestPause = 10;

} // namespace

Instrument::Instrument(const Noise& noise, InstrumentProfile profile)
    : m_noise(noise)
    , m_profile(profile) {}

bool Instrument::tradesOn(int day) const {
    return (m_profile.weekdayMask & (1U << static_cast<unsigned>(CivilDate::weekday(day)))) != 0U;
}

int Instrument::sessionBefore(int day) const {
    int previous = day - 1;
    while (!tradesOn(previous) && previous > day - kLongestPause) {
        --previous;
    }
    return previous;
}

double Instrument::rawClose(int day) const {
    const std::uint64_t stream = m_profile.key * 16U;
    const double d = static_cast<double>(day);
    // Three scales: a slow trend over months, a swing over weeks, and the day's own move.
    const double level = 12.0 * m_noise.smooth(stream + 1U, 0, d / 90.0) +
                         4.0 * m_noise.smooth(stream + 2U, 0, d / 12.0) + 1.2 * m_noise.centred(stream + 3U, day);
    return m_profile.base * std::exp(m_profile.dailyMove * level);
}

double Instrument::close(int day) const {
    return roundToTick(rawClose(day));
}

double Instrument::rawValueDuring(int sessionDay, int minutesIntoSession) const {
    const int minutes = std::clamp(minutesIntoSession, 0, m_profile.sessionLength);
    const double f = static_cast<double>(minutes) / static_cast<double>(m_profile.sessionLength);
    const double from = rawClose(sessionBefore(sessionDay));
    const double to = rawClose(sessionDay);
    const double wobble = m_noise.smooth(m_profile.key * 16U + 4U, sessionDay, static_cast<double>(minutes) / 25.0);
    return from + (to - from) * f + to * m_profile.dailyMove * 2.0 * std::sqrt(f * (1.0 - f)) * wobble;
}

double Instrument::valueDuring(int sessionDay, int minutesIntoSession) const {
    return roundToTick(rawValueDuring(sessionDay, minutesIntoSession));
}

InstrumentQuote Instrument::quoteAt(const SimTime& t) const {
    const long now = static_cast<long>(t.day) * kMinutesPerDay + t.clockMinute;
    int day = t.day;
    while (day > t.day - kLongestPause &&
           (!tradesOn(day) || static_cast<long>(day) * kMinutesPerDay + m_profile.openMinute > now)) {
        --day;
    }
    const long open = static_cast<long>(day) * kMinutesPerDay + m_profile.openMinute;
    const long end = open + m_profile.sessionLength;
    InstrumentQuote quote;
    quote.sessionDay = day;
    quote.inSession = now < end;
    const long instant = quote.inSession ? now : end;
    quote.value = valueDuring(day, static_cast<int>(instant - open));
    quote.previousClose = close(sessionBefore(day));
    quote.day = static_cast<int>(instant / kMinutesPerDay);
    quote.minute = static_cast<int>(instant % kMinutesPerDay);
    return quote;
}

double Instrument::roundToTick(double value) const {
    return std::round(value / m_profile.tick) * m_profile.tick;
}

} // namespace sim
