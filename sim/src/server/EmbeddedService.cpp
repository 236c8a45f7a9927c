#include "EmbeddedService.h"

#include "server/Service.h"

namespace sim {

std::unique_ptr<Service> startEmbeddedService(const std::string& statePath, std::uint64_t seed) {
    ServiceOptions options;
    options.statePath = statePath;
    options.seed = seed;
    options.headerJoinedRate = kDefaultHeaderJoinedRate;
    auto service = std::make_unique<Service>(std::move(options));
    if (!service->start()) {
        return nullptr;
    }
    return service;
}

} // namespace sim
