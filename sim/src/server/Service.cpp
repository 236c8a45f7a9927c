#include "Service.h"

#include "accounts/AccountPages.h"
#include "accounts/AccountStore.h"
#include "accounts/DemoAccount.h"
#include "accounts/Messages.h"
#include "accounts/PortfolioPages.h"
#include "accounts/PortfolioStore.h"
#include "accounts/PriceWarnings.h"
#include "accounts/Secrets.h"
#include "accounts/StateDatabase.h"
#include "accounts/TextChecks.h"
#include "info/InfoPages.h"
#include "market/Market.h"
#include "server/Clock.h"
#include "server/ConnectionDrop.h"
#include "server/FaultInjector.h"
#include "server/HeaderJoining.h"
#include "server/QueryParser.h"
#include "server/Replay.h"
#include "server/RequestLog.h"
#include "server/ServerThread.h"
#include "server/UncompressedBody.h"
#include "server/VersionCheck.h"

#include <httplib.h>

#include <chrono>
#include <thread>

namespace sim {

namespace {

constexpr const char* kContentType = "text/plain; charset=utf-8";

bool isRealtimePage(const std::string& page) {
    return page == "realtime.aspx";
}

// The market pages choose their answer by type. A type none of them knows is still a request to
// a page that exists, so it gets an error answer the client can show, not an empty "not found".
bool choosesAnswerByType(const std::string& page) {
    return page == "realtime.aspx" || page == "default.aspx";
}

bool isUnknownVersionCheckType(const Request& request) {
    const std::string* type = request.param("type");
    return type && lowerAscii(*type) != "ipn";
}

bool needsSession(const Request& request, const std::string& page) {
    if (page == "portfolio.aspx") {
        return true;
    }
    const std::string* type = request.param("type");
    return isRealtimePage(page) && type && *type == "11";
}

std::string injectedError(const std::string& page) {
    // The registration answer is split at ":" only; its client knows this refusal text.
    if (page == "register.aspx") {
        return std::string(kHeaderTag) + ":1:0:" + messages::kRegisterFailed;
    }
    return errorAnswer(isRealtimePage(page), messages::kBusy);
}

} // namespace

Service::Service(ServiceOptions options)
    : m_options(std::move(options))
    , m_clock(std::make_unique<Clock>(clockStartOf(m_options, QDateTime::currentDateTime()), clockSpeedOf(m_options)))
    , m_market(std::make_unique<Market>(m_options.seed))
    , m_info(std::make_unique<InfoPages>(*m_market, m_options.seed))
    , m_db(std::make_unique<StateDatabase>(m_options.statePath))
    , m_accounts(std::make_unique<AccountStore>(*m_db))
    , m_portfolios(std::make_unique<PortfolioStore>(*m_db))
    , m_secrets(std::make_unique<Secrets>())
    , m_postOffice(std::make_unique<PostOffice>(mailFolderOf(m_options)))
    , m_accountPages(std::make_unique<AccountPages>(*m_accounts, *m_portfolios, *m_secrets, *m_postOffice))
    , m_portfolioPages(std::make_unique<PortfolioPages>(*m_portfolios, *m_market))
    , m_warnings(std::make_unique<PriceWarnings>(*m_portfolios, *m_market))
    , m_versionCheck(std::make_unique<VersionCheck>(m_options.latestVersion))
    , m_faults(std::make_unique<FaultInjector>(m_options))
    , m_headerJoining(std::make_unique<HeaderJoining>(m_options.seed, m_options.headerJoinedRate))
    , m_requestLog(std::make_unique<RequestLog>()) {
    if (m_db->isFresh()) {
        createDemoAccount(*m_accounts, *m_portfolios, *m_market, m_clock->now());
    }
}

Service::~Service() {
    stop();
}

bool Service::start() {
    if (m_thread && m_thread->running()) {
        return true;
    }
    m_http = std::make_unique<httplib::Server>();
    // An answer goes out as its header and then its body; without this the body waits for the
    // client's delayed acknowledgement of the header (tens of milliseconds on loopback).
    m_http->set_tcp_nodelay(true);
    m_http->Get(".*",
                [this](const httplib::Request& request, httplib::Response& response) { serveHttp(request, response); });
    m_thread = std::make_unique<ServerThread>(*m_http, m_options.host, m_options.port);
    return m_thread->running();
}

void Service::stop() {
    if (m_thread) {
        m_thread->stop();
    }
}

std::uint16_t Service::port() const {
    return m_thread ? m_thread->port() : 0;
}

std::string Service::baseUrl() const {
    return "http://" + m_options.host + ":" + std::to_string(port());
}

void Service::setMailListener(MailListener listener) {
    std::lock_guard lock(m_mutex);
    m_postOffice->setListener(std::move(listener));
}

std::vector<std::string> Service::mailsTo(const std::string& email) {
    std::lock_guard lock(m_mutex);
    return m_accounts->mailsTo(email);
}

Response Service::handle(const Request& request) {
    // One lock for the whole answer: the state database and the pages share it, and an answer
    // is cheap next to its transfer.
    std::lock_guard lock(m_mutex);
    return route(request, lowerAscii(request.page));
}

Response Service::route(const Request& request, const std::string& page) {
    if (page == "register.aspx") {
        return m_accountPages->registration(request);
    }
    if (page == "login.aspx") {
        return m_accountPages->login(request, m_clock->now());
    }
    if (page == "checkalert.aspx") {
        if (isUnknownVersionCheckType(request)) {
            return {errorAnswer(false, messages::kUnknownRequest)};
        }
        return m_versionCheck->answer(request, m_clock->now());
    }
    // Only the account pages need to know who asks. Market, news and price pages answer everyone
    // alike, so a client still holding a session from before a restart keeps its screens live.
    if (needsSession(request, page)) {
        const std::string* session = request.param("session");
        const auto userId = session ? m_accounts->userOfSession(*session) : std::nullopt;
        if (!userId) {
            return {errorAnswer(isRealtimePage(page), messages::kSessionExpired)};
        }
        return sessionPage(request, page, *userId);
    }
    if (m_market->handles(request)) {
        return m_market->answer(request, m_clock->now());
    }
    if (m_info->handles(request)) {
        return m_info->answer(request, m_clock->now());
    }
    if (choosesAnswerByType(page)) {
        return {errorAnswer(isRealtimePage(page), messages::kUnknownRequest)};
    }
    return {std::string(), 404};
}

Response Service::sessionPage(const Request& request, const std::string& page, long long userId) {
    if (isRealtimePage(page)) {
        return m_warnings->answer(request, userId, m_clock->now());
    }
    return m_portfolioPages->answer(request, userId, m_clock->now());
}

void Service::serveHttp(const httplib::Request& httpRequest, httplib::Response& httpResponse) {
    const auto request = requestFromTarget(httpRequest.target);
    if (!request) {
        httpResponse.status = 404;
        return;
    }
    m_requestLog->add(*request);
    if (const int latencyMs = m_faults->latencyMs(); latencyMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(latencyMs));
    }
    const Fault fault = m_faults->draw();
    if (fault == Fault::Drop) {
        dropConnection(httpResponse);
        return;
    }
    const std::string page = lowerAscii(request->page);
    Response response = fault == Fault::Error ? Response{injectedError(page)} : handle(*request);
    response.body = m_headerJoining->apply(*request, std::move(response.body));
    if (fault == Fault::Garbage && response.httpStatus == 200 && page != "register.aspx") {
        response.body = m_faults->garble(response.body);
    }
    httpResponse.status = response.httpStatus;
    sendUncompressed(httpResponse, std::move(response.body), kContentType);
}

} // namespace sim
