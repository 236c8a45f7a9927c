#include "market/MarketScreens.h"

#include "market/MarketInfoViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"

namespace market {

namespace {

// The overview is made once and pushed again on later visits.
void gotoMain(shell::QRMInfoAppDelegate& app) {
    auto* overview = app.cachedScreen<MarketInfoViewController>();
    overview->setTitle(QStringLiteral("Thị trường"));
    app.navigator().push(overview, true);
}

} // namespace

void registerMarketScreens(shell::QRMInfoAppDelegate& app) {
    app.mainViewController()->setSectionAction(QStringLiteral("btCKVN"), [&app] { gotoMain(app); });
}

} // namespace market
