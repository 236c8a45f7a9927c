#include "app/MainWindow.h"

#include "app/ShortcutSheet.h"
#include "net/NetworkActivity.h"
#include "ui/Navigator.h"
#include "ui/ViewController.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr double kTolerance = 1e-9;

class MainWindowTest : public ::testing::Test {
protected:
    /// Shown and active, so that the window's keys reach it.
    void showActive(app::MainWindow& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void pressKeys(app::MainWindow& window, Qt::Key key) { QTest::keyClick(&window, key, Qt::ControlModifier); }

    net::NetworkActivity m_activity;
};

} // namespace

TEST(ScreenFitTest, KeepsTheScreensAspectAndCentresItInTheArea) {
    const QSizeF phone(480, 320);
    const app::ScreenFit exact = app::fitScreen(QSizeF(960, 640), phone);
    EXPECT_NEAR(exact.scale, 2, kTolerance);
    EXPECT_EQ(exact.rect, QRectF(0, 0, 960, 640));

    // Wider than the screen: bars left and right.
    const app::ScreenFit wide = app::fitScreen(QSizeF(1000, 400), phone);
    EXPECT_NEAR(wide.scale, 1.25, kTolerance);
    EXPECT_EQ(wide.rect, QRectF(200, 0, 600, 400));

    // Taller: bars above and below.
    const app::ScreenFit tall = app::fitScreen(QSizeF(480, 800), phone);
    EXPECT_NEAR(tall.scale, 1, kTolerance);
    EXPECT_EQ(tall.rect, QRectF(0, 240, 480, 320));

    // Smaller than the phone: shrunk, still whole.
    const app::ScreenFit small = app::fitScreen(QSizeF(240, 200), phone);
    EXPECT_NEAR(small.scale, 0.5, kTolerance);
    EXPECT_EQ(small.rect, QRectF(0, 20, 240, 160));

    EXPECT_EQ(app::fitScreen(QSizeF(0, 100), phone).rect, QRectF());
}

TEST_F(MainWindowTest, OnlyMinimisingOrHidingTakesTheWindowOutOfView) {
    app::MainWindow window(m_activity);
    QSignalSpy inView(&window, &app::MainWindow::inViewChanged);
    window.show();
    ASSERT_EQ(inView.count(), 1);
    EXPECT_TRUE(inView.at(0).at(0).toBool());
    window.showMinimized();
    ASSERT_EQ(inView.count(), 2);
    EXPECT_FALSE(inView.at(1).at(0).toBool());
    window.showNormal();
    ASSERT_EQ(inView.count(), 3);
    EXPECT_TRUE(window.isInView());
    window.hide();
    ASSERT_EQ(inView.count(), 4);
    EXPECT_FALSE(window.isInView());
}

TEST_F(MainWindowTest, AResizedWindowShowsTheScreensLetterboxedAndClicksStillLand) {
    app::MainWindow window(m_activity);
    auto* button = new QPushButton(QStringLiteral("Tải lại"), &window.screenArea());
    button->setGeometry(10, 10, 100, 40);
    button->show();
    showActive(window);
    window.resize(1000, 400);
    QApplication::processEvents();

    const app::ScreenFit fit = window.screenFit();
    EXPECT_NEAR(fit.scale, 1.25, kTolerance);
    EXPECT_EQ(fit.rect, QRectF(200, 0, 600, 400));
    EXPECT_NEAR(window.zoom(), 1.25, kTolerance);

    // The button's middle, where the user sees it: inside the bar on the left it would miss.
    QSignalSpy clicked(button, &QPushButton::clicked);
    QWidget* viewport = window.findChild<QGraphicsView*>()->viewport();
    const QPoint middle(200 + static_cast<int>(60 * 1.25), static_cast<int>(30 * 1.25));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, middle);
    EXPECT_EQ(clicked.count(), 1);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(MainWindowTest, ZoomKeysStepTheWindowWithinTheDesktopsRoom) {
    app::MainWindow window(m_activity);
    showActive(window);
    window.setZoom(1);
    EXPECT_EQ(window.size(), QSize(480, 320));

    pressKeys(window, Qt::Key_Equal);
    EXPECT_NEAR(window.zoom(), 1.25, kTolerance);
    EXPECT_EQ(window.size(), QSize(600, 400));
    pressKeys(window, Qt::Key_Plus);
    EXPECT_NEAR(window.zoom(), 1.5, kTolerance);
    // The headless desktop is 800×600: 1.75 times the phone would not fit.
    pressKeys(window, Qt::Key_Equal);
    EXPECT_NEAR(window.zoom(), 1.5, kTolerance);

    pressKeys(window, Qt::Key_0);
    EXPECT_NEAR(window.zoom(), app::MainWindow::kDefaultZoom, kTolerance);
    pressKeys(window, Qt::Key_Minus);
    EXPECT_NEAR(window.zoom(), 1.75, kTolerance);
    window.setZoom(1);
    pressKeys(window, Qt::Key_Minus);
    EXPECT_NEAR(window.zoom(), 1, kTolerance);
}

