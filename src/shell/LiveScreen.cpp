#include "shell/LiveScreen.h"

#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

namespace shell {

LiveScreen::LiveScreen(QRMInfoAppDelegate& appDelegate)
    : m_delegate(appDelegate)
    , m_request(appDelegate, *this) {
    LiveRefresh::Options options;
    options.holdsCurrentDay = [this] {
        return holdsCurrentDay();
    };
    m_live = std::make_unique<LiveRefresh>(
        appDelegate, *this, [this] { targetMethod(); }, std::move(options));
}

LiveScreen::~LiveScreen() = default;

void LiveScreen::viewDidLoad() {
    m_live->stop();
}

void LiveScreen::buildLiveBar(QWidget* root, const QString& heading) {
    m_bar = shell::buildLiveBar(root, m_delegate.scheduler(), *m_live, heading);
    m_request.setIndicator(m_bar.activity);
    connectNavigation(m_bar.back, [this] { goBack(); });
    connect(m_bar.live, &QPushButton::clicked, this, [this] { toggleAnimation(); });
    connectNavigation(m_bar.menu, [this] { goMenu(); });
}

void LiveScreen::beginAppearance() {
    view();
    m_delegate.setBRealTime(false);
    if (m_lbUser != nullptr) {
        m_lbUser->setText(m_delegate.userLabelText());
    }
}

bool LiveScreen::handleKey(int qtKey) {
    if (qtKey == Qt::Key_L) {
        toggleAnimation();
        return true;
    }
    return ui::ViewController::handleKey(qtKey);
}

void LiveScreen::reloadScreen() {
    reload();
}

void LiveScreen::sendRequest(const QString& url, int kind) {
    view();
    m_request.send(kind, url);
}

void LiveScreen::stopIndicator() {
    m_request.finish();
}

bool LiveScreen::isRequestOutstanding() const {
    return m_request.isOutstanding();
}

int LiveScreen::animationCount() const {
    return m_live->animationCount();
}

void LiveScreen::goBack() {
    m_delegate.navigator().pop(true);
}

void LiveScreen::goHome() {
    m_delegate.navigator().popToRoot(true);
}

void LiveScreen::goMenu() {
    m_delegate.menu()->showOver(this, QString(), view());
}

void LiveScreen::menuContextCallBack(int item) {
    m_delegate.mainViewController()->performGeneralMenuItem(item);
}

} // namespace shell
