#pragma once

#include "core/Platform.h"
#include "net/NetworkActivity.h"
#include "server/ScriptedServer.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/Alerts.h"
#include "ui/ManualScheduler.h"
#include "ui/Navigator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QStackedWidget>
#include <QThread>
#include <QWidget>

#include <map>
#include <memory>

namespace testsupport {

/// The button of a screen that shows this caption, or null.
inline QPushButton* buttonOf(ui::ViewController& screen, const QString& caption) {
    for (QPushButton* button : screen.view()->findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

/// A scripted answer with this body.
inline sim::ScriptedAnswer answer(std::string body) {
    sim::ScriptedAnswer scripted;
    scripted.body = std::move(body);
    return scripted;
}

/// A connection that closes before the answer is complete.
inline sim::ScriptedAnswer droppedAnswer() {
    sim::ScriptedAnswer scripted;
    scripted.drop = true;
    return scripted;
}

/// A whole application shell on the offscreen platform: a window with its navigation stack and
/// alerts, a manual clock, fake platform services, and a service given by the test.
class ShellTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        m_window.resize(480, 320);
        m_stack = new QStackedWidget(&m_window);
        m_stack->setGeometry(0, 0, 480, 320);
        m_navigator = std::make_unique<ui::Navigator>(m_stack);
        m_alerts = std::make_unique<ui::Alerts>(&m_window);
    }

    void TearDown() override {
        m_app.reset();
        m_alerts.reset();
        m_navigator.reset();
    }

    /// Makes the application object for a service; start() then runs the start-up sequence.
    shell::QRMInfoAppDelegate& makeApp(const QString& baseUrl) {
        shell::AppEnvironment environment;
        environment.dataDir = path();
        environment.baseUrl = baseUrl;
        environment.network = &m_network;
        environment.activity = &m_activity;
        environment.scheduler = &m_scheduler;
        environment.alerts = m_alerts.get();
        environment.navigator = m_navigator.get();
        environment.transferTimeoutMs = m_transferTimeoutMs;
        environment.platform =
            core::Platform{&m_preferences, &m_keepAwake, &m_links, QStringLiteral("device-1"), QStringLiteral("2.0.3")};
        if (m_desktopNotices) {
            environment.platform.notifier = &m_notifier;
        }
        environment.platform.raiseWindow = [this] {
            ++m_windowRaises;
        };
        m_app = std::make_unique<shell::QRMInfoAppDelegate>(environment);
        return *m_app;
    }

    shell::QRMInfoAppDelegate& start(const QString& baseUrl) {
        makeApp(baseUrl).applicationDidFinishLaunching();
        return *m_app;
    }

    /// Starts against a service with the version check off and the update question declined,
    /// as the screen tests want it.
    shell::QRMInfoAppDelegate& startQuietly(const std::string& baseUrl) {
        {
            myDb db(path());
            db.initDb();
            db.setSetting(1, 0, QStringLiteral("PULL"), 1, 20);
        }
        start(QString::fromStdString(baseUrl));
        m_alerts->press(0);
        return *m_app;
    }

    /// Runs the event loop until the condition holds (transfers finish on it), at most 10 s.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
        QDeadlineTimer deadline(timeoutMs);
        while (!condition()) {
            if (deadline.hasExpired()) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(1);
        }
        return true;
    }

    bool waitForAlert(const QString& message) {
        return waitFor([this, &message] { return m_alerts->isShowing() && m_alerts->currentMessage() == message; });
    }

    /// Logs in as the built-in service's demo user through the login screen, as a user does.
    void logInAsDemo() {
        m_app->mainViewController()->goLogin();
        shell::LoginViewController& login = *m_app->loginViewController();
        login.uname()->setText(QStringLiteral("demo"));
        login.pass()->setText(QStringLiteral("demo"));
        login.sendLogin();
        ASSERT_TRUE(waitForAlert(QStringLiteral("Đăng nhập thành công.")));
        m_alerts->press(0);
    }

    shell::QRMInfoAppDelegate& app() { return *m_app; }
    ui::Alerts& alerts() { return *m_alerts; }
    ui::Navigator& navigator() { return *m_navigator; }
    ui::ManualScheduler& scheduler() { return m_scheduler; }
    QNetworkAccessManager& network() { return m_network; }

    FakePreferences m_preferences;
    /// Set before the start: the longest transfer of every request object (0: their own limit).
    int m_transferTimeoutMs = 0;
    FakeKeepAwake m_keepAwake;
    FakeLinks m_links;
    /// Set before the start: desktop notices go to m_notifier (else the platform has none).
    bool m_desktopNotices = false;
    FakeNotifier m_notifier;
    /// How often the program asked to bring its window to the front.
    int m_windowRaises = 0;

private:
    ui::ManualScheduler m_scheduler;
    QNetworkAccessManager m_network;
    net::NetworkActivity m_activity;
    QWidget m_window;
    QStackedWidget* m_stack = nullptr;
    std::unique_ptr<ui::Navigator> m_navigator;
    std::unique_ptr<ui::Alerts> m_alerts;
    std::unique_ptr<shell::QRMInfoAppDelegate> m_app;
};

} // namespace testsupport
