#pragma once

#include "core/CalendarHelpers.h"
#include "net/Endpoints.h"
#include "net/RequestCallback.h"
#include "net/RequestDelegate.h"
#include "shell/AppEnvironment.h"
#include "ui/TrendPalette.h"
#include "ui/ViewController.h"

#include <QObject>
#include <QStringList>

#include <map>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

class myDb;

namespace net {
class MyUrlRequest;
}
namespace ui {
class Timer;
} // namespace ui

namespace shell {

class MainViewController;
class ContextMenuViewController;
class PortfolioRoutes;
class LoginViewController;
class RegisterViewController;

/// The one application object: the store, the login state, the day keys and refresh periods
/// the screens share, the screen cache, start-up, and the end-of-day synchronisation.
class QRMInfoAppDelegate final : public QObject, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QRMInfoAppDelegate)

public:
    explicit QRMInfoAppDelegate(AppEnvironment environment, QObject* parent = nullptr);
    ~QRMInfoAppDelegate() override;

    // ---- lifecycle -------------------------------------------------------------------------
    void applicationDidFinishLaunching();
    void applicationWillResignActive();
    void applicationDidBecomeActive();
    void applicationWillTerminate();
    void checkRealtime();

    // ---- start-up pieces -------------------------------------------------------------------
    void initMyDb();
    /// Loads the setting row and the saved user.
    void getSetting();
    QString getUDID() const;
    void caculateDay();

    // ---- calendar and number helpers -------------------------------------------------------
    int dateDiffFromNow() const { return core::dateDiffFromNow(); }
    QString dateFromDay(int day) const { return core::dateFromDay(day); }
    QString timeFromLastUpdate(int minute) const { return core::timeFromLastUpdate(minute); }
    QString timeFromMinuteFrom0h00(int minute) const { return core::timeFromMinuteFrom0h00(minute); }
    QString getDecimalString(double value) const { return core::getDecimalString(value); }

    // ---- synchronisation -------------------------------------------------------------------
    void load_EOD();
    void load_EOD_KQGD(int day);
    void load_EOD_KQGD_COM(int day);
    void checkVersion();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    /// Stores a trading-results answer of that request kind.
    void parse_EOD(const QString& text, int kind);
    void updateTimeLoop();
    void updateNextDay();
    void updateNextDateData();
    /// The answer to the newer-version question.
    void alertButtonClicked(int index);
    /// Whether the full update is under way (from its answer to its last step).
    bool isUpdating() const { return m_updating; }

    // ---- screens ---------------------------------------------------------------------------
    MainViewController* mainViewController() const { return m_mainViewController.get(); }
    /// The cached instance of a section screen, created on first use with this object and kept
    /// for the whole run (market overview, history, results, company list, ...). The type is the
    /// key, so a screen has one instance and one name.
    template <typename Screen> Screen* cachedScreen() {
        std::unique_ptr<ui::ViewController>& slot = m_screens[std::type_index(typeid(Screen))];
        if (!slot) {
            slot = std::make_unique<Screen>(*this);
        }
        return static_cast<Screen*>(slot.get());
    }
    /// The cached screen of that type, or null when it has not been created.
    template <typename Screen> Screen* existingScreen() const {
        const auto found = m_screens.find(std::type_index(typeid(Screen)));
        return found == m_screens.end() ? nullptr : static_cast<Screen*>(found->second.get());
    }
    /// A piece of state that several screens share rather than each keep (what both live lists
    /// have told the desktop), made on first use with this object and kept for the whole run.
    template <typename Part> Part& sharedPart() {
        std::shared_ptr<void>& slot = m_parts[std::type_index(typeid(Part))];
        if (!slot) {
            slot = std::make_shared<Part>(*this);
        }
        return *static_cast<Part*>(slot.get());
    }
    /// Pushes a screen made for one visit (settings, a form, a warning list) and keeps it alive
    /// while it is on the navigation stack; those that left it go at the next such push.
    void pushTransient(std::unique_ptr<ui::ViewController> screen, bool animated);
    /// The way to the portfolio and watch-list screens; null until that section registers.
    PortfolioRoutes* portfolioRoutes() const { return m_portfolioRoutes.get(); }
    void setPortfolioRoutes(std::unique_ptr<PortfolioRoutes> routes);
    ContextMenuViewController* menu();
    bool hasMenu() const { return m_menu != nullptr; }
    LoginViewController* loginViewController();
    RegisterViewController* registerViewController();
    ui::Navigator& navigator() const { return *m_env.navigator; }
    ui::Alerts& alerts() const { return *m_env.alerts; }
    ui::Scheduler& scheduler() const { return *m_env.scheduler; }
    const net::Endpoints& endpoints() const { return m_endpoints; }
    /// A request object for a screen, on the program's network and activity counter.
    std::unique_ptr<net::MyUrlRequest> makeRequest() const;
    /// The user label of the screens: "[ name ]" while the account is to be shown and the user
    /// is logged in, else empty.
    QString userLabelText() const;
    /// The common failure alert of every receiver.
    void showConnectionError();
    /// Ends the session: logged out, the local portfolio copy emptied; the saved user stays for
    /// the next login.
    void endSession();
    /// Logs out: ends the session and forgets the user name and the saved user too.
    void logout();

    // ---- shared state ----------------------------------------------------------------------
    myDb* db() const { return m_db.get(); }
    const QString& imei() const { return m_imei; }
    const QString& username() const { return m_username; }
    void setUsername(const QString& username) { m_username = username; }
    const QString& password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }
    const QString& session() const { return m_session; }
    void setSession(const QString& session) { m_session = session; }
    bool isAuthenticated() const { return m_isAuthenticated; }
    void setIsAuthenticated(bool authenticated) { m_isAuthenticated = authenticated; }
    bool bRealTime() const { return m_bRealTime; }
    void setBRealTime(bool realTime) { m_bRealTime = realTime; }
    int currentDay() const { return m_currentDay; }
    void setCurrentDay(int day) { m_currentDay = day; }
    int currentHistoryDayView() const { return m_currentHistoryDayView; }
    void setCurrentHistoryDayView(int day) { m_currentHistoryDayView = day; }
    int currentMarketResultDayView() const { return m_currentMarketResultDayView; }
    void setCurrentMarketResultDayView(int day) { m_currentMarketResultDayView = day; }
    int current_day_update() const { return m_current_day_update; }
    int minday() const { return m_minday; }
    int maxday() const { return m_maxday; }
    int iLastRevision() const { return m_iLastRevision; }
    void setILastRevision(int revision) { m_iLastRevision = revision; }
    int iLastRevisionWorldGold() const { return m_iLastRevisionWorldGold; }
    void setILastRevisionWorldGold(int revision) { m_iLastRevisionWorldGold = revision; }
    QStringList& realDataArr() { return m_realDataArr; }
    QStringList& realDataArrGold() { return m_realDataArrGold; }
    double timeRealtime() const { return m_timeRealtime; }
    double timeTheodoiCK() const { return m_timeTheodoiCK; }
    int account_visible() const { return m_account_visible; }
    void setAccount_visible(int value) { m_account_visible = value; }
    int check_version() const { return m_check_version; }
    void setCheck_version(int value) { m_check_version = value; }
    const QString& update_type() const { return m_update_type; }
    void setUpdate_type(const QString& value) { m_update_type = value; }
    int dir_warning() const { return m_dir_warning; }
    void setDir_warning(int value) { m_dir_warning = value; }
    int day_store() const { return m_day_store; }
    void setDay_store(int value) { m_day_store = value; }
    const QString& appLink() const { return m_appLink; }
    const QString& downloadText() const { return m_downloadText; }
    const core::Platform& platform() const { return m_env.platform; }
    /// The rise and fall colours of every screen, under the two colour options.
    ui::TrendPalette& palette() { return m_palette; }
    const ui::TrendPalette& palette() const { return m_palette; }
    /// Turns the price-board colours on or off: kept in the preferences, shown at once.
    void setBoardColours(bool on);
    /// Turns the colour-blind-safe palette on or off: kept in the preferences, shown at once.
    void setColourSafe(bool on);
    QString version() const { return m_env.platform.version; }
    /// The request object of the version check, the category list and registration.
    net::MyUrlRequest* myUrlRequest() const { return m_myUrlRequest.get(); }
    net::MyUrlRequest& ensureMyUrlRequest();

