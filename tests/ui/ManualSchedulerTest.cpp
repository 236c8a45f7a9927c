#include "ui/ManualScheduler.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

using ui::ManualScheduler;
using ui::Timer;

TEST(ManualScheduler, FiresDueTimersInTimeOrderAndMovesTheClock) {
    ManualScheduler scheduler;
    QStringList fired;
    auto slow = scheduler.singleShot(1.5, [&] { fired << QStringLiteral("slow@%1").arg(scheduler.now()); });
    auto fast = scheduler.singleShot(0.5, [&] { fired << QStringLiteral("fast@%1").arg(scheduler.now()); });
    auto tick = scheduler.repeating(1.0, [&] { fired << QStringLiteral("tick@%1").arg(scheduler.now()); });

    scheduler.advance(0.4);
    EXPECT_TRUE(fired.isEmpty());
    EXPECT_DOUBLE_EQ(scheduler.now(), 0.4);

    scheduler.advance(1.7);
    EXPECT_EQ(fired, (QStringList{"fast@0.5", "tick@1", "slow@1.5", "tick@2"}));
    EXPECT_DOUBLE_EQ(scheduler.now(), 2.1);
    EXPECT_FALSE(fast->isActive());
    EXPECT_TRUE(tick->isActive());
    EXPECT_EQ(scheduler.activeTimerCount(), 1);
}

TEST(ManualScheduler, EqualDueTimesFireInTheOrderTheyWereArmed) {
    ManualScheduler scheduler;
    QStringList fired;
    auto a = scheduler.singleShot(1, [&] { fired << QStringLiteral("a"); });
    auto b = scheduler.singleShot(1, [&] { fired << QStringLiteral("b"); });
    scheduler.advance(1);
    EXPECT_EQ(fired, (QStringList{"a", "b"}));
}

TEST(ManualScheduler, RepeatingTimerKeepsItsPaceOverManySmallSteps) {
    ManualScheduler scheduler;
    int frames = 0;
    auto animation = scheduler.repeating(0.15, [&] { ++frames; });
    for (int i = 0; i < 37; ++i) {
        scheduler.advance(0.15);
    }
    EXPECT_EQ(frames, 37);
}

TEST(ManualScheduler, TimerArmedByACallbackFiresWithinTheSameAdvance) {
    ManualScheduler scheduler;
    QList<double> times;
    std::unique_ptr<Timer> second;
    auto first = scheduler.singleShot(0.5, [&] {
        times << scheduler.now();
        second = scheduler.singleShot(1.5, [&] { times << scheduler.now(); });
    });
    scheduler.advance(2.5);
    EXPECT_EQ(times, (QList<double>{0.5, 2.0}));
}

TEST(ManualScheduler, ChainOfReArmedOneShotsRunsInsideOneWindow) {
    ManualScheduler scheduler;
    int count = 0;
    std::unique_ptr<Timer> timer;
    std::function<void()> rearm = [&] {
        ++count;
        timer = scheduler.singleShot(1, rearm);
    };
    timer = scheduler.singleShot(1, rearm);
    scheduler.advance(5);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(scheduler.activeTimerCount(), 1);
}

TEST(ManualScheduler, StoppedOrDestroyedTimersNeverFire) {
    ManualScheduler scheduler;
    int fired = 0;
    auto stopped = scheduler.repeating(1, [&] { ++fired; });
    auto destroyed = scheduler.singleShot(1, [&] { ++fired; });
    stopped->stop();
    destroyed.reset();
    scheduler.advance(3);
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(scheduler.activeTimerCount(), 0);
}

TEST(ManualScheduler, CallbackMayStopOrDestroyItsOwnTimer) {
    ManualScheduler scheduler;
    int stopTicks = 0;
    int destroyTicks = 0;
    std::unique_ptr<Timer> stopSelf;
    std::unique_ptr<Timer> destroySelf;
    stopSelf = scheduler.repeating(1, [&] {
        if (++stopTicks == 2) {
            stopSelf->stop();
        }
    });
    destroySelf = scheduler.repeating(1, [&, guard = std::make_shared<int>(7)] {
        ++destroyTicks;
        destroySelf.reset();
        // The captures of the running callback must still be alive here.
        EXPECT_EQ(*guard, 7);
    });
    scheduler.advance(10);
    EXPECT_EQ(stopTicks, 2);
    EXPECT_EQ(destroyTicks, 1);
    EXPECT_EQ(scheduler.activeTimerCount(), 0);
}

TEST(ManualScheduler, CallbackMayStopAnotherTimerDueInTheSameWindow) {
    ManualScheduler scheduler;
    bool laterFired = false;
    std::unique_ptr<Timer> later = scheduler.singleShot(2, [&] { laterFired = true; });
    auto early = scheduler.singleShot(1, [&] { later.reset(); });
    scheduler.advance(3);
    EXPECT_FALSE(laterFired);
}

TEST(ManualScheduler, TimerMayOutliveItsScheduler) {
    std::unique_ptr<Timer> timer;
    {
        ManualScheduler scheduler;
        timer = scheduler.repeating(1, [] {});
        EXPECT_TRUE(timer->isActive());
    }
    EXPECT_FALSE(timer->isActive());
    timer->stop();
    timer.reset();
}
