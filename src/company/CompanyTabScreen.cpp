#include "company/CompanyTabScreen.h"

#include "company/CompanyRealTimeViewcontroller.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"

#include <QPushButton>

namespace company {

CompanyTabScreen::CompanyTabScreen(shell::QRMInfoAppDelegate& appDelegate)
    : m_appDelegate(appDelegate) {}

CompanyTabScreen::~CompanyTabScreen() = default;

void CompanyTabScreen::setRtController(CompanyRealTimeViewcontroller* host) {
    m_rtController = host;
}

CompanyRealTimeViewcontroller* CompanyTabScreen::rtController() const {
    return m_rtController;
}

void CompanyTabScreen::buildBars(QWidget* root, CompanyTab shown, bool withLiveButton) {
    m_tabBar = buildCompanyTabBar(root, shown);
    m_bottomBar = buildCompanyTabBottomBar(root, withLiveButton);
    const auto bindTab = [this](QPushButton* button, const QString& tab) {
        if (button != nullptr) {
            connectNavigation(button, [this, tab] { leaveTab(tab); });
        }
    };
    bindTab(m_tabBar.btGoBack, QStringLiteral("Back"));
    bindTab(m_tabBar.btRt, QStringLiteral("RealTime"));
    bindTab(m_tabBar.btKQGD, QStringLiteral("KQGD"));
    bindTab(m_tabBar.btTC, QStringLiteral("Taichinh"));
    bindTab(m_tabBar.btTin, QStringLiteral("Tintuc"));
    connectNavigation(m_bottomBar.btHome, [this] { goHome(); });
    connect(m_bottomBar.btReload, &QPushButton::clicked, this, [this] { refreshFromService(); });
}

// The view comes off the host's screen first, so that the host's answer finds it uncovered.
void CompanyTabScreen::leaveTab(const QString& tab) {
    stopTimers();
    if (isViewLoaded()) {
        view()->hide();
        view()->setParent(nullptr);
    }
    if (m_rtController) {
        m_rtController->tabCallBack(tab);
    }
}

void CompanyTabScreen::goHome() {
    stopTimers();
    ui::Navigator* navigator = m_rtController ? m_rtController->navigationController() : nullptr;
    (navigator ? *navigator : m_appDelegate.navigator()).popToRoot(true);
}

bool CompanyTabScreen::isShownOver(const QWidget* host) const {
    const QWidget* tab = loadedView();
    return tab != nullptr && host != nullptr && tab->parentWidget() == host && !tab->isHidden();
}

} // namespace company
