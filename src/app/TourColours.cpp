// The tour's pictures of the colour options: the company list in price-board colours, and the
// market overview and company list in the colour-blind-safe palette.
#include "app/Tour.h"
#include "company/CompanyInfoViewController.h"
#include "market/MarketInfoViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/SettingViewController.h"
#include "ui/Navigator.h"

namespace app {

namespace {

constexpr int kWaitMs = 15000;

} // namespace

// Through the settings screen's switches, as a user turns them.
void Tour::setColourOptions(bool boardColours, bool colourSafe) {
    m_app.navigator().popToRoot(false);
    m_app.mainViewController()->gotoSetting();
    if (auto* settings = dynamic_cast<shell::SettingViewController*>(m_app.navigator().topController())) {
        settings->switchAction(shell::SettingViewController::kBoardColoursSwitch, boardColours);
        settings->switchAction(shell::SettingViewController::kColourSafeSwitch, colourSafe);
    }
    m_app.navigator().popToRoot(false);
}

QString Tour::snapMarketInColours(const QString& suffix, bool withOverview) {
    auto* overview = m_app.cachedScreen<market::MarketInfoViewController>();
    if (!openSection(QStringLiteral("btCKVN"), overview)) {
        return QStringLiteral("the market overview did not open");
    }
    if (withOverview) {
        if (!waitUntil([overview] { return !overview->isRequestOutstanding(); }, kWaitMs)) {
            return QStringLiteral("the market overview got no answer");
        }
        snap(QStringLiteral("market-overview-%1").arg(suffix));
    }
    overview->goCompanyInfoHoSE();
    auto* list = m_app.cachedScreen<company::CompanyInfoViewController>();
    QString failure = refreshCompanyList(*list, QStringLiteral("hose-%1").arg(suffix));
    m_app.navigator().popToRoot(false);
    return failure;
}

QString Tour::walkColourOptions() {
    const bool boardColours = m_app.palette().boardColours();
    const bool colourSafe = m_app.palette().colourSafe();
    setColourOptions(true, false);
    QString failure = snapMarketInColours(QStringLiteral("board-colours"), false);
    if (failure.isEmpty()) {
        setColourOptions(false, true);
        m_app.mainViewController()->gotoSetting();
        snap(QStringLiteral("settings-colour-safe"));
        m_app.navigator().popToRoot(false);
        failure = snapMarketInColours(QStringLiteral("colour-safe"), true);
    }
    // The user's own choice comes back: the tour may run on the user's preferences.
    setColourOptions(boardColours, colourSafe);
    return failure;
}

} // namespace app
