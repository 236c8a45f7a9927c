#include "shell/MainViewController.h"

#include "shell/AboutViewController.h"
#include "shell/ActivityIndicator.h"
#include "shell/LoginViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "shell/SettingViewController.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Artwork.h"
#include "ui/Fonts.h"
#include "ui/Navigator.h"
#include "ui/PictureLabel.h"
#include "ui/PlainLabel.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace shell {

namespace {

constexpr int kColumns = 4;
constexpr int kTileWidth = 110;
constexpr int kTileHeight = 96;
constexpr int kTileGap = 6;
constexpr int kGridLeft = 11;
constexpr int kGridTop = 40;
constexpr int kIconSide = 52;

std::vector<MainViewController::Section> defaultSections() {
    return {
        {QStringLiteral("btCKVN"), QStringLiteral("ckvn_ico.png"), QStringLiteral("Thị trường"), {}},
        {QStringLiteral("btCKTG"), QStringLiteral("cktg_ico.png"), QStringLiteral("Chứng khoán TG"), {}},
        {QStringLiteral("btVang"), QStringLiteral("vang_ico.png"), QStringLiteral("Giá vàng"), {}},
        {QStringLiteral("btTyGia"), QStringLiteral("tigia_ico.png"), QStringLiteral("Tỷ giá"), {}},
        {QStringLiteral("btHanghoa"), QStringLiteral("hh_ico.png"), QStringLiteral("Hàng hóa"), {}},
        {QStringLiteral("btTin"), QStringLiteral("tt_ico.png"), QStringLiteral("Tin tức"), {}},
        {QStringLiteral("btTheodoi"), QStringLiteral("tdck_ico.png"), QStringLiteral("Theo dõi CK"), {}},
        {QStringLiteral("btDanhmuc"), QStringLiteral("dm_ico.png"), QStringLiteral("Danh mục"), {}},
    };
}

QPushButton* makeSectionTile(QWidget* parent, const MainViewController::Section& section, const QRect& geometry) {
    auto* tile = new QPushButton(parent);
    tile->setObjectName(section.objectName);
    tile->setGeometry(geometry);
    tile->setFocusPolicy(Qt::NoFocus);
    tile->setCursor(Qt::PointingHandCursor);
    tile->setStyleSheet(QStringLiteral(
        "QPushButton { background: rgba(255,255,255,18); border: 1px solid rgba(255,255,255,30); border-radius: 10px; }"
        "QPushButton:pressed { background: rgba(90,150,255,90); }"
        "QPushButton:disabled { background: rgba(255,255,255,6); border-color: rgba(255,255,255,12); }"));
    auto* icon = new ui::PictureLabel(tile);
    icon->setGeometry((geometry.width() - kIconSide) / 2, 10, kIconSide, kIconSide);
    icon->setPixmap(ui::artwork(section.image, QSize(kIconSide, kIconSide)));
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    QLabel* caption = ui::plainLabel(tile, section.caption);
    caption->setGeometry(2, 66, geometry.width() - 4, 22);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(ui::systemFont(11, true));
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    caption->setStyleSheet(QStringLiteral("QLabel { color: white; background: transparent; }"
                                          "QLabel:disabled { color: #5b6575; }"));
    return tile;
}

} // namespace

MainViewController::MainViewController(QRMInfoAppDelegate& appDelegate)
    : m_appDelegate(appDelegate)
    , m_sections(defaultSections()) {
    setScreenName(QStringLiteral("Trang chủ"));
}

MainViewController::~MainViewController() = default;

QWidget* MainViewController::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    applyScreenBackground(root);
    makeLabel(root, QStringLiteral("Corvastel"), QRect(12, 6, 160, 26), 17, true);
    m_lbUser = makeLabel(root, QString(), QRect(180, 10, 250, 20), 13);
    m_actNetwork = new ActivityIndicator(m_appDelegate.scheduler(), root);
    m_actNetwork->setGeometry(448, 8, 22, 22);
    buildSections(root);
    buildFunctionBar();
    buildWaitingControls(root);
    return root;
}

void MainViewController::buildSections(QWidget* root) {
    m_buttonArea = new QWidget(root);
    m_buttonArea->setGeometry(0, 0, 480, 320);
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const int column = static_cast<int>(i) % kColumns;
        const int row = static_cast<int>(i) / kColumns;
        const QRect geometry(kGridLeft + column * (kTileWidth + kTileGap), kGridTop + row * (kTileHeight + kTileGap),
                             kTileWidth, kTileHeight);
        QPushButton* tile = makeSectionTile(m_buttonArea, m_sections[i], geometry);
        tile->setEnabled(static_cast<bool>(m_sections[i].open));
        connectNavigation(tile, [this, i] {
            if (m_sections[i].open) {
                m_sections[i].open();
            }
        });
        m_sectionButtons.append(tile);
    }
}

void MainViewController::buildFunctionBar() {
    const QStringList captions{QStringLiteral("Cấu hình"), QStringLiteral("Hỗ trợ"), QStringLiteral("Cập nhật")};
    const std::vector<void (MainViewController::*)()> actions{
        &MainViewController::gotoSetting, &MainViewController::goAbout, &MainViewController::confirmUpdate};
    for (int i = 0; i < captions.size(); ++i) {
        QPushButton* button = makeBarButton(m_buttonArea, captions.at(i), QRect(246 + i * 78, 284, 72, 28));
        const auto action = actions[static_cast<std::size_t>(i)];
        connectNavigation(button, [this, action] { (this->*action)(); });
        m_functionButtons.append(button);
    }
}

