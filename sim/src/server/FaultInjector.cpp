#include "FaultInjector.h"

#include "server/ServiceOptions.h"

#include <array>

namespace sim {

namespace {

// Field counts that no answer of the service uses; 16 and 18 sit right beside the quote record's 17.
constexpr std::array<int, 3> kJunkFieldCounts{11, 16, 18};

} // namespace

FaultInjector::FaultInjector(const ServiceOptions& options)
    : m_random(options.seed ^ 0x5eed'fa17'0000'0001ULL)
    , m_rates{options.latencyMs, options.failRate, options.errorRate, options.garbageRate} {}

int FaultInjector::latencyMs() const {
    std::lock_guard lock(m_mutex);
    return m_rates.latencyMs;
}

void FaultInjector::setRates(const FaultRates& rates) {
    std::lock_guard lock(m_mutex);
    m_rates = rates;
}

FaultRates FaultInjector::rates() const {
    std::lock_guard lock(m_mutex);
    return m_rates;
}

FaultCounts FaultInjector::counts() const {
    std::lock_guard lock(m_mutex);
    return m_counts;
}

bool FaultInjector::chance(double rate) {
    // Always draw, so that one rate does not shift the sequence the others see.
    const double u = std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
    return u < rate;
}

Fault FaultInjector::draw() {
    std::lock_guard lock(m_mutex);
    const Fault fault = drawLocked();
    ++m_counts.requests;
    m_counts.drops += fault == Fault::Drop ? 1 : 0;
    m_counts.errors += fault == Fault::Error ? 1 : 0;
    m_counts.garbage += fault == Fault::Garbage ? 1 : 0;
    return fault;
}

Fault FaultInjector::drawLocked() {
    const bool drop = chance(m_rates.failRate);
    const bool error = chance(m_rates.errorRate);
    const bool garbage = chance(m_rates.garbageRate);
    if (drop) {
        return Fault::Drop;
    }
    if (error) {
        return Fault::Error;
    }
    return garbage ? Fault::Garbage : Fault::None;
}

std::string FaultInjector::junkRecord() {
    const int count = kJunkFieldCounts[m_random() % kJunkFieldCounts.size()];
    std::string record = "\n#";
    for (int i = 1; i < count; ++i) {
        record += ",#";
    }
    return record + ";";
}

std::string FaultInjector::garble(const std::string& body) {
    std::lock_guard lock(m_mutex);
    const auto headerEnd = body.find(';');
    if (headerEnd == std::string::npos) {
        return body;
    }
    std::string out = body.substr(0, headerEnd + 1) + junkRecord() + "\n;";
    for (std::size_t i = headerEnd + 1; i < body.size(); ++i) {
        out += body[i];
        if (body[i] == ';' && m_random() % 3 == 0) {
            out += junkRecord();
        }
    }
    if (!out.empty() && out.back() != ';' && out.back() != '\n') {
        out += ";";
    }
    return out + junkRecord() + "\n;\n";
}

} // namespace sim
