#pragma once

#include "SimTypes.h"

#include <cstdint>
#include <mutex>
#include <random>
#include <string>

namespace sim {

/// Whether the answer to this request may come with its first record on the header's line: the
/// market overview feed, the company quote list and the finance page, whose readers take the
/// part after a line break in front of any first field.
bool mayJoinHeader(const Request& request);

/// The answer with the ";" that closes its header dropped, so that the header, a line break and
/// the first record make one record: "KTRPW:0:8830\n1,2,...;\n...". Error answers, answers
/// without a record and answers whose first record holds a ":" (it would add header fields) are
/// returned as they are.
std::string joinHeaderLine(const std::string& body);

/// Decides, at the configured rate and from a generator seeded with the service's seed, which of
/// the answers that may be joined are. Its own generator: the share does not move the faults that
/// a seed gives. Thread-safe.
class HeaderJoining final {
public:
    HeaderJoining(std::uint64_t seed, double rate);

    /// The answer as it goes out for this request.
    std::string apply(const Request& request, std::string body);

private:
    bool draw();

    std::mutex m_mutex;
    std::mt19937_64 m_random;
    double m_rate = 0;
};

} // namespace sim
