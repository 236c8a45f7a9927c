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
    /// Whether the user can see the window: shown and not minimised.
    bool isInView() const { return m_inView; }

Q_SIGNALS:
    /// The desktop's counterpart of a phone app going to the background and back: the window
    /// was minimised or hidden, or shown again. Another window taking the focus is not it, as
    /// the user may well be watching the live screens beside their other work.
    void inViewChanged(bool inView);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updateInView();

    QStackedWidget* m_stack = nullptr;
    std::unique_ptr<ui::Navigator> m_navigator;
    std::unique_ptr<ui::Alerts> m_alerts;
    bool m_inView = false;
};

} // namespace app
