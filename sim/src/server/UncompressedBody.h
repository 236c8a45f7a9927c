#pragma once

#include <string>

namespace httplib {
struct Response;
}

namespace sim {

/// Sends the body as it is. httplib compresses a text body whenever the client accepts it, with
/// Brotli at its slowest setting when offered (Qt offers it): a day's 400 KB update took 1.4 s of a
/// core that way against 0.1 s as it is. The service speaks to a client on the same machine, where
/// compression saves nothing, so its answers go out from a provider of known length, which httplib
/// sends untouched.
void sendUncompressed(httplib::Response& response, std::string body, const std::string& contentType);

} // namespace sim
