#pragma once

#include "core/Platform.h"

#include <QString>

class QNetworkAccessManager;

namespace net {
class NetworkActivity;
}
namespace ui {
class Alerts;
class Navigator;
class Scheduler;
} // namespace ui

namespace shell {

/// Everything the application object is given rather than makes: where the data live, where the
/// service is, the network, the clock, the alert overlay, the navigation stack and the platform.
struct AppEnvironment {

    QString dataDir;
    QString seedPath = QStringLiteral(":/db.sqlite");
    QString baseUrl;
    QNetworkAccessManager* network = nullptr;
    net::NetworkActivity* activity = nullptr;
    ui::Scheduler* scheduler = nullptr;
    ui::Alerts* alerts = nullptr;
    ui::Navigator* navigator = nullptr;
    core::Platform platform;
    /// How long a transfer may take before it counts as failed, 0 for the request object's own
    /// limit; tests shorten it to meet time-outs without waiting.
    int transferTimeoutMs = 0;
};

} // namespace shell
