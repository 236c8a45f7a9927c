#pragma once

#include "core/Platform.h"

#include <QSettings>

class QDBusConnection;

#include <memory>

namespace app {

/// Preferences in the user's QSettings store.
class SettingsPreferences final : public core::Preferences {
public:
    explicit SettingsPreferences(QSettings& settings)
        : m_settings(settings) {}
    std::optional<double> number(const QString& key) const override;
    void setNumber(const QString& key, double value) override;

private:
    QSettings& m_settings;
};

/// Inhibits the desktop's screen saver over D-Bus while asked to keep the display awake; where
/// no screen saver service answers, it only records the wish. Every call is asynchronous: a
/// screen saver that hangs must never freeze the window.
class ScreenSaverKeepAwake final : public core::KeepAwake {
public:
    /// On the session bus.
    ScreenSaverKeepAwake();
    explicit ScreenSaverKeepAwake(const QDBusConnection& bus);
    ~ScreenSaverKeepAwake() override;
    ScreenSaverKeepAwake(const ScreenSaverKeepAwake&) = delete;
    ScreenSaverKeepAwake& operator=(const ScreenSaverKeepAwake&) = delete;

    void setKeepAwake(bool awake) override;
    bool isKeptAwake() const override { return m_awake; }
    /// The screen saver's cookie of the inhibition in force, 0 while there is none.
    quint32 cookie() const { return m_cookie; }

private:
    void inhibit();
    void uninhibit(quint32 cookie);
    void inhibited(quint32 cookie);

    std::unique_ptr<QDBusConnection> m_bus;
    // Lives while the object does: the replies of calls still under way are dropped with it.
    std::unique_ptr<QObject> m_replies;
    bool m_awake = false;
    bool m_inhibitPending = false;
    quint32 m_cookie = 0;
};

/// Opens links in the system's browser.
class DesktopLinkOpener final : public core::LinkOpener {
public:
    void openLink(const QUrl& url) override;
};

/// The identifier this program sends for the device: derived from the machine's unique id by a
/// keyed hash, or else a random one kept in the settings, so that it stays the same across runs.
QString deviceIdentifier(QSettings& settings);

/// The program's own identifier for a machine id. The operating system asks that the machine
/// id itself never leave the machine, and that each program derive its own from it instead.
QString appSpecificDeviceId(const QByteArray& machineId);

} // namespace app
