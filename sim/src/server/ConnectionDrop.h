#pragma once

namespace httplib {
struct Response;
}

namespace sim {

/// Makes the answer a broken one: the header promises a body that never comes and the connection
/// is closed, so the client sees the transfer fail as if the link had dropped.
void dropConnection(httplib::Response& response);

} // namespace sim
