#include "app/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace app {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kDefaultAction = QStringLiteral("default");
// Notices kept while a hung service has not answered; the oldest go first.
constexpr std::size_t kMostWaiting = 8;
// The service's own display time.
constexpr int kServerTimeout = -1;

QDBusMessage methodCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

} // namespace

FreedesktopNotifier::FreedesktopNotifier(QString iconName)
    : FreedesktopNotifier(QDBusConnection::sessionBus(), std::move(iconName)) {}

// The signals are matched on the path and interface alone: on a private peer-to-peer bus the
// sender has no name, and the notice ids tell ours from other programs' anyway.
FreedesktopNotifier::FreedesktopNotifier(const QDBusConnection& bus, QString iconName)
    : m_bus(std::make_unique<QDBusConnection>(bus))
    , m_iconName(std::move(iconName)) {
    if (!m_bus->isConnected()) {
        return;
    }
    m_bus->connect(QString(), kPath, kService, QStringLiteral("ActionInvoked"), this,
                   SLOT(actionInvoked(uint, QString)));
    m_bus->connect(QString(), kPath, kService, QStringLiteral("NotificationClosed"), this,
                   SLOT(notificationClosed(uint, uint)));
}

FreedesktopNotifier::~FreedesktopNotifier() = default;

void FreedesktopNotifier::notify(const QString& title, const QString& body, std::function<void()> clicked) {
    if (!m_bus->isConnected()) {
        return;
    }
    Notice notice{title, body, std::move(clicked)};
    if (m_bodyMarkup.has_value()) {
        send(std::move(notice));
        return;
    }
    if (m_waiting.size() >= kMostWaiting) {
        m_waiting.erase(m_waiting.begin());
    }
    m_waiting.push_back(std::move(notice));
    askCapabilities();
}

// The first question also tells whether a service runs at all: without one the waiting notices
// are dropped, and the next notice asks again.
void FreedesktopNotifier::askCapabilities() {
    if (m_askingCapabilities) {
        return;
    }
    m_askingCapabilities = true;
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(methodCall(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &FreedesktopNotifier::capabilitiesArrived);
}

void FreedesktopNotifier::capabilitiesArrived(QDBusPendingCallWatcher* watcher) {
    const QDBusPendingReply<QStringList> reply = *watcher;
    watcher->deleteLater();
    m_askingCapabilities = false;
    std::vector<Notice> waiting;
    waiting.swap(m_waiting);
    if (!reply.isValid()) {
        return;
    }
    m_bodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
    for (Notice& notice : waiting) {
        send(std::move(notice));
    }
}

void FreedesktopNotifier::send(Notice notice) {
    // A body the service reads as markup must not let a category name such as "A&B <1>" be taken
    // for tags.
    const QString body = m_bodyMarkup.value_or(false) ? notice.body.toHtmlEscaped() : notice.body;
    QDBusMessage call = methodCall(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_iconName}};
    call << QStringLiteral("Corvastel") << uint{0} << m_iconName << notice.title << body
         << QStringList{kDefaultAction, QStringLiteral("Mở")} << hints << kServerTimeout;
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, clicked = std::move(notice.clicked)](QDBusPendingCallWatcher* finished) mutable {
                const QDBusPendingReply<uint> reply = *finished;
                finished->deleteLater();
                if (reply.isValid() && clicked) {
                    m_clicks[reply.value()] = std::move(clicked);
                }
            });
}

void FreedesktopNotifier::actionInvoked(uint id, const QString& action) {
    const auto found = m_clicks.find(id);
    if (found == m_clicks.end() || action != kDefaultAction) {
        return;
    }
    // Taken out first: the action may show a screen that runs the event loop.
    const std::function<void()> clicked = std::move(found->second);
    m_clicks.erase(found);
    clicked();
}

void FreedesktopNotifier::notificationClosed(uint id, uint /*reason*/) {
    m_clicks.erase(id);
}

} // namespace app
