// The service simulator's reading of a request target, on any bytes: the page and the decoded
// query values, and the decoding of one component.
#include "server/QueryParser.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string target(reinterpret_cast<const char*>(data), size);
    if (const std::optional<sim::Request> request = sim::requestFromTarget(target)) {
        for (const auto& [key, value] : request->params) {
            (void)sim::percentDecode(key + value);
        }
    }
    (void)sim::percentDecode(target);
    return 0;
}
