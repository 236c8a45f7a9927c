#include "market/MarketHistoryViewController.h"

#include "company/CompanyInfoViewController.h"
#include "market/MarketHistoryLabel.h"
#include "market/MarketHistoryReader.h"
#include "market/MarketHistoryView.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Fonts.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

namespace market {

namespace {

constexpr int kTopBarHeight = 34;
constexpr int kSidePanelWidth = 104;
constexpr int kBottomBarTop = 270;
constexpr int kHoSEBlockTop = 6;
constexpr int kHaSTCBlockTop = 116;

// HoSE minutes drawn and read into the ranges: 09:02 to 10:15; HNX: 08:30 to 11:00.
constexpr int kHoSEFirstMinute = 32;
constexpr int kHoSELastMinute = 105;
constexpr int kHaSTCFirstMinute = 0;
constexpr int kHaSTCLastMinute = 150;

QWidget* makePanel(QWidget* parent, const QRect& geometry) {
    auto* panel = new QWidget(parent);
    panel->setGeometry(geometry);
    panel->setObjectName(QStringLiteral("historyPanel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("#historyPanel { background: #101826; }"));
    return panel;
}

QLabel* makeCaption(QWidget* parent, const QString& text, const QRect& geometry) {
    QLabel* caption = shell::makeLabel(parent, text, geometry, 11);
    caption->setStyleSheet(QStringLiteral("color: #8f9bb0; background: transparent;"));
    return caption;
}

QString fixed(double value) {
    return QString::asprintf("%6.2lf", value);
}

} // namespace

MarketHistoryViewController::MarketHistoryViewController(shell::QRMInfoAppDelegate& delegate)
    : m_delegate(delegate) {
    setScreenName(QStringLiteral("Lịch sử thị trường"));
    setTitle(QStringLiteral("Lịch sử"));
}

MarketHistoryViewController::~MarketHistoryViewController() = default;

// The chart is the root, so its coordinates are the screen's; the bars and the side panel frame
// the white chart on the dark screen.
QWidget* MarketHistoryViewController::loadView() {
    m_chart = new MarketHistoryView(*this);
    m_chart->setTrendPalette(&m_delegate.palette());
    buildTopBar(m_chart);
    buildSidePanel(m_chart);
    buildBottomBar(m_chart);
    return m_chart;
}

void MarketHistoryViewController::buildTopBar(QWidget* root) {
    QWidget* bar = makePanel(root, QRect(0, 0, 480, kTopBarHeight));
    QPushButton* back = shell::makeBarButton(bar, QStringLiteral("◀ Trở về"), QRect(6, 4, 84, 26));
    connectNavigation(back, [this] { goHome(); });
    QLabel* heading = shell::makeLabel(bar, QStringLiteral("Lịch sử chỉ số"), QRect(100, 4, 200, 26), 15, true);
    heading->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    m_companyButton = shell::makeBarButton(bar, QStringLiteral("Công ty"), QRect(390, 4, 84, 26));
    connectNavigation(m_companyButton, [this] { goCompanyInfo(); });
}

void MarketHistoryViewController::buildSidePanel(QWidget* root) {
    QWidget* panel = makePanel(root, QRect(0, kTopBarHeight, kSidePanelWidth, 320 - kTopBarHeight));
    m_hose = buildExchangeLabels(panel, QStringLiteral("HoSE"), kHoSEBlockTop);
    m_haSTC = buildExchangeLabels(panel, QStringLiteral("HNX"), kHaSTCBlockTop);
}

MarketHistoryViewController::ExchangeLabels
MarketHistoryViewController::buildExchangeLabels(QWidget* panel, const QString& name, int top) {
    QLabel* heading = shell::makeLabel(panel, name, QRect(8, top, 90, 16), 13, true);
    heading->setStyleSheet(QStringLiteral("color: #7fb2ff; background: transparent;"));
    ExchangeLabels labels;
    labels.point = new MarketHistoryLabel(panel, QRect(6, top + 18, 96, 20), 15);
    labels.percent = new MarketHistoryLabel(panel, QRect(4, top + 39, 100, 16), 10);
    makeCaption(panel, QStringLiteral("KL"), QRect(8, top + 57, 22, 15));
    labels.totalQuantity = new MarketHistoryLabel(panel, QRect(28, top + 57, 74, 15), 11);
    makeCaption(panel, QStringLiteral("GT"), QRect(8, top + 73, 22, 15));
    labels.totalValue = new MarketHistoryLabel(panel, QRect(28, top + 73, 74, 15), 11);
    return labels;
}

void MarketHistoryViewController::buildBottomBar(QWidget* root) {
    QWidget* bar = makePanel(root, QRect(kSidePanelWidth, kBottomBarTop, 480 - kSidePanelWidth, 320 - kBottomBarTop));
    m_rightButton = shell::makeBarButton(bar, QStringLiteral("◀ Ngày trước"), QRect(8, 11, 116, 28));
    connect(m_rightButton, &QPushButton::clicked, this, &MarketHistoryViewController::goRight);
    m_lbDate = shell::makeLabel(bar, QString(), QRect(130, 11, 116, 28), 13);
    m_lbDate->setAlignment(Qt::AlignCenter);
    m_leftButton = shell::makeBarButton(bar, QStringLiteral("Ngày sau ▶"), QRect(252, 11, 116, 28));
    connect(m_leftButton, &QPushButton::clicked, this, &MarketHistoryViewController::goLeft);
}

MarketHistoryView& MarketHistoryViewController::chart() {
    view();
    return *m_chart;
}

void MarketHistoryViewController::viewWillAppear(bool animated) {
    ui::ViewController::viewWillAppear(animated);
    loadData();
}

void MarketHistoryViewController::reloadScreen() {
    loadData();
}

bool MarketHistoryViewController::handleKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        goRight();
        return true;
    case Qt::Key_Right:
        goLeft();
        return true;
    default:
        return ui::ViewController::handleKey(qtKey);
    }
}

void MarketHistoryViewController::loadData() {
    MarketHistoryView& view = chart();
    view.resetDayState();
    const int day = m_delegate.currentHistoryDayView();
    const QStringList texts = m_delegate.db()->getRealtimeData(day);
    m_lbDate->setFont(ui::systemFont(13));
    m_lbDate->setText(m_delegate.dateFromDay(day));
    for (const QString& text : texts) {
        parseMarKetInfo(text);
    }
    view.setNeedsDisplay();
}

void MarketHistoryViewController::parseMarKetInfo(const QString& text) {
    MarketHistoryView& view = chart();
    LastValues hose;
    LastValues haSTC;
    bool recordRead = false;
    for (const MarketHistoryGroup& group : readMarketHistoryGroups(text, MarketHistoryGroupShape::ByExchange)) {
        recordRead = true;
        if (group.stockId == MarketHistoryView::kHoSE) {
            m_tmpHoPointVal = hose.point;
            hose = LastValues{group.point, group.height, group.fifth};
            if (group.minute >= kHoSEFirstMinute && group.minute <= kHoSELastMinute) {
                view.widenRanges(MarketHistoryView::kHoSE, group.height, group.point);
            }
        } else if (group.stockId == MarketHistoryView::kHaSTC) {
            m_tmpHaPointVal = haSTC.point;
            haSTC = LastValues{group.point, group.height, group.fifth};
            if (group.minute >= kHaSTCFirstMinute && group.minute <= kHaSTCLastMinute) {
                view.widenRanges(MarketHistoryView::kHaSTC, group.height, group.point);
            }
        }
        if (group.minute >= m_delegate.iLastRevision()) {
            m_delegate.setILastRevision(group.minute);
        }
    }
    if (!recordRead) {
        return;
    }
    if (hose.point != 0) {
        showLastValues(m_hose, hose, m_tmpHoPointVal);
    }
    if (haSTC.point != 0) {
        showLastValues(m_haSTC, haSTC, m_tmpHaPointVal);
    }
}

void MarketHistoryViewController::showLastValues(const ExchangeLabels& labels, const LastValues& last,
                                                 double previousPoint) {
    const bool rise = previousPoint <= last.point;
    const ui::Trend trend = rise ? ui::Trend::Rise : ui::Trend::Fall;
    labels.point->showTrend(fixed(last.point), m_delegate.palette(), trend, ui::Shade::Bright);
    labels.totalQuantity->setText(fixed(last.height));
    labels.totalValue->setText(fixed(last.fifth));
    if (previousPoint > 0) {
        const double difference = last.point - previousPoint;
        const double percent = difference * 100 / previousPoint;
        labels.percent->showTrend(rise ? QString::asprintf("+%6.2lf(%4.2lf%%)", difference, percent)
                                       : QString::asprintf("%6.2lf(%4.2lf%%)", difference, percent),
                                  m_delegate.palette(), trend, ui::Shade::Bright);
    }
}

void MarketHistoryViewController::parseForDraw() {
    const QStringList texts = m_delegate.db()->getRealtimeData(m_delegate.currentHistoryDayView());
    if (texts.isEmpty()) {
        return;
    }
    chart().updateScales();
    for (const QString& text : texts) {
        ParseText(text);
    }
}

void MarketHistoryViewController::ParseText(const QString& text) {
    MarketHistoryView& view = chart();
    for (const MarketHistoryGroup& group : readMarketHistoryGroups(text, MarketHistoryGroupShape::FiveValues)) {
        view.drawBar(group.stockId, group.minute, group.height, group.point);
    }
}

void MarketHistoryViewController::goLeft() {
    const int day = m_delegate.currentHistoryDayView() + 1;
    m_delegate.setCurrentHistoryDayView(day);
    if (day < m_delegate.currentDay()) {
        loadData();
        return;
    }
    m_delegate.setCurrentHistoryDayView(m_delegate.currentDay() - 1);
    m_delegate.navigator().pop(true);
}

void MarketHistoryViewController::goRight() {
    m_delegate.setCurrentHistoryDayView(m_delegate.currentHistoryDayView() - 1);
    loadData();
}

void MarketHistoryViewController::goHome() {
    m_delegate.navigator().pop(true);
}

// The list keeps the exchange it showed last.
void MarketHistoryViewController::goCompanyInfo() {
    m_delegate.navigator().push(m_delegate.cachedScreen<company::CompanyInfoViewController>(), true);
}

} // namespace market
