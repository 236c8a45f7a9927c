#pragma once

#include "core/Platform.h"

#include <QSettings>

#include <memory>

namespace app {

/// Preferences in the user's QSettings store.
class SettingsPreferences final : public core::Preferences {
public:
    explicit SettingsPreferences(QSettings& settings)
        : m_settings(settings) {}
    std::optional<double> number(const QString& key) const override;

private:
    QSettings& m_settings;
};

/// Inhibits the desktop's screen saver over D-Bus while asked to keep the display awake; where
/// no screen saver service answers, it only records the wish.
class ScreenSaverKeepAwake final : public core::KeepAwake {
public:
    ScreenSaverKeepAwake();
    ~ScreenSaverKeepAwake() override;
    ScreenSaverKeepAwake(const ScreenSaverKeepAwake&) = delete;
    ScreenSaverKeepAwake& operator=(const ScreenSaverKeepAwake&) = delete;

    void setKeepAwake(bool awake) override;
    bool isKeptAwake() const override { return m_awake; }

private:
    bool m_awake = false;
    quint32 m_cookie = 0;
};

/// Opens links in the system's browser.
class DesktopLinkOpener final : public core::LinkOpener {
public:
    void openLink(const QUrl& url) override;
};

/// The machine's unique id, or else a random one kept in the settings so it stays the same.
QString deviceIdentifier(QSettings& settings);

} // namespace app
