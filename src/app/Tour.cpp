#include "app/Tour.h"

#include "company/CompanyInfoViewController.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "company/DirectoryWarningViewController.h"
#include "market/MarketHistoryViewController.h"
#include "market/MarketInfoViewController.h"
#include "market/MarketMoversSource.h"
#include "market/MarketMoversViewController.h"
#include "market/MarketResultViewController.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/RegisterViewController.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QThread>
#include <QWidget>

namespace app {

namespace {

constexpr int kShortWaitMs = 15000;
constexpr int kUpdateWaitMs = 180000;

} // namespace

Tour::Tour(shell::QRMInfoAppDelegate& app, QWidget& window, const QString& folder)
    : m_app(app)
    , m_window(window)
    , m_folder(folder) {}

bool Tour::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    return true;
}

bool Tour::waitForAlert(const QString& message, int timeoutMs) {
    return waitUntil(
        [this, &message] { return m_app.alerts().isShowing() && m_app.alerts().currentMessage() == message; },
        timeoutMs);
}

void Tour::snap(const QString& name) {
    QCoreApplication::processEvents();
    ++m_counter;
    const QString file =
        m_folder.filePath(QStringLiteral("%1-%2.png").arg(m_counter, 2, 10, QLatin1Char('0')).arg(name));
    if (!m_window.grab().save(file) && m_unsaved.isEmpty()) {
        m_unsaved = QStringLiteral("cannot write %1").arg(file);
    }
}

QString Tour::run() {
    if (!m_folder.mkpath(QStringLiteral("."))) {
        return QStringLiteral("cannot create %1").arg(m_folder.path());
    }
    QString failure = walkStartAndUpdate();
    if (failure.isEmpty()) {
        failure = walkAccount();
    }
    if (failure.isEmpty()) {
        failure = walkMarket();
    }
    if (failure.isEmpty()) {
        failure = walkPortfolio();
    }
    if (failure.isEmpty()) {
        failure = walkHeadlines();
    }
    if (failure.isEmpty()) {
        failure = walkWorld();
    }
    if (failure.isEmpty()) {
        walkSettingsAndMenu();
        failure = walkMovers();
    }
    if (failure.isEmpty()) {
        failure = walkGoldPremium();
    }
    if (failure.isEmpty()) {
        failure = walkColourOptions();
    }
    if (failure.isEmpty()) {
        failure = walkInsight();
    }
    return failure.isEmpty() ? m_unsaved : failure;
}

QString Tour::walkStartAndUpdate() {
    const QString question = QStringLiteral("Cập nhật toàn bộ dữ liệu!");
    if (!waitForAlert(question, kShortWaitMs)) {
        return QStringLiteral("the data-update question did not appear (alert: \"%1\")")
            .arg(m_app.alerts().currentMessage());
    }
    snap(QStringLiteral("update-question"));
    m_app.alerts().press(1);
    shell::MainViewController* menu = m_app.mainViewController();
    if (!waitUntil([menu] { return menu->waitText().contains(QLatin1Char('%')); }, kShortWaitMs)) {
        return QStringLiteral("the update showed no progress");
    }
    snap(QStringLiteral("update-progress"));
    if (!waitUntil([this, menu] { return !m_app.isUpdating() && menu->isMenuEnabled() && !menu->isWaitTextVisible(); },
                   kUpdateWaitMs)) {
        return QStringLiteral("the full update did not finish");
    }
    if (m_app.alerts().isShowing()) {
        return QStringLiteral("the update ended with the alert \"%1\"").arg(m_app.alerts().currentMessage());
    }
    snap(QStringLiteral("main-menu"));
    return {};
}

QString Tour::walkAccount() {
    shell::MainViewController* menu = m_app.mainViewController();
    menu->goLogin();
    shell::LoginViewController* login = m_app.loginViewController();
    login->uname()->setText(QStringLiteral("demo"));
    login->pass()->setText(QStringLiteral("demo"));
    snap(QStringLiteral("login"));
    login->sendLogin();
    if (!waitForAlert(QStringLiteral("Đăng nhập thành công."), kShortWaitMs)) {
        return QStringLiteral("login as demo failed (alert: \"%1\")").arg(m_app.alerts().currentMessage());
    }
    m_app.alerts().press(0);
    if (!waitUntil([this, menu] { return m_app.navigator().topController() == menu; }, kShortWaitMs)) {
        return QStringLiteral("the login screen did not close");
    }
    snap(QStringLiteral("main-menu-logged-in"));
    login->goToRegister();
    shell::RegisterViewController* reg = m_app.registerViewController();
    reg->uname()->setText(QStringLiteral("nhadautu"));
    reg->email()->setText(QStringLiteral("nhadautu@vidu.vn"));
    snap(QStringLiteral("registration"));
    m_app.navigator().popToRoot(false);
    return {};
}

