#include "app/PlatformShims.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QMessageAuthenticationCode>
#include <QSysInfo>
#include <QUuid>

namespace app {

namespace {

const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

} // namespace

std::optional<double> SettingsPreferences::number(const QString& key) const {
    const QVariant value = m_settings.value(key);
    bool ok = false;
    const double number = value.toDouble(&ok);
    return value.isValid() && ok ? std::optional<double>(number) : std::nullopt;
}

void SettingsPreferences::setNumber(const QString& key, double value) {
    m_settings.setValue(key, value);
}

ScreenSaverKeepAwake::ScreenSaverKeepAwake()
    : ScreenSaverKeepAwake(QDBusConnection::sessionBus()) {}

ScreenSaverKeepAwake::ScreenSaverKeepAwake(const QDBusConnection& bus)
    : m_bus(std::make_unique<QDBusConnection>(bus))
    , m_replies(std::make_unique<QObject>()) {}

// Leaving gives the inhibition back; the call is sent without waiting for its answer.
ScreenSaverKeepAwake::~ScreenSaverKeepAwake() {
    if (m_cookie != 0) {
        uninhibit(m_cookie);
    }
}

void ScreenSaverKeepAwake::setKeepAwake(bool awake) {
    if (awake == m_awake) {
        return;
    }
    m_awake = awake;
    if (!m_bus->isConnected()) {
        return;
    }
    if (awake && m_cookie == 0 && !m_inhibitPending) {
        inhibit();
    } else if (!awake && m_cookie != 0) {
        uninhibit(m_cookie);
        m_cookie = 0;
    }
}

void ScreenSaverKeepAwake::inhibit() {
    QDBusMessage call = QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath, kScreenSaverService,
                                                       QStringLiteral("Inhibit"));
    call << QStringLiteral("Corvastel") << QStringLiteral("Dữ liệu trực tuyến");
    m_inhibitPending = true;
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call), m_replies.get());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, m_replies.get(),
                     [this](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<quint32> reply = *finished;
                         finished->deleteLater();
                         m_inhibitPending = false;
                         inhibited(reply.isValid() ? reply.value() : 0);
                     });
}

// The answer may come after the display was let go again: the inhibition is then given back at
// once.
void ScreenSaverKeepAwake::inhibited(quint32 cookie) {
    if (!m_awake) {
        if (cookie != 0) {
            uninhibit(cookie);
        }
        return;
    }
    m_cookie = cookie;
}

void ScreenSaverKeepAwake::uninhibit(quint32 cookie) {
    QDBusMessage call = QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath, kScreenSaverService,
                                                       QStringLiteral("UnInhibit"));
    call << cookie;
    m_bus->asyncCall(call);
}

void DesktopLinkOpener::openLink(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

QString appSpecificDeviceId(const QByteArray& machineId) {
    // A fixed identifier of this program, the message of the keyed hash; the machine id is the key.
    static const QByteArray kApplicationId = QByteArrayLiteral("8e5c0a4f-corvastel-device-2f71b9d3");
    const QByteArray digest = QMessageAuthenticationCode::hash(kApplicationId, machineId, QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.left(16).toHex());
}

QString deviceIdentifier(QSettings& settings) {
    const QByteArray machine = QSysInfo::machineUniqueId();
    if (!machine.isEmpty()) {
        return appSpecificDeviceId(machine);
    }
    const QString key = QStringLiteral("deviceId");
    QString stored = settings.value(key).toString();
    if (stored.isEmpty()) {
        stored = QUuid::createUuid().toString(QUuid::WithoutBraces);
        settings.setValue(key, stored);
    }
    return stored;
}

} // namespace app
