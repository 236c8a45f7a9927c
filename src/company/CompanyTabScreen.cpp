#include "company/CompanyTabScreen.h"

#include "company/CompanyRealTimeViewcontroller.h"
#include "shell/ActivityIndicator.h"
#include "shell/LiveRefresh.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "shell/StockActions.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"

#include <QPushButton>

namespace company {

CompanyTabScreen::CompanyTabScreen(shell::QRMInfoAppDelegate& appDelegate)
    : m_appDelegate(appDelegate)
    , m_request(appDelegate, *this) {}

CompanyTabScreen::~CompanyTabScreen() = default;

void CompanyTabScreen::setRtController(CompanyRealTimeViewcontroller* host) {
    m_rtController = host;
}

CompanyRealTimeViewcontroller* CompanyTabScreen::rtController() const {
    return m_rtController;
}

namespace {

// Every tab asks with the kind of its host's own requests.
constexpr int kRequestKind = 1;

} // namespace

QWidget* CompanyTabScreen::makeRoot(CompanyTab shown, shell::LiveRefresh* live, std::function<void()> switchLive) {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    buildBars(root, shown, live, std::move(switchLive));
    return root;
}

void CompanyTabScreen::buildBars(QWidget* root, CompanyTab shown, shell::LiveRefresh* live,
                                 std::function<void()> switchLive) {
    m_tabBar = buildCompanyTabBar(root, shown);
    m_bottomBar = buildCompanyTabBottomBar(root, live != nullptr);
    if (live != nullptr) {
        live->setButton(m_bottomBar.live);
        connect(m_bottomBar.live, &QPushButton::clicked, this, std::move(switchLive));
    }
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
    shell::StockActions::Options options;
    options.chosenCode = [this] {
        return m_rtController ? m_rtController->code() : QString();
    };
    options.beforePush = [this] {
        if (m_rtController) {
            m_rtController->setBLockView(true);
        }
    };
    options.categoriesInPlace = true;
    m_actions = new shell::StockActions(m_appDelegate, root, std::move(options));
    connect(m_bottomBar.btCategory, &QPushButton::clicked, m_actions, &shell::StockActions::loadMenu);
    connect(m_bottomBar.btMenu, &QPushButton::clicked, this, &CompanyTabScreen::goMenu);
}

void CompanyTabScreen::goMenu() {
    if (QWidget* root = loadedView()) {
        m_actions->showContextMenu(QStringLiteral("COM_KQGD"), root);
    }
}

void CompanyTabScreen::takeOff() {
    stopTimers();
    if (QWidget* root = loadedView()) {
        root->hide();
        root->setParent(nullptr);
    }
}

// The view comes off the host's screen first, so that the host's answer finds it uncovered.
void CompanyTabScreen::leaveTab(const QString& tab) {
    takeOff();
    if (m_rtController) {
        m_rtController->tabCallBack(tab);
    }
}

void CompanyTabScreen::goHome() {
    stopTimers();
    ui::Navigator* navigator = m_rtController ? m_rtController->navigationController() : nullptr;
    (navigator ? *navigator : m_appDelegate.navigator()).popToRoot(true);
}

void CompanyTabScreen::sendTabRequest(const QString& url) {
    m_request.send(kRequestKind, url);
}

void CompanyTabScreen::stopIndicator() {
    m_request.finish();
}

bool CompanyTabScreen::isRequestOutstanding() const {
    return m_request.isOutstanding();
}

bool CompanyTabScreen::isShownOver(const QWidget* host) const {
    const QWidget* tab = loadedView();
    return tab != nullptr && host != nullptr && tab->parentWidget() == host && !tab->isHidden();
}

} // namespace company
