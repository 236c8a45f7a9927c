#include "app/MainWindow.h"

#include "app/ShortcutSheet.h"
#include "net/NetworkActivity.h"
#include "ui/Alerts.h"
#include "ui/Artwork.h"
#include "ui/Navigator.h"
#include "ui/ViewController.h"

#include <QEvent>
#include <QKeySequence>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace app {

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kZoomKey = QStringLiteral("window/zoom");

constexpr std::array kZoomSteps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 8.0};
// Zooms this close are the same zoom: a window sized for a zoom reports it back rounded.
constexpr double kSameZoom = 0.01;

QWidget* makeScreen(QWidget* parent) {
    auto* screen = new QWidget(parent);
    screen->setFixedSize(MainWindow::kScreenWidth, MainWindow::kScreenHeight);
    // A palette rather than a style sheet: a sheet would cascade a black background into every
    // label and icon of the screens.
    QPalette palette = screen->palette();
    palette.setColor(QPalette::Window, Qt::black);
    screen->setPalette(palette);
    screen->setAutoFillBackground(true);
    return screen;
}

QString screenNameOf(const ui::ViewController* top) {
    if (!top) {
        return {};
    }
    if (!top->screenName().isEmpty()) {
        return top->screenName();
    }
    return top->title().trimmed();
}

} // namespace

MainWindow::MainWindow(net::NetworkActivity& activity)
    : m_activity(activity) {
    // The margins around the screens when the window's shape differs from theirs.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    setPalette(palette);
    setAutoFillBackground(true);
    setMinimumSize(kScreenWidth / 2, kScreenHeight / 2);
    setWindowIcon(ui::artworkIcon(QStringLiteral("corvastel.svg")));

    m_screen = makeScreen(nullptr);
    auto* stack = new QStackedWidget(m_screen);
    stack->setGeometry(0, 0, kScreenWidth, kScreenHeight);
    m_navigator = std::make_unique<ui::Navigator>(stack);
    m_alerts = std::make_unique<ui::Alerts>(m_screen);
    m_view = new ScaledScreenView(m_screen, this);
    m_view->setBackgroundBrush(palette.color(QPalette::Window));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    // The phone showed transfers in its status bar; the desktop window shows them in its title,
    // where no screen's controls can be covered.
    connect(&activity, &net::NetworkActivity::activeChanged, this, &MainWindow::updateTitle);
    connect(m_navigator.get(), &ui::Navigator::topChanged, this, &MainWindow::updateTitle);
    updateTitle();
    addWindowKeys();
    setZoom(kDefaultZoom);
}

MainWindow::~MainWindow() {
    // The screens go before the navigator and alerts that watch them.
    delete m_view;
}

void MainWindow::addWindowKeys() {
    addKeyAction(QKeySequence(Qt::Key_F1), [this] { showShortcutSheet(); });
    addKeyAction(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomIn(); });
    // Ctrl and the "+" key: with or without Shift, and on the keypad.
    addKeyAction(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { zoomIn(); });
    addKeyAction(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoomOut(); });
    addKeyAction(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { resetZoom(); });
    addKeyAction(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

void MainWindow::addKeyAction(const QKeySequence& keys, std::function<void()> action) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [action = std::move(action)] { action(); });
}

void MainWindow::showShortcutSheet() {
    ShortcutSheet sheet(this);
    sheet.exec();
}

void MainWindow::bringToFront() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void MainWindow::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (isMaximized() || isFullScreen()) {
        showNormal();
    }
    resize(static_cast<int>(std::lround(kScreenWidth * m_zoom)), static_cast<int>(std::lround(kScreenHeight * m_zoom)));
}

double MainWindow::roomyZoom() const {
    const QScreen* desktop = screen();
    if (!desktop) {
        return kMaxZoom;
    }
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize room = desktop->availableGeometry().size() - frame;
    return std::min(static_cast<double>(room.width()) / kScreenWidth,
                    static_cast<double>(room.height()) / kScreenHeight);
}

void MainWindow::zoomIn() {
    const double limit = std::max(m_zoom, roomyZoom());
    const auto* next =
        std::find_if(kZoomSteps.begin(), kZoomSteps.end(), [this](double step) { return step > m_zoom + kSameZoom; });
    if (next != kZoomSteps.end() && *next <= limit + kSameZoom) {
        setZoom(*next);
    }
}

void MainWindow::zoomOut() {
    const auto previous =
        std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(), [this](double step) { return step < m_zoom - kSameZoom; });
    if (previous != kZoomSteps.rend()) {
        setZoom(*previous);
    }
}

void MainWindow::resetZoom() {
    setZoom(kDefaultZoom);
}

void MainWindow::restorePlace(const QSettings& settings, std::optional<double> zoom) {
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    const bool placed = !geometry.isEmpty() && restoreGeometry(geometry);
    if (zoom) {
        setZoom(*zoom);
        return;
    }
    bool valid = false;
    const double saved = settings.value(kZoomKey).toDouble(&valid);
    if (!placed) {
        setZoom(valid && std::isfinite(saved) ? saved : kDefaultZoom);
    }
}

void MainWindow::savePlace(QSettings& settings) const {
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kZoomKey, m_zoom);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The zoom is what the user now sees. The view fills the window, but a hidden view hears of
    // its new size only later: reckon from the window's.
    const double shown = fitScreen(QSizeF(size()), QSizeF(m_screen->size())).scale;
    if (shown > 0 && std::abs(shown - m_zoom) > kSameZoom) {
        m_zoom = shown;
    }
}

void MainWindow::updateTitle() {
    QString title = QStringLiteral("Corvastel");
    const QString name = screenNameOf(m_navigator->topController());
    if (!name.isEmpty()) {
        title += QStringLiteral(" — ") + name;
    }
    if (m_activity.isActive()) {
        title += QStringLiteral(" — đang tải dữ liệu…");
    }
    setWindowTitle(title);
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        updateInView();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_view->focusScreen();
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
