#include "company/CompanyRealTimeViewcontroller.h"

#include "company/CompanyFinancialNewsViewController.h"
#include "company/CompanyHeadNewsViewController.h"
#include "company/CompanyRealTimeView.h"
#include "company/CompanyResultViewController.h"
#include "company/QuotePanel.h"
#include "core/QuoteRecord.h"
#include "net/AnswerReader.h"
#include "net/MyUrlRequest.h"
#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LiveRefresh.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "shell/StockActions.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Artwork.h"
#include "ui/Fonts.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"
#include "ui/PictureLabel.h"

#include <QLabel>
#include <QPushButton>

namespace company {

namespace {

constexpr int kPointFields = 4;
constexpr int kQuoteFields = 17;
constexpr int kStoredPointFields = 5;
constexpr int kPanelTop = 152;

shell::LiveRefresh::Options refreshOptions(shell::QRMInfoAppDelegate& app, CompanyRealTimeViewcontroller& screen) {
    // The company's own data keep flowing after a tab change switched live mode off.
    shell::LiveRefresh::Options options;
    options.tickNeedsLiveMode = false;
    options.holdsCurrentDay = [&app, &screen] {
        return !app.db()->getCompanyDetailData(screen.code(), app.currentDay()).isEmpty();
    };
    return options;
}

} // namespace

CompanyRealTimeViewcontroller::CompanyRealTimeViewcontroller(shell::QRMInfoAppDelegate& appDelegate)
    : m_delegate(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(
          appDelegate, *this, [this] { targetMethod(); }, refreshOptions(appDelegate, *this))) {
    setScreenName(QStringLiteral("Giao dịch trong ngày"));
}

CompanyRealTimeViewcontroller::~CompanyRealTimeViewcontroller() = default;

// ---- layout ----------------------------------------------------------------------------------

QWidget* CompanyRealTimeViewcontroller::loadView() {
    // The chart is the root, so chart coordinates are screen coordinates.
    auto* chart = new CompanyRealTimeView;
    chart->resize(480, 320);
    chart->setDelegate(this);
    chart->setTrendPalette(&m_delegate.palette());
    m_chart = chart;
    buildTopBar(chart);
    QLabel* caption = shell::makeLabel(chart, QStringLiteral("Cập nhật"), QRect(6, 34, 128, 18), 12);
    caption->setStyleSheet(QStringLiteral("color: #9aa7b8; background: transparent;"));
    m_timeLabel = shell::makeLabel(chart, QString(), QRect(6, 52, 128, 20), 12);
    buildTimeAxes(chart);
    m_panel = new QuotePanel(chart);
    m_panel->setTrendPalette(&m_delegate.palette());
    m_panel->move(0, kPanelTop);
    buildBottomBar(chart);
    return chart;
}

void CompanyRealTimeViewcontroller::buildTopBar(QWidget* root) {
    m_btGoBack = shell::makeBarButton(root, QStringLiteral("◀ Trở về"), QRect(4, 3, 76, 24));
    connectNavigation(m_btGoBack, [this] { goPrev(); });
    m_releadBt = new ui::LiveModeButton(root);
    m_releadBt->setGeometry(84, 1, 28, 28);
    m_releadBt->setToolTip(QStringLiteral("Trực tuyến"));
    connect(m_releadBt, &QPushButton::clicked, this, &CompanyRealTimeViewcontroller::toggleAnimation);
    m_live->setButton(m_releadBt);
    m_actNetwork = new shell::ActivityIndicator(m_delegate.scheduler(), root);
    m_actNetwork->setGeometry(116, 6, 18, 18);
    // The tabs: this screen, the trading results, the financial statements and the news.
    QPushButton* realTime = shell::makeBarButton(root, QStringLiteral("Trực tuyến"), QRect(140, 3, 82, 24));
    realTime->setEnabled(false);
    m_btKQGD = shell::makeBarButton(root, QStringLiteral("KQGD"), QRect(226, 3, 70, 24));
    connectNavigation(m_btKQGD, [this] { goKQGD(); });
    m_btTC = shell::makeBarButton(root, QStringLiteral("Tài chính"), QRect(300, 3, 84, 24));
    connectNavigation(m_btTC, [this] { goFinance(); });
    m_btTin = shell::makeBarButton(root, QStringLiteral("Tin tức"), QRect(388, 3, 88, 24));
    connectNavigation(m_btTin, [this] { goHeadNews(); });
}

// The trading-hours captions under the panel, one per exchange; only the company's is shown.
void CompanyRealTimeViewcontroller::buildTimeAxes(QWidget* root) {
    const auto axis = [root](const QString& name) {
        auto* label = new ui::PictureLabel(root);
        label->setGeometry(184, 130, 280, 18);
        label->setPixmap(ui::artwork(name, QSize(280, 18)));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    };
    m_hotimeChart = axis(QStringLiteral("hotimeChart.png"));
    m_hatimeChart = axis(QStringLiteral("hatimeChart.png"));
    m_hatimeChart->hide();
}

void CompanyRealTimeViewcontroller::buildBottomBar(QWidget* root) {
    constexpr int kTop = 290;
    m_btHome = shell::makeBarButton(root, QStringLiteral("Trang chủ"), QRect(4, kTop, 90, 26));
    connectNavigation(m_btHome, [this] { goHome(); });
    m_btReload = shell::makeBarButton(root, QStringLiteral("Tải lại"), QRect(98, kTop, 90, 26));
    connect(m_btReload, &QPushButton::clicked, this, &CompanyRealTimeViewcontroller::reloadData);
    shell::StockActions::Options options;
    options.chosenCode = [this] {
        return m_code;
    };
    options.categoriesInPlace = true;
    m_actions = new shell::StockActions(m_delegate, root, std::move(options));
    QPushButton* actions = shell::makeBarButton(root, QStringLiteral("Danh mục"), QRect(292, kTop, 90, 26));
    connect(actions, &QPushButton::clicked, m_actions, &shell::StockActions::loadMenu);
    QPushButton* menu = shell::makeBarButton(root, QStringLiteral("☰"), QRect(386, kTop, 90, 26));
    connect(menu, &QPushButton::clicked, this, &CompanyRealTimeViewcontroller::goMenu);
    // "Thêm vào danh mục" of the menu without a login: the tab shown stays for the way back.
    connect(m_delegate.menu(), &shell::ContextMenuViewController::companyLoginRequested, this,
            [this] { m_bLockView = true; });
}

void CompanyRealTimeViewcontroller::goMenu() {
    m_actions->showContextMenu(QStringLiteral("COM_KQGD"), view());
}

shell::StockActions* CompanyRealTimeViewcontroller::actions() {
    view();
    return m_actions;
}

void CompanyRealTimeViewcontroller::viewDidLoad() {
    m_panel->clear();
    m_live->stop();
}

CompanyRealTimeView* CompanyRealTimeViewcontroller::chartView() {
    view();
    return m_chart;
}

QuotePanel* CompanyRealTimeViewcontroller::quotePanel() {
    view();
    return m_panel;
}

// ---- appearance ------------------------------------------------------------------------------

void CompanyRealTimeViewcontroller::viewWillAppear(bool /*animated*/) {
    view();
    m_delegate.setBRealTime(false);
    m_iLastUpdate = 0;
    m_bLockView = false;
    startLoad();
}

void CompanyRealTimeViewcontroller::viewWillDisappear(bool /*animated*/) {
    m_live->stop();
    if (!m_bLockView) {
        removeViews();
    }
}

bool CompanyRealTimeViewcontroller::handleKey(int qtKey) {
    if (CompanyTabScreen* tab = shownTab(); tab != nullptr && tab->handleKey(qtKey)) {
        return true;
    }
    if (qtKey == Qt::Key_L) {
        toggleAnimation();
        return true;
    }
    return ui::ViewController::handleKey(qtKey);
}

void CompanyRealTimeViewcontroller::reloadScreen() {
    reloadData();
}

// ---- live cycle ------------------------------------------------------------------------------

void CompanyRealTimeViewcontroller::startLoad() {
    displayInfo();
    if (m_live->followLiveMode()) {
        sendRequest();
    }
}

void CompanyRealTimeViewcontroller::toggleAnimation() {
    m_delegate.setBRealTime(!m_delegate.bRealTime());
    startLoad();
}

void CompanyRealTimeViewcontroller::initTimer() {
    m_live->startRefresh();
}

void CompanyRealTimeViewcontroller::targetMethod() {
    sendRequest();
}

void CompanyRealTimeViewcontroller::reloadData() {
    m_iLastUpdate = 0;
    sendRequest();
}

void CompanyRealTimeViewcontroller::animationLoop() {
    m_live->animationLoop();
}

void CompanyRealTimeViewcontroller::changeImages() {
    m_live->changeImages();
}

void CompanyRealTimeViewcontroller::sendRequest() {
    view();
    if (!m_myUrlRequest) {
        m_myUrlRequest = m_delegate.makeRequest();
    }
    m_myUrlRequest->setMyReqType(kRequestKind);
    m_myUrlRequest->setDelegate(this);
    m_myUrlRequest->ResquestLink(m_delegate.endpoints().companyRealtime(m_id, m_iLastUpdate));
    m_actNetwork->startAnimating();
}

void CompanyRealTimeViewcontroller::stopIndicator() {
    if (m_actNetwork) {
        m_actNetwork->stopAnimating();
    }
}

bool CompanyRealTimeViewcontroller::isRequestOutstanding() const {
    return m_actNetwork && m_actNetwork->isAnimating();
}

// ---- answers ---------------------------------------------------------------------------------

void CompanyRealTimeViewcontroller::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    stopIndicator();
    if (data) {
        parse_Realtime(QString::fromUtf8(*data));
    } else {
        m_delegate.showConnectionError();
    }
    displayInfo();
}

