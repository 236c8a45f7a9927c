#pragma once

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusServer>
#include <QDeadlineTimer>
#include <QString>

#include <functional>
#include <memory>

namespace testsupport {

/// Runs the event loop until `condition` holds, for at most 10 s; returns whether it holds.
inline bool waitForBus(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return condition();
}

/// A private peer-to-peer bus standing in for the session bus: a fake desktop service object is
/// served at `path` to the program's end, which connects on first use.
class PeerBus {
public:
    PeerBus(QObject& service, QString path, QString connectionName)
        : m_service(service)
        , m_path(std::move(path))
        , m_name(std::move(connectionName)) {
        QObject::connect(&m_server, &QDBusServer::newConnection, &m_service, [this](const QDBusConnection& peer) {
            if (m_serving) {
                QDBusConnection(peer).registerObject(m_path, &m_service, QDBusConnection::ExportAllSlots);
            }
            m_peerConnected = true;
        });
    }
    ~PeerBus() { QDBusConnection::disconnectFromPeer(m_name); }
    PeerBus(const PeerBus&) = delete;
    PeerBus& operator=(const PeerBus&) = delete;

    bool isListening() const { return m_server.isConnected(); }
    /// Before the program connects: whether the service is there at all.
    void setServing(bool serving) { m_serving = serving; }

    /// The program's end of the bus, connected once the service side has seen it.
    QDBusConnection& client() {
        if (!m_client) {
            m_client = std::make_unique<QDBusConnection>(QDBusConnection::connectToPeer(m_server.address(), m_name));
            waitForBus([this] { return m_peerConnected; });
        }
        return *m_client;
    }
    bool isPeerConnected() const { return m_peerConnected; }

private:
    QObject& m_service;
    QString m_path;
    QString m_name;
    QDBusServer m_server{QStringLiteral("unix:tmpdir=/tmp")};
    std::unique_ptr<QDBusConnection> m_client;
    bool m_serving = true;
    bool m_peerConnected = false;
};

} // namespace testsupport
