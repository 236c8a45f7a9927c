#include "market/MarketResultViewController.h"

#include "company/CompanyInfoViewController.h"
#include "market/BreadthStrip.h"
#include "market/MarketBreadth.h"
#include "market/MarketMoversViewController.h"
#include "market/MarketResultRecord.h"
#include "market/MarketResultStyle.h"
#include "market/MarketResultView.h"
#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Fonts.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace market {

namespace {

// The company list of the day the results show, without live refresh.
void openCompanyList(shell::QRMInfoAppDelegate& app, int stockId) {
    auto* list = app.cachedScreen<company::CompanyInfoViewController>();
    list->setMarketStockId(stockId);
    list->setIsRealtime(false);
    list->setInfoDay(app.currentMarketResultDayView());
    app.navigator().push(list, true);
}

constexpr int kHoSE = 2;
constexpr int kHaSTC = 1;
constexpr int kSlots = 60;

} // namespace

MarketResultViewController::MarketResultViewController(shell::QRMInfoAppDelegate& appDelegate)
    : m_appDelegate(appDelegate) {
    setScreenName(QStringLiteral("Kết quả giao dịch"));
    connect(&m_appDelegate, &shell::QRMInfoAppDelegate::marketResultsLoaded, this,
            &MarketResultViewController::marketResultsLoaded);
}

MarketResultViewController::~MarketResultViewController() = default;

QWidget* MarketResultViewController::loadView() {
    m_chart = new MarketResultView(*this);
    m_chart->setTrendPalette(&m_appDelegate.palette());
    m_layout = MarketResultLayout::build(m_chart, m_appDelegate.scheduler());
    m_layout.hoseBreadth->setPalette(&m_appDelegate.palette());
    m_layout.haSTCBreadth->setPalette(&m_appDelegate.palette());
    return m_chart;
}

void MarketResultViewController::viewDidLoad() {
    m_bParseForDraw = true;
    m_selectedButton = 1;
    setButtonBackground(m_layout.btHNX, Qt::transparent);
    setButtonBackground(m_layout.btHoSe, Qt::blue);
    connectActions();
}

void MarketResultViewController::connectActions() {
    const auto bind = [this](QPushButton* button, void (MarketResultViewController::*action)()) {
        connect(button, &QPushButton::clicked, this, action);
    };
    const auto bindNavigation = [this](QPushButton* button, void (MarketResultViewController::*action)()) {
        connectNavigation(button, [this, action] { (this->*action)(); });
    };
    bindNavigation(m_layout.btGoBack, &MarketResultViewController::goRealTime);
    bindNavigation(m_layout.btHome, &MarketResultViewController::goHome);
    bind(m_layout.btReload, &MarketResultViewController::reload);
    bind(m_layout.btBackDay, &MarketResultViewController::goNext);
    bind(m_layout.btNextDay, &MarketResultViewController::goBack);
    bindNavigation(m_layout.btMenu, &MarketResultViewController::goMenu);
    bindNavigation(m_layout.btCompanyHoSE, &MarketResultViewController::goCompanyInfoHoSE);
    bindNavigation(m_layout.btCompanyHaSTC, &MarketResultViewController::goCompanyInfoHaSTC);
    bindNavigation(m_layout.btMovers, &MarketResultViewController::goMovers);
    // A tap on the exchange already selected keeps it selected.
    connect(m_layout.btHoSe, &QPushButton::clicked, this, [this] {
        if (m_selectedButton == 0) {
            goUpDown();
        }
    });
    connect(m_layout.btHNX, &QPushButton::clicked, this, [this] {
        if (m_selectedButton != 0) {
            goUpDown();
        }
    });
}

const MarketResultLayout& MarketResultViewController::layout() {
    view();
    return m_layout;
}

MarketResultView* MarketResultViewController::chartView() {
    view();
    return m_chart;
}

int MarketResultViewController::chosenDay() const {
    return m_appDelegate.currentMarketResultDayView();
}

int MarketResultViewController::currentDay() const {
    return m_appDelegate.currentDay();
}

// The ranges are widened from the 60 days up to today first, so that the chart keeps its scale
// whichever day is chosen; then the chosen day's labels are filled.
void MarketResultViewController::viewDidAppear(bool /*animated*/) {
    showUser();
    m_appDelegate.setBRealTime(false);
    m_bParseForDraw = true;
    const int chosen = chosenDay();
    m_appDelegate.setCurrentMarketResultDayView(currentDay());
    loadData();
    m_bParseForDraw = false;
    m_appDelegate.setCurrentMarketResultDayView(chosen);
    loadData();
}

