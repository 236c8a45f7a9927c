#include "company/CompanyHeadNewsViewController.h"

#include "company/CompanyNewsDetailViewController.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "net/Endpoints.h"
#include "news/NewsAnswer.h"
#include "news/NewsListView.h"
#include "shell/ActivityIndicator.h"
#include "shell/LiveRefresh.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

namespace company {

namespace {

constexpr int kHeaderY = 32;
constexpr int kListTop = 56;
constexpr int kListBottom = 284;

shell::LiveRefresh::Options refreshOptions() {
    // The tick asks whatever the live mode, as the reload does; the timer runs only in live mode.
    shell::LiveRefresh::Options options;
    options.tickNeedsLiveMode = false;
    return options;
}

} // namespace

CompanyHeadNewsViewController::CompanyHeadNewsViewController(shell::QRMInfoAppDelegate& appDelegate)
    : CompanyTabScreen(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(
          appDelegate, *this, [this] { targetMethod(); }, refreshOptions())) {
    setScreenName(QStringLiteral("Tin tức công ty"));
}

CompanyHeadNewsViewController::~CompanyHeadNewsViewController() = default;

QWidget* CompanyHeadNewsViewController::loadView() {
    QWidget* root = makeRoot(CompanyTab::News, m_live.get(), [this] { switchLiveMode(); });
    m_heading = buildCompanyHeading(root);
    auto* indicator = new shell::ActivityIndicator(appDelegate().scheduler(), root);
    indicator->setGeometry(454, kHeaderY + 2, 18, 18);
    setActivityIndicator(indicator);
    m_list = new news::NewsListView(
        root, QStringLiteral("Chưa có tin nào của công ty này.\nNhấn \"Tải lại\" để tải tin mới."));
    m_list->setGeometry(0, kListTop, 480, kListBottom - kListTop);
    connect(m_list, &news::NewsListView::articleChosen, this, &CompanyHeadNewsViewController::openArticle);
    return root;
}

news::NewsListView* CompanyHeadNewsViewController::newsList() {
    view();
    return m_list;
}

QLabel* CompanyHeadNewsViewController::stock() {
    view();
    return m_heading.exchange;
}

// ---- showing ---------------------------------------------------------------------------------

// With nothing stored for the company the tab asks once, rather than stay empty until the user
// finds the reload button.
void CompanyHeadNewsViewController::reload() {
    startLoad();
    if (m_list->rows().rowCount() == 0 && !isRequestOutstanding()) {
        sendRequest();
    }
}

void CompanyHeadNewsViewController::startLoad() {
    view();
    myDb& db = *appDelegate().db();
    m_heading.show(db.getCodeFromId(m_id), db.getStockMarkFromId(m_id));
    showStoredNews();
    if (m_live->followLiveMode()) {
        sendRequest();
    }
}

void CompanyHeadNewsViewController::showStoredNews() {
    m_list->showRows(appDelegate().db()->getCompanyNews(m_id));
}

// ---- requests --------------------------------------------------------------------------------

void CompanyHeadNewsViewController::targetMethod() {
    sendRequest();
}

void CompanyHeadNewsViewController::toggleAnimation() {
    sendRequest();
}

void CompanyHeadNewsViewController::switchLiveMode() {
    appDelegate().setBRealTime(!appDelegate().bRealTime());
    startLoad();
}

void CompanyHeadNewsViewController::sendRequest() {
    view();
    sendTabRequest(appDelegate().endpoints().companyNews(m_id));
}

void CompanyHeadNewsViewController::stopTimers() {
    m_live->stop();
}

void CompanyHeadNewsViewController::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    stopIndicator();
    if (data) {
        parseAndSaveToDb(QString::fromUtf8(*data));
        return;
    }
    appDelegate().showConnectionError();
    showStoredNews();
}

// An error status changes nothing. After a success answer the tab's own company's news are read
// again, even when the answer brought none (the store still holds the earlier ones) or came for
// a company the user has since left.
void CompanyHeadNewsViewController::parseAndSaveToDb(const QString& text) {
    if (news::storeNewsAnswer(*appDelegate().db(), text).success) {
        showStoredNews();
    }
}

// ---- navigation ------------------------------------------------------------------------------

void CompanyHeadNewsViewController::openArticle(const QString& rowText) {
    CompanyRealTimeViewcontroller* host = rtController();
    ui::Navigator* navigator = host != nullptr ? host->navigationController() : nullptr;
    if (navigator == nullptr || navigator->topController() != host) {
        return;
    }
    stopTimers();
    m_article = std::make_unique<CompanyNewsDetailViewController>(appDelegate());
    m_article->setRtController(host);
    m_article->setNews(rowText);
    host->setBLockView(true);
    navigator->push(m_article.get(), true);
}

bool CompanyHeadNewsViewController::handleKey(int qtKey) {
    if (qtKey == Qt::Key_L) {
        switchLiveMode();
        return true;
    }
    return CompanyTabScreen::handleKey(qtKey);
}

} // namespace company
