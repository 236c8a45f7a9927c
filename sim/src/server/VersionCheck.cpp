#include "VersionCheck.h"

#include "accounts/AccountAnswer.h"

#include <sstream>
#include <vector>

namespace sim {

namespace {

constexpr const char* kDownloadLink = "https://corvastel.example/tai-ve";

std::vector<long> versionParts(const std::string& version) {
    std::vector<long> parts;
    std::stringstream stream(version);
    std::string item;
    while (std::getline(stream, item, '.')) {
        parts.push_back(std::strtol(item.c_str(), nullptr, 10));
    }
    return parts;
}

} // namespace

VersionCheck::VersionCheck(std::string latestVersion)
    : m_latest(std::move(latestVersion)) {}

bool VersionCheck::isOlder(const std::string& version, const std::string& than) {
    const auto a = versionParts(version);
    const auto b = versionParts(than);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const long x = i < a.size() ? a[i] : 0;
        const long y = i < b.size() ? b[i] : 0;
        if (x != y) {
            return x < y;
        }
    }
    return false;
}

Response VersionCheck::answer(const Request& request, const SimTime& now) const {
    const std::string* version = request.param("version");
    AccountAnswer answer(now.day);
    if (isOlder(version ? *version : std::string(), m_latest)) {
        answer.add({"Version", kDownloadLink});
    }
    return {answer.text()};
}

} // namespace sim
