#pragma once

#include "Noise.h"
#include "SimTypes.h"

#include <cstdint>

namespace sim {

/// How one quoted series (an index, a rate, a commodity, a gold price) behaves: its long-run
/// level, its typical daily move, the clock minutes of its session and the weekdays it trades.
struct InstrumentProfile final {
    std::uint64_t key = 0;        ///< distinct per series, so each series has its own path
    double base = 1.0;            ///< long-run level
    double dailyMove = 0.01;      ///< typical relative move from one close to the next
    int openMinute = 0;           ///< clock minute the session opens; it may run past midnight
    int sessionLength = 1440;     ///< minutes
    unsigned weekdayMask = 0x1FU; ///< bit 0 Monday … bit 6 Sunday; Monday to Friday by default
    double tick = 0.01;           ///< every value is a whole number of ticks
};

/// The latest value of a series at an instant, with the instant it was made (day key and clock
/// minute) and the close of the session before, against which changes are reckoned.
struct InstrumentQuote final {
    int day = 0;
    int minute = 0;
    double value = 0.0;
    double previousClose = 0.0;
    int sessionDay = 0; ///< the day whose session produced the value
    bool inSession = false;
};

/// A synthetic series: daily closes wander smoothly around the base level; within a session the
/// value runs from the previous close to the day's close with a wobble that vanishes at both ends.
class Instrument final {
public:
    Instrument(const Noise& noise, InstrumentProfile profile);

    const InstrumentProfile& profile() const { return m_profile; }

    bool tradesOn(int day) const;
    /// The latest trading day before day.
    int sessionBefore(int day) const;

    /// The close of the session opened on day (a trading day).
    double close(int day) const;

    /// The value minutes after the open of the session of day, clamped to the session.
    double valueDuring(int sessionDay, int minutesIntoSession) const;

    /// The latest value at t: the running value in a session, else the last close.
    InstrumentQuote quoteAt(const SimTime& t) const;

private:
    double rawClose(int day) const;
    double rawValueDuring(int sessionDay, int minutesIntoSession) const;
    double roundToTick(double value) const;

    const Noise& m_noise;
    InstrumentProfile m_profile;
};

} // namespace sim
