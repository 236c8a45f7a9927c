#pragma once

#include "Instrument.h"
#include "SimTypes.h"
#include "TradingWeek.h"

#include <string>
#include <vector>

namespace sim {

class Noise;
class WorldPrices;

/// realtime.aspx?type=8&lastupdate=: the bank's gold price (thousand dong a tael), quoted every
/// quarter hour from 08:00 to 17:30, Monday to Saturday. The price is world gold turned into dong
/// at the bank's dollar rate of the same instant, plus a domestic premium that drifts slowly
/// around 6 %. Before the first quote of a day, and on Sundays, the answer carries the whole
/// previous quoting day. Minute records come only after the `lastupdate` minute; the quote
/// record closes every answer.
class BankGoldPage final {
public:
    BankGoldPage(const Noise& noise, const WorldPrices& prices);

    std::string answer(const SimTime& t, int lastUpdate) const;

    /// The latest quoted price at t and the previous quoting day's close.
    InstrumentQuote quoteAt(const SimTime& t) const;

    static constexpr int kFirstQuote = 480;
    static constexpr int kLastQuote = 1050;
    static constexpr int kStep = 15;

private:
    struct LatestQuote {
        int day = 0;
        int minute = 0;
    };

    /// The quoting day and minute of the latest quote at t.
    LatestQuote latestAt(const SimTime& t) const;
    double priceAt(int day, int minute) const;
    /// The day's quotes from the first through lastMinute.
    std::vector<double> pricesThrough(int day, int lastMinute) const;
    double priceFrom(double goldInDollars, double dollarInDong, int day, int minute) const;
    double premiumAt(int day, int minute) const;
    int volumeAt(int day, int minute) const;

    const Noise& m_noise;
    const WorldPrices& m_prices;
    TradingWeek m_week;
};

} // namespace sim
