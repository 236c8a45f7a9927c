#include "net/MyUrlRequest.h"

#include "net/NetworkActivity.h"
#include "net/RequestDelegate.h"
#include "net/UrlEscaping.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace net {
namespace {

// The service answers errors with a body of their own, so an HTTP error status still counts as
// an answer; only a transfer that produced no complete response is a failure.
bool isAnswer(const QNetworkReply& reply) {
    const QNetworkReply::NetworkError error = reply.error();
    if (error == QNetworkReply::NoError) {
        return true;
    }
    const bool httpStatusError =
        (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
        (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
    return httpStatusError && reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

} // namespace

MyUrlRequest::MyUrlRequest(QNetworkAccessManager* manager, NetworkActivity* activity, QObject* parent)
    : QObject(parent)
    , m_manager(manager)
    , m_activity(activity) {}

MyUrlRequest::~MyUrlRequest() {
    m_delegate = nullptr;
    dropTransfer();
}

void MyUrlRequest::ResquestLink(const QString& url) {
    Q_ASSERT(m_manager != nullptr);
    // The replaced transfer keeps its place on the activity counter for the new one, so the
    // indicator does not blink off and on.
    abortReply();

    QNetworkRequest request(escapedUrl(url));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(m_transferTimeoutMs);

    m_reply = m_manager->get(request);
    m_receivedData = QByteArray();
    if (m_activity && !m_activityCounted) {
        m_activity->begin();
        m_activityCounted = true;
    }
    connectReply();
}

void MyUrlRequest::connectReply() {
    QNetworkReply* reply = m_reply.data();
    // A redirect or a repeated response starts the body afresh.
    connect(reply, &QNetworkReply::metaDataChanged, this, &MyUrlRequest::onResponseStarted);
    connect(reply, &QNetworkReply::redirected, this, &MyUrlRequest::onResponseStarted);
    connect(reply, &QNetworkReply::readyRead, this, &MyUrlRequest::onDataArrived);
    connect(reply, &QNetworkReply::finished, this, &MyUrlRequest::onFinished);
    // The manager deletes its replies when it goes first; the transfer is then simply over.
    connect(reply, &QObject::destroyed, this, &MyUrlRequest::onReplyDestroyed);
}

void MyUrlRequest::onResponseStarted() {
    m_receivedData.truncate(0);
}

void MyUrlRequest::onDataArrived() {
    m_receivedData.append(m_reply->readAll());
}

void MyUrlRequest::onFinished() {
    std::optional<QByteArray> answer;
    if (isAnswer(*m_reply)) {
        m_receivedData.append(m_reply->readAll());
        answer = m_receivedData;
    } else {
        m_receivedData = QByteArray();
    }
    releaseReply();
    endActivity();
    // Last, because the delegate may start the next request on this object or destroy it.
    if (m_delegate != nullptr) {
        m_delegate->DidFinishRequest(std::move(answer));
    }
}

void MyUrlRequest::onReplyDestroyed() {
    m_reply = nullptr;
    endActivity();
}

void MyUrlRequest::dropTransfer() {
    abortReply();
    endActivity();
}

void MyUrlRequest::abortReply() {
    if (m_reply.isNull()) {
        return;
    }
    QNetworkReply* reply = m_reply.data();
    releaseReply(); // disconnected first: the abort's own finished() must not reach the delegate
    reply->abort();
}

void MyUrlRequest::releaseReply() {
    QNetworkReply* reply = m_reply.data();
    m_reply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
}

void MyUrlRequest::endActivity() {
    if (m_activityCounted && m_activity) {
        m_activity->end();
    }
    m_activityCounted = false;
}

} // namespace net
