#pragma once

#include "Noise.h"
#include "SimTypes.h"
#include "TradingWeek.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

/// A share of a series' daily shock that comes from a shock several series feel at once (the
/// American stock market, the dollar, the oil market).
struct FactorLoading final {
    std::uint64_t factor = 0; ///< the shared shock's stream; unused when weight is 0
    double weight = 0.0;      ///< negative for a series that moves against the factor
};

/// How one quoted series (an index, a rate, a commodity) behaves: the level it wanders around, its
/// typical daily move, how far it strays, the shared shocks it feels, its session and its ticks.
struct InstrumentProfile final {
    std::uint64_t key = 0;                  ///< distinct per series, so each series has its own path
    double centre = 1.0;                    ///< long-run level
    double dailyMove = 0.01;                ///< standard deviation of the relative move from one close to the next
    double wander = 0.06;                   ///< standard deviation of the log distance from the centre; above dailyMove
    std::array<FactorLoading, 2> factors{}; ///< the squares of the weights add up to less than 1
    int openMinute = 0;                     ///< clock minute the session opens; it may run past midnight
    int sessionLength = 1440;               ///< minutes
    unsigned weekdayMask = 0x1FU;           ///< bit 0 Monday … bit 6 Sunday; Monday to Friday by default
    int decimals = 2;                       ///< every value is a whole number of 10^-decimals
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

/// A synthetic series. Its closes follow a mean-reverting walk over trading days: each close moves
/// from the last by a fat-tailed shock, and a steady pull towards the centre keeps the level in its
/// era for any number of years. A close is the weighted sum of the recent shocks, so it is a pure
/// function of the seed and the day. Within a session the value runs from the previous close to
/// the day's close with a wobble that vanishes at both ends.
class Instrument final {
public:
    Instrument(const Noise& noise, InstrumentProfile profile);

    const InstrumentProfile& profile() const { return m_profile; }

    bool tradesOn(int day) const { return m_week.tradesOn(day); }
    /// The latest trading day before day.
    int sessionBefore(int day) const { return m_week.sessionBefore(day); }

    /// The close of the session opened on day (a trading day).
    double close(int day) const;

    /// The day and clock minute the session opened on sessionDay ends.
    SimTime closeTime(int sessionDay) const;

    /// The latest value at t: the running value in a session, else the last close.
    InstrumentQuote quoteAt(const SimTime& t) const;

    /// The latest values at every step minutes of day from firstMinute through lastMinute, as a
    /// chart plots them; each session's closes are reckoned once.
    std::vector<InstrumentQuote> quotesEvery(int day, int firstMinute, int lastMinute, int step) const;

private:
    /// A session's two ends, between which its values run.
    struct SessionPath {
        int day = 0;
        double from = 0.0; ///< the previous session's close
        double to = 0.0;   ///< this session's close
    };

    int latestSessionAt(const SimTime& t) const;
    SessionPath pathOf(int sessionDay) const;
    InstrumentQuote quoteOn(const SessionPath& path, const SimTime& t) const;
    double rawValueDuring(const SessionPath& path, int minutesIntoSession) const;
    double wobbleAt(int sessionDay, int minutes) const;
    double rawClose(int day) const;
    double shock(int day) const;
    double roundToTick(double value) const;

    const Noise& m_noise;
    InstrumentProfile m_profile;
    TradingWeek m_week;
    double m_ownWeight = 1.0;   ///< the share of the shock that is the series' own
    double m_persistence = 0.0; ///< how much of yesterday's distance from the centre is left today
    int m_memory = 1;           ///< the shocks still felt, in sessions
};

} // namespace sim
