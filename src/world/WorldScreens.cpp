#include "world/WorldScreens.h"

#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"
#include "world/ExchangeViewController.h"
#include "world/GoodsViewController.h"
#include "world/WorldGoldViewController.h"
#include "world/WorldStockViewController.h"

namespace world {

namespace {

// Each screen is made once and pushed again on later visits; the lists get a blank title, the
// gold screen keeps its own.
template <typename Screen> void open(shell::QRMInfoAppDelegate& app, bool blankTitle) {
    auto* screen = app.cachedScreen<Screen>();
    if (blankTitle) {
        screen->setTitle(QStringLiteral(" "));
    }
    app.navigator().push(screen, true);
}

} // namespace

void registerWorldScreens(shell::QRMInfoAppDelegate& app) {
    shell::MainViewController& menu = *app.mainViewController();
    menu.setSectionAction(QStringLiteral("btCKTG"), [&app] { open<WorldStockViewController>(app, true); });
    menu.setSectionAction(QStringLiteral("btVang"), [&app] { open<WorldGoldViewController>(app, false); });
    menu.setSectionAction(QStringLiteral("btTyGia"), [&app] { open<ExchangeViewController>(app, true); });
    menu.setSectionAction(QStringLiteral("btHanghoa"), [&app] { open<GoodsViewController>(app, true); });
}

} // namespace world
