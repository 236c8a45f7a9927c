#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace sim {

class ServerThread;

/// One canned answer of the ScriptedServer.
struct ScriptedAnswer {
    std::string body;
    int status = 200;
    int delayMs = 0;
    bool drop = false;      ///< close the connection without a usable answer
    std::string redirectTo; ///< when set, a 302 to this location
};

/// A loopback HTTP server for tests that answers what it is told: set() binds an answer to a path
/// ("/KTRPW/x.aspx") or to an exact path with query ("/KTRPW/x.aspx?a=1"); the exact target wins.
/// Anything else is a 404 with an empty body. Serves from construction to destruction.
class ScriptedServer final {
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    void set(const std::string& pathOrPathWithQuery, ScriptedAnswer answer);

    std::uint16_t port() const;
    std::string baseUrl() const;

    /// Every request's raw path and query, as received, oldest first.
    std::vector<std::string> requestTargets() const;
    /// How many requests so far have `part` in their path or query.
    int requestsWith(const std::string& part) const;

private:
    void serve(const httplib::Request& request, httplib::Response& response);
    bool lookup(const std::string& target, ScriptedAnswer& answer) const;

    mutable std::mutex m_mutex;
    std::map<std::string, ScriptedAnswer> m_answers;
    std::vector<std::string> m_targets;
    std::unique_ptr<httplib::Server> m_server;
    std::unique_ptr<ServerThread> m_thread;
};

} // namespace sim
