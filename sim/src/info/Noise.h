#pragma once

#include <cstdint>

namespace sim {

/// Counter-based randomness: every value is a pure function of the seed and the counters asked
/// for (a stream tag and up to three integers), so any answer can be rebuilt for any instant
/// without replaying history, and two services with the same seed answer byte for byte alike.
class Noise final {
public:
    explicit Noise(std::uint64_t seed);

    std::uint64_t bits(std::uint64_t stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// Uniform in [0, 1).
    double unit(std::uint64_t stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// Uniform in [-1, 1).
    double centred(std::uint64_t stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// Uniform integer in [low, high].
    int between(int low, int high, std::uint64_t stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// A fat-tailed shock of unit variance: Student's t with four degrees of freedom, cut at ±8.
    double fatTailed(std::uint64_t stream, std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) const;

    /// Value noise in [-1, 1] that moves smoothly with x: hashed knots at whole x, eased between.
    double smooth(std::uint64_t stream, std::int64_t a, double x) const;

private:
    std::uint64_t m_seed = 0;
};

} // namespace sim
