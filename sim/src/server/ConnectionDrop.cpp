#include "ConnectionDrop.h"

#include <httplib.h>

namespace sim {

void dropConnection(httplib::Response& response) {
    constexpr std::size_t kPromisedBytes = 512;
    response.status = 200;
    // A provider that fails before writing anything makes httplib abort and close the socket.
    response.set_content_provider(kPromisedBytes, "text/plain",
                                  [](std::size_t, std::size_t, httplib::DataSink&) { return false; });
}

} // namespace sim
