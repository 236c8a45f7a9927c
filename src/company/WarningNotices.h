#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <set>

namespace shell {
class QRMInfoAppDelegate;
}

namespace company {

/// The desktop notices of price warnings, shared by both live lists: a holding past a threshold
/// is told once a day, whichever list's check finds it, even while the window is hidden or the
/// user is on another screen. Clicking the notice brings the window to the front and opens the
/// warning screen with the answer that raised it.
class WarningNotices final {
public:
    explicit WarningNotices(shell::QRMInfoAppDelegate& app);

    /// Tells the desktop, in one notice, of the holdings of this warnings answer that crossed a
    /// threshold and were not told of yet on `day`; a new day forgets the earlier ones. Without
    /// a notifier nothing is told or remembered.
    void announce(const QByteArray& answer, int day);

private:
    shell::QRMInfoAppDelegate& m_app;
    std::optional<int> m_day;
    std::set<QString> m_told;
};

} // namespace company
