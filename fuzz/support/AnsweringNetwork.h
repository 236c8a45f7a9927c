#pragma once

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

#include <vector>

namespace fuzzing {

/// A reply that waits, without any socket, until it is handed its body.
class HeldReply final : public QNetworkReply {
    Q_OBJECT

public:
    HeldReply(const QNetworkRequest& request, QObject* parent);

    /// Finishes the transfer with this body, as a completed HTTP 200 response would.
    void deliver(const QByteArray& body);
    /// Finishes the transfer as a dropped connection would.
    void fail();

    void abort() override {}
    qint64 bytesAvailable() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    QByteArray m_body;
    qint64 m_read = 0;
};

/// A network access manager whose replies are answered by the caller: a fuzz target feeds its
/// bytes to the request a screen has just sent, through the same reply signals a real transfer
/// ends with, so the screen reads them exactly as it reads the service.
class AnsweringNetwork final : public QNetworkAccessManager {
    Q_OBJECT

public:
    using QNetworkAccessManager::QNetworkAccessManager;

    /// The reply to the latest request still waiting, or null.
    HeldReply* latestWaiting();
    /// Answers the latest waiting request; false when no request waits.
    bool answerLatest(const QByteArray& body);

protected:
    QNetworkReply* createRequest(Operation operation, const QNetworkRequest& request, QIODevice* outgoingData) override;

private:
    std::vector<QPointer<HeldReply>> m_waiting;
};

} // namespace fuzzing
