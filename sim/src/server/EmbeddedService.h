#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace sim {

class Service;

/// The service as the desktop client embeds it: on 127.0.0.1 with a free port, accounts kept in
/// statePath (in memory when empty). Null when it could not start. Read baseUrl() for the client.
/// With a replay speed, the market replays its latest session from the open at that speed.
std::unique_ptr<Service> startEmbeddedService(const std::string& statePath, std::uint64_t seed = 1,
                                              std::optional<double> replaySpeed = std::nullopt);

} // namespace sim
