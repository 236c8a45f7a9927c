#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace sim {

/// Runs an httplib server on its own thread: binds in the constructor (port 0 picks a free one),
/// serves until stop() or destruction. The server's worker threads never die of SIGPIPE when a
/// client hangs up early: the signal is blocked on the listening thread, and the workers it spawns
/// inherit that mask.
class ServerThread final {
public:
    ServerThread(httplib::Server& server, const std::string& host, int port);
    ~ServerThread();
    ServerThread(const ServerThread&) = delete;
    ServerThread& operator=(const ServerThread&) = delete;

    /// Whether the bind succeeded and the server is accepting.
    bool running() const { return m_port > 0; }
    std::uint16_t port() const { return m_port; }
    void stop();

private:
    httplib::Server& m_server;
    std::uint16_t m_port = 0;
    std::atomic<bool> m_loopEnded = false;
    std::thread m_thread;
};

} // namespace sim
