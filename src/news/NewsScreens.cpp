#include "news/NewsScreens.h"

#include "news/HeadNewsViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"

namespace news {

void registerNewsScreens(shell::QRMInfoAppDelegate& app) {
    app.mainViewController()->setSectionAction(QStringLiteral("btTin"), [&app] {
        auto* screen = app.cachedScreen<HeadNewsViewController>();
        screen->setTitle(QStringLiteral(" "));
        app.navigator().push(screen, true);
    });
}

} // namespace news
