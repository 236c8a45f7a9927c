#pragma once

#include "SimTypes.h"
#include "mail/PostOffice.h"
#include "server/ServiceOptions.h"

#include <cstdint>
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

class AccountStore;
class Clock;
class FaultInjector;
class HeaderJoining;
class InfoPages;
class Market;
class AccountPages;
class PortfolioPages;
class PortfolioStore;
class PriceWarnings;
class RequestLog;
class Secrets;
class ServerThread;
class StateDatabase;
class VersionCheck;

/// The market-information service: every page under /KTRPW/ over HTTP on its own threads, from a
/// seeded synthetic market, with accounts and portfolios in its state file. handle() answers one
/// request directly, without HTTP, injected faults or joined header lines.
class Service final {
public:
    explicit Service(ServiceOptions options);
    ~Service();
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    /// Binds host:port and serves until stop(); false when the address cannot be bound.
    bool start();
    void stop();
    std::uint16_t port() const;
    std::string baseUrl() const;

    Response handle(const Request& request);

    /// What the latest requests over HTTP carried once decoded; handle() alone records nothing.
    const RequestLog& requestLog() const { return *m_requestLog; }

    /// The market clock; tests freeze and move it.
    Clock& clock() { return *m_clock; }
    const Market& market() const { return *m_market; }
    /// The faults served over HTTP; tests change the rates while the service runs and read the
    /// counts.
    FaultInjector& faults() { return *m_faults; }
    const ServiceOptions& options() const { return m_options; }

    /// Told of every mail sent, on a server thread.
    void setMailListener(MailListener listener);
    /// The body of every mail sent to the address, oldest first (registration passwords).
    std::vector<std::string> mailsTo(const std::string& email);

private:
    Response route(const Request& request, const std::string& page);
    Response sessionPage(const Request& request, const std::string& page, long long userId);
    void serveHttp(const httplib::Request& request, httplib::Response& response);

    ServiceOptions m_options;
    std::mutex m_mutex;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<Market> m_market;
    std::unique_ptr<InfoPages> m_info;
    std::unique_ptr<StateDatabase> m_db;
    std::unique_ptr<AccountStore> m_accounts;
    std::unique_ptr<PortfolioStore> m_portfolios;
    std::unique_ptr<Secrets> m_secrets;
    std::unique_ptr<PostOffice> m_postOffice;
    std::unique_ptr<AccountPages> m_accountPages;
    std::unique_ptr<PortfolioPages> m_portfolioPages;
    std::unique_ptr<PriceWarnings> m_warnings;
    std::unique_ptr<VersionCheck> m_versionCheck;
    std::unique_ptr<FaultInjector> m_faults;
    std::unique_ptr<HeaderJoining> m_headerJoining;
    std::unique_ptr<RequestLog> m_requestLog;
    std::unique_ptr<httplib::Server> m_http;
    std::unique_ptr<ServerThread> m_thread;
};

} // namespace sim
