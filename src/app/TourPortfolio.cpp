// The tour's walk through the categories, the holdings screens and the watch list.
#include "app/Tour.h"
#include "company/CompanyInfoViewController.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "portfolio/PortfolioScreens.h"
#include "portfolio/WatchListViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/StockActions.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"

namespace app {

namespace {

constexpr int kWaitMs = 15000;

} // namespace

void Tour::watchFirstCompanies(company::CompanyInfoViewController& list, int count) {
    for (int row = 0; row < count && row < list.source().rowCount(); ++row) {
        Q_EMIT list.tbView()->rowSelected(row);
        list.actions()->loadMenu_ADD_WATCHLIST();
        m_app.alerts().press(1);
        m_app.alerts().press(0);
    }
}

QString Tour::walkPortfolio() {
    auto* directory = m_app.cachedScreen<portfolio::DirectoryMenuViewController>();
    if (!openSection(QStringLiteral("btDanhmuc"), directory)) {
        return QStringLiteral("the category list did not open");
    }
    if (directory->dirListName().isEmpty()) {
        return QStringLiteral("the demo user has no categories");
    }
    snap(QStringLiteral("categories"));
    directory->goDirectoryDetail(0);
    const char* names[] = {"market", "purchase", "price", "profit", "warning"};
    for (int screen = 1; screen <= 5; ++screen) {
        directory->gotoScreen(screen);
        auto* shown = dynamic_cast<portfolio::PortfolioScreen*>(m_app.navigator().topController());
        if (shown == nullptr || shown->screenNumber() != screen || shown->model().rows().empty()) {
            return QStringLiteral("holdings screen %1 did not show the category's holdings").arg(screen);
        }
        snap(QStringLiteral("holdings-%1-%2").arg(screen).arg(QLatin1String(names[screen - 1])));
    }
    directory->gotoScreen(1);
    auto* first = portfolio::holdingsScreen(m_app, 1);
    first->selectRow(0);
    first->menuContextCallBack(2);
    snap(QStringLiteral("holding-form"));
    m_app.navigator().popToRoot(false);
    auto* watchList = m_app.cachedScreen<portfolio::WatchListViewController>();
    if (!openSection(QStringLiteral("btTheodoi"), watchList)) {
        return QStringLiteral("the watch list did not open");
    }
    watchList->reloadData();
    if (!waitUntil([watchList] { return !watchList->isRequestOutstanding(); }, kWaitMs)) {
        return QStringLiteral("the watch list got no answer");
    }
    if (watchList->companyList().isEmpty()) {
        return QStringLiteral("the watch list stayed empty");
    }
    snap(QStringLiteral("watch-list"));
    m_app.navigator().popToRoot(false);
    return {};
}

} // namespace app
