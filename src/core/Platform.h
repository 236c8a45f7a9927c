#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace core {

/// The user's preference store (refresh periods in seconds, the colour options).
class Preferences {
public:
    virtual ~Preferences() = default;
    /// The number stored under key, if any.
    virtual std::optional<double> number(const QString& key) const = 0;
    /// Stores a number under key, kept for the next run.
    virtual void setNumber(const QString& key, double value) = 0;
};

/// Keeps the display from sleeping while live data are shown.
class KeepAwake {
public:
    virtual ~KeepAwake() = default;
    virtual void setKeepAwake(bool awake) = 0;
    virtual bool isKeptAwake() const = 0;
};

/// Opens a link in the system's browser.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void openLink(const QUrl& url) = 0;
};

/// Shows short notices on the desktop, outside the window, where the user sees them while the
/// window is hidden or behind others.
class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    /// Shows a notice with a title and a plain-text body; `clicked` runs if the user clicks it.
    virtual void notify(const QString& title, const QString& body, std::function<void()> clicked) = 0;
};

/// What the program needs of the platform it runs on; the application passes real ones, tests
/// pass fakes.
struct Platform {
    Preferences* preferences = nullptr;
    KeepAwake* keepAwake = nullptr;
    LinkOpener* links = nullptr;
    QString deviceId;
    QString version;
    /// Whether text entry brings up a keyboard over the screen (a phone); a desktop has none,
    /// so nothing needs to move out of its way.
    bool hasOnScreenKeyboard = false;
    /// Desktop notices; null where there are none.
    DesktopNotifier* notifier = nullptr;
    /// Brings the program's window to the front (a clicked notice asks for it); empty: nothing to
    /// raise.
    std::function<void()> raiseWindow = {};
};

} // namespace core
