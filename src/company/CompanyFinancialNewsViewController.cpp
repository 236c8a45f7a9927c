#include "company/CompanyFinancialNewsViewController.h"

#include "company/FinanceRatios.h"
#include "company/FinanceStatementPage.h"
#include "net/AnswerReader.h"
#include "net/Endpoints.h"
#include "shell/LiveRefresh.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/Transaction.h"
#include "store/myDb.h"
#include "ui/Fonts.h"
#include "ui/HtmlView.h"
#include "ui/LiveModeButton.h"
#include "ui/PageIndicator.h"
#include "ui/SwipeWatcher.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace company {

namespace {

const QString kNone = QStringLiteral("-");

} // namespace

CompanyFinancialNewsViewController::CompanyFinancialNewsViewController(shell::QRMInfoAppDelegate& appDelegate)
    : CompanyTabScreen(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(appDelegate, *this, [this] { targetMethod(); })) {
    setScreenName(QStringLiteral("Tài chính công ty"));
}

CompanyFinancialNewsViewController::~CompanyFinancialNewsViewController() = default;

// ---- layout ----------------------------------------------------------------------------------

QWidget* CompanyFinancialNewsViewController::loadView() {
    QWidget* root = makeRoot(CompanyTab::Finance, m_live.get(), [this] { toggleAnimation(); });
    m_layout = CompanyFinanceLayout::build(root, appDelegate().scheduler());
    setActivityIndicator(m_layout.actNetwork);
    connectControls();
    return root;
}

// The left arrow and a swipe to the right go back in time, as on a time line.
void CompanyFinancialNewsViewController::connectControls() {
    new ui::SwipeWatcher(
        m_layout.webView->viewport(), [this] { goFoward(); }, [this] { goPrev(); });
    connect(m_layout.leftButton, &QPushButton::clicked, this, &CompanyFinancialNewsViewController::goFoward);
    connect(m_layout.rightButton, &QPushButton::clicked, this, &CompanyFinancialNewsViewController::goPrev);
    connect(m_layout.pageCtrl, &ui::PageIndicator::pageChanged, this, &CompanyFinancialNewsViewController::pageChange);
}

const CompanyFinanceLayout& CompanyFinancialNewsViewController::layout() {
    view();
    return m_layout;
}

QLabel* CompanyFinancialNewsViewController::lbDate() {
    view();
    return tabBar().lbDate;
}

// ---- showing ---------------------------------------------------------------------------------

void CompanyFinancialNewsViewController::set_id(const QString& id) {
    if (id != m_id) {
        // Another company's periods are not the last one's: start at its newest.
        m_yearView = 0;
        m_postion = 0;
    }
    m_id = id;
}

// A company never looked at would show only dashes until the user found the reload button: the
// first visit asks once.
void CompanyFinancialNewsViewController::prepareToShow() {
    startLoad();
    if (m_financeList.isEmpty() && !isRequestOutstanding()) {
        sendRequest();
    }
}

void CompanyFinancialNewsViewController::resetLabels() {
    const CompanyFinanceLayout& shown = m_layout;
    shown.heading.code->setText(kNone);
    for (QLabel* label : {shown.eps, shown.pe, shown.pb, shown.bv, shown.stockPoint, shown.percent}) {
        label->setText(kNone);
        shell::setTextColor(label, Qt::white);
    }
    // The date goes with the ratios: another company's must not stay beside the dashes.
    tabBar().lbDate->clear();
}

void CompanyFinancialNewsViewController::startLoad() {
    view();
    loadPage(emptyStatementPage());
    resetLabels();
    myDb& db = *appDelegate().db();
    const QString exchange = db.getStockMarkFromId(m_id);
    if (exchange.isEmpty()) {
        return;
    }
    m_layout.heading.show(db.getCodeFromId(m_id), exchange);
    displayInfo();
    if (m_live->followLiveMode()) {
        sendRequest();
    }
}

void CompanyFinancialNewsViewController::displayInfo() {
    view();
    myDb& db = *appDelegate().db();
    m_financeList = db.getFincance(m_id);
    m_financeDataList = db.getFincanceData(m_id);
    m_layout.pageCtrl->setNumberOfPages(0);
    if (m_financeList.isEmpty() || m_financeDataList.isEmpty()) {
        return;
    }
    m_layout.pageCtrl->setNumberOfPages(static_cast<int>(m_financeDataList.size() / 2));
    for (const QString& row : m_financeList) {
        if (row.count(QLatin1Char(',')) + 1 == kRatioFields) {
            showRatios(row);
        }
    }
    showStatements();
}