TEST_F(MainWindowTest, TheNextStartFindsTheWindowWhereItWasLeft) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("corvastel.ini")), QSettings::IniFormat);
    {
        app::MainWindow window(m_activity);
        window.restorePlace(settings, std::nullopt);
        window.show();
        EXPECT_NEAR(window.zoom(), app::MainWindow::kDefaultZoom, kTolerance);
        window.setZoom(1.25);
        window.move(40, 30);
        QApplication::processEvents();
        window.savePlace(settings);
    }
    settings.sync();
    QSettings reread(folder.filePath(QStringLiteral("corvastel.ini")), QSettings::IniFormat);
    {
        app::MainWindow window(m_activity);
        window.restorePlace(reread, std::nullopt);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(window.size(), QSize(600, 400));
        EXPECT_EQ(window.pos(), QPoint(40, 30));
        EXPECT_NEAR(window.zoom(), 1.25, kTolerance);
    }
    {
        // A zoom asked for on the command line wins over the size left; the place stays.
        app::MainWindow window(m_activity);
        window.restorePlace(reread, 1.5);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(window.size(), QSize(720, 480));
        EXPECT_EQ(window.pos(), QPoint(40, 30));
    }
}

TEST_F(MainWindowTest, UnreadableSavedPlacesFallBackToTheDefault) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("corvastel.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("window/geometry"), QByteArray("not a geometry"));
    settings.setValue(QStringLiteral("window/zoom"), QStringLiteral("huge"));
    app::MainWindow window(m_activity);
    window.restorePlace(settings, std::nullopt);
    EXPECT_NEAR(window.zoom(), app::MainWindow::kDefaultZoom, kTolerance);

    settings.setValue(QStringLiteral("window/zoom"), 1000);
    window.restorePlace(settings, std::nullopt);
    EXPECT_NEAR(window.zoom(), app::MainWindow::kMaxZoom, kTolerance);
}

TEST_F(MainWindowTest, TheTitleNamesTheScreenShownAndMarksTransfers) {
    app::MainWindow window(m_activity);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvastel"));
    ui::ViewController menu;
    menu.setTitle(QStringLiteral(" "));
    window.navigator().setRoot(&menu);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvastel"));

    ui::ViewController overview;
    overview.setScreenName(QStringLiteral("Thị trường"));
    window.navigator().push(&overview, false);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvastel — Thị trường"));
    m_activity.begin();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvastel — Thị trường — đang tải dữ liệu…"));
    m_activity.end();
    window.navigator().pop(false);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvastel"));
}

TEST_F(MainWindowTest, F1OpensTheShortcutSheet) {
    app::MainWindow window(m_activity);
    showActive(window);
    int rowsShown = -1;
    QTimer::singleShot(0, &window, [&rowsShown] {
        auto* sheet = qobject_cast<app::ShortcutSheet*>(QApplication::activeModalWidget());
        if (sheet) {
            rowsShown = sheet->findChild<QTableWidget*>()->rowCount();
            sheet->reject();
        }
    });
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(rowsShown, app::shortcutLines().size());
}
