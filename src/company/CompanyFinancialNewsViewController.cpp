#include "company/CompanyFinancialNewsViewController.h"

#include "company/FinanceRatios.h"
#include "company/FinanceStatementPage.h"
#include "net/AnswerReader.h"
#include "net/Endpoints.h"
#include "net/MyUrlRequest.h"
#include "shell/ActivityIndicator.h"
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
#include <array>
#include <optional>

namespace company {

namespace {

const QString kNone = QStringLiteral("-");
const QColor kRise(33, 140, 33);
constexpr int kQuoteRowY = 32;
constexpr int kRatioRowY = 58;

QLabel* makeCaption(QWidget* root, const QString& text, const QRect& frame) {
    QLabel* caption = shell::makeLabel(root, text, frame, 12);
    shell::setTextColor(caption, QColor(0x9a, 0xa7, 0xb8));
    return caption;
}

} // namespace

CompanyFinancialNewsViewController::CompanyFinancialNewsViewController(shell::QRMInfoAppDelegate& appDelegate)
    : CompanyTabScreen(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(appDelegate, *this, [this] { targetMethod(); })) {}

CompanyFinancialNewsViewController::~CompanyFinancialNewsViewController() = default;

// ---- layout ----------------------------------------------------------------------------------

QWidget* CompanyFinancialNewsViewController::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    buildBars(root, CompanyTab::Finance, true);
    m_live->setButton(bottomBar().live);
    connect(bottomBar().live, &QPushButton::clicked, this, &CompanyFinancialNewsViewController::toggleAnimation);
    buildQuoteRow(root);
    buildRatioRow(root);
    buildStatementArea(root);
    return root;
}

void CompanyFinancialNewsViewController::buildQuoteRow(QWidget* root) {
    m_lbStock = shell::makeLabel(root, kNone, QRect(6, kQuoteRowY, 58, 22), 16, true);
    shell::setTextColor(m_lbStock, QColor(0xf0, 0xc0, 0x40));
    m_stock = makeCaption(root, QString(), QRect(66, kQuoteRowY, 48, 22));
    m_stockPoint = shell::makeLabel(root, kNone, QRect(116, kQuoteRowY, 70, 22), 13, true);
    m_stockPoint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_percent = shell::makeLabel(root, kNone, QRect(194, kQuoteRowY, 150, 22), 13, true);
    m_lbFold = shell::makeLabel(root, QStringLiteral("Quỹ đầu tư"), QRect(346, kQuoteRowY, 100, 22), 13, true);
    shell::setTextColor(m_lbFold, QColor(0xf0, 0xc0, 0x40));
    m_lbFold->hide();
    m_actNetwork = new shell::ActivityIndicator(appDelegate().scheduler(), root);
    m_actNetwork->setGeometry(454, kQuoteRowY + 2, 18, 18);
}

void CompanyFinancialNewsViewController::buildRatioRow(QWidget* root) {
    const std::array<std::pair<QString, QLabel**>, 4> ratios{{{QStringLiteral("EPS"), &m_eps},
                                                              {QStringLiteral("P/E"), &m_pe},
                                                              {QStringLiteral("BV"), &m_bv},
                                                              {QStringLiteral("P/B"), &m_pb}}};
    int x = 6;
    for (const auto& [caption, label] : ratios) {
        makeCaption(root, caption, QRect(x, kRatioRowY, 32, 20));
        *label = shell::makeLabel(root, kNone, QRect(x + 32, kRatioRowY, 82, 20), 14, true);
        x += 118;
    }
}

