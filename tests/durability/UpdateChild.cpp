// A program that runs one full update of the end-of-day history on a store folder, the way the
// application does it after "YES" to the update question, and exits when the update ends. The
// durability tests kill it at random moments of the update and inspect what it left behind.
//
// Usage: durability_update_child <data folder> <service base URL> [seed database]
// Prints "store ready" once the store folder holds the working file, "update started" once the
// request is sent, "update applying" when the answer is in and the days are about to be stored,
// "update finished" at the end.
#include "net/NetworkActivity.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/ManualScheduler.h"
#include "ui/Navigator.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QNetworkAccessManager>
#include <QStackedWidget>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int kGiveUpMs = 60000;
constexpr double kStepSeconds = 0.5;

// The version check is turned off, so the update question comes at once; a first run copies
// the seed here, a later one finds the store as the killed one left it.
void prepareStore(const QString& dataDir, const QString& seedPath) {
    QDir().mkpath(dataDir);
    myDb db(dataDir, seedPath);
    db.initDb();
    db.setSetting(1, 0, QStringLiteral("PULL"), 1, 20);
}

void say(const char* line) {
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The update's day steps wait on timers; the manual clock is moved on as soon as the event loop
// has nothing left, so the update runs as fast as the store writes.
bool runUntilFinished(shell::QRMInfoAppDelegate& app, ui::ManualScheduler& scheduler) {
    bool finished = false;
    bool applying = false;
    QObject::connect(&app, &shell::QRMInfoAppDelegate::fullUpdateFinished, [&finished] { finished = true; });
    QDeadlineTimer deadline(kGiveUpMs);
    while (!finished && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (app.isUpdating()) {
            if (!applying) {
                say("update applying");
                applying = true;
            }
            scheduler.advance(kStepSeconds);
        }
    }
    return finished;
}

// The update question answered "YES", as a user starting the program would; 0 when the update
// ran to its end.
int answerYesAndUpdate(shell::QRMInfoAppDelegate& app, ui::Alerts& alerts, ui::ManualScheduler& scheduler) {
    app.applicationDidFinishLaunching();
    if (!alerts.isShowing() || alerts.currentMessage() != QStringLiteral("Cập nhật toàn bộ dữ liệu!")) {
        std::fputs("no update question\n", stderr);
        return 1;
    }
    alerts.press(1);
    say("update started");
    // A transfer that failed ends the update too, with the connection error on screen.
    if (!runUntilFinished(app, scheduler) || alerts.isShowing()) {
        std::fputs("the update did not complete\n", stderr);
        return 1;
    }
    say("update finished");
    return 0;
}

int runProgram(const QString& dataDir, const QString& baseUrl, const QString& seedPath) {
    QWidget window;
    window.resize(480, 320);
    auto* stack = new QStackedWidget(&window);
    ui::Navigator navigator(stack);
    ui::Alerts alerts(&window);
    ui::ManualScheduler scheduler;
    QNetworkAccessManager network;
    net::NetworkActivity activity;

    shell::AppEnvironment environment;
    environment.dataDir = dataDir;
    environment.seedPath = seedPath;
    environment.baseUrl = baseUrl;
    environment.network = &network;
    environment.activity = &activity;
    environment.scheduler = &scheduler;
    environment.alerts = &alerts;
    environment.navigator = &navigator;
    environment.platform =
        core::Platform{nullptr, nullptr, nullptr, QStringLiteral("device-1"), QStringLiteral("2.0.3")};
    shell::QRMInfoAppDelegate app(environment);
    return answerYesAndUpdate(app, alerts, scheduler);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fputs("usage: durability_update_child <data folder> <service base URL> [seed database]\n", stderr);
        return 2;
    }
    const QString seedPath = args.size() == 4 ? args.at(3) : QStringLiteral(":/db.sqlite");
    prepareStore(args.at(1), seedPath);
    say("store ready");
    return runProgram(args.at(1), args.at(2), seedPath);
}
