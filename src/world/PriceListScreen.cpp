#include "world/PriceListScreen.h"

#include "net/AnswerReader.h"
#include "shell/LiveRefresh.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/Transaction.h"
#include "store/myDb.h"
#include "ui/RowOrder.h"
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
    : LiveScreen(appDelegate)
    , m_heading(std::move(heading))
    , m_rows(rowLayout)
    , m_order(std::make_unique<ui::RowOrder>(m_rows, m_rows)) {
    // The rows carry their colours: a palette change builds them again from what is stored.
    connect(&appDelegate.palette(), &ui::TrendPalette::changed, this, [this] {
        if (isViewLoaded()) {
            m_rows.setRows(buildRows(m_stored));
            m_order->reload();
        }
    });
}

PriceListScreen::~PriceListScreen() = default;

// ---- layout ----------------------------------------------------------------------------------

QWidget* PriceListScreen::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    buildLiveBar(root, m_heading);

    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, kTableHeight);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_order->attach(m_tbView);
    m_order->reserveKey(Qt::Key_L);
    m_tbView->hide();

    QPushButton* home = addBottomButton(root, QStringLiteral("Trang chủ"), 0);
    connectNavigation(home, [this] { goHome(); });
    QPushButton* reloadButton = addBottomButton(root, QStringLiteral("Tải lại"), 1);
    connect(reloadButton, &QPushButton::clicked, this, &PriceListScreen::reload);
    setUserLabel(shell::makeLabel(root, QString(), QRect(4 + 4 * kBottomButtonStep, kBottomBarY, 160, 26), 13));
    buildContent(root);
    // Over the table's foot: the bottom bar has no room left.
    m_order->placeFilterLabel(root, QRect(200, kBottomBarY - 24, 278, 20), QStringLiteral("dòng"));
    return root;
}

QLabel* PriceListScreen::addColumnHeading(QWidget* root, const QString& text, const QRect& frame,
                                          Qt::Alignment alignment, int column) {
    QLabel* label = shell::makeLabel(root, text, QRect(frame.x(), kHeadingY, frame.width(), 18), 12, true);
    label->setStyleSheet(QStringLiteral("color: #9fb4d0; background: transparent;"));
    label->setAlignment(alignment | Qt::AlignVCenter);
    m_order->addHeading(label, column);
    return label;
}

QPushButton* PriceListScreen::addBottomButton(QWidget* root, const QString& caption, int slot) {
    return shell::makeBarButton(root, caption,
                                QRect(4 + slot * kBottomButtonStep, kBottomBarY, kBottomButtonWidth, 26));
}

// ---- appearance ------------------------------------------------------------------------------

void PriceListScreen::viewWillAppear(bool /*animated*/) {
    beginAppearance();
    startLoad();
}

bool PriceListScreen::handleKey(int qtKey) {
    return m_order->handleKey(qtKey) || LiveScreen::handleKey(qtKey);
}

bool PriceListScreen::handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) {
    return m_order->handleTyping(text, modifiers);
}

// A first visit of the day would otherwise list nothing (or yesterday's prices) until the user
// found the reload button.
bool PriceListScreen::holdsCurrentDay() const {
    const int today = appDelegate().currentDay();
    return std::any_of(m_stored.cbegin(), m_stored.cend(),
                       [today](const QString& row) { return readStoredPrice(row).day >= today; });
}

// ---- data ------------------------------------------------------------------------------------

void PriceListScreen::startLoad() {
    showStoredRows();
    if (liveRefresh().followLiveMode()) {
        reload();
    }
}

void PriceListScreen::showStoredRows() {
    view();
    m_stored = readStoredRows();
    m_rows.setRows(buildRows(m_stored));
    m_order->reload();
    m_tbView->setVisible(m_rows.rowCount() > 0);
}

void PriceListScreen::reload() {
    sendRequest(requestUrl(), kRequestKind);
}

void PriceListScreen::targetMethod() {
    reload();
}

void PriceListScreen::toggleAnimation() {
    appDelegate().setBRealTime(!appDelegate().bRealTime());
    startLoad();
}

void PriceListScreen::DidFinishRequest(std::optional<QByteArray> data) {
    stopIndicator();
    if (data) {
        parseAndSaveToDb(QString::fromUtf8(*data));
        return;
    }
    appDelegate().showConnectionError();
    if (rereadsAfterFailure()) {
        showStoredRows();
    }
}

// The answer's records land together or not at all, so the list never mixes two answers.
void PriceListScreen::parseAndSaveToDb(const QString& text) {
    const net::Answer answer(text);
    if (answer.isSuccess()) {
        myDb& db = *appDelegate().db();
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

} // namespace world
