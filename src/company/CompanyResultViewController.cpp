#include "company/CompanyResultViewController.h"

#include "company/CompanyRealTimeViewcontroller.h"
#include "company/CompanyResultQuotes.h"
#include "company/CompanyResultRow.h"
#include "company/CompanyResultView.h"
#include "company/QuotePanel.h"
#include "shell/ActivityIndicator.h"
#include "shell/LiveRefresh.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Fonts.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

namespace company {

namespace {

shell::LiveRefresh::Options refreshOptions() {
    // The tab is never on top of the stack: its refresh must not wait for the live mode of the
    // screens that are.
    shell::LiveRefresh::Options options;
    options.tickNeedsLiveMode = false;
    return options;
}

} // namespace

CompanyResultViewController::CompanyResultViewController(shell::QRMInfoAppDelegate& appDelegate)
    : CompanyTabScreen(appDelegate)
    , m_appDelegate(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(
          appDelegate, *this, [this] { targetMethod(); }, refreshOptions())) {
    setScreenName(QStringLiteral("Kết quả giao dịch cổ phiếu"));
    connect(&m_appDelegate, &shell::QRMInfoAppDelegate::companyResultsLoaded, this,
            &CompanyResultViewController::companyResultsLoaded);
    connect(&m_appDelegate, &shell::QRMInfoAppDelegate::marketResultsLoaded, this,
            &CompanyResultViewController::marketResultsLoaded);
}

CompanyResultViewController::~CompanyResultViewController() = default;

QWidget* CompanyResultViewController::loadView() {
    m_chart = new CompanyResultView(*this);
    m_chart->setTrendPalette(&m_appDelegate.palette());
    m_chart->setChartBackground(QColor(0x0b, 0x11, 0x1b));
    buildBars(m_chart, CompanyTab::Results);
    m_layout = CompanyResultLayout::build(m_chart, m_appDelegate.scheduler());
    m_layout.panel->setTrendPalette(&m_appDelegate.palette());
    setActivityIndicator(m_layout.actNetwork);
    return m_chart;
}

void CompanyResultViewController::viewDidLoad() {
    m_layout.panel->clear();
    connectActions();
}

void CompanyResultViewController::connectActions() {
    const auto bind = [this](QPushButton* button, void (CompanyResultViewController::*action)()) {
        connect(button, &QPushButton::clicked, this, action);
    };
    // The left arrow goes back in time (the earlier day), the right one forward.
    bind(m_layout.leftButton, &CompanyResultViewController::goNext);
    bind(m_layout.rightButton, &CompanyResultViewController::goPrev);
}

const CompanyResultLayout& CompanyResultViewController::layout() {
    view();
    return m_layout;
}

const CompanyTabBar& CompanyResultViewController::bars() {
    view();
    return tabBar();
}

const CompanyTabBottomBar& CompanyResultViewController::bottom() {
    view();
    return bottomBar();
}

CompanyResultView* CompanyResultViewController::chartView() {
    view();
    return m_chart;
}

int CompanyResultViewController::currentDay() const {
    return m_appDelegate.currentDay();
}

void CompanyResultViewController::viewWillAppear(bool /*animated*/) {
    m_appDelegate.setBRealTime(false);
    m_dayView = currentDay();
    startLoad();
}

bool CompanyResultViewController::handleKey(int qtKey) {
    return handleDayKey(qtKey) || ui::ViewController::handleKey(qtKey);
}

bool CompanyResultViewController::handleDayKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        goNext();
        return true;
    case Qt::Key_Right:
        goPrev();
        return true;
    default:
        return false;
    }
}

// ---- panel and chart -------------------------------------------------------------------------

void CompanyResultViewController::startLoad() {
    displayInfo();
    // Laid over its host, the tab takes the key presses while it is shown.
    if (m_chart->isVisible()) {
        m_chart->setFocus();
    }
}

// The chart's ranges always come from the 31 days up to today, whichever day the panel shows,
// so that stepping from day to day keeps the chart's scale.
void CompanyResultViewController::displayInfo() {
    CompanyResultView* chart = chartView();
    chart->resetRanges();
    const QStringList detail = m_appDelegate.db()->getCompanyDetailData(m_code, m_dayView);
    if (detail.size() >= QuotePanel::kDetailSize) {
        showDetail(detail);
    }
    const QStringList rows = m_appDelegate.db()->getGraphCompanyData(m_code, currentDay());
    for (const QString& row : rows) {
        parsetoGetInfo(row);
    }
    chart->update();
}

void CompanyResultViewController::showDetail(const QStringList& detail) {
    m_layout.panel->display(detail);
    m_id = detail.at(1);
    // The store answers with the latest day not after the one asked for.
    m_dayView = detail.at(3).toInt();
    tabBar().lbDate->setFont(ui::systemFont(13));
    tabBar().lbDate->setText(m_appDelegate.dateFromDay(m_dayView));
}

