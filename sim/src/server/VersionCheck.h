#pragma once

#include "SimTypes.h"

#include <string>

namespace sim {

/// CheckAlert.aspx: offers the download link in a "Version" record when the client's version is
/// older than the newest one.
class VersionCheck final {
public:
    explicit VersionCheck(std::string latestVersion);

    Response answer(const Request& request, const SimTime& now) const;

    /// Compares dotted numbers part by part ("2.0.10" is newer than "2.0.9"; missing parts are 0).
    static bool isOlder(const std::string& version, const std::string& than);

private:
    std::string m_latest;
};

} // namespace sim
