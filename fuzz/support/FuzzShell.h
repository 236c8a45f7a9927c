#pragma once

#include "net/NetworkActivity.h"
#include "shell/QRMInfoAppDelegate.h"
#include "support/AnsweringNetwork.h"
#include "support/FakePlatform.h"
#include "ui/Alerts.h"
#include "ui/ManualScheduler.h"
#include "ui/Navigator.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace fuzzing {

/// The whole application on the offscreen platform, made once per fuzzing process: its store
/// made from the real schema in a temporary folder, a manual clock, and a network that the
/// target answers. Screens are reached as the user reaches them, through the application object.
class FuzzShell final {
public:
    /// The one shell of this process, made on first use (a QApplication may exist only once).
    static FuzzShell& instance();

    shell::QRMInfoAppDelegate& app() { return *m_app; }
    ui::Navigator& navigator() { return *m_navigator; }
    ui::ManualScheduler& scheduler() { return m_scheduler; }
    AnsweringNetwork& network() { return m_network; }

    /// Shows the screen on top of the main menu, as opening it from the menu does.
    void show(ui::ViewController* screen);
    /// Hands the body to the request sent last, as its completed transfer; false when no
    /// request was waiting.
    bool answer(const QByteArray& body);
    /// Back to a quiet state between inputs: alerts dismissed, timers run out, the stack back at
    /// the main menu, and the objects the input left for deletion deleted.
    void settle();

private:
    FuzzShell();

    QTemporaryDir m_dataDir;
    ui::ManualScheduler m_scheduler;
    AnsweringNetwork m_network;
    net::NetworkActivity m_activity;
    QWidget m_window;
    QStackedWidget* m_stack = nullptr;
    std::unique_ptr<ui::Navigator> m_navigator;
    std::unique_ptr<ui::Alerts> m_alerts;
    testsupport::FakePreferences m_preferences;
    testsupport::FakeKeepAwake m_keepAwake;
    testsupport::FakeLinks m_links;
    std::unique_ptr<shell::QRMInfoAppDelegate> m_app;
};

} // namespace fuzzing
