#include "shell/BarScreen.h"

#include "shell/ContextMenuViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

namespace shell {

BarScreen::BarScreen(QRMInfoAppDelegate& appDelegate, QString heading)
    : m_appDelegate(appDelegate)
    , m_heading(std::move(heading)) {}

BarScreen::~BarScreen() = default;

QWidget* BarScreen::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    applyScreenBackground(root);
    QPushButton* back = makeBarButton(root, QStringLiteral("◀ Trở về"), QRect(6, 5, 78, 26));
    connectNavigation(back, [this] { goBack(); });
    QLabel* heading = makeLabel(root, m_heading, QRect(90, 5, 226, 26), 15, true);
    heading->setAlignment(Qt::AlignCenter);
    m_btHome = makeBarButton(root, QStringLiteral("Trang chủ"), QRect(322, 5, 92, 26));
    connectNavigation(m_btHome, [this] { goHome(); });
    m_btMenu = makeBarButton(root, QStringLiteral("☰"), QRect(420, 5, 54, 26));
    connectNavigation(m_btMenu, [this] { goMenu(); });
    buildContent(root);
    return root;
}

void BarScreen::goBack() {
    m_appDelegate.navigator().pop(true);
}

void BarScreen::leaveIfShown() {
    if (m_appDelegate.navigator().topController() == this) {
        m_appDelegate.navigator().pop(true);
    }
}

void BarScreen::goHome() {
    m_appDelegate.navigator().popToRoot(true);
}

void BarScreen::goMenu() {
    m_appDelegate.menu()->showOver(this, QString(), view());
}

void BarScreen::menuContextCallBack(int item) {
    m_appDelegate.mainViewController()->performGeneralMenuItem(item);
}

} // namespace shell
