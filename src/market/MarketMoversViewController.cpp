#include "market/MarketMoversViewController.h"

#include "company/CompanyRealTimeViewcontroller.h"
#include "market/MarketMoversSource.h"
#include "market/MarketResultStyle.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Fonts.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"
#include "ui/TrendPalette.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace market {

namespace {

constexpr int kHNX = 1;
constexpr int kHeadingsTop = 30;
constexpr int kTableTop = 50;
constexpr int kTableHeight = MarketMoversSource::kRowHeight * kMoversShown + 4;

std::size_t positionOf(MoverList list) {
    return std::size_t(std::find(kRankings.begin(), kRankings.end(), list) - kRankings.begin());
}

QString exchangeName(int stockId) {
    return stockId == kHNX ? QStringLiteral("HNX") : QStringLiteral("HoSE");
}

// The status line under a ranking that holds no company.
QString emptyListText(MoverList list) {
    switch (list) {
    case MoverList::Gainers:
        return QStringLiteral("Không có mã nào tăng giá trong ngày.");
    case MoverList::Losers:
        return QStringLiteral("Không có mã nào giảm giá trong ngày.");
    case MoverList::Volume:
        return QStringLiteral("Không có mã nào được giao dịch trong ngày.");
    }
    return {};
}

} // namespace

MarketMoversViewController::MarketMoversViewController(shell::QRMInfoAppDelegate& appDelegate)
    : m_appDelegate(appDelegate)
    , m_source(std::make_unique<MarketMoversSource>()) {
    setScreenName(QStringLiteral("Cổ phiếu nổi bật"));
}

MarketMoversViewController::~MarketMoversViewController() = default;

void MarketMoversViewController::setMarket(int stockId, int day) {
    m_stockId = stockId;
    m_day = day;
}

// ---- layout ----------------------------------------------------------------------------------

QWidget* MarketMoversViewController::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    buildTopBar(root);
    buildMoversHeadings(root, kHeadingsTop);
    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, kTableHeight);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_tbView->setSource(m_source.get());
    m_source->setPalette(&m_appDelegate.palette());
    ui::repaintOnChange(m_appDelegate.palette(), m_tbView->viewport());
    connect(m_tbView, &ui::RowTable::rowSelected, this, &MarketMoversViewController::goComDetail);
    m_lbStatus = shell::makeLabel(root, QString(), QRect(6, kTableTop + kTableHeight + 2, 468, 20), 12);
    m_lbStatus->setStyleSheet(QStringLiteral("color: #9fb4d0; background: transparent;"));
    buildBottomBar(root);
    return root;
}

void MarketMoversViewController::buildTopBar(QWidget* root) {
    m_btGoBack = shell::makeBarButton(root, QStringLiteral("◀ Trở về"), QRect(4, 3, 76, 24));
    connectNavigation(m_btGoBack, [this] { goBack(); });
    m_lbHeading = shell::makeLabel(root, QString(), QRect(86, 3, 134, 24), 13, true);
    m_lbHeading->setStyleSheet(QStringLiteral("color: #ffd54a; background: transparent;"));
    constexpr int kTabWidth = 84;
    int x = 224;
    for (const MoverList list : kRankings) {
        QPushButton* button = shell::makeBarButton(root, moverListName(list), QRect(x, 3, kTabWidth, 24));
        button->setFont(ui::systemFont(11, true));
        connect(button, &QPushButton::clicked, this, [this, list] { showList(list); });
        m_listButtons.at(positionOf(list)) = button;
        x += kTabWidth + 1;
    }
}

void MarketMoversViewController::buildBottomBar(QWidget* root) {
    shell::ButtonRow row(root, 290, 12);
    m_btHome = row.add(QStringLiteral("Trang chủ"), 90);
    connectNavigation(m_btHome, [this] { goHome(); });
}

ui::RowTable* MarketMoversViewController::tbView() {
    view();
    return m_tbView;
}

QLabel* MarketMoversViewController::lbHeading() {
    view();
    return m_lbHeading;
}

QLabel* MarketMoversViewController::lbStatus() {
    view();
    return m_lbStatus;
}

QPushButton* MarketMoversViewController::listButton(MoverList list) {
    view();
    return m_listButtons.at(positionOf(list));
}

// ---- data ------------------------------------------------------------------------------------

void MarketMoversViewController::viewWillAppear(bool /*animated*/) {
    readDay();
}

void MarketMoversViewController::reloadScreen() {
    readDay();
}

void MarketMoversViewController::readDay() {
    view();
    m_lbHeading->setText(exchangeName(m_stockId) + QStringLiteral(" · ") + m_appDelegate.dateFromDay(m_day));
    m_dayResults = companyDayResults(m_appDelegate.db()->getCompanyResultsOfDay(m_stockId, m_day));
    showList(m_list);
}

void MarketMoversViewController::showList(MoverList list) {
    view();
    m_list = list;
    for (const MoverList each : kRankings) {
        setButtonBackground(listButton(each), each == list ? QColor(Qt::blue) : QColor(Qt::transparent));
    }
    m_source->setResults(topMovers(m_dayResults, list));
    m_tbView->reload();
    m_tbView->selectRow(-1);
    m_tbView->scrollToTop();
    showStatus();
}

void MarketMoversViewController::showStatus() {
    if (m_dayResults.empty()) {
        m_lbStatus->setText(QStringLiteral("Chưa có kết quả giao dịch cổ phiếu của ngày này."));
    } else if (m_source->rowCount() == 0) {
        m_lbStatus->setText(emptyListText(m_list));
    } else {
        m_lbStatus->clear();
    }
}

bool MarketMoversViewController::handleKey(int qtKey) {
    const std::size_t count = kRankings.size();
    const std::size_t shown = positionOf(m_list);
    switch (qtKey) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        showList(kRankings.at(std::size_t(qtKey - Qt::Key_1)));
        return true;
    case Qt::Key_Left:
        showList(kRankings.at((shown + count - 1) % count));
        return true;
    case Qt::Key_Right:
        showList(kRankings.at((shown + 1) % count));
        return true;
    default:
        return ui::ViewController::handleKey(qtKey);
    }
}

// ---- navigation ------------------------------------------------------------------------------

// As from the company list of a past day: the company opens on its trading results.
void MarketMoversViewController::goComDetail(int row) {
    const CompanyDayResult* item = m_source->result(row);
    if (!item) {
        return;
    }
    auto* detail = m_appDelegate.cachedScreen<company::CompanyRealTimeViewcontroller>();
    detail->setCode(item->code);
    detail->set_id(item->companyId);
    m_appDelegate.navigator().push(detail, true);
    detail->goKQGD();
}

void MarketMoversViewController::goBack() {
    m_appDelegate.navigator().pop(true);
}

void MarketMoversViewController::goHome() {
    m_appDelegate.navigator().popToRoot(true);
}

} // namespace market
