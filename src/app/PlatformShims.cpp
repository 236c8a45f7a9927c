#include "app/PlatformShims.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDesktopServices>
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

ScreenSaverKeepAwake::ScreenSaverKeepAwake() = default;

ScreenSaverKeepAwake::~ScreenSaverKeepAwake() {
    setKeepAwake(false);
}

void ScreenSaverKeepAwake::setKeepAwake(bool awake) {
    if (awake == m_awake) {
        return;
    }
    m_awake = awake;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusInterface screenSaver(kScreenSaverService, kScreenSaverPath, kScreenSaverService, bus);
    if (!screenSaver.isValid()) {
        return;
    }
    if (awake) {
        const QDBusReply<quint32> reply = screenSaver.call(QStringLiteral("Inhibit"), QStringLiteral("Corvastel"),
                                                           QStringLiteral("Dữ liệu trực tuyến"));
        m_cookie = reply.isValid() ? reply.value() : 0;
    } else if (m_cookie != 0) {
        screenSaver.call(QStringLiteral("UnInhibit"), m_cookie);
        m_cookie = 0;
    }
}

void DesktopLinkOpener::openLink(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

QString deviceIdentifier(QSettings& settings) {
    const QByteArray machine = QSysInfo::machineUniqueId();
    if (!machine.isEmpty()) {
        return QString::fromLatin1(machine);
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