Q_SIGNALS:
    /// A market trading-results load stored its answer (or failed: stored is false).
    void marketResultsLoaded(bool stored);
    /// A company trading-results load stored its answer (or failed: stored is false).
    void companyResultsLoaded(bool stored);
    /// The full update is over, completed or not (the menu is usable again).
    void fullUpdateFinished();
    /// The category list answer arrived (request kind 18).
    void categoryListArrived(const QByteArray& data);
    /// The login state changed (log in or log out).
    void loginStateChanged();

private:
    void readPreferences();
    void startLoad(net::MyUrlRequest& request, net::RequestDelegate& receiver, int kind, const QString& url);
    void startResultsLoad(int kind, const QString& url);
    void announceResults(int kind, bool stored);
    void fullUpdateArrived(std::optional<QByteArray> data);
    void resultsArrived(std::optional<QByteArray> data);
    void applyVersionAnswer(const QString& text);
    void finishFullUpdate();
    void releaseMenu();

    AppEnvironment m_env;
    net::Endpoints m_endpoints;
    // Declared before the screens, so that it outlives every screen that follows it.
    ui::TrendPalette m_palette;
    std::unique_ptr<myDb> m_db;
    // The receivers outlive the requests that call them.
    net::RequestCallback m_fullUpdateReceiver{[this](std::optional<QByteArray> data) {
        fullUpdateArrived(std::move(data));
    }};
    net::RequestCallback m_resultsReceiver{[this](std::optional<QByteArray> data) {
        resultsArrived(std::move(data));
    }};
    std::unique_ptr<net::MyUrlRequest> m_myUrlRequest;
    std::unique_ptr<net::MyUrlRequest> m_fullUpdateRequest;
    std::unique_ptr<net::MyUrlRequest> m_resultsRequest;
    std::unique_ptr<MainViewController> m_mainViewController;
    std::unique_ptr<ContextMenuViewController> m_menu;
    std::unordered_map<std::type_index, std::unique_ptr<ui::ViewController>> m_screens;
    std::vector<std::unique_ptr<ui::ViewController>> m_transientScreens;
    std::unordered_map<std::type_index, std::shared_ptr<void>> m_parts;
    std::unique_ptr<PortfolioRoutes> m_portfolioRoutes;
    std::unique_ptr<LoginViewController> m_loginViewController;
    std::unique_ptr<RegisterViewController> m_registerViewController;
    std::unique_ptr<ui::Timer> m_timer;
    std::unique_ptr<ui::Timer> m_timerUpdateEx;

    QString m_downloadText;
    QString m_imei;
    QString m_username;
    QString m_password;
    QString m_session;
    bool m_isAuthenticated = false;
    bool m_updating = false;
    bool m_bRealTime = false;
    int m_currentDay = 0;
    int m_currentHistoryDayView = 0;
    int m_currentMarketResultDayView = 0;
    int m_current_day_update = 0;
    int m_minday = 0;
    int m_maxday = 0;
    int m_iLastRevision = 0;
    int m_iLastRevisionWorldGold = 0;
    QStringList m_realDataArr;
    QStringList m_realDataArrGold;
    double m_timeRealtime = 60;
    double m_timeTheodoiCK = 10;
    int m_account_visible = 0;
    int m_check_version = 0;
    QString m_update_type;
    int m_dir_warning = 0;
    int m_day_store = 0;
    QString m_appLink;
};

} // namespace shell