void MarketResultViewController::showUser() {
    QLabel* user = layout().lbUser;
    user->setFont(ui::systemFont(13));
    user->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    user->setText(m_appDelegate.userLabelText());
}

bool MarketResultViewController::handleKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        goNext();
        return true;
    case Qt::Key_Right:
        goBack();
        return true;
    case Qt::Key_M:
        goMovers();
        return true;
    default:
        return ui::ViewController::handleKey(qtKey);
    }
}

void MarketResultViewController::reloadScreen() {
    reload();
}

void MarketResultViewController::loadData() {
    chartView()->resetData();
    const QStringList rows = m_appDelegate.db()->getStockInfo(chosenDay());
    if (!rows.isEmpty()) {
        // From the newest row to the oldest.
        std::for_each(rows.crbegin(), rows.crend(), [this](const QString& row) { parseMarKetInfo(row); });
        m_bParseForDraw = false;
    }
    showBreadth();
    m_chart->update();
}

// Counted from the chosen day's own company quotes: a day without them shows none.
void MarketResultViewController::showBreadth() {
    myDb& db = *m_appDelegate.db();
    const int day = chosenDay();
    m_layout.hoseBreadth->setBreadth(breadthOf(companyDayResults(db.getCompanyResultsOfDay(kHoSE, day))));
    m_layout.haSTCBreadth->setBreadth(breadthOf(companyDayResults(db.getCompanyResultsOfDay(kHaSTC, day))));
}

void MarketResultViewController::parseMarKetInfo(const QString& row) {
    const MarketResultRecord record = MarketResultRecord::fromRow(row);
    const MarketResultLayout& widgets = layout();
    for (QLabel* label :
         {widgets.hose.totalQuantity, widgets.hose.totalValue, widgets.haSTC.totalQuantity, widgets.haSTC.totalValue}) {
        label->setFont(ui::systemFont(14, true));
    }
    widgets.lbDate->setFont(ui::systemFont(13));
    widgets.lbDate->setText(m_appDelegate.dateFromDay(chosenDay()));
    widgets.hose.point->setFont(ui::systemFont(15, true));
    widgets.haSTC.point->setFont(ui::systemFont(15, true));
    if (record.day == chosenDay()) {
        showResultsOf(record);
    }
    if (record.stockId == kHoSE || record.stockId == kHaSTC) {
        const MarketResultLabels& labels = record.stockId == kHoSE ? widgets.hose : widgets.haSTC;
        labels.percent->setFont(ui::systemFont(13, true));
    }
    if (m_bParseForDraw) {
        m_chart->widenRanges(record.stockId, record.quantity, record.pointValue());
    }
}

void MarketResultViewController::showResultsOf(const MarketResultRecord& record) {
    if (record.stockId != kHoSE && record.stockId != kHaSTC) {
        return;
    }
    const MarketResultLabels& labels = record.stockId == kHoSE ? m_layout.hose : m_layout.haSTC;
    labels.point->setText(record.point);
    labels.totalQuantity->setFont(ui::systemFont(12, true));
    labels.totalQuantity->setText(m_appDelegate.getDecimalString(record.quantity) + QStringLiteral(" Tr."));
    labels.totalValue->setFont(ui::systemFont(12, true));
    labels.totalValue->setText(m_appDelegate.getDecimalString(record.value) + QStringLiteral(" Tỷ."));
    const bool fall = record.differValue() < 0;
    const ui::Trend trend = fall ? ui::Trend::Fall : ui::Trend::Rise;
    shell::setTrendColor(labels.point, m_appDelegate.palette(), trend, ui::Shade::Deep);
    shell::setTrendColor(labels.percent, m_appDelegate.palette(), trend, ui::Shade::Deep);
    const QString sign = fall ? QString() : QStringLiteral("+");
    labels.percent->setText(sign + record.differ + QLatin1Char('(') + sign + record.percent + QStringLiteral("%)"));
}

void MarketResultViewController::parseForDraw() {
    const QStringList rows = m_appDelegate.db()->getStockInfo(currentDay());
    if (rows.isEmpty()) {
        return;
    }
    MarketResultView* chart = chartView();
    chart->updateScales();
    m_orderDays.clear();
    m_iDayCountHo = 0;
    m_iDayCountHa = 0;
    // Each pass draws its lines afresh: a repaint that no day change preceded must not join the
    // previous pass's oldest point to this pass's newest.
    chart->resetData();
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        m_tmpVal = i >= 2 ? MarketResultRecord::fromRow(rows.at(i - 2)).quantity : 0;
        ParseText(rows.at(i));
    }
}