void CompanyResultViewController::parsetoGetInfo(const QString& row) {
    const CompanyResultRow values = CompanyResultRow::fromText(row);
    chartView()->widenRanges(values.price, values.volume);
}

void CompanyResultViewController::parseForDraw() {
    const QStringList rows = m_appDelegate.db()->getGraphCompanyData(m_code, currentDay());
    if (rows.isEmpty()) {
        return;
    }
    CompanyResultView* chart = chartView();
    chart->updateScales();
    m_orderDays.clear();
    m_iDayCount = 0;
    m_tmpVal = 0;
    chart->resetLine();
    // Latest first; each row compares with the trading day before it. The earliest row keeps
    // its own volume as the comparison, so its bar is green.
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        if (i > 0) {
            m_tmpVal = CompanyResultRow::fromText(rows.at(i - 1)).volume;
        }
        ParseText(rows.at(i));
    }
}

// The latest row stands at its own day's position and every earlier one a position further
// left, so the trading days stand side by side whatever the calendar gaps.
void CompanyResultViewController::ParseText(const QString& row) {
    const CompanyResultRow values = CompanyResultRow::fromText(row);
    int day = values.day;
    m_orderDays.append(day);
    if (m_iDayCount > 0) {
        day = m_iDayCount - 1;
    }
    CompanyResultView* chart = chartView();
    chart->setIsGreen(values.volume >= m_tmpVal);
    chart->drawBar(day - currentDay() + CompanyResultView::kPositions, values.day, values.volume, values.price);
    m_iDayCount = day;
}

// ---- day steps and reload --------------------------------------------------------------------

// The store's "previous day" reader gives the next later day.
void CompanyResultViewController::goPrev() {
    const int later = m_appDelegate.db()->getPreDayKQKD(m_id, m_dayView);
    if (later == 0) {
        m_dayView = currentDay();
        return;
    }
    m_dayView = later;
    displayInfo();
}

// The store's "next day" reader gives the next earlier day.
void CompanyResultViewController::goNext() {
    const int earlier = m_appDelegate.db()->getNextDayKQKD(m_id, m_dayView);
    if (earlier == 0) {
        return;
    }
    m_dayView = earlier;
    displayInfo();
}

void CompanyResultViewController::reload() {
    actNetwork()->startAnimating();
    m_layout.lbNetwork->setText(QStringLiteral("Đang tải..."));
    m_layout.lbNetwork->show();
    m_loadOutstanding = true;
    m_appDelegate.load_EOD_KQGD_COM(m_dayView);
}

// The application object loads for other screens too: only a load this tab asked for is its.
void CompanyResultViewController::companyResultsLoaded(bool stored) {
    if (!m_loadOutstanding) {
        return;
    }
    m_loadOutstanding = false;
    m_layout.actNetwork->stopAnimating();
    m_layout.lbNetwork->hide();
    if (stored) {
        startLoad();
    }
}

void CompanyResultViewController::marketResultsLoaded() {
    if (isViewLoaded()) {
        m_layout.lbNetwork->hide();
    }
}

// ---- live refresh ----------------------------------------------------------------------------

void CompanyResultViewController::initTimer() {
    m_live->startRefresh();
    targetMethod();
}

void CompanyResultViewController::stopTimer() {
    m_live->stop();
}

bool CompanyResultViewController::isRefreshing() const {
    return m_live->isRefreshing();
}

void CompanyResultViewController::targetMethod() {
    view();
    sendTabRequest(m_appDelegate.endpoints().companyRealtime(m_id, m_appDelegate.iLastRevision()));
}

void CompanyResultViewController::DidFinishRequest(std::optional<QByteArray> data) {
    if (data) {
        actNetwork()->stopAnimating();
        parse_Realtime(QString::fromUtf8(*data));
    } else {
        m_appDelegate.showConnectionError();
        actNetwork()->stopAnimating();
    }
    displayInfo();
}

void CompanyResultViewController::parse_Realtime(const QString& text) {
    storeRealtimeQuotes(*m_appDelegate.db(), text);
}

// ---- tabs ------------------------------------------------------------------------------------

void CompanyResultViewController::goRealtime() {
    leaveTab(QStringLiteral("RealTime"));
}

void CompanyResultViewController::goFinance() {
    leaveTab(QStringLiteral("Taichinh"));
}

void CompanyResultViewController::goHeadNews() {
    leaveTab(QStringLiteral("Tintuc"));
}

void CompanyResultViewController::goBack() {
    leaveTab(QStringLiteral("Back"));
}

} // namespace company
