#include "app/MainWindow.h"

#include "net/NetworkActivity.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <QEvent>
#include <QStackedWidget>

namespace app {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 320;

} // namespace

MainWindow::MainWindow(net::NetworkActivity& activity) {
    setWindowTitle(QStringLiteral("Corvastel"));
    setFixedSize(kWidth, kHeight);
    // A palette rather than a style sheet: a sheet would cascade a black background into every
    // label and icon of the screens.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    m_stack = new QStackedWidget(this);
    m_stack->setGeometry(0, 0, kWidth, kHeight);
    m_navigator = std::make_unique<ui::Navigator>(m_stack);
    m_navigator->watchKeysOf(this);
    // The phone showed transfers in its status bar; the desktop window shows them in its title,
    // where no screen's controls can be covered.
    connect(&activity, &net::NetworkActivity::activeChanged, this, [this](bool active) {
        setWindowTitle(active ? QStringLiteral("Corvastel — đang tải dữ liệu…") : QStringLiteral("Corvastel"));
    });
    m_alerts = std::make_unique<ui::Alerts>(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        updateInView();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateInView();
}

void MainWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    updateInView();
}

void MainWindow::updateInView() {
    const bool inView = isVisible() && !isMinimized();
    if (inView != m_inView) {
        m_inView = inView;
        Q_EMIT inViewChanged(inView);
    }
}

} // namespace app
