#pragma once

#include <cstdint>
#include <mutex>
#include <random>
#include <string>

namespace sim {

struct ServiceOptions;

/// The fault a request is served with.
enum class Fault {
    None,
    Drop,    ///< the connection is closed without a usable answer
    Error,   ///< a service error answer (status 1)
    Garbage, ///< the good answer with malformed records and stray line breaks mixed in
};

/// Draws faults at the configured rates from a generator seeded with the service's seed, so a run
/// with the same seed and request order injects the same faults. Thread-safe.
class FaultInjector final {
public:
    explicit FaultInjector(const ServiceOptions& options);

    int latencyMs() const { return m_latencyMs; }
    Fault draw();

    /// Mixes records of field counts no reader accepts, and records that are only a line break,
    /// into a good answer; the header and every good record stay intact.
    std::string garble(const std::string& body);

private:
    bool chance(double rate);
    std::string junkRecord();

    std::mutex m_mutex;
    std::mt19937_64 m_random;
    int m_latencyMs = 0;
    double m_failRate = 0;
    double m_errorRate = 0;
    double m_garbageRate = 0;
};

} // namespace sim
