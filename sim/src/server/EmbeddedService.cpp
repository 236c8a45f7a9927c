#include "EmbeddedService.h"

#include "server/Service.h"

namespace sim {

std::unique_ptr<Service> startEmbeddedService(const std::string& statePath, std::uint64_t seed,
                                              std::optional<double> replaySpeed) {
    ServiceOptions options;
    options.statePath = statePath;
    options.seed = seed;
    options.replaySpeed = replaySpeed;
    options.headerJoinedRate = kDefaultHeaderJoinedRate;
    auto service = std::make_unique<Service>(std::move(options));
    if (!service->start()) {
        return nullptr;
    }
    return service;
}

} // namespace sim
