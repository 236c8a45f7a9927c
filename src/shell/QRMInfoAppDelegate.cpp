#include "shell/QRMInfoAppDelegate.h"

#include "core/StartupStore.h"
#include "net/MyUrlRequest.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/PortfolioRoutes.h"
#include "shell/RegisterViewController.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "ui/Scheduler.h"

namespace shell {

namespace {

constexpr double kKeepAwakeCheckSeconds = 5;
constexpr double kDefaultRealtimeSeconds = 60;
constexpr double kDefaultWatchListSeconds = 5;
constexpr double kWatchListExtraSeconds = 5;
const QString kBoardColoursKey = QStringLiteral("BoardColours");
const QString kColourSafeKey = QStringLiteral("ColourSafePalette");

// A preference counts only when it is a positive number.
double positiveOr(std::optional<double> value, double fallback) {
    return value && *value > 0 ? *value : fallback;
}

} // namespace

QRMInfoAppDelegate::QRMInfoAppDelegate(AppEnvironment environment, QObject* parent)
    : QObject(parent)
    , m_env(std::move(environment))
    , m_endpoints(m_env.baseUrl, [this] {
        return net::Identity{m_isAuthenticated, m_session, m_imei};
    }) {
    m_mainViewController = std::make_unique<MainViewController>(*this);
}

QRMInfoAppDelegate::~QRMInfoAppDelegate() = default;

void QRMInfoAppDelegate::applicationDidFinishLaunching() {
    if (m_env.platform.keepAwake) {
        m_env.platform.keepAwake->setKeepAwake(true);
    }
    m_env.navigator->setRoot(m_mainViewController.get());
    initMyDb();
    m_iLastRevision = 0;
    m_isAuthenticated = false;
    m_bRealTime = false;
    m_username = QString(QLatin1String(""));
    m_current_day_update = 0;
    m_minday = 0;
    m_maxday = 0;
    caculateDay();
    m_imei = getUDID();
    getSetting();
    core::purgeAtStartup(*m_db, m_currentDay);
    if (m_check_version != 0) {
        checkVersion();
    } else {
        m_mainViewController->confirmUpdate();
    }
    m_timer = m_env.scheduler->repeating(kKeepAwakeCheckSeconds, [this] { checkRealtime(); });
    readPreferences();
}

void QRMInfoAppDelegate::readPreferences() {
    const core::Preferences* preferences = m_env.platform.preferences;
    const auto read = [preferences](const char* key) {
        return preferences ? preferences->number(QString::fromLatin1(key)) : std::nullopt;
    };
    m_timeRealtime = positiveOr(read("Realtime"), kDefaultRealtimeSeconds);
    m_timeTheodoiCK = positiveOr(read("TheodoiCK"), kDefaultWatchListSeconds) + kWatchListExtraSeconds;
    // Both colour options are off unless the user turned them on.
    const auto isOn = [preferences](const QString& key) {
        return positiveOr(preferences ? preferences->number(key) : std::nullopt, 0) > 0;
    };
    m_palette.setBoardColours(isOn(kBoardColoursKey));
    m_palette.setColourSafe(isOn(kColourSafeKey));
}

void QRMInfoAppDelegate::setBoardColours(bool on) {
    if (m_env.platform.preferences) {
        m_env.platform.preferences->setNumber(kBoardColoursKey, on ? 1 : 0);
    }
    m_palette.setBoardColours(on);
}

void QRMInfoAppDelegate::setColourSafe(bool on) {
    if (m_env.platform.preferences) {
        m_env.platform.preferences->setNumber(kColourSafeKey, on ? 1 : 0);
    }
    m_palette.setColourSafe(on);
}

void QRMInfoAppDelegate::applicationWillResignActive() {
    m_bRealTime = false;
    if (m_env.platform.keepAwake) {
        m_env.platform.keepAwake->setKeepAwake(false);
    }
}

void QRMInfoAppDelegate::applicationDidBecomeActive() {
    if (m_env.platform.keepAwake) {
        m_env.platform.keepAwake->setKeepAwake(true);
    }
}

void QRMInfoAppDelegate::applicationWillTerminate() {
    if (m_env.platform.keepAwake) {
        m_env.platform.keepAwake->setKeepAwake(false);
    }
}

void QRMInfoAppDelegate::checkRealtime() {
    if (m_env.platform.keepAwake) {
        m_env.platform.keepAwake->setKeepAwake(m_bRealTime);
    }
}

void QRMInfoAppDelegate::initMyDb() {
    m_db = std::make_unique<myDb>(m_env.dataDir, m_env.seedPath);
    m_db->initDb();
}

void QRMInfoAppDelegate::getSetting() {
    const QStringList rows = m_db->getSetting();
    if (!rows.isEmpty()) {
        const QStringList fields = rows.constFirst().split(QLatin1Char(','));
        if (fields.size() >= 5) {
            m_account_visible = fields.at(0).toInt();
            m_check_version = fields.at(1).toInt();
            m_update_type = fields.at(2);
            m_dir_warning = fields.at(3).toInt();
            m_day_store = fields.at(4).toInt();
        }
    }
    QStringList user;
    m_db->getUserInfo(user);
    m_username = user.value(0);
    m_password = user.value(1);
}

QString QRMInfoAppDelegate::getUDID() const {
    return m_env.platform.deviceId;
}

void QRMInfoAppDelegate::caculateDay() {
    const core::DayKeys keys = core::caculateDay(dateDiffFromNow());
    m_currentDay = keys.currentDay;
    m_currentHistoryDayView = keys.currentHistoryDayView;
    m_currentMarketResultDayView = keys.currentMarketResultDayView;
}

std::unique_ptr<net::MyUrlRequest> QRMInfoAppDelegate::makeRequest() const {
    auto request = std::make_unique<net::MyUrlRequest>(m_env.network, m_env.activity);
    if (m_env.transferTimeoutMs > 0) {
        request->setTransferTimeoutMs(m_env.transferTimeoutMs);
    }
    return request;
}

net::MyUrlRequest& QRMInfoAppDelegate::ensureMyUrlRequest() {
    if (!m_myUrlRequest) {
        m_myUrlRequest = makeRequest();
    }
    return *m_myUrlRequest;
}

QString QRMInfoAppDelegate::userLabelText() const {
    const bool shown = m_account_visible != 0 && m_isAuthenticated;
    return shown ? QStringLiteral("[ %1 ]").arg(m_username) : QString();
}

void QRMInfoAppDelegate::showConnectionError() {
    m_env.alerts->tell(QStringLiteral("Lỗi kết nối dữ liệu"));
}

void QRMInfoAppDelegate::pushTransient(std::unique_ptr<ui::ViewController> screen, bool animated) {
    const QList<ui::ViewController*> stack = navigator().viewControllers();
    std::erase_if(m_transientScreens, [&stack](const auto& kept) { return !stack.contains(kept.get()); });
    ui::ViewController* pushed = screen.get();
    m_transientScreens.push_back(std::move(screen));
    navigator().push(pushed, animated);
}

void QRMInfoAppDelegate::setPortfolioRoutes(std::unique_ptr<PortfolioRoutes> routes) {
    m_portfolioRoutes = std::move(routes);
}

ContextMenuViewController* QRMInfoAppDelegate::menu() {
    if (!m_menu) {
        m_menu = std::make_unique<ContextMenuViewController>(*this);
    }
    return m_menu.get();
}

LoginViewController* QRMInfoAppDelegate::loginViewController() {
    if (!m_loginViewController) {
        m_loginViewController = std::make_unique<LoginViewController>(*this);
    }
    return m_loginViewController.get();
}

RegisterViewController* QRMInfoAppDelegate::registerViewController() {
    if (!m_registerViewController) {
        m_registerViewController = std::make_unique<RegisterViewController>(*this);
    }
    return m_registerViewController.get();
}

void QRMInfoAppDelegate::endSession() {
    m_isAuthenticated = false;
    m_session.clear();
    m_db->makePorfolioEmpty();
    Q_EMIT loginStateChanged();
}

void QRMInfoAppDelegate::logout() {
    m_username = QString(QLatin1String(""));
    m_mainViewController->clearUserLabel();
    m_db->setUserInfo(m_username, QString(QLatin1String("")), QString(QLatin1String("")));
    endSession();
}

} // namespace shell