// Points and quotes are stored in the order received: the quote stamps its day on every point
// stored before it, so a point after it keeps day 0 until the next quote.
void CompanyRealTimeViewcontroller::parse_Realtime(const QString& text) {
    const net::Answer answer(text);
    if (answer.headerFieldCount() < 2) {
        return;
    }
    if (answer.status() != 0) {
        m_delegate.setBRealTime(false);
        m_live->stopAnimation();
        m_delegate.alerts().tell(answer.headerText(2));
        return;
    }
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == kPointFields) {
            storePoint(record);
        } else if (record.size() == kQuoteFields) {
            storeQuote(record);
        }
    }
}

void CompanyRealTimeViewcontroller::storePoint(const net::RecordView& record) {
    m_delegate.db()->updateMinuteCompanyData(record.text(0), QStringLiteral("0"), record.text(1), record.text(2),
                                             record.text(3));
}

void CompanyRealTimeViewcontroller::storeQuote(const net::RecordView& record) {
    m_iLastUpdate = record.intAt(2);
    showTime(record.intAt(2), record.intAt(3));
    const auto field = [&record](qsizetype i) {
        return record.text(i);
    };
    myDb& db = *m_delegate.db();
    core::writeRealtimeQuote(db, field);
    core::writeLastQuote(db, field);
}