// The newest day of an exchange sits at its own slot and every older one a slot further left,
// so the trading days stand side by side whatever the calendar gaps.
void MarketResultViewController::ParseText(const QString& row) {
    const MarketResultRecord record = MarketResultRecord::fromRow(row);
    if (record.stockId == kHoSE) {
        m_orderDays.append(QString::number(record.day));
    }
    MarketResultView* chart = chartView();
    chart->setIsGreen(record.quantity >= m_tmpVal);
    int* counter = record.stockId == kHoSE ? &m_iDayCountHo : record.stockId == kHaSTC ? &m_iDayCountHa : nullptr;
    if (!counter) {
        return;
    }
    int slot = 0;
    if (*counter <= 0) {
        slot = record.day - currentDay() + kSlots;
        *counter = record.day;
    } else {
        *counter -= 1;
        slot = *counter - currentDay() + kSlots;
    }
    chart->drawBar(record.stockId, slot, record.day, record.quantity, record.pointValue());
}

void MarketResultViewController::reload() {
    actNetwork()->startAnimating();
    m_bParseForDraw = true;
    startLoad(chosenDay());
}

void MarketResultViewController::reloadfromLast() {
    actNetwork()->startAnimating();
    const int lastDay = m_appDelegate.db()->getLastDayUpdate();
    m_bParseForDraw = true;
    startLoad(lastDay);
}

void MarketResultViewController::startLoad(int day) {
    m_loadOutstanding = true;
    m_appDelegate.load_EOD_KQGD(day);
}

// The application object loads for other screens too: only a load this screen asked for is its.
void MarketResultViewController::marketResultsLoaded(bool stored) {
    if (!m_loadOutstanding) {
        return;
    }
    m_loadOutstanding = false;
    actNetwork()->stopAnimating();
    if (stored) {
        loadData();
    }
}

void MarketResultViewController::goBack() {
    chartView()->resetData();
    const int next = m_appDelegate.db()->getNextDayStockInfo(chosenDay());
    if (next == 0) {
        goRealTime();
        return;
    }
    m_appDelegate.setCurrentMarketResultDayView(next);
    if (next > currentDay()) {
        m_appDelegate.setCurrentMarketResultDayView(currentDay());
        goRealTime();
    }
    m_bParseForDraw = false;
    loadData();
}

void MarketResultViewController::goNext() {
    chartView()->resetData();
    const int previous = m_appDelegate.db()->getPreDayStockInfo(chosenDay());
    if (previous == 0) {
        return;
    }
    m_appDelegate.setCurrentMarketResultDayView(previous);
    m_bParseForDraw = false;
    loadData();
}

void MarketResultViewController::goRealTime() {
    if (ui::Navigator* navigator = navigationController()) {
        navigator->pop(true);
    }
}

void MarketResultViewController::goHome() {
    m_appDelegate.navigator().popToRoot(true);
}

void MarketResultViewController::goUpDown() {
    const MarketResultLayout& widgets = layout();
    const bool hoseSelected = m_selectedButton != 0;
    setButtonBackground(widgets.btHNX, hoseSelected ? QColor(Qt::blue) : QColor(Qt::transparent));
    setButtonBackground(widgets.btHoSe, hoseSelected ? QColor(Qt::transparent) : QColor(Qt::blue));
    m_selectedButton = hoseSelected ? 0 : 1;
}

void MarketResultViewController::goCompanyInfoHoSE() {
    openCompanyList(m_appDelegate, company::CompanyInfoViewController::kHoSE);
}

void MarketResultViewController::goCompanyInfoHaSTC() {
    openCompanyList(m_appDelegate, company::CompanyInfoViewController::kHNX);
}

void MarketResultViewController::goMovers() {
    auto* movers = m_appDelegate.cachedScreen<MarketMoversViewController>();
    movers->setMarket(m_selectedButton != 0 ? kHoSE : kHaSTC, chosenDay());
    m_appDelegate.navigator().push(movers, true);
}

void MarketResultViewController::goMenu() {
    m_appDelegate.menu()->showOver(this, QString(), view());
}

void MarketResultViewController::menuContextCallBack(int item) {
    m_appDelegate.mainViewController()->performGeneralMenuItem(item);
}

} // namespace market
