#include "app/MainWindow.h"
#include "app/PlatformShims.h"
#include "app/Tour.h"
#include "core/CalendarHelpers.h"
#include "core/StartupStore.h"
#include "market/MarketScreens.h"
#include "net/NetworkActivity.h"
#include "news/NewsScreens.h"
#include "portfolio/PortfolioSection.h"
#include "server/EmbeddedService.h"
#include "server/Replay.h"
#include "server/Service.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/QtScheduler.h"
#include "world/WorldScreens.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QNetworkAccessManager>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

QString defaultDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// The window is 480×320 points; the desktop shows it larger. Qt reads the scale factor when the
// application object is made, so it is taken from the arguments before that.
void applyEarlyOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const bool last = i + 1 >= argc;
        if (std::strcmp(argv[i], "--scale") == 0 && !last) {
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        } else if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            qputenv("QT_SCALE_FACTOR", argv[i] + 8);
        } else if ((std::strcmp(argv[i], "--tour") == 0 || std::strncmp(argv[i], "--tour=", 7) == 0) &&
                   qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
}

int printStoreSummary(const QString& dataDir) {
    myDb db(dataDir);
    core::prepareStoreAtStartup(db, core::dateDiffFromNow());
    QTextStream out(stdout);
    out << "working database: " << db.dataFilePath() << '\n';
    const QStringList setting = db.getSetting();
    out << "setting (account_visible,check_version,update_type,dir_warning,day_store): "
        << (setting.isEmpty() ? QStringLiteral("none") : setting.constFirst()) << '\n';
    for (const auto& [table, rows] : db.tableRowCounts()) {
        out << table << ": " << rows << '\n';
    }
    return 0;
}

struct Options {
    QString dataDir;
    QString baseUrl;
    QString tourDir;
    std::optional<double> replaySpeed;
};

// "--replay" may stand alone, which the command-line parser cannot express: give it its default.
QStringList withReplayValues(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool bare = argument == QStringLiteral("--replay") || argument == QStringLiteral("-replay");
        const bool valueFollows = i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-'));
        if (bare && !valueFollows) {
            arguments[i] = QStringLiteral("--replay=%1").arg(sim::kDefaultReplaySpeed);
        }
    }
    return arguments;
}

std::optional<double> replaySpeedOf(const QCommandLineParser& parser, const QCommandLineOption& replay) {
    if (!parser.isSet(replay)) {
        return std::nullopt;
    }
    bool ok = false;
    const double speed = parser.value(replay).toDouble(&ok);
    if (!ok || speed <= 0) {
        // As the parser itself does with a malformed command line.
        QTextStream(stderr) << "corvastel: --replay wants a positive speed, e.g. --replay 10\n";
        std::exit(2);
    }
    return speed;
}

// Reads the running application's command line; call it once the application object exists.
Options parseOptions() {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Corvastel: Vietnamese stock-market information (HoSE, HNX, world markets, gold, commodities, rates)."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Folder of the working database (default: %1).").arg(defaultDataDir()), QStringLiteral("DIR"),
        defaultDataDir());
    const QCommandLineOption baseUrl(QStringLiteral("base-url"),
                                     QStringLiteral("The market-information service, e.g. http://127.0.0.1:8080 "
                                                    "(default: the built-in service on a free local port)."),
                                     QStringLiteral("URL"));
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Window scale factor (default 2)."),
                                   QStringLiteral("FACTOR"), QStringLiteral("2"));
    const QCommandLineOption tour(QStringLiteral("tour"),
                                  QStringLiteral("Walk through every screen headless and save DIR/NN-<screen>.png."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption summary(QStringLiteral("store-summary"),
                                     QStringLiteral("Prepare the working database as a start does, print the "
                                                    "settings row and the rows of every table, and exit."));
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        QStringLiteral("Let the built-in service replay the latest session from its open (08:30, Vietnam's time) "
                       "at SPEED times the wall clock (default %1), so the market moves at any hour.")
            .arg(sim::kDefaultReplaySpeed),
        QStringLiteral("SPEED"));
    parser.addOptions({dataDir, baseUrl, scale, tour, summary, replay});
    parser.process(withReplayValues(QCoreApplication::arguments()));
    return {parser.value(dataDir), parser.value(baseUrl), parser.value(tour), replaySpeedOf(parser, replay)};
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("corvastel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Corvastel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVASTEL_VERSION));
}

// Help, version and the store summary print and exit: they need no window, so they work on a
// machine without a display.
bool wantsNoWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"-h", "--help", "-?", "-v", "--version", "--store-summary", "--help-all"}) {
            if (std::strcmp(argv[i], flag) == 0) {
                return true;
            }
        }
    }
    return false;
}

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    if (wantsNoWindow(argc, argv)) {
        QCoreApplication console(argc, argv);
        nameApplication();
        const Options options = parseOptions();
        return printStoreSummary(options.dataDir);
    }
    applyEarlyOptions(argc, argv);
    if (!hasDisplay()) {
        QTextStream(stderr) << "corvastel: no display to open the window on; run it in a desktop session, or "
                               "walk the screens headless with --tour DIR\n";
        return 2;
    }
    QApplication application(argc, argv);
    nameApplication();
    const Options options = parseOptions();
    QDir().mkpath(options.dataDir);

    std::unique_ptr<sim::Service> embedded;
    QString baseUrl = options.baseUrl;
    if (baseUrl.isEmpty()) {
        const QString statePath = QDir(options.dataDir).filePath(QStringLiteral("corvastel-service.db"));
        embedded = sim::startEmbeddedService(statePath.toStdString(), 1, options.replaySpeed);
        if (!embedded) {
            QTextStream(stderr) << "corvastel: the built-in service could not start\n";
            return 1;
        }
        baseUrl = QString::fromStdString(embedded->baseUrl());
    }

    QSettings settings;
    app::SettingsPreferences preferences(settings);
    app::ScreenSaverKeepAwake keepAwake;
    app::DesktopLinkOpener links;
    ui::QtScheduler scheduler;
    net::NetworkActivity activity;
    QNetworkAccessManager network;
    app::MainWindow window(activity);

    shell::AppEnvironment environment;
    environment.dataDir = options.dataDir;
    environment.baseUrl = baseUrl;
    environment.network = &network;
    environment.activity = &activity;
    environment.scheduler = &scheduler;
    environment.alerts = &window.alerts();
    environment.navigator = &window.navigator();
    environment.platform = core::Platform{&preferences, &keepAwake, &links, app::deviceIdentifier(settings),
                                          QStringLiteral(CORVASTEL_VERSION)};
    shell::QRMInfoAppDelegate appDelegate(environment);
    market::registerMarketScreens(appDelegate);
    world::registerWorldScreens(appDelegate);
    news::registerNewsScreens(appDelegate);
    portfolio::registerPortfolioScreens(appDelegate);
    QObject::connect(&window, &app::MainWindow::inViewChanged, &appDelegate, [&appDelegate](bool inView) {
        if (inView) {
            appDelegate.applicationDidBecomeActive();
        } else {
            appDelegate.applicationWillResignActive();
        }
    });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &appDelegate,
                     [&appDelegate] { appDelegate.applicationWillTerminate(); });
    window.show();
    appDelegate.applicationDidFinishLaunching();

    if (!options.tourDir.isEmpty()) {
        app::Tour tour(appDelegate, window, options.tourDir);
        const QString failure = tour.run();
        if (!failure.isEmpty()) {
            QTextStream(stderr) << "corvastel --tour: " << failure << '\n';
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
