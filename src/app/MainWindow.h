#pragma once

#include <QWidget>

#include <memory>

class QStackedWidget;

namespace net {
class NetworkActivity;
}
namespace ui {
class Alerts;
class Navigator;
class Scheduler;
} // namespace ui

namespace app {

/// The one window: 480×320 points of screens on a navigation stack, the alert overlay above
/// them, and the network-activity spinner in the corner.
class MainWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(net::NetworkActivity& activity);
    ~MainWindow() override;

    ui::Navigator& navigator() const { return *m_navigator; }
    ui::Alerts& alerts() const { return *m_alerts; }

private:
    QStackedWidget* m_stack = nullptr;
    std::unique_ptr<ui::Navigator> m_navigator;
    std::unique_ptr<ui::Alerts> m_alerts;
};

} // namespace app
