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

/// The rates of the faults injected, and the latency before every answer.
struct FaultRates {
    int latencyMs = 0;
    double failRate = 0.0;
    double errorRate = 0.0;
    double garbageRate = 0.0;
};

/// How many requests were served with each fault since the service started.
struct FaultCounts {
    long long requests = 0;
    long long drops = 0;
    long long errors = 0;
    long long garbage = 0;
};

/// Draws faults at the configured rates from a generator seeded with the service's seed, so a run
/// with the same seed and request order injects the same faults. The rates may change while the
/// service runs (a test ends a bad spell and watches the client recover). Thread-safe.
class FaultInjector final {
public:
    explicit FaultInjector(const ServiceOptions& options);

    int latencyMs() const;
    /// Applies to the requests drawn from now on.
    void setRates(const FaultRates& rates);
    FaultRates rates() const;
    /// Draws the fault of one request and counts it.
    Fault draw();
    FaultCounts counts() const;

    /// Mixes records of field counts no reader accepts, and records that are only a line break,
    /// into a good answer; the header and every good record stay intact.
    std::string garble(const std::string& body);

private:
    bool chance(double rate);
    std::string junkRecord();

    Fault drawLocked();

    mutable std::mutex m_mutex;
    std::mt19937_64 m_random;
    FaultRates m_rates;
    FaultCounts m_counts;
};

} // namespace sim
