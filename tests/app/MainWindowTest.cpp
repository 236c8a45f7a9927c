#include "app/MainWindow.h"

#include "net/NetworkActivity.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(MainWindowTest, OnlyMinimisingOrHidingTakesTheWindowOutOfView) {
    net::NetworkActivity activity;
    app::MainWindow window(activity);
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
