#include "Instrument.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace sim {

namespace {

constexpr int kMinutesPerDay = 1440;
// A shock is forgotten once its weight has fallen below 1/32: what is left of it then is lost in
// the day's own move, and a shorter sum keeps every close cheap to rebuild.
constexpr double kForgotten = 1.0 / 32.0;
// Log distances from the centre: a level moves freely up to the first and never passes the second,
// whatever the shocks (about -20 % to +25 %); in between the pull back grows.
constexpr double kFree = 0.12;
constexpr double kFarthest = 0.22;
// The sum of the wobble's three scales' sizes (1, 1/2, 1/4), so the wobble stays within [-1, 1].
constexpr double kWobbleSizes = 1.75;

long minutesSinceEpoch(const SimTime& t) {
    return static_cast<long>(t.day) * kMinutesPerDay + t.clockMinute;
}

SimTime timeOf(long minutes) {
    return SimTime{static_cast<int>(minutes / kMinutesPerDay), static_cast<int>(minutes % kMinutesPerDay), 0};
}

double ownWeightOf(const InstrumentProfile& profile) {
    double shared = 0.0;
    for (const FactorLoading& loading : profile.factors) {
        shared += loading.weight * loading.weight;
    }
    return std::sqrt(std::max(0.0, 1.0 - shared));
}

// The day-to-day persistence that makes a walk of this daily move stray by the wander.
double persistenceOf(const InstrumentProfile& profile) {
    const double ratio = profile.dailyMove / profile.wander;
    return std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
}

double bounded(double logDistance) {
    const double beyond = std::fabs(logDistance) - kFree;
    if (beyond <= 0.0) {
        return logDistance;
    }
    const double room = kFarthest - kFree;
    return std::copysign(kFree + room * std::tanh(beyond / room), logDistance);
}

int memoryOf(double persistence) {
    if (persistence <= 0.0) {
        return 1;
    }
    return std::max(1, static_cast<int>(std::ceil(std::log(kForgotten) / std::log(persistence))));
}

} // namespace

Instrument::Instrument(const Noise& noise, InstrumentProfile profile)
    : m_noise(noise)
    , m_profile(profile)
    , m_week(profile.weekdayMask)
    , m_ownWeight(ownWeightOf(profile))
    , m_persistence(persistenceOf(profile))
    , m_memory(memoryOf(m_persistence)) {}

double Instrument::shock(int day) const {
    double value = m_ownWeight * m_noise.fatTailed(m_profile.key * 16U + 3U, day);
    for (const FactorLoading& loading : m_profile.factors) {
        if (loading.weight != 0.0) {
            value += loading.weight * m_noise.fatTailed(loading.factor, day);
        }
    }
    return value;
}

double Instrument::rawClose(int day) const {
    double distance = 0.0;
    double weight = 1.0;
    int session = day;
    for (int k = 0; k < m_memory; ++k) {
        distance += weight * shock(session);
        weight *= m_persistence;
        session = sessionBefore(session);
    }
    return m_profile.centre * std::exp(bounded(m_profile.dailyMove * distance));
}

double Instrument::close(int day) const {
    return roundToTick(rawClose(day));
}

SimTime Instrument::closeTime(int sessionDay) const {
    return timeOf(static_cast<long>(sessionDay) * kMinutesPerDay + m_profile.openMinute + m_profile.sessionLength);
}

Instrument::SessionPath Instrument::pathOf(int sessionDay) const {
    return SessionPath{sessionDay, rawClose(sessionBefore(sessionDay)), rawClose(sessionDay)};
}

double Instrument::wobbleAt(int sessionDay, int minutes) const {
    // Swings over hours carry finer ones over quarter hours, each half the size of the one above,
    // the way a price wanders; a single scale would jump between unrelated values.
    double sum = 0.0;
    double size = 1.0;
    double scale = 240.0;
    for (std::uint64_t octave = 0; octave < 3; ++octave) {
        sum +=
            size * m_noise.smooth(m_profile.key * 16U + 4U + octave, sessionDay, static_cast<double>(minutes) / scale);
        size *= 0.5;
        scale /= 4.0;
    }
    return sum / kWobbleSizes;
}

double Instrument::rawValueDuring(const SessionPath& path, int minutesIntoSession) const {
    const int minutes = std::clamp(minutesIntoSession, 0, m_profile.sessionLength);
    const double f = static_cast<double>(minutes) / static_cast<double>(m_profile.sessionLength);
    const double wobble = wobbleAt(path.day, minutes);
    return path.from + (path.to - path.from) * f +
           path.to * m_profile.dailyMove * 2.0 * std::sqrt(f * (1.0 - f)) * wobble;
}

int Instrument::latestSessionAt(const SimTime& t) const {
    const long now = minutesSinceEpoch(t);
    int day = t.day;
    while (day > t.day - TradingWeek::kLongestPause &&
           (!tradesOn(day) || static_cast<long>(day) * kMinutesPerDay + m_profile.openMinute > now)) {
        --day;
    }
    return day;
}

InstrumentQuote Instrument::quoteOn(const SessionPath& path, const SimTime& t) const {
    const long now = minutesSinceEpoch(t);
    const long open = static_cast<long>(path.day) * kMinutesPerDay + m_profile.openMinute;
    const long end = open + m_profile.sessionLength;
    InstrumentQuote quote;
    quote.sessionDay = path.day;
    quote.inSession = now < end;
    const long instant = quote.inSession ? now : end;
    quote.value = roundToTick(rawValueDuring(path, static_cast<int>(instant - open)));
    quote.previousClose = roundToTick(path.from);
    const SimTime made = timeOf(instant);
    quote.day = made.day;
    quote.minute = made.clockMinute;
    return quote;
}

InstrumentQuote Instrument::quoteAt(const SimTime& t) const {
    return quoteOn(pathOf(latestSessionAt(t)), t);
}

std::vector<InstrumentQuote> Instrument::quotesEvery(int day, int firstMinute, int lastMinute, int step) const {
    std::vector<InstrumentQuote> quotes;
    std::optional<SessionPath> path;
    for (int minute = firstMinute; minute <= lastMinute; minute += step) {
        const SimTime t{day, minute, 0};
        const int session = latestSessionAt(t);
        if (!path.has_value() || path->day != session) {
            path = pathOf(session);
        }
        quotes.push_back(quoteOn(*path, t));
    }
    return quotes;
}

double Instrument::roundToTick(double value) const {
    const double tick = std::pow(10.0, -m_profile.decimals);
    return std::round(value / tick) * tick;
}

} // namespace sim
