#include "company/CompanyInfoViewController.h"

#include "company/CompanyChooseViewController.h"
#include "company/CompanyListQuotes.h"
#include "company/CompanyListSource.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "company/PriceWarningCheck.h"
#include "net/AnswerReader.h"
#include "shell/ActivityIndicator.h"
#include "shell/LiveBar.h"
#include "shell/LiveRefresh.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "shell/StockActions.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Fonts.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"
#include "ui/RowOrder.h"
#include "ui/RowTable.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace company {

namespace {

constexpr int kTableTop = 50;
constexpr int kTableHeight = 214;

// Only the live list is today's; a list of an earlier day never asks on its own.
shell::LiveRefresh::Options refreshOptions(shell::QRMInfoAppDelegate& app, CompanyInfoViewController& screen) {
    shell::LiveRefresh::Options options;
    options.holdsCurrentDay = [&app, &screen] {
        return !screen.isRealtime() || screen.source().hasRowOfDay(app.currentDay());
    };
    return options;
}

} // namespace

CompanyInfoViewController::CompanyInfoViewController(shell::QRMInfoAppDelegate& appDelegate)
    : m_delegate(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(
          appDelegate, *this, [this] { targetMethod(); }, refreshOptions(appDelegate, *this)))
    , m_source(std::make_unique<CompanyListSource>())
    , m_order(std::make_unique<ui::RowOrder>(*m_source, *m_source))
    , m_warnings(std::make_unique<PriceWarningCheck>(appDelegate, *this, [this] { switchLiveOff(); }))
    , m_request(appDelegate, *this) {
    setScreenName(QStringLiteral("Bảng giá cổ phiếu"));
}

CompanyInfoViewController::~CompanyInfoViewController() = default;

// ---- layout ----------------------------------------------------------------------------------

QWidget* CompanyInfoViewController::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    buildTopBar(root);
    const QList<QLabel*> headings = buildCompanyListHeadings(root);
    for (qsizetype column = 0; column < headings.size(); ++column) {
        m_order->addHeading(headings.at(column), int(column));
    }
    buildTable(root);
    buildBottomBar(root);
    m_lbUser = shell::makeLabel(root, QString(), QRect(6, 266, 300, 20), 13);
    m_order->placeFilterLabel(root, QRect(120, 266, 358, 20), QStringLiteral("mã"));
    return root;
}

void CompanyInfoViewController::buildTopBar(QWidget* root) {
    const shell::LiveBar bar = shell::buildLiveBar(root, m_delegate.scheduler(), *m_live, QString());
    m_btGoBack = bar.back;
    connectNavigation(m_btGoBack, [this] { goBack(); });
    m_releadBt = bar.live;
    connect(m_releadBt, &QPushButton::clicked, this, &CompanyInfoViewController::toggleAnimation);
    m_request.setIndicator(bar.activity);
    // The exchange's name in place of a title, and room for the long date of the list.
    m_lbStock = bar.heading;
    m_lbStock->setGeometry(146, 3, 70, 24);
    m_lbStock->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lbStock->setStyleSheet(QStringLiteral("color: #ffd54a; background: transparent;"));
    m_lbDate = bar.date;
    m_lbDate->setGeometry(220, 3, 190, 24);
    m_lbDate->setFont(ui::systemFont(13));
    m_btMenu = bar.menu;
    connect(m_btMenu, &QPushButton::clicked, this, &CompanyInfoViewController::goMenu);
}

void CompanyInfoViewController::buildTable(QWidget* root) {
    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, kTableHeight);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_order->attach(m_tbView);
    m_order->reserveKey(Qt::Key_L);
    m_order->setOpenRow([this](int row) { goComDetail(row); });
    m_order->setChooseRow([this](int row) { rowSelected(row); });
    m_source->setPalette(&m_delegate.palette());
    ui::repaintOnChange(m_delegate.palette(), m_tbView->viewport());
    m_tbView->setDetailFrom(CompanyListSource::kDetailFrame.x());
    connect(m_tbView, &ui::RowTable::rowSelected, this, [this](int row) { rowSelected(m_order->sourceRow(row)); });
    connect(m_tbView, &ui::RowTable::detailRequested, this, [this](int row) { goComDetail(m_order->sourceRow(row)); });
}

