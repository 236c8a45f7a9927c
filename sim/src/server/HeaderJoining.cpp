#include "HeaderJoining.h"

#include "market/RequestValues.h"

#include <string_view>

namespace sim {

namespace {

constexpr std::string_view kSuccessHeader = "KTRPW:0:";

// Realtime types whose readers strip a header line in front of their first record.
constexpr int kOverviewFeed = 1;
constexpr int kCompanyQuotes = 2;
constexpr int kFinance = 10;

} // namespace

bool mayJoinHeader(const Request& request) {
    if (!market::equalsIgnoringCase(request.page, "realtime.aspx")) {
        return false;
    }
    const auto type = market::intValue(request, "type");
    return type && (*type == kOverviewFeed || *type == kCompanyQuotes || *type == kFinance);
}

std::string joinHeaderLine(const std::string& body) {
    if (body.compare(0, kSuccessHeader.size(), kSuccessHeader) != 0) {
        return body;
    }
    const auto headerEnd = body.find(';');
    const auto firstEnd = headerEnd == std::string::npos ? std::string::npos : body.find(';', headerEnd + 1);
    if (firstEnd == std::string::npos) {
        return body;
    }
    const std::string_view first(body.data() + headerEnd + 1, firstEnd - headerEnd - 1);
    if (first.size() < 2 || first.front() != '\n' || first[1] == '\n' || first.find(':') != std::string_view::npos) {
        return body;
    }
    return body.substr(0, headerEnd) + body.substr(headerEnd + 1);
}

HeaderJoining::HeaderJoining(std::uint64_t seed, double rate)
    : m_random(seed ^ 0x4ead'e710'1e00'0001ULL)
    , m_rate(rate) {}

bool HeaderJoining::draw() {
    std::lock_guard lock(m_mutex);
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < m_rate;
}

std::string HeaderJoining::apply(const Request& request, std::string body) {
    if (!mayJoinHeader(request) || !draw()) {
        return body;
    }
    return joinHeaderLine(body);
}

} // namespace sim
