#include "portfolio/WatchListViewController.h"

#include "company/CompanyListQuotes.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "company/PriceWarningCheck.h"
#include "shell/ContextMenuViewController.h"
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

namespace portfolio {

namespace {

constexpr int kTableTop = 50;
constexpr int kTableHeight = 214;
constexpr int kCategoryRowHeight = 32;

// The watch list refreshes on its own period; a first look asks once when nothing it lists has a
// quote of today.
shell::LiveRefresh::Options refreshOptions(shell::QRMInfoAppDelegate& app, WatchListViewController& screen) {
    shell::LiveRefresh::Options options;
    options.period = [&app] {
        return app.timeTheodoiCK();
    };
    options.holdsCurrentDay = [&app, &screen] {
        return screen.source().rowCount() == 0 || screen.source().hasRowOfDay(app.currentDay());
    };
    return options;
}

} // namespace

WatchListViewController::WatchListViewController(shell::QRMInfoAppDelegate& appDelegate)
    : m_delegate(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(
          appDelegate, *this, [this] { targetMethod(); }, refreshOptions(appDelegate, *this)))
    , m_warnings(std::make_unique<company::PriceWarningCheck>(appDelegate, *this, [this] { switchLiveOff(); }))
    , m_request(appDelegate, *this)
    , m_order(std::make_unique<ui::RowOrder>(m_source, m_source)) {
    setScreenName(QStringLiteral("Theo dõi chứng khoán"));
}

WatchListViewController::~WatchListViewController() = default;

// ---- layout ----------------------------------------------------------------------------------

QWidget* WatchListViewController::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    buildTopBar(root);
    const QList<QLabel*> headings = company::buildCompanyListHeadings(root);
    for (qsizetype column = 0; column < headings.size(); ++column) {
        m_order->addHeading(headings.at(column), int(column));
    }
    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, kTableHeight);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_order->attach(m_tbView);
    m_order->reserveKey(Qt::Key_L);
    m_order->setOpenRow([this](int row) { goComDetail(row); });
    m_order->setChooseRow([this](int row) { selectRow(row); });
    m_source.setPalette(&m_delegate.palette());
    ui::repaintOnChange(m_delegate.palette(), m_tbView->viewport());
    m_tbView->setDetailFrom(company::CompanyListSource::kDetailFrame.x());
    connect(m_tbView, &ui::RowTable::rowSelected, this, [this](int row) { selectRow(m_order->sourceRow(row)); });
    connect(m_tbView, &ui::RowTable::detailRequested, this, [this](int row) { goComDetail(m_order->sourceRow(row)); });
    m_lbUser = shell::makeLabel(root, QString(), QRect(6, 266, 300, 20), 13);
    m_order->placeFilterLabel(root, QRect(120, 266, 358, 20), QStringLiteral("mã"));
    buildBottomBar(root);
    shell::StockActions::Options options;
    options.chosenCode = [this] {
        return m_stockCode;
    };
    options.categoryRowHeight = kCategoryRowHeight;
    m_actions = new shell::StockActions(m_delegate, root, std::move(options));
    return root;
}

void WatchListViewController::buildTopBar(QWidget* root) {
    const shell::LiveBar bar =
        shell::buildLiveBar(root, m_delegate.scheduler(), *m_live, QStringLiteral("Theo dõi CK"));
    connectNavigation(bar.back, [this] { goBack(); });
    m_releadBt = bar.live;
    connect(m_releadBt, &QPushButton::clicked, this, &WatchListViewController::toggleAnimation);
    m_request.setIndicator(bar.activity);
    m_lbDate = bar.date;
    connect(bar.menu, &QPushButton::clicked, this, &WatchListViewController::goMenu);
}

void WatchListViewController::buildBottomBar(QWidget* root) {
    shell::ButtonRow row(root, 290, 11);
    connectNavigation(row.add(QStringLiteral("Trang chủ"), 76), [this] { goHome(); });
    connect(row.add(QStringLiteral("Tải lại"), 70), &QPushButton::clicked, this, &WatchListViewController::reloadData);
    connect(row.add(QStringLiteral("Danh mục"), 82), &QPushButton::clicked, this,
            [this] { m_actions->loadMenu_DIR_LIST(); });
    connect(row.add(QStringLiteral("+ Danh mục"), 90), &QPushButton::clicked, this,
            [this] { m_actions->loadMenu_DIR_LIST_MORE(); });
    connect(row.add(QStringLiteral("Bỏ theo dõi"), row.room()), &QPushButton::clicked, this,
            &WatchListViewController::loadMenu_DEL_WATCHLIST);
}

void WatchListViewController::viewDidLoad() {
    m_stockCode.clear();
    m_delegate.setBRealTime(false);
}

// ---- appearance ------------------------------------------------------------------------------

void WatchListViewController::viewWillAppear(bool /*animated*/) {
    view();
    m_tbView->selectRow(-1);
    m_stockCode.clear();
    m_stockId.clear();
    m_actions->hideMenus();
    m_lbUser->setText(m_delegate.userLabelText());
    m_warnings->restart();
    // The names a typed filter looks in change only with a full update: read once a visit, not at
    // every refresh.
    m_source.setNames(m_delegate.db()->getCompanyNames());
    loadData();
}

void WatchListViewController::viewWillDisappear(bool /*animated*/) {
    m_live->stop();
    m_delegate.setBRealTime(false);
}

bool WatchListViewController::handleKey(int qtKey) {
    if (m_order->handleKey(qtKey)) {
        return true;
    }
    if (qtKey == Qt::Key_L) {
        toggleAnimation();
        return true;
    }
    return ui::ViewController::handleKey(qtKey);
}