void CompanyInfoViewController::buildBottomBar(QWidget* root) {
    // Seven buttons share the bar: a smaller face keeps every caption whole.
    constexpr int kWidth = 64;
    shell::ButtonRow row(root, 290, 10);
    const auto next = [&row](const QString& caption) {
        return row.add(caption, kWidth);
    };
    m_btHome = next(QStringLiteral("Trang chủ"));
    connectNavigation(m_btHome, [this] { goHome(); });
    m_btReload = next(QStringLiteral("Tải lại"));
    connect(m_btReload, &QPushButton::clicked, this, &CompanyInfoViewController::reloadData);
    m_btChoose = next(QStringLiteral("Chọn mã"));
    connectNavigation(m_btChoose, [this] { viewChooseCompany(); });
    shell::StockActions::Options options;
    options.chosenCode = [this] {
        return m_stockCode;
    };
    m_actions = new shell::StockActions(m_delegate, root, std::move(options));
    m_btDanhmuc = next(QStringLiteral("Danh mục"));
    connect(m_btDanhmuc, &QPushButton::clicked, m_actions, &shell::StockActions::loadMenu_DIR_LIST);
    m_btCongDm = next(QStringLiteral("+ DM"));
    connect(m_btCongDm, &QPushButton::clicked, m_actions, &shell::StockActions::loadMenu_DIR_LIST_MORE);
    m_btTD = next(QStringLiteral("Theo dõi"));
    connect(m_btTD, &QPushButton::clicked, m_actions, &shell::StockActions::loadMenu_WATCHLIST);
    m_btThemTD = next(QStringLiteral("+ TD"));
    connect(m_btThemTD, &QPushButton::clicked, m_actions, &shell::StockActions::loadMenu_ADD_WATCHLIST);
}

QList<QPushButton*> CompanyInfoViewController::categoryButtons() const {
    return {m_btDanhmuc, m_btCongDm, m_btTD, m_btThemTD, m_btMenu};
}

void CompanyInfoViewController::viewDidLoad() {
    m_stockCode.clear();
    m_delegate.setBRealTime(false);
}

// ---- appearance ------------------------------------------------------------------------------

void CompanyInfoViewController::viewWillAppear(bool /*animated*/) {
    view();
    m_tbView->selectRow(-1);
    m_actions->hideMenus();
    m_lbDate->setText(m_delegate.dateFromDay(m_infoDay));
    refreshUserLabel();
    m_delegate.setBRealTime(false);
    m_lbStock->setText(m_marketStockId == kHNX ? QStringLiteral("HNX") : QStringLiteral("HoSE"));
    m_warnings->restart();
    // The names a typed filter looks in change only with a full update: read once a visit, not at
    // every refresh.
    m_source->setNames(m_delegate.db()->getCompanyNames());
    loadData();
}

void CompanyInfoViewController::viewWillDisappear(bool /*animated*/) {
    m_live->stop();
    m_delegate.setBRealTime(false);
}

void CompanyInfoViewController::refreshUserLabel() {
    m_lbUser->setFont(ui::systemFont(13));
    m_lbUser->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lbUser->setText(m_delegate.userLabelText());
}

bool CompanyInfoViewController::handleKey(int qtKey) {
    if (m_order->handleKey(qtKey)) {
        return true;
    }
    if (qtKey == Qt::Key_L) {
        toggleAnimation();
        return true;
    }
    return ui::ViewController::handleKey(qtKey);
}

bool CompanyInfoViewController::handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) {
    return m_order->handleTyping(text, modifiers);
}

void CompanyInfoViewController::reloadScreen() {
    reloadData();
}

// ---- data ------------------------------------------------------------------------------------

void CompanyInfoViewController::loadData() {
    view();
    m_companyList.clear();
    readCompanyList();
    reloadTable();
    if (!m_isRealtime) {
        return;
    }
    if (!m_delegate.bRealTime()) {
        m_live->stop();
        return;
    }
    animationLoop();
    initTimer();
}

// Live: the latest stored day; otherwise the latest stored trading day not after infoDay, or
// the latest day when there is none.
void CompanyInfoViewController::readCompanyList() {
    myDb& db = *m_delegate.db();
    if (m_isRealtime) {
        m_companyList = db.getCompanydata(m_marketStockId);
        return;
    }
    m_companyList = db.getCompanydataWithDay(m_marketStockId, m_infoDay);
    if (m_companyList.isEmpty()) {
        m_companyList = db.getCompanydata(m_marketStockId);
    }
}

void CompanyInfoViewController::reloadTable() {
    m_source->setRowTexts(m_companyList);
    m_source->readPriceLimits(*m_delegate.db());
    m_order->reload();
    updateDateLabel();
}

