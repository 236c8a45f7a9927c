#include "market/CounterRandom.h"

#include <cmath>

namespace sim::market {

namespace {

constexpr std::uint64_t splitmix64(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27U)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31U);
}

} // namespace

CounterRandom::CounterRandom(std::uint64_t seed)
    : m_seedMix(splitmix64(seed)) {}

std::uint64_t CounterRandom::bits(Stream stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    std::uint64_t h = splitmix64(m_seedMix ^ static_cast<std::uint64_t>(stream));
    h = splitmix64(h ^ static_cast<std::uint64_t>(a));
    h = splitmix64(h ^ static_cast<std::uint64_t>(b));
    return splitmix64(h ^ static_cast<std::uint64_t>(c));
}

double CounterRandom::unit(Stream stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    // The top 53 bits fill a double's mantissa exactly.
    return static_cast<double>(bits(stream, a, b, c) >> 11U) * 0x1.0p-53;
}

double CounterRandom::symmetric(Stream stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    return 2.0 * unit(stream, a, b, c) - 1.0;
}

double CounterRandom::fatTailed(Stream stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    constexpr double kTwoPi = 6.283185307179586;
    // Four uniforms from one counter: a normal by Box-Muller over two, a chi-square of four
    // degrees of freedom from the other two; their ratio is t(4), whose variance is 2.
    const std::int64_t base = c * 4;
    const double u1 = 1.0 - unit(stream, a, b, base);
    const double u2 = unit(stream, a, b, base + 1);
    const double u3 = 1.0 - unit(stream, a, b, base + 2);
    const double u4 = 1.0 - unit(stream, a, b, base + 3);
    const double normal = std::sqrt(-2.0 * std::log(u1)) * std::cos(kTwoPi * u2);
    const double chiSquare = -2.0 * std::log(u3 * u4);
    return normal / std::sqrt(chiSquare / 4.0) / std::sqrt(2.0);
}

double CounterRandom::smooth(Stream stream, std::int64_t a, std::int64_t b, double x, double spacing) const {
    const double scaled = x / spacing;
    const double knot = std::floor(scaled);
    const double f = scaled - knot;
    const auto k = static_cast<std::int64_t>(knot);
    const double left = symmetric(stream, a, b, k);
    const double right = symmetric(stream, a, b, k + 1);
    const double eased = f * f * (3.0 - 2.0 * f);
    return left + (right - left) * eased;
}

} // namespace sim::market