void CompanyFinancialNewsViewController::showRatios(const QString& row) {
    const FinanceRatios ratios = FinanceRatios::fromRow(row);
    const ui::Trend trend = ratios.isFall ? ui::Trend::Fall : ui::Trend::Rise;
    m_layout.stockPoint->setText(ratios.price);
    m_layout.percent->setText(ratios.change);
    for (QLabel* label : {m_layout.stockPoint, m_layout.percent}) {
        label->setFont(ui::systemFont(13, true));
        shell::setTrendColor(label, appDelegate().palette(), trend, ui::Shade::Deep);
    }
    QLabel* date = tabBar().lbDate;
    date->setFont(ui::systemFont(13));
    date->setText(ratios.date);
    m_layout.eps->setText(ratios.eps);
    m_layout.pe->setText(ratios.pe);
    m_layout.pb->setText(ratios.pb);
    m_layout.bv->setText(ratios.bv);
}

void CompanyFinancialNewsViewController::showStatements() {
    const auto rows = static_cast<int>(m_financeDataList.size());
    if (m_yearView == 0) {
        const StatementPeriod newest = StatementPeriod::fromRow(m_financeDataList.constFirst());
        m_yearView = newest.year.toInt();
        m_quarterView = newest.quarter.toInt();
        m_postion = 0;
    }
    m_layout.pageCtrl->setCurrentPage(m_postion / 2);
    if (m_postion >= rows) {
        return;
    }
    const StatementPeriod right = StatementPeriod::fromRow(m_financeDataList.at(m_postion));
    std::optional<StatementPeriod> left;
    if (m_postion + 1 < rows) {
        left = StatementPeriod::fromRow(m_financeDataList.at(m_postion + 1));
    }
    const int layoutId = layoutIdOf(right, left);
    m_layout.lbFold->setVisible(statementLayoutOf(layoutId) == StatementLayout::Fund);
    loadPage(statementPage(statementLayoutOf(layoutId), right, left));
}

void CompanyFinancialNewsViewController::loadPage(const QString& page) {
    m_pageText = page;
    m_layout.webView->setHtml(page);
}

// ---- paging ----------------------------------------------------------------------------------

void CompanyFinancialNewsViewController::goFoward() {
    if (++m_quarterView > 4) {
        m_quarterView = 1;
        ++m_yearView;
    }
    const auto rows = static_cast<int>(m_financeDataList.size());
    m_postion += 2;
    if (m_postion >= rows - 1) {
        m_postion = rows - 2;
    }
    m_postion = std::max(0, m_postion);
    displayInfo();
}

void CompanyFinancialNewsViewController::goPrev() {
    if (--m_quarterView < 1) {
        m_quarterView = 4;
        --m_yearView;
    }
    m_postion = std::max(0, m_postion - 2);
    displayInfo();
}

void CompanyFinancialNewsViewController::pageChange() {
    const int wanted = 2 * m_layout.pageCtrl->currentPage();
    if (wanted < m_postion) {
        goPrev();
    } else if (wanted > m_postion) {
        goFoward();
    }
}

bool CompanyFinancialNewsViewController::handleKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        goFoward();
        return true;
    case Qt::Key_Right:
        goPrev();
        return true;
    case Qt::Key_L:
        toggleAnimation();
        return true;
    default:
        return CompanyTabScreen::handleKey(qtKey);
    }
}

// ---- requests --------------------------------------------------------------------------------

void CompanyFinancialNewsViewController::targetMethod() {
    sendRequest();
}

void CompanyFinancialNewsViewController::reloadFinanceData() {
    appDelegate().setBRealTime(false);
    m_live->stop();
    if (isRequestOutstanding()) {
        return;
    }
    sendRequest();
}

void CompanyFinancialNewsViewController::toggleAnimation() {
    appDelegate().setBRealTime(!appDelegate().bRealTime());
    startLoad();
}

void CompanyFinancialNewsViewController::stopTimers() {
    m_live->stop();
}

void CompanyFinancialNewsViewController::sendRequest() {
    view();
    sendTabRequest(appDelegate().endpoints().companyFinance(m_id));
}

void CompanyFinancialNewsViewController::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    stopIndicator();
    if (!data) {
        appDelegate().showConnectionError();
        displayInfo();
        return;
    }
    parseAndSaveToDb(QString::fromUtf8(*data));
}

// The answer's records land together. The tab keeps its own company: an answer that arrives
// after the user moved on to another company is stored, not shown in its place.
void CompanyFinancialNewsViewController::parseAndSaveToDb(const QString& text) {
    const net::Answer answer(text);
    if (answer.isSuccess()) {
        myDb& db = *appDelegate().db();
        store::Transaction transaction(db);
        for (const net::RecordView& r : answer.allRecords()) {
            if (r.size() == kRatioFields) {
                db.updateFinance(r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5), r.text(6), r.text(7),
                                 r.text(8), r.text(9));
            } else if (r.size() == kStatementFields) {
                db.updateFinanceData(r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5), r.text(6),
                                     r.text(7));
            }
        }
        transaction.commit();
    }
    displayInfo();
}

} // namespace company
