#include "company/WarningNotices.h"

#include "company/DirectoryWarningViewController.h"
#include "company/WarningNoticeText.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"

#include <QPointer>

#include <vector>

namespace company {

namespace {

// The click may come long after the notice: the user may have logged out (the holdings are gone
// from the store) or the full update may hold the main menu; the window still comes forward.
void openFromNotice(const QPointer<shell::QRMInfoAppDelegate>& app, const QByteArray& answer) {
    if (app.isNull()) {
        return;
    }
    if (const std::function<void()>& raise = app->platform().raiseWindow) {
        raise();
    }
    if (!app->isAuthenticated() || app->isUpdating()) {
        return;
    }
    const auto* shown = dynamic_cast<const DirectoryWarningViewController*>(app->navigator().topController());
    if (shown != nullptr && shown->data() == answer) {
        return;
    }
    DirectoryWarningViewController::open(*app, answer);
}

} // namespace

WarningNotices::WarningNotices(shell::QRMInfoAppDelegate& app)
    : m_app(app) {}

void WarningNotices::announce(const QByteArray& answer, int day) {
    core::DesktopNotifier* notifier = m_app.platform().notifier;
    if (notifier == nullptr) {
        return;
    }
    if (m_day != day) {
        m_day = day;
        m_told.clear();
    }
    std::vector<WarningNotice> untold;
    for (WarningNotice& notice : readWarningNotices(answer, *m_app.db())) {
        if (m_told.insert(warningNoticeKey(notice)).second) {
            untold.push_back(std::move(notice));
        }
    }
    if (untold.empty()) {
        return;
    }
    notifier->notify(warningNoticeTitle(), warningNoticeBody(untold),
                     [app = QPointer<shell::QRMInfoAppDelegate>(&m_app), answer] { openFromNotice(app, answer); });
}

} // namespace company