bool WatchListViewController::handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) {
    return m_order->handleTyping(text, modifiers);
}

void WatchListViewController::reloadScreen() {
    reloadData();
}

// ---- data ------------------------------------------------------------------------------------

void WatchListViewController::loadData() {
    view();
    readList();
    if (!m_delegate.bRealTime()) {
        m_live->stop();
        return;
    }
    m_live->animationLoop();
    initTimer();
}

void WatchListViewController::readList() {
    m_companyList = m_delegate.db()->getWatchListData();
    m_source.setRowTexts(m_companyList);
    m_source.readPriceLimits(*m_delegate.db());
    m_order->reload();
    updateDateLabel();
}

// The time of the first quoted row when it is today's, else its day.
void WatchListViewController::updateDateLabel() {
    const auto& rows = m_source.rows();
    const auto quoted = std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.day != 0; });
    if (quoted == rows.end()) {
        return;
    }
    m_lbDate->setFont(ui::systemFont(13));
    m_lbDate->setText(quoted->day == m_delegate.currentDay() ? m_delegate.timeFromLastUpdate(quoted->minute)
                                                             : m_delegate.dateFromDay(quoted->day));
}

void WatchListViewController::toggleAnimation() {
    m_delegate.setBRealTime(!m_delegate.bRealTime());
    if (m_delegate.bRealTime()) {
        m_isRealtime = true;
    }
    m_live->stopAnimation();
    loadData();
}

// An empty list asks for nothing and starts no timer, live mode or not.
void WatchListViewController::initTimer() {
    if (sendQuoteRequest()) {
        m_live->startRefresh();
    }
}

void WatchListViewController::targetMethod() {
    if (m_delegate.bRealTime()) {
        sendQuoteRequest();
    }
}

void WatchListViewController::reloadData() {
    sendQuoteRequest();
}

bool WatchListViewController::sendQuoteRequest() {
    const QString ids = m_delegate.db()->getCompanyWatchList();
    if (ids.isNull()) {
        return false;
    }
    m_request.send(kQuoteRequest, m_delegate.endpoints().watchListQuotes(ids));
    return true;
}

bool WatchListViewController::isRequestOutstanding() const {
    return m_request.isOutstanding();
}

void WatchListViewController::getWarning() {
    if (const QString url = m_warnings->request(); !url.isEmpty()) {
        m_request.send(kWarningRequest, url, true);
    }
}

int WatchListViewController::iWarningCount() const {
    return m_warnings->count();
}

void WatchListViewController::switchLiveOff() {
    m_delegate.setBRealTime(false);
    m_live->stopAnimation();
}

void WatchListViewController::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    const int kind = m_request.finish();
    if (!data) {
        readList();
        return;
    }
    if (kind == kWarningRequest) {
        m_warnings->handleAnswer(*data);
        return;
    }
    company::applyListQuotes(m_delegate, QString::fromUtf8(*data), m_lbDate, [this] { switchLiveOff(); });
    readList();
    if (m_warnings->countAnswer()) {
        getWarning();
    }
}

// ---- actions ---------------------------------------------------------------------------------

void WatchListViewController::selectRow(int row) {
    if (const company::CompanyListRow* item = m_source.row(row)) {
        m_stockCode = item->code;
        m_stockId = item->companyId;
    }
}

// A user who never switched live mode on came for the day's results: the company opens on them.
void WatchListViewController::goComDetail(int row) {
    selectRow(row);
    if (m_stockCode.isEmpty()) {
        return;
    }
    auto* detail = m_delegate.cachedScreen<company::CompanyRealTimeViewcontroller>();
    detail->setCode(m_stockCode);
    detail->set_id(m_delegate.db()->getIdFromCode(m_stockCode));
    m_delegate.navigator().push(detail, true);
    if (!m_isRealtime) {
        detail->goKQGD();
    }
}

void WatchListViewController::loadMenu_DEL_WATCHLIST() {
    askRemoval(QStringLiteral("Xin vui lòng chọn mã chứng khoán!?"),
               QStringLiteral("Xóa mã CK %1 vào danh sách theo dõi"));
}

void WatchListViewController::askRemoval(const QString& noStock, const QString& question) {
    m_actions->hideMenus();
    if (m_stockCode.isEmpty()) {
        m_delegate.alerts().tell(noStock);
        return;
    }
    m_delegate.alerts().ask(question.arg(m_stockCode), [this](int index) {
        if (index == 1) {
            remove();
        }
        m_tbView->selectRow(-1);
    });
}

void WatchListViewController::remove() {
    m_delegate.db()->removeWatchList(m_stockId, m_stockCode);
    m_delegate.alerts().tell(QStringLiteral("Đã xóa mã CK %1 vào danh sách theo dõi").arg(m_stockCode));
    m_stockCode.clear();
    m_stockId.clear();
    readList();
}

void WatchListViewController::goMenu() {
    m_actions->hideMenus();
    m_delegate.menu()->showOver(this, QStringLiteral("WATCHLIST"), view());
}

void WatchListViewController::menuContextCallBack(int item) {
    if (item == 2) {
        askRemoval(QStringLiteral("Xin vui lòng chọn mã chứng khoán!"),
                   QStringLiteral("Xóa mã CK %1 khỏi danh sách theo dõi"));
    }
}

void WatchListViewController::subMenuContextCallBack(int row) {
    m_actions->subMenuContextCallBack(row);
}

void WatchListViewController::goBack() {
    m_delegate.navigator().pop(true);
}

void WatchListViewController::goHome() {
    m_delegate.navigator().popToRoot(true);
}

} // namespace portfolio