void CompanyRealTimeViewcontroller::showTime(int minute, int day) {
    m_timeLabel->setFont(ui::systemFont(12));
    m_timeLabel->setText(day == m_delegate.currentDay() ? m_delegate.timeFromLastUpdate(minute)
                                                        : m_delegate.dateFromDay(day));
}

// ---- panel and chart -------------------------------------------------------------------------

void CompanyRealTimeViewcontroller::resetRanges() {
    m_chart->setMaxHeight(0);
    m_chart->setPreHeight(0);
    m_chart->setY_Scale(200);
    m_chart->setMaxPoint(0);
    m_chart->setMinPoint(50000);
}

void CompanyRealTimeViewcontroller::displayInfo() {
    view();
    resetRanges();
    const QStringList detail = m_delegate.db()->getCompanyDetailData(m_code, m_delegate.currentDay());
    if (detail.size() >= QuotePanel::kDetailSize) {
        m_panel->display(detail);
        showExchange(m_panel->isHoSE());
        m_id = detail.at(1);
        m_chart->setYesterdayPoint(detail.at(9).toFloat());
        parsetoGetInfo(m_delegate.db()->getMinuteCompanyData(m_id));
    }
    m_chart->setNeedsDisplay();
}

void CompanyRealTimeViewcontroller::showExchange(bool hose) {
    m_chart->setHoSE(hose);
    m_hotimeChart->setVisible(hose);
    m_hatimeChart->setVisible(!hose);
}

void CompanyRealTimeViewcontroller::parsetoGetInfo(const QStringList& points) {
    for (const QString& text : points) {
        const QStringList fields = text.split(QLatin1Char(','));
        if (fields.size() != kStoredPointFields) {
            continue;
        }
        showTime(fields.at(2).toInt(), fields.at(1).toInt());
        m_chart->widen(fields.at(4).toFloat(), fields.at(3).toFloat());
    }
}