void MainViewController::buildWaitingControls(QWidget* root) {
    m_actIndicator = new ActivityIndicator(m_appDelegate.scheduler(), root);
    m_actIndicator->setGeometry(12, 286, 24, 24);
    m_waitLb = makeLabel(root, QString(), QRect(42, 286, 200, 24), 12, true);
    m_waitLb->hide();
    m_lbNetwork = makeLabel(root, QString(), QRect(300, 10, 140, 20), 11);
    m_lbNetwork->hide();
    m_progressBar = new QProgressBar(root);
    m_progressBar->setGeometry(12, 278, 222, 4);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
}

void MainViewController::viewDidLoad() {
    // The menu is shown before the store exists; start-up reads the saved user itself then.
    if (!m_appDelegate.db()) {
        return;
    }
    QStringList user;
    m_appDelegate.db()->getUserInfo(user);
    m_appDelegate.setUsername(user.value(0));
    m_appDelegate.setPassword(user.value(1));
}

void MainViewController::viewWillAppear(bool /*animated*/) {
    m_appDelegate.setBRealTime(false);
    refreshUserLabel();
}

void MainViewController::refreshUserLabel() {
    if (!m_lbUser) {
        return;
    }
    m_lbUser->setText(m_appDelegate.userLabelText());
}

void MainViewController::clearUserLabel() {
    if (m_lbUser) {
        m_lbUser->clear();
    }
}

void MainViewController::setSectionAction(const QString& objectName, std::function<void()> open) {
    const auto section = std::find_if(m_sections.begin(), m_sections.end(),
                                      [&objectName](const Section& s) { return s.objectName == objectName; });
    if (section == m_sections.end()) {
        return;
    }
    section->open = std::move(open);
    const auto index = static_cast<qsizetype>(section - m_sections.begin());
    if (index < m_sectionButtons.size()) {
        m_sectionButtons[index]->setEnabled(static_cast<bool>(section->open));
    }
}

void MainViewController::gotoSetting() {
    m_appDelegate.pushTransient(std::make_unique<SettingViewController>(m_appDelegate), true);
}

void MainViewController::goAbout() {
    m_appDelegate.pushTransient(std::make_unique<AboutViewController>(m_appDelegate), true);
}

void MainViewController::goLogin() {
    m_appDelegate.navigator().push(m_appDelegate.loginViewController(), true);
}

void MainViewController::performGeneralMenuItem(int item) {
    ui::Navigator& navigator = m_appDelegate.navigator();
    const auto openFromRoot = [this](const char* objectName) {
        openSectionFromRoot(QLatin1String(objectName));
    };
    switch (item) {
    case 0:
        confirmUpdate();
        break;
    case 1:
        navigator.popToRoot(false);
        break;
    case 2:
        openFromRoot("btTin");
        break;
    case 3:
        openFromRoot("btTheodoi");
        break;
    case 4:
        openFromRoot("btDanhmuc");
        break;
    case 5:
        navigator.popToRoot(false);
        gotoSetting();
        break;
    default:
        break;
    }
}

void MainViewController::openSection(const QString& objectName) {
    for (const Section& section : m_sections) {
        if (section.objectName == objectName && section.open) {
            section.open();
        }
    }
}

void MainViewController::openSectionFromRoot(const QString& objectName) {
    m_appDelegate.navigator().popToRoot(false);
    openSection(objectName);
}

void MainViewController::confirmUpdate() {
    m_appDelegate.alerts().show(QString(), QStringLiteral("Cập nhật toàn bộ dữ liệu!"),
                                {QStringLiteral("NO"), QStringLiteral("YES")},
                                [this](int index) { alertButtonClicked(index); });
}

void MainViewController::alertButtonClicked(int index) {
    if (index != 1) {
        return;
    }
    view();
    m_progressBar->setValue(0);
    if (m_appDelegate.navigator().topController() == this) {
        m_actIndicator->startAnimating();
    }
    m_actNetwork->startAnimating();
    m_waitLb->show();
    m_appDelegate.load_EOD();
    m_waitLb->setText(QStringLiteral("Đang cập nhật..."));
}

void MainViewController::setMenuEnabled(bool enabled) {
    view();
    m_buttonArea->setEnabled(enabled);
}

void MainViewController::setWaitText(const QString& text) {
    view();
    m_waitLb->setText(text);
}

void MainViewController::hideWaitText() {
    view();
    m_waitLb->hide();
}

void MainViewController::hideProgress() {
    view();
    m_progressBar->hide();
}

void MainViewController::stopNetwork() {
    view();
    m_actNetwork->stopAnimating();
}

void MainViewController::stopUpdateIndicator() {
    view();
    m_actIndicator->stopAnimating();
}

QString MainViewController::userLabelText() const {
    return m_lbUser ? m_lbUser->text() : QString();
}

QString MainViewController::waitText() const {
    return m_waitLb ? m_waitLb->text() : QString();
}

bool MainViewController::isWaitTextVisible() const {
    return m_waitLb && !m_waitLb->isHidden();
}

bool MainViewController::isMenuEnabled() const {
    return !m_buttonArea || m_buttonArea->isEnabled();
}

bool MainViewController::isUpdateIndicatorAnimating() const {
    return m_actIndicator && m_actIndicator->isAnimating();
}

QPushButton* MainViewController::sectionButton(const QString& objectName) const {
    for (QPushButton* button : m_sectionButtons) {
        if (button->objectName() == objectName) {
            return button;
        }
    }
    return nullptr;
}

QPushButton* MainViewController::functionButton(int index) const {
    return m_functionButtons.value(index);
}

} // namespace shell