// The older periods are to the left: the left arrow and a swipe to the right go back in time.
void CompanyFinancialNewsViewController::buildStatementArea(QWidget* root) {
    m_webView = new ui::HtmlView(root);
    m_webView->setGeometry(38, 84, 404, 178);
    m_webView->setFont(ui::systemFont(12));
    m_webView->setStyleSheet(QStringLiteral("background: black; color: white;"));
    m_webView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_webView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    new ui::SwipeWatcher(
        m_webView->viewport(), [this] { goFoward(); }, [this] { goPrev(); });
    m_leftButton = shell::makeBarButton(root, QStringLiteral("◀"), QRect(4, 140, 30, 56));
    m_leftButton->setToolTip(QStringLiteral("Kỳ trước"));
    connect(m_leftButton, &QPushButton::clicked, this, &CompanyFinancialNewsViewController::goFoward);
    m_rightButton = shell::makeBarButton(root, QStringLiteral("▶"), QRect(446, 140, 30, 56));
    m_rightButton->setToolTip(QStringLiteral("Kỳ sau"));
    connect(m_rightButton, &QPushButton::clicked, this, &CompanyFinancialNewsViewController::goPrev);
    m_pageCtrl = new ui::PageIndicator(root);
    m_pageCtrl->setGeometry(140, 264, 200, 18);
    connect(m_pageCtrl, &ui::PageIndicator::pageChanged, this, &CompanyFinancialNewsViewController::pageChange);
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

void CompanyFinancialNewsViewController::prepareToShow() {
    view();
    resetLabels();
    startLoad();
}

void CompanyFinancialNewsViewController::resetLabels() {
    for (QLabel* label : {m_lbStock, m_eps, m_pe, m_pb, m_bv, m_stockPoint, m_percent}) {
        label->setText(kNone);
        shell::setTextColor(label, label == m_lbStock ? QColor(0xf0, 0xc0, 0x40) : QColor(Qt::white));
    }
    // The date goes with the ratios: another company's must not stay beside the dashes.
    tabBar().lbDate->clear();
}

void CompanyFinancialNewsViewController::startLoad() {
    view();
    loadPage(emptyStatementPage());
    resetLabels();
    const QString exchange = appDelegate().db()->getStockMarkFromId(m_id);
    if (exchange.isEmpty()) {
        return;
    }
    m_stock->setText(exchange.toInt() == 2 ? QStringLiteral("HoSE") : QStringLiteral("HNX"));
    displayInfo();
    if (!appDelegate().bRealTime()) {
        m_live->stop();
        return;
    }
    m_live->animationLoop();
    m_live->startRefresh();
    sendRequest();
}

void CompanyFinancialNewsViewController::displayInfo() {
    view();
    myDb& db = *appDelegate().db();
    m_lbStock->setText(db.getCodeFromId(m_id));
    m_financeList = db.getFincance(m_id);
    m_financeDataList = db.getFincanceData(m_id);
    m_pageCtrl->setNumberOfPages(0);
    if (m_financeList.isEmpty() || m_financeDataList.isEmpty()) {
        return;
    }
    m_pageCtrl->setNumberOfPages(static_cast<int>(m_financeDataList.size() / 2));
    for (const QString& row : m_financeList) {
        if (row.count(QLatin1Char(',')) + 1 == kRatioFields) {
            showRatios(row);
        }
    }
    showStatements();
}

void CompanyFinancialNewsViewController::showRatios(const QString& row) {
    const FinanceRatios ratios = FinanceRatios::fromRow(row);
    const QColor colour = ratios.isFall ? QColor(Qt::red) : kRise;
    m_stockPoint->setText(ratios.price);
    m_percent->setText(ratios.change);
    for (QLabel* label : {m_stockPoint, m_percent}) {
        label->setFont(ui::systemFont(13, true));
        shell::setTextColor(label, colour);
    }
    QLabel* date = lbDate();
    date->setFont(ui::systemFont(13));
    date->setText(ratios.date);
    m_eps->setText(ratios.eps);
    m_pe->setText(ratios.pe);
    m_pb->setText(ratios.pb);
    m_bv->setText(ratios.bv);
}

void CompanyFinancialNewsViewController::showStatements() {
    const auto rows = static_cast<int>(m_financeDataList.size());
    if (m_yearView == 0) {
        const StatementPeriod newest = StatementPeriod::fromRow(m_financeDataList.constFirst());
        m_yearView = newest.year.toInt();
        m_quarterView = newest.quarter.toInt();
        m_postion = 0;
    }
    m_pageCtrl->setCurrentPage(m_postion / 2);
    if (m_postion >= rows) {
        return;
    }
    const StatementPeriod right = StatementPeriod::fromRow(m_financeDataList.at(m_postion));
    std::optional<StatementPeriod> left;
    if (m_postion + 1 < rows) {
        left = StatementPeriod::fromRow(m_financeDataList.at(m_postion + 1));
    }
    const int layoutId = layoutIdOf(right, left);
    m_lbFold->setVisible(statementLayoutOf(layoutId) == StatementLayout::Fund);
    loadPage(statementPage(statementLayoutOf(layoutId), right, left));
}

void CompanyFinancialNewsViewController::loadPage(const QString& page) {
    m_pageText = page;
    m_webView->setHtml(page);
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
    const int wanted = 2 * m_pageCtrl->currentPage();
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

bool CompanyFinancialNewsViewController::isRequestOutstanding() const {
    return m_actNetwork != nullptr && m_actNetwork->isAnimating();
}

void CompanyFinancialNewsViewController::sendRequest() {
    view();
    if (!m_myUrlRequest) {
        m_myUrlRequest = appDelegate().makeRequest();
    }
    m_myUrlRequest->setMyReqType(kRequestKind);
    m_myUrlRequest->setDelegate(this);
    m_myUrlRequest->ResquestLink(appDelegate().endpoints().companyFinance(m_id));
    m_actNetwork->startAnimating();
}

void CompanyFinancialNewsViewController::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    m_actNetwork->stopAnimating();
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

// ---- controls --------------------------------------------------------------------------------

QLabel* CompanyFinancialNewsViewController::lbStock() {
    view();
    return m_lbStock;
}
QLabel* CompanyFinancialNewsViewController::stock() {
    view();
    return m_stock;
}
QLabel* CompanyFinancialNewsViewController::stockPoint() {
    view();
    return m_stockPoint;
}
QLabel* CompanyFinancialNewsViewController::percent() {
    view();
    return m_percent;
}
QLabel* CompanyFinancialNewsViewController::lbDate() {
    view();
    return tabBar().lbDate;
}
QLabel* CompanyFinancialNewsViewController::eps() {
    view();
    return m_eps;
}
QLabel* CompanyFinancialNewsViewController::pe() {
    view();
    return m_pe;
}
QLabel* CompanyFinancialNewsViewController::pb() {
    view();
    return m_pb;
}
QLabel* CompanyFinancialNewsViewController::bv() {
    view();
    return m_bv;
}
QLabel* CompanyFinancialNewsViewController::lbFold() {
    view();
    return m_lbFold;
}
ui::HtmlView* CompanyFinancialNewsViewController::webView() {
    view();
    return m_webView;
}
ui::PageIndicator* CompanyFinancialNewsViewController::pageCtrl() {
    view();
    return m_pageCtrl;
}
QPushButton* CompanyFinancialNewsViewController::leftButton() {
    view();
    return m_leftButton;
}
QPushButton* CompanyFinancialNewsViewController::rightButton() {
    view();
    return m_rightButton;
}

} // namespace company
