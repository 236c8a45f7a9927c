#include "ScriptedServer.h"

#include "server/ConnectionDrop.h"
#include "server/ServerThread.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace sim {

ScriptedServer::ScriptedServer()
    : m_server(std::make_unique<httplib::Server>()) {
    auto handler = [this](const httplib::Request& request, httplib::Response& response) {
        serve(request, response);
    };
    m_server->Get(".*", handler);
    m_server->Post(".*", handler);
    // One answer per connection: a test ends by destroying the server, and an idle kept-alive
    // connection would hold its stop() for the whole keep-alive time-out.
    m_server->set_keep_alive_max_count(1);
    m_thread = std::make_unique<ServerThread>(*m_server, "127.0.0.1", 0);
}

ScriptedServer::~ScriptedServer() {
    m_thread->stop();
}

void ScriptedServer::set(const std::string& pathOrPathWithQuery, ScriptedAnswer answer) {
    std::lock_guard lock(m_mutex);
    m_answers[pathOrPathWithQuery] = std::move(answer);
}

std::uint16_t ScriptedServer::port() const {
    return m_thread->port();
}

std::string ScriptedServer::baseUrl() const {
    return "http://127.0.0.1:" + std::to_string(port());
}

std::vector<std::string> ScriptedServer::requestTargets() const {
    std::lock_guard lock(m_mutex);
    return m_targets;
}

int ScriptedServer::requestsWith(const std::string& part) const {
    std::lock_guard lock(m_mutex);
    return static_cast<int>(std::count_if(m_targets.begin(), m_targets.end(), [&part](const std::string& target) {
        return target.find(part) != std::string::npos;
    }));
}

bool ScriptedServer::lookup(const std::string& target, ScriptedAnswer& answer) const {
    std::lock_guard lock(m_mutex);
    auto it = m_answers.find(target);
    if (it == m_answers.end()) {
        it = m_answers.find(target.substr(0, target.find('?')));
    }
    if (it == m_answers.end()) {
        return false;
    }
    answer = it->second;
    return true;
}

void ScriptedServer::serve(const httplib::Request& request, httplib::Response& response) {
    {
        std::lock_guard lock(m_mutex);
        m_targets.push_back(request.target);
    }
    ScriptedAnswer answer;
    if (!lookup(request.target, answer)) {
        response.status = 404;
        return;
    }
    if (answer.delayMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(answer.delayMs));
    }
    if (answer.drop) {
        dropConnection(response);
    } else if (!answer.redirectTo.empty()) {
        response.set_redirect(answer.redirectTo, 302);
    } else {
        response.status = answer.status;
        response.set_content(answer.body, "text/plain; charset=utf-8");
    }
}

} // namespace sim
