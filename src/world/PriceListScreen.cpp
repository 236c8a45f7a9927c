#include "world/PriceListScreen.h"

#include "net/AnswerReader.h"
#include "net/MyUrlRequest.h"
#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/Transaction.h"
#include "store/myDb.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace world {

namespace {

constexpr int kHeadingY = 32;
constexpr int kTableTop = 52;
constexpr int kBottomBarY = 290;
constexpr int kTableHeight = kBottomBarY - 4 - kTableTop;
constexpr int kBottomButtonWidth = 76;
constexpr int kBottomButtonStep = 79;

} // namespace

PriceListScreen::PriceListScreen(shell::QRMInfoAppDelegate& appDelegate, QString heading,
                                 const PriceRowLayout& rowLayout)
    : m_delegate(appDelegate)
    , m_heading(std::move(heading))
    , m_rows(rowLayout) {
    shell::LiveRefresh::Options options;
    // A first visit of the day would otherwise list nothing (or yesterday's prices) until the
    // user found the reload button.
    options.holdsCurrentDay = [this] {
        return holdsCurrentDay();
    };
    m_live = std::make_unique<shell::LiveRefresh>(
        appDelegate, *this, [this] { targetMethod(); }, std::move(options));
}

PriceListScreen::~PriceListScreen() = default;

// ---- layout ----------------------------------------------------------------------------------

QWidget* PriceListScreen::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    m_bar = shell::buildLiveBar(root, m_delegate.scheduler(), *m_live, m_heading);
    connectNavigation(m_bar.back, [this] { goBack(); });
    connect(m_bar.live, &QPushButton::clicked, this, &PriceListScreen::toggleAnimation);
    connectNavigation(m_bar.menu, [this] { goMenu(); });

    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, kTableHeight);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_tbView->setSource(&m_rows);
    m_tbView->hide();

    QPushButton* home = addBottomButton(root, QStringLiteral("Trang chủ"), 0);
    connectNavigation(home, [this] { goHome(); });
    QPushButton* reloadButton = addBottomButton(root, QStringLiteral("Tải lại"), 1);
    connect(reloadButton, &QPushButton::clicked, this, &PriceListScreen::reload);
    m_lbUser = shell::makeLabel(root, QString(), QRect(4 + 4 * kBottomButtonStep, kBottomBarY, 160, 26), 13);
    buildContent(root);
    return root;
}

void PriceListScreen::viewDidLoad() {
    m_live->stop();
}

QLabel* PriceListScreen::addColumnHeading(QWidget* root, const QString& text, const QRect& frame,
                                          Qt::Alignment alignment) {
    QLabel* label = shell::makeLabel(root, text, QRect(frame.x(), kHeadingY, frame.width(), 18), 12, true);
    label->setStyleSheet(QStringLiteral("color: #9fb4d0; background: transparent;"));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QPushButton* PriceListScreen::addBottomButton(QWidget* root, const QString& caption, int slot) {
    return shell::makeBarButton(root, caption,
                                QRect(4 + slot * kBottomButtonStep, kBottomBarY, kBottomButtonWidth, 26));
}

// ---- appearance ------------------------------------------------------------------------------

void PriceListScreen::viewWillAppear(bool /*animated*/) {
    view();
    m_delegate.setBRealTime(false);
    refreshUserLabel();
    startLoad();
}

void PriceListScreen::refreshUserLabel() {
    const bool shown = m_delegate.account_visible() != 0 && m_delegate.isAuthenticated();
    m_lbUser->setText(shown ? QStringLiteral("[ %1 ]").arg(m_delegate.username()) : QString());
}

bool PriceListScreen::handleKey(int qtKey) {
    if (qtKey == Qt::Key_L) {
        toggleAnimation();
        return true;
    }
    return ui::ViewController::handleKey(qtKey);
}

void PriceListScreen::reloadScreen() {
    reload();
}

bool PriceListScreen::holdsCurrentDay() const {
    const int today = m_delegate.currentDay();
    return std::any_of(m_stored.cbegin(), m_stored.cend(),
                       [today](const QString& row) { return readStoredPrice(row).day >= today; });
}

// ---- data ------------------------------------------------------------------------------------

void PriceListScreen::startLoad() {
    view();
    showStoredRows();
    if (!m_delegate.bRealTime()) {
        m_live->stop();
        return;
    }
    m_live->animationLoop();
    m_live->startRefresh();
    sendRequest();
}

void PriceListScreen::showStoredRows() {
    view();
    m_stored = readStoredRows();
    m_rows.setRows(buildRows(m_stored));
    m_tbView->reload();
    m_tbView->setVisible(m_rows.rowCount() > 0);
}

void PriceListScreen::setDateText(const QString& text) {
    m_bar.date->setText(text);
}

// Neither the reload nor the tick waits for an answer under way: the request object drops it.
void PriceListScreen::reload() {
    sendRequest();
}

void PriceListScreen::targetMethod() {
    sendRequest();
}

void PriceListScreen::toggleAnimation() {
    m_delegate.setBRealTime(!m_delegate.bRealTime());
    startLoad();
}

void PriceListScreen::sendRequest() {
    view();
    if (!m_myUrlRequest) {
        m_myUrlRequest = m_delegate.makeRequest();
    }
    m_myUrlRequest->setMyReqType(kRequestKind);
    m_myUrlRequest->setDelegate(this);
    m_myUrlRequest->ResquestLink(requestUrl());
    m_bar.activity->startAnimating();
}

bool PriceListScreen::isRequestOutstanding() const {
    return m_bar.activity != nullptr && m_bar.activity->isAnimating();
}

int PriceListScreen::animationCount() const {
    return m_live->animationCount();
}

void PriceListScreen::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    m_bar.activity->stopAnimating();
    if (data) {
        parseAndSaveToDb(QString::fromUtf8(*data));
        return;
    }
    m_delegate.showConnectionError();
    if (rereadsAfterFailure()) {
        showStoredRows();
    }
}

// The answer's records land together or not at all, so the list never mixes two answers.
void PriceListScreen::parseAndSaveToDb(const QString& text) {
    const net::Answer answer(text);
    if (answer.isSuccess()) {
        myDb& db = *m_delegate.db();
        store::Transaction transaction(db);
        bool stored = true;
        for (const net::RecordView& record : answer.allRecords()) {
            if (record.size() == kRecordFields) {
                stored = storeRecord(db, record) && stored;
            }
        }
        if (stored) {
            transaction.commit();
        }
    }
    showStoredRows();
}

// ---- navigation ------------------------------------------------------------------------------

void PriceListScreen::goBack() {
    m_delegate.navigator().pop(true);
}

void PriceListScreen::goHome() {
    m_delegate.navigator().popToRoot(true);
}

void PriceListScreen::goMenu() {
    m_delegate.menu()->showOver(this, QString(), view());
}

void PriceListScreen::menuContextCallBack(int item) {
    m_delegate.mainViewController()->performGeneralMenuItem(item);
}

} // namespace world
