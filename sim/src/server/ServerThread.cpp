#include "ServerThread.h"

#include <httplib.h>

#include <chrono>
#include <csignal>
#include <pthread.h>

namespace sim {

namespace {

void blockBrokenPipeSignal() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

int bindPort(httplib::Server& server, const std::string& host, int port) {
    if (port == 0) {
        return server.bind_to_any_port(host);
    }
    return server.bind_to_port(host, port) ? port : -1;
}

} // namespace

ServerThread::ServerThread(httplib::Server& server, const std::string& host, int port)
    : m_server(server) {
    const int bound = bindPort(server, host, port);
    if (bound <= 0) {
        return;
    }
    m_port = static_cast<std::uint16_t>(bound);
    m_thread = std::thread([this] {
        blockBrokenPipeSignal();
        m_server.listen_after_bind();
        m_loopEnded = true;
    });
    // stop() is a no-op until the listening loop runs, so wait for it: otherwise an early stop
    // would leave the thread accepting forever.
    while (!m_server.is_running() && !m_loopEnded) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

ServerThread::~ServerThread() {
    stop();
}

void ServerThread::stop() {
    if (m_thread.joinable()) {
        m_server.stop();
        m_thread.join();
    }
}

} // namespace sim
