#pragma once

#include "SimTypes.h"

#include <cstddef>
#include <deque>
#include <mutex>
#include <vector>

namespace sim {

/// The latest requests the service received over HTTP, each as its pages saw it (page name and
/// percent-decoded values), so a test can tell whether a value the client sent arrived intact.
/// Bounded, because the embedded service runs as long as the program does. Thread-safe: the
/// server threads add while a test reads.
class RequestLog final {
public:
    static constexpr std::size_t kDefaultCapacity = 256;

    explicit RequestLog(std::size_t capacity = kDefaultCapacity)
        : m_capacity(capacity) {}

    void add(const Request& request);
    /// Oldest first.
    std::vector<Request> entries() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::size_t m_capacity;
    std::deque<Request> m_entries;
};

} // namespace sim
