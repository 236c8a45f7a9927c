#include "shell/ScreenRequest.h"

#include "net/MyUrlRequest.h"
#include "shell/ActivityIndicator.h"
#include "shell/QRMInfoAppDelegate.h"

namespace shell {

ScreenRequest::ScreenRequest(QRMInfoAppDelegate& app, net::RequestDelegate& receiver)
    : m_app(app)
    , m_receiver(receiver) {}

ScreenRequest::~ScreenRequest() = default;

void ScreenRequest::send(int kind, const QString& url, bool quiet) {
    if (!m_request) {
        m_request = m_app.makeRequest();
        m_request->setDelegate(&m_receiver);
    }
    m_request->setMyReqType(kind);
    m_request->ResquestLink(url);
    if (m_indicator != nullptr && !quiet) {
        m_indicator->startAnimating();
    }
}

int ScreenRequest::finish() {
    if (m_indicator != nullptr) {
        m_indicator->stopAnimating();
    }
    return kind();
}

int ScreenRequest::kind() const {
    return m_request ? m_request->myReqType() : 0;
}

bool ScreenRequest::isOutstanding() const {
    return m_indicator != nullptr && m_indicator->isAnimating();
}

} // namespace shell
