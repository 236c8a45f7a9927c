#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;

namespace net {

class NetworkActivity;
class RequestDelegate;

/// One HTTP GET at a time for its owner; the whole answer body goes back through the owner's
/// DidFinishRequest(). Every screen keeps one and reuses it, tagging it with a request kind first.
class MyUrlRequest final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MyUrlRequest)

public:
    static constexpr int kDefaultTransferTimeoutMs = 20000;

    /// Neither the manager nor the activity counter (which may be null) is owned.
    explicit MyUrlRequest(QNetworkAccessManager* manager, NetworkActivity* activity = nullptr,
                          QObject* parent = nullptr);
    /// No callback reaches the delegate once the object is gone.
    ~MyUrlRequest() override;

    /// Starts a GET of the URL text and returns at once; a transfer still under way is dropped
    /// without calling back.
    void ResquestLink(const QString& url);

    int myReqType() const { return m_myReqType; }
    void setMyReqType(int type) { m_myReqType = type; }

    RequestDelegate* delegate() const { return m_delegate; }
    void setDelegate(RequestDelegate* delegate) { m_delegate = delegate; }

    /// The body received so far (the whole body once the transfer has completed).
    const QByteArray& receivedData() const { return m_receivedData; }
    void setReceivedData(const QByteArray& data) { m_receivedData = data; }

    int transferTimeoutMs() const { return m_transferTimeoutMs; }
    /// Applies to the next ResquestLink().
    void setTransferTimeoutMs(int milliseconds) { m_transferTimeoutMs = milliseconds; }

    bool isTransferring() const { return !m_reply.isNull(); }

private:
    void connectReply();
    void onResponseStarted();
    void onDataArrived();
    void onFinished();
    void onReplyDestroyed();
    void dropTransfer();
    void abortReply();
    void releaseReply();
    void endActivity();

    QNetworkAccessManager* m_manager = nullptr;
    QPointer<NetworkActivity> m_activity;
    QPointer<QNetworkReply> m_reply;
    RequestDelegate* m_delegate = nullptr;
    QByteArray m_receivedData;
    int m_myReqType = 0;
    int m_transferTimeoutMs = kDefaultTransferTimeoutMs;
    bool m_activityCounted = false;
};

} // namespace net
