#pragma once

#include "app/ScaledScreenView.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QKeySequence;
class QSettings;

namespace net {
class NetworkActivity;
}
namespace ui {
class Alerts;
class Navigator;
} // namespace ui

namespace app {

/// The one window: 480×320 points of screens on a navigation stack with the alert overlay above
/// them, shown at a zoom that follows the window's size. The title names the screen shown and
/// marks a transfer under way.
class MainWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    static constexpr int kScreenWidth = 480;
    static constexpr int kScreenHeight = 320;
    static constexpr double kDefaultZoom = 2;
    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 8;

    explicit MainWindow(net::NetworkActivity& activity);
    ~MainWindow() override;

    ui::Navigator& navigator() const { return *m_navigator; }
    ui::Alerts& alerts() const { return *m_alerts; }
    /// The phone-sized widget the screens live in.
    QWidget& screenArea() const { return *m_screen; }
    /// Whether the user can see the window: shown and not minimised.
    bool isInView() const { return m_inView; }

    /// How many times the phone's size the screens are shown: set by the zoom keys, and by the
    /// user resizing the window (the screens then fill it, letterboxed).
    double zoom() const { return m_zoom; }
    /// Sizes the window to show the screens at `zoom` (limited to the zoom range).
    void setZoom(double zoom);
    /// The zoom keys: the next step up (as far as the desktop has room), down, and the default.
    void zoomIn();
    void zoomOut();
    void resetZoom();
    /// Where the screens are drawn in the window, and at which scale.
    ScreenFit screenFit() const { return m_view->fit(); }

    /// Puts the window where it was left (position, size, zoom); `zoom`, when given, sizes the
    /// window for that zoom instead of the size left.
    void restorePlace(const QSettings& settings, std::optional<double> zoom);
    void savePlace(QSettings& settings) const;

    /// A key of the whole window, whatever has the keyboard inside it.
    void addKeyAction(const QKeySequence& keys, std::function<void()> action);
    void showShortcutSheet();
    /// Shows the window above the others and gives it the keyboard, minimised or not.
    void bringToFront();

Q_SIGNALS:
    /// The desktop's counterpart of a phone app going to the background and back: the window
    /// was minimised or hidden, or shown again. Another window taking the focus is not it, as
    /// the user may well be watching the live screens beside their other work.
    void inViewChanged(bool inView);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateInView();
    void updateTitle();
    void addWindowKeys();
    /// The largest zoom whose window still fits the desktop's free area.
    double roomyZoom() const;

    net::NetworkActivity& m_activity;
    QWidget* m_screen = nullptr;
    ScaledScreenView* m_view = nullptr;
    std::unique_ptr<ui::Navigator> m_navigator;
    std::unique_ptr<ui::Alerts> m_alerts;
    double m_zoom = kDefaultZoom;
    bool m_inView = false;
};

} // namespace app
