#include "server/RequestLog.h"

namespace sim {

void RequestLog::add(const Request& request) {
    std::lock_guard lock(m_mutex);
    if (m_capacity == 0) {
        return;
    }
    if (m_entries.size() == m_capacity) {
        m_entries.pop_front();
    }
    m_entries.push_back(request);
}

std::vector<Request> RequestLog::entries() const {
    std::lock_guard lock(m_mutex);
    return {m_entries.begin(), m_entries.end()};
}

void RequestLog::clear() {
    std::lock_guard lock(m_mutex);
    m_entries.clear();
}

} // namespace sim
