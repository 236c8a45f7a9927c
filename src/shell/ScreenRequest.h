#pragma once

#include <QString>

#include <memory>

namespace net {
class MyUrlRequest;
class RequestDelegate;
} // namespace net

namespace shell {

class ActivityIndicator;
class QRMInfoAppDelegate;

/// A screen's one request object, made on first use, and the indicator that turns while a
/// request of the screen is under way. Each request carries the kind its answer is read by; a
/// new request replaces one under way.
class ScreenRequest final {
public:
    ScreenRequest(QRMInfoAppDelegate& app, net::RequestDelegate& receiver);
    ~ScreenRequest();
    ScreenRequest(const ScreenRequest&) = delete;
    ScreenRequest& operator=(const ScreenRequest&) = delete;

    /// Set once the screen's view exists.
    void setIndicator(ActivityIndicator* indicator) { m_indicator = indicator; }
    /// Sends the request; the indicator turns unless the request is a quiet one (a check the
    /// user did not ask for).
    void send(int kind, const QString& url, bool quiet = false);
    /// An answer arrived: the indicator stops. Returns the kind of the request it answers.
    int finish();
    /// The kind of the request sent last (0 before any).
    int kind() const;
    bool isOutstanding() const;

private:
    QRMInfoAppDelegate& m_app;
    net::RequestDelegate& m_receiver;
    std::unique_ptr<net::MyUrlRequest> m_request;
    ActivityIndicator* m_indicator = nullptr;
};

} // namespace shell
