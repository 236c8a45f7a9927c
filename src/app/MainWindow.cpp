#include "app/MainWindow.h"

#include "net/NetworkActivity.h"
#include "shell/ActivityIndicator.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <QStackedWidget>

namespace app {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 320;

} // namespace

MainWindow::MainWindow(ui::Scheduler& scheduler, net::NetworkActivity& activity) {
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
    m_networkSpinner = new shell::ActivityIndicator(scheduler, this);
    m_networkSpinner->setGeometry(kWidth - 20, kHeight - 20, 16, 16);
    connect(&activity, &net::NetworkActivity::activeChanged, this, [this](bool active) {
        if (active) {
            m_networkSpinner->startAnimating();
        } else {
            m_networkSpinner->stopAnimating();
        }
    });
    m_alerts = std::make_unique<ui::Alerts>(this);
}

MainWindow::~MainWindow() = default;

} // namespace app