// Each row updates the date label as it is built: live rows of today show the time of the
// latest quote seen so far, others their day. Building all rows at once leaves the last word.
void CompanyInfoViewController::updateDateLabel() {
    int latestMinute = 0;
    for (const CompanyListRow& row : m_source->rows()) {
        m_lbDate->setFont(ui::systemFont(13));
        if (row.day == m_delegate.currentDay() && m_isRealtime) {
            latestMinute = std::max(latestMinute, row.minute);
            m_lbDate->setText(m_delegate.timeFromLastUpdate(latestMinute));
        } else {
            m_lbDate->setText(m_delegate.dateFromDay(row.day));
        }
    }
}

void CompanyInfoViewController::initTimer() {
    m_live->startRefresh();
    sendQuoteRequest();
}

void CompanyInfoViewController::targetMethod() {
    if (!m_delegate.bRealTime()) {
        return;
    }
    sendQuoteRequest();
}

// The overview's revision is reset too: a full reload asks for everything again.
void CompanyInfoViewController::reloadData() {
    m_delegate.setILastRevision(0);
    m_warnings->restart();
    sendQuoteRequest();
}

void CompanyInfoViewController::toggleAnimation() {
    m_delegate.setBRealTime(!m_delegate.bRealTime());
    m_isRealtime = m_delegate.bRealTime();
    m_live->stopAnimation();
    loadData();
}

void CompanyInfoViewController::animationLoop() {
    m_live->animationLoop();
}

void CompanyInfoViewController::changeImages() {
    m_live->changeImages();
}

void CompanyInfoViewController::sendQuoteRequest() {
    view();
    m_request.send(kQuoteRequest, m_delegate.endpoints().companyList(m_marketStockId, m_delegate.iLastRevision()));
}

bool CompanyInfoViewController::isRequestOutstanding() const {
    return m_request.isOutstanding();
}

void CompanyInfoViewController::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    const int kind = m_request.finish();
    if (!data) {
        // A failed transfer shows what is stored, without an alert.
        m_companyList = m_delegate.db()->getCompanydata(m_marketStockId);
        reloadTable();
        return;
    }
    if (kind == kWarningRequest) {
        parse_data_warning(*data);
        return;
    }
    if (kind != kQuoteRequest) {
        return;
    }
    parse_data(QString::fromUtf8(*data));
    readCompanyList();
    reloadTable();
    if (m_warnings->countAnswer()) {
        getWarning();
    }
}

void CompanyInfoViewController::switchLiveOff() {
    m_delegate.setBRealTime(false);
    m_live->stopAnimation();
}

void CompanyInfoViewController::parse_data(const QString& text) {
    view();
    applyListQuotes(m_delegate, text, m_lbDate, [this] { switchLiveOff(); });
}

void CompanyInfoViewController::getWarning() {
    if (const QString url = m_warnings->request(); !url.isEmpty()) {
        m_request.send(kWarningRequest, url, true);
    }
}

void CompanyInfoViewController::parse_data_warning(const QByteArray& data) {
    m_warnings->handleAnswer(data);
}

int CompanyInfoViewController::iWarningCount() const {
    return m_warnings->count();
}

// ---- navigation ------------------------------------------------------------------------------

void CompanyInfoViewController::rowSelected(int row) {
    if (const CompanyListRow* item = m_source->row(row)) {
        m_stockCode = item->code;
    }
}

void CompanyInfoViewController::goComDetail(int row) {
    const CompanyListRow* item = m_source->row(row);
    if (!item) {
        return;
    }
    m_stockCode = item->code;
    auto* detail = m_delegate.cachedScreen<CompanyRealTimeViewcontroller>();
    detail->setCode(m_stockCode);
    detail->set_id(m_delegate.db()->getIdFromCode(m_stockCode));
    m_delegate.navigator().push(detail, true);
    if (!m_isRealtime) {
        // A past day is listed: its trading results are what the user came for.
        detail->goKQGD();
    }
}

void CompanyInfoViewController::viewChooseCompany() {
    auto* choose = m_delegate.cachedScreen<CompanyChooseViewController>();
    choose->setMarketStockId(m_marketStockId);
    m_delegate.navigator().push(choose, true);
}

void CompanyInfoViewController::goMenu() {
    m_actions->showContextMenu(QStringLiteral("DSMACK"), view());
}

shell::StockActions* CompanyInfoViewController::actions() {
    view();
    return m_actions;
}

void CompanyInfoViewController::goHome() {
    m_delegate.navigator().popToRoot(true);
}

void CompanyInfoViewController::goBack() {
    m_delegate.navigator().pop(true);
}

} // namespace company