QString Tour::walkMarket() {
    auto* overview = m_app.cachedScreen<market::MarketInfoViewController>();
    if (!openSection(QStringLiteral("btCKVN"), overview)) {
        return QStringLiteral("the market overview did not open");
    }
    overview->toggleAnimation();
    if (!waitUntil([overview] { return overview->order() > 0 && !overview->isRequestOutstanding(); }, kShortWaitMs)) {
        return QStringLiteral("the market overview stored no answer (alert: \"%1\")")
            .arg(m_app.alerts().currentMessage());
    }
    snap(QStringLiteral("market-overview"));
    overview->toggleAnimation();

    // The history shows an earlier day from what the overview stored; a fresh data folder holds
    // only today's answers, so the walk shows today's.
    m_app.setCurrentHistoryDayView(m_app.currentDay());
    overview->goHistory();
    snap(QStringLiteral("market-history"));
    m_app.navigator().pop(false);
    m_app.setCurrentHistoryDayView(m_app.currentDay() - 1);

    overview->goMarketResult();
    if (m_app.navigator().topController() == overview) {
        return QStringLiteral("the trading results did not open");
    }
    snap(QStringLiteral("market-results"));
    m_app.navigator().pop(false);
    return walkCompanies(*overview);
}

QString Tour::walkMovers() {
    auto* results = m_app.cachedScreen<market::MarketResultViewController>();
    m_app.navigator().push(results, false);
    results->goMovers();
    auto* movers = m_app.cachedScreen<market::MarketMoversViewController>();
    if (m_app.navigator().topController() != movers) {
        return QStringLiteral("the movers did not open");
    }
    if (movers->source().rowCount() == 0) {
        return QStringLiteral("the movers list no company (\"%1\")").arg(movers->lbStatus()->text());
    }
    snap(QStringLiteral("market-movers"));
    m_app.navigator().popToRoot(false);
    return {};
}

QString Tour::refreshCompanyList(company::CompanyInfoViewController& list, const QString& name) {
    if (m_app.navigator().topController() != &list) {
        return QStringLiteral("the %1 company list did not open").arg(name);
    }
    list.toggleAnimation();
    if (!waitUntil([&list] { return !list.companyList().isEmpty() && !list.isRequestOutstanding(); }, kShortWaitMs)) {
        return QStringLiteral("the %1 company list stayed empty").arg(name);
    }
    // A logged-in user's holdings are checked after the first answer; the demo account has one
    // past its threshold, so the warnings screen comes up over the list.
    const auto warningsShown = [this] {
        return dynamic_cast<company::DirectoryWarningViewController*>(m_app.navigator().topController()) != nullptr;
    };
    if (waitUntil(warningsShown, 3000)) {
        if (!m_warningsShown) {
            snap(QStringLiteral("price-warnings"));
            m_warningsShown = true;
        }
        m_app.navigator().pop(false);
    }
    list.toggleAnimation();
    snap(QStringLiteral("company-list-%1").arg(name));
    return {};
}

QString Tour::walkCompanies(market::MarketInfoViewController& overview) {
    overview.viewWillAppear(false);
    overview.goCompanyInfoHoSE();
    auto* list = m_app.cachedScreen<company::CompanyInfoViewController>();
    QString failure = refreshCompanyList(*list, QStringLiteral("hose"));
    if (!failure.isEmpty()) {
        return failure;
    }
    watchFirstCompanies(*list, 4);
    m_app.navigator().pop(false);
    overview.viewWillAppear(false);
    overview.goCompanyInfoHaSTC();
    failure = refreshCompanyList(*list, QStringLiteral("hnx"));
    if (!failure.isEmpty()) {
        return failure;
    }
    list->goComDetail(0);
    auto* quote = m_app.cachedScreen<company::CompanyRealTimeViewcontroller>();
    if (m_app.navigator().topController() != quote) {
        return QStringLiteral("the company real-time screen did not open");
    }
    quote->reloadData();
    if (!waitUntil([quote] { return !quote->isRequestOutstanding(); }, kShortWaitMs)) {
        return QStringLiteral("the company real-time screen got no answer");
    }
    snap(QStringLiteral("company-realtime"));
    quote->goKQGD();
    snap(QStringLiteral("company-results"));
    failure = walkCompanyTabs(*quote);
    m_app.navigator().popToRoot(false);
    return failure;
}

void Tour::walkSettingsAndMenu() {
    shell::MainViewController* menu = m_app.mainViewController();
    menu->gotoSetting();
    snap(QStringLiteral("settings"));
    if (auto* settings = dynamic_cast<shell::BarScreen*>(m_app.navigator().topController())) {
        settings->goMenu();
        snap(QStringLiteral("context-menu"));
        m_app.menu()->goBack();
    }
    m_app.navigator().popToRoot(false);
    menu->goAbout();
    snap(QStringLiteral("about"));
    m_app.navigator().popToRoot(false);
}

} // namespace app
