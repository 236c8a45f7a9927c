#include "app/DesktopNotifier.h"
#include "app/MainWindow.h"
#include "app/PlatformShims.h"
#include "app/ScreenExport.h"
#include "app/ScreenExportChooser.h"
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
#include <QKeySequence>
#include <QNetworkAccessManager>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

QString defaultDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// The tour needs no display: it is asked for before the application object picks a platform.
void applyEarlyOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if ((std::strcmp(argv[i], "--tour") == 0 || std::strncmp(argv[i], "--tour=", 7) == 0) &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
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
    std::optional<double> zoom;
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

// As the parser itself does with a malformed command line.
[[noreturn]] void refuseOption(const QString& message) {
    QTextStream(stderr) << "corvastel: " << message << '\n';
    std::exit(2);
}

std::optional<double> zoomOf(const QCommandLineParser& parser, const QCommandLineOption& scale) {
    if (!parser.isSet(scale)) {
        return std::nullopt;
    }
    bool ok = false;
    const double zoom = parser.value(scale).toDouble(&ok);
    if (!ok || zoom < app::MainWindow::kMinZoom || zoom > app::MainWindow::kMaxZoom) {
        refuseOption(QStringLiteral("--scale wants a factor from %1 to %2, e.g. --scale 2")
                         .arg(app::MainWindow::kMinZoom)
                         .arg(app::MainWindow::kMaxZoom));
    }
    return zoom;
}

std::optional<double> replaySpeedOf(const QCommandLineParser& parser, const QCommandLineOption& replay) {
    if (!parser.isSet(replay)) {
        return std::nullopt;
    }
    bool ok = false;
    const double speed = parser.value(replay).toDouble(&ok);
    if (!ok || speed <= 0) {
        refuseOption(QStringLiteral("--replay wants a positive speed, e.g. --replay 10"));
    }
    return speed;
}

void printVersions() {
    QTextStream(stdout) << "corvastel " << CORVASTEL_VERSION << '\n'
                        << "Qt " << qVersion() << " (built with " << QT_VERSION_STR << ")\n"
                        << "SQLite " << myDb::engineVersion() << '\n';
}

// Reads the running application's command line; call it once the application object exists.
Options parseOptions() {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Corvastel: Vietnamese stock-market information (HoSE, HNX, world markets, gold, commodities, rates)."));
    parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and those of Qt and SQLite in use, and exit."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Folder of the working database (default: %1).").arg(defaultDataDir()), QStringLiteral("DIR"),
        defaultDataDir());
    const QCommandLineOption baseUrl(QStringLiteral("base-url"),
                                     QStringLiteral("The market-information service, e.g. http://127.0.0.1:8080 "
                                                    "(default: the built-in service on a free local port)."),
                                     QStringLiteral("URL"));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QStringLiteral("Window zoom: FACTOR times the 480×320 screen, from %1 to %2 (default: the zoom the window "
                       "was left at, else %3).")
            .arg(app::MainWindow::kMinZoom)
            .arg(app::MainWindow::kMaxZoom)
            .arg(app::MainWindow::kDefaultZoom),
        QStringLiteral("FACTOR"));
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
    parser.addOptions({version, dataDir, baseUrl, scale, tour, summary, replay});
    parser.process(withReplayValues(QCoreApplication::arguments()));
    if (parser.isSet(version)) {
        printVersions();
        std::exit(0);
    }
    return {parser.value(dataDir), parser.value(baseUrl), parser.value(tour), replaySpeedOf(parser, replay),
            zoomOf(parser, scale)};
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("corvastel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Corvastel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVASTEL_VERSION));
}

// The installed desktop entry's and icon's name. Wayland ties the window to its launcher entry,
// and so to its icon, by it; notices name the icon by it.
const QString kDesktopId = QStringLiteral("io.github.corvastel.Corvastel");

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
    QGuiApplication::setDesktopFileName(kDesktopId);
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
    app::FreedesktopNotifier notifier(kDesktopId);
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
    // A walk for pictures must not pop notices up on the desktop it runs on.
    const bool touring = !options.tourDir.isEmpty();
    environment.platform.notifier = touring ? nullptr : &notifier;
    environment.platform.raiseWindow = [&window] {
        window.bringToFront();
    };
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
    app::FileDialogSaveLocationChooser saveLocations(&window);
    app::ScreenExport screenExport(window.navigator(), window.alerts(), saveLocations);
    window.addKeyAction(QKeySequence(Qt::CTRL | Qt::Key_E), [&screenExport] { screenExport.exportTable(); });
    window.addKeyAction(QKeySequence(Qt::CTRL | Qt::Key_S), [&screenExport] { screenExport.exportChart(); });

    if (!touring) {
        // The tour's pictures are always of the default zoom, and a tour leaves the window's
        // place as the user left it.
        window.restorePlace(settings, options.zoom);
        QObject::connect(&application, &QCoreApplication::aboutToQuit, &window,
                         [&window, &settings] { window.savePlace(settings); });
    }
    window.show();
    appDelegate.applicationDidFinishLaunching();

    if (touring) {
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
