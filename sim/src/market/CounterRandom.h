#pragma once

#include <cstdint>

namespace sim::market {

/// The independent random streams of the market; each use draws from its own so that changing one
/// quantity never shifts another.
enum class Stream : std::uint64_t {
    Code = 1,
    Name,
    Layout,
    Profile,
    MarketSlow,
    MarketFast,
    MarketDaily,
    CompanySlow,
    CompanyFast,
    CompanyDaily,
    Open,
    DailyVolume,
    VolumeShape,
    MinuteActivity,
    IntradayPath,
    IntradayJitter,
    BookDepth,
    MarketShock,
    SectorShock,
    CompanyShock,
    DayRange,
};

/// Counter-based randomness: every value is a pure function of the seed, the stream and up to
/// three counters (splitmix64 over the tuple), so any price of any minute is computed directly.
class CounterRandom final {
public:
    explicit CounterRandom(std::uint64_t seed);

    std::uint64_t bits(Stream stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// Uniform in [0, 1).
    double unit(Stream stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// Uniform in [-1, 1).
    double symmetric(Stream stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// A shock of mean 0 and variance 1 with fat tails (Student's t with four degrees of
    /// freedom, scaled): moves of four or five deviations happen, as they do in markets.
    double fatTailed(Stream stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// Value noise in [-1, 1]: hashed knots every `spacing` steps of x, eased with smoothstep in
    /// between, so its change per step never exceeds 3 / spacing.
    double smooth(Stream stream, std::int64_t a, std::int64_t b, double x, double spacing) const;

private:
    /// The seed already mixed once: every draw starts from it.
    std::uint64_t m_seedMix = 0;
};

} // namespace sim::market
