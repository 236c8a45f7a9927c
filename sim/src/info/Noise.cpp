#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

std::uint64_t splitmix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27U)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31U);
}

// Shocks stop at eight standard deviations: a wilder day would read as a fault, not as a market.
constexpr double kLargestShock = 8.0;

std::uint64_t word(std::int64_t value) {
    return static_cast<std::uint64_t>(value);
}

} // namespace

Noise::Noise(std::uint64_t seed)
    : m_seed(seed) {}

std::uint64_t Noise::bits(std::uint64_t stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    std::uint64_t h = splitmix64(m_seed ^ splitmix64(stream));
    h = splitmix64(h ^ word(a));
    h = splitmix64(h ^ word(b));
    return splitmix64(h ^ word(c));
}

double Noise::unit(std::uint64_t stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    // The top 53 bits fill a double's mantissa exactly.
    return static_cast<double>(bits(stream, a, b, c) >> 11U) * 0x1.0p-53;
}

double Noise::centred(std::uint64_t stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    return unit(stream, a, b, c) * 2.0 - 1.0;
}

double Noise::fatTailed(std::uint64_t stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    // Markets have many quiet days and a few wild ones; Student's t with four degrees of freedom
    // has that shape and a closed-form quantile, so one uniform draw makes one shock. The
    // uniform stays strictly inside (0, 1), where the quantile is finite.
    const double p = (static_cast<double>(bits(stream, a, b, c) >> 11U) + 0.5) * 0x1.0p-53;
    const double alpha = 4.0 * p * (1.0 - p);
    const double q = std::cos(std::acos(std::sqrt(alpha)) / 3.0) / std::sqrt(alpha);
    const double t = std::copysign(2.0 * std::sqrt(std::max(0.0, q - 1.0)), p - 0.5);
    // The t of four degrees of freedom has variance 2.
    return std::clamp(t / std::sqrt(2.0), -kLargestShock, kLargestShock);
}

int Noise::between(int low, int high, std::uint64_t stream, std::int64_t a, std::int64_t b, std::int64_t c) const {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
    return low + static_cast<int>(bits(stream, a, b, c) % span);
}

double Noise::smooth(std::uint64_t stream, std::int64_t a, double x) const {
    const double knot = std::floor(x);
    const double f = x - knot;
    const auto i = static_cast<std::int64_t>(knot);
    const double left = centred(stream, a, i);
    const double right = centred(stream, a, i + 1);
    const double eased = f * f * (3.0 - 2.0 * f);
    return left + (right - left) * eased;
}

} // namespace sim
