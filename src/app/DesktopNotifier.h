#pragma once

#include "core/Platform.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QDBusConnection;
class QDBusPendingCallWatcher;

namespace app {

/// Desktop notices through the freedesktop notification service over D-Bus. A click on a notice
/// runs its action; the service tells which notice was clicked or closed by its id. Every call
/// is asynchronous, so a service that hangs never freezes the window; where no service runs,
/// nothing is shown and nothing is waited for.
class FreedesktopNotifier final : public QObject, public core::DesktopNotifier {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FreedesktopNotifier)

public:
    /// On the session bus; `iconName` is the program's icon (and desktop entry) name.
    explicit FreedesktopNotifier(QString iconName);
    FreedesktopNotifier(const QDBusConnection& bus, QString iconName);
    ~FreedesktopNotifier() override;

    void notify(const QString& title, const QString& body, std::function<void()> clicked) override;

    /// Notices waiting for the service's first answer (whether it shows markup).
    int waitingCount() const { return static_cast<int>(m_waiting.size()); }
    /// Notices on the desktop whose click would still run their action.
    int clickableCount() const { return static_cast<int>(m_clicks.size()); }

private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    struct Notice {
        QString title;
        QString body;
        std::function<void()> clicked;
    };

    void askCapabilities();
    void capabilitiesArrived(QDBusPendingCallWatcher* watcher);
    void send(Notice notice);

    std::unique_ptr<QDBusConnection> m_bus;
    QString m_iconName;
    /// Whether the service reads the body as markup; unknown until it has answered once.
    std::optional<bool> m_bodyMarkup;
    bool m_askingCapabilities = false;
    std::vector<Notice> m_waiting;
    std::map<uint, std::function<void()>> m_clicks;
};

} // namespace app