void CompanyRealTimeViewcontroller::parseForDraw() {
    const QStringList points = m_delegate.db()->getMinuteCompanyData(m_id);
    if (points.isEmpty()) {
        return;
    }
    CompanyRealTimeView& chart = *m_chart;
    chart.setY_Scale((chart.maxHeight() - chart.minHeight()) / 40);
    chart.setY_PointScale((chart.maxPoint() - chart.minPoint()) / 80);
    chart.setPrePoint(0);
    for (const QString& text : points) {
        ParseText(text);
    }
}

void CompanyRealTimeViewcontroller::ParseText(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != kStoredPointFields) {
        return;
    }
    m_chart->drawBar(fields.at(2).toInt(), fields.at(4).toDouble(), fields.at(3).toDouble());
}

// ---- tabs and navigation ---------------------------------------------------------------------

void CompanyRealTimeViewcontroller::showTab(CompanyTabScreen& tab) {
    removeViews();
    tab.setRtController(this);
    QWidget* view = tab.view();
    QWidget* host = this->view();
    view->setParent(host);
    view->setGeometry(host->rect());
    view->show();
    view->raise();
    tab.resetPressCount();
}

void CompanyRealTimeViewcontroller::goKQGD() {
    m_delegate.setBRealTime(false);
    auto* result = m_delegate.cachedScreen<CompanyResultViewController>();
    result->setCode(m_code);
    showTab(*result);
    result->setDayView(m_delegate.currentDay());
    result->startLoad();
}

void CompanyRealTimeViewcontroller::goFinance() {
    m_delegate.setBRealTime(false);
    auto* finance = m_delegate.cachedScreen<CompanyFinancialNewsViewController>();
    finance->set_id(m_id);
    showTab(*finance);
    finance->prepareToShow();
}

void CompanyRealTimeViewcontroller::goHeadNews() {
    m_delegate.setBRealTime(false);
    auto* companyNews = m_delegate.cachedScreen<CompanyHeadNewsViewController>();
    companyNews->set_id(m_id);
    showTab(*companyNews);
    companyNews->reload();
}

void CompanyRealTimeViewcontroller::tabCallBack(const QString& tab) {
    m_delegate.setBRealTime(false);
    if (tab.isNull()) {
        return;
    }
    if (tab == QLatin1String("Back")) {
        goPrev();
    } else if (tab == QLatin1String("RealTime")) {
        // The tab normally takes its own view off first; make sure this screen is uncovered.
        removeViews();
        startLoad();
    } else if (tab == QLatin1String("KQGD")) {
        goKQGD();
    } else if (tab == QLatin1String("Taichinh")) {
        goFinance();
    } else if (tab == QLatin1String("Tintuc")) {
        goHeadNews();
    }
}

std::array<CompanyTabScreen*, 3> CompanyRealTimeViewcontroller::existingTabs() const {
    return {m_delegate.existingScreen<CompanyResultViewController>(),
            m_delegate.existingScreen<CompanyFinancialNewsViewController>(),
            m_delegate.existingScreen<CompanyHeadNewsViewController>()};
}

void CompanyRealTimeViewcontroller::removeViews() {
    QWidget* host = loadedView();
    for (CompanyTabScreen* tab : existingTabs()) {
        if (tab != nullptr && host != nullptr && tab->loadedView() != nullptr &&
            tab->loadedView()->parentWidget() == host) {
            tab->takeOff();
        }
    }
}

CompanyTabScreen* CompanyRealTimeViewcontroller::shownTab() const {
    for (CompanyTabScreen* tab : existingTabs()) {
        if (tab != nullptr && tab->isShownOver(loadedView())) {
            return tab;
        }
    }
    return nullptr;
}

bool CompanyRealTimeViewcontroller::isResultTabShown() const {
    CompanyTabScreen* tab = shownTab();
    return tab != nullptr && tab == m_delegate.existingScreen<CompanyResultViewController>();
}

void CompanyRealTimeViewcontroller::goPrev() {
    m_delegate.navigator().pop(true);
}

void CompanyRealTimeViewcontroller::goNext() {}

void CompanyRealTimeViewcontroller::goHome() {
    m_delegate.navigator().popToRoot(true);
}

} // namespace company
