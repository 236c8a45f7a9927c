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
    , m_latencyMs(options.latencyMs)
    , m_failRate(options.failRate)
    , m_errorRate(options.errorRate)
    , m_garbageRate(options.garbageRate) {}

bool FaultInjector::chance(double rate) {
    // Always draw, so that one rate does not shift the sequence the others see.
    const double u = std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
    return u < rate;
}

Fault FaultInjector::draw() {
    std::lock_guard lock(m_mutex);
    const bool drop = chance(m_failRate);
    const bool error = chance(m_errorRate);
    const bool garbage = chance(m_garbageRate);
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
