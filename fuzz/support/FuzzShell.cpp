#include "support/FuzzShell.h"

#include "portfolio/PortfolioSection.h"
#include "store/myDb.h"

#include <QCoreApplication>
#include <QEvent>

namespace fuzzing {
namespace {

// Enough dismissals for any chain of alerts one answer can raise, without looping for good on an
// alert that raises another when pressed.
constexpr int kMostAlertsPerInput = 16;
// Long enough for the full update's day steps (half a second a day, seven days an answer at most
// from the service, a few more from a fuzzed one); longer only multiplies the live screens' ticks.
constexpr double kSettleSeconds = 8;

QApplication& application() {
    static int argc = 1;
    static char name[] = "corvastel-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Made once and kept to the end of the process, as a fuzzer's state must be.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

} // namespace

FuzzShell& FuzzShell::instance() {
    application();
    static auto* shell = new FuzzShell();
    return *shell;
}

FuzzShell::FuzzShell() {
    m_window.resize(480, 320);
    m_stack = new QStackedWidget(&m_window);
    m_stack->setGeometry(0, 0, 480, 320);
    m_navigator = std::make_unique<ui::Navigator>(m_stack);
    m_alerts = std::make_unique<ui::Alerts>(&m_window);
    {
        myDb db(m_dataDir.path());
        db.initDb();
        // No update question at start: the targets feed the full update themselves.
        db.setSetting(1, 0, QStringLiteral("PULL"), 1, 20);
    }
    shell::AppEnvironment environment;
    environment.dataDir = m_dataDir.path();
    environment.baseUrl = QStringLiteral("http://127.0.0.1:9");
    environment.network = &m_network;
    environment.activity = &m_activity;
    environment.scheduler = &m_scheduler;
    environment.alerts = m_alerts.get();
    environment.navigator = m_navigator.get();
    environment.platform = core::Platform{&m_preferences, &m_keepAwake, &m_links, QStringLiteral("fuzz-device"),
                                          QStringLiteral(CORVASTEL_VERSION)};
    m_app = std::make_unique<shell::QRMInfoAppDelegate>(environment);
    portfolio::registerPortfolioScreens(*m_app);
    m_app->applicationDidFinishLaunching();
    settle();
}

void FuzzShell::show(ui::ViewController* screen) {
    m_navigator->push(screen, false);
}

bool FuzzShell::answer(const QByteArray& body) {
    return m_network.answerLatest(body);
}

void FuzzShell::settle() {
    for (int i = 0; i < kMostAlertsPerInput && m_alerts->isShowing(); ++i) {
        m_alerts->press(0);
    }
    m_scheduler.advance(kSettleSeconds);
    for (int i = 0; i < kMostAlertsPerInput && m_alerts->isShowing(); ++i) {
        m_alerts->press(0);
    }
    m_navigator->popToRoot(false);
    // Without an event loop, the layout and paint requests the input posted would pile up.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace fuzzing
