#include "support/AnsweringNetwork.h"

#include <algorithm>
#include <cstring>

namespace fuzzing {

HeldReply::HeldReply(const QNetworkRequest& request, QObject* parent)
    : QNetworkReply(parent) {
    setRequest(request);
    setUrl(request.url());
    setOperation(QNetworkAccessManager::GetOperation);
    open(QIODevice::ReadOnly);
}

void HeldReply::deliver(const QByteArray& body) {
    m_body = body;
    m_read = 0;
    setAttribute(QNetworkRequest::HttpStatusCodeAttribute, 200);
    Q_EMIT metaDataChanged();
    Q_EMIT readyRead();
    setFinished(true);
    Q_EMIT finished();
}

void HeldReply::fail() {
    setError(QNetworkReply::RemoteHostClosedError, QStringLiteral("closed"));
    Q_EMIT errorOccurred(QNetworkReply::RemoteHostClosedError);
    setFinished(true);
    Q_EMIT finished();
}

qint64 HeldReply::bytesAvailable() const {
    return m_body.size() - m_read + QNetworkReply::bytesAvailable();
}

qint64 HeldReply::readData(char* data, qint64 maxSize) {
    const qint64 count = std::min(maxSize, m_body.size() - m_read);
    if (count <= 0) {
        return isFinished() ? -1 : 0;
    }
    std::memcpy(data, m_body.constData() + m_read, static_cast<std::size_t>(count));
    m_read += count;
    return count;
}

QNetworkReply* AnsweringNetwork::createRequest(Operation /*operation*/, const QNetworkRequest& request,
                                               QIODevice* /*outgoingData*/) {
    auto* reply = new HeldReply(request, this);
    std::erase_if(m_waiting, [](const QPointer<HeldReply>& waiting) { return waiting.isNull(); });
    m_waiting.emplace_back(reply);
    return reply;
}

HeldReply* AnsweringNetwork::latestWaiting() {
    while (!m_waiting.empty()) {
        HeldReply* reply = m_waiting.back().data();
        m_waiting.pop_back();
        if (reply != nullptr && !reply->isFinished()) {
            return reply;
        }
    }
    return nullptr;
}

bool AnsweringNetwork::answerLatest(const QByteArray& body) {
    HeldReply* reply = latestWaiting();
    if (reply == nullptr) {
        return false;
    }
    reply->deliver(body);
    return true;
}

} // namespace fuzzing
