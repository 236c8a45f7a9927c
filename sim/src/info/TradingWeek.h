#pragma once

namespace sim {

/// The weekdays a series is quoted on, as a mask: bit 0 Monday … bit 6 Sunday.
class TradingWeek final {
public:
    explicit TradingWeek(unsigned weekdayMask);

    /// No series is shut for longer than a long holiday week; searches for a session stop there.
    static constexpr int kLongestPause = 10;

    bool tradesOn(int day) const;
    /// The latest trading day before day.
    int sessionBefore(int day) const;

private:
    unsigned m_weekdayMask = 0;
};

} // namespace sim
