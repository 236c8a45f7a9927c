#include "ui/QtScheduler.h"

#include <QTest>

#include <gtest/gtest.h>

using ui::QtScheduler;
using ui::Timer;

// Zero-period timers fire on the next pass of the event loop; qWaitFor returns
// as soon as the condition holds.
TEST(QtScheduler, SingleShotFiresOnceThenIsInactive) {
    QtScheduler scheduler;
    int fired = 0;
    auto timer = scheduler.singleShot(0, [&] { ++fired; });
    EXPECT_TRUE(timer->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer->isActive());
}

TEST(QtScheduler, RepeatingCallbackMayDestroyItsOwnTimer) {
    QtScheduler scheduler;
    int fired = 0;
    std::unique_ptr<Timer> timer;
    timer = scheduler.repeating(0, [&, guard = std::make_shared<int>(3)] {
        ++fired;
        timer.reset();
        EXPECT_EQ(*guard, 3);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 5000));
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(fired, 1);
}

TEST(QtScheduler, StoppedTimerDoesNotFire) {
    QtScheduler scheduler;
    int fired = 0;
    int witness = 0;
    auto stopped = scheduler.singleShot(0, [&] { ++fired; });
    auto other = scheduler.singleShot(0, [&] { ++witness; });
    stopped->stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return witness > 0; }, 5000));
    EXPECT_EQ(fired, 0);
}
