#include "shell/LiveRefresh.h"

#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/LiveModeButton.h"

using shell::LiveRefresh;
using testsupport::ShellTest;

/// A screen whose reload only counts.
class CountingScreen final : public ui::ViewController {
public:
    void reloadScreen() override { ++reloads; }
    int reloads = 0;
};

class LiveRefreshTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_preferences.values[QStringLiteral("Realtime")] = 30;
        startQuietly("http://127.0.0.1:9");
        navigator().push(&m_screen, false);
    }

    std::unique_ptr<LiveRefresh> make(LiveRefresh::Options options = {}) {
        return std::make_unique<LiveRefresh>(
            app(), m_screen, [this] { ++m_ticks; }, std::move(options));
    }

    CountingScreen m_screen;
    ui::ViewController m_other;
    int m_ticks = 0;
};

TEST_F(LiveRefreshTest, TheRefreshTicksEveryRealtimePeriodWhileLiveModeIsOn) {
    auto live = make();
    app().setBRealTime(true);
    live->startRefresh();
    scheduler().advance(29.9);
    EXPECT_EQ(m_ticks, 0);
    scheduler().advance(0.1);
    EXPECT_EQ(m_ticks, 1);
    app().setBRealTime(false);
    scheduler().advance(30);
    EXPECT_EQ(m_ticks, 1);
    EXPECT_TRUE(live->isRefreshing());
}

TEST_F(LiveRefreshTest, AScreenThatRefreshesRegardlessTicksWithLiveModeOff) {
    LiveRefresh::Options options;
    options.tickNeedsLiveMode = false;
    options.period = [] {
        return 5.0;
    };
    auto live = make(options);
    live->startRefresh();
    scheduler().advance(10);
    EXPECT_EQ(m_ticks, 2);
}

TEST_F(LiveRefreshTest, StartingAgainReplacesTheTimer) {
    auto live = make();
    app().setBRealTime(true);
    const int before = scheduler().activeTimerCount();
    live->startRefresh();
    scheduler().advance(20);
    live->startRefresh();
    EXPECT_EQ(scheduler().activeTimerCount(), before + 1);
    scheduler().advance(20);
    EXPECT_EQ(m_ticks, 0);
    scheduler().advance(10);
    EXPECT_EQ(m_ticks, 1);
}

TEST_F(LiveRefreshTest, TheAnimationRunsThroughTheFramesOnTheButtonOnlyInLiveMode) {
    auto live = make();
    ui::LiveModeButton button;
    live->setButton(&button);
    app().setBRealTime(true);
    live->animationLoop();
    scheduler().advance(0.15 * 36);
    EXPECT_EQ(live->animationCount(), 36);
    EXPECT_EQ(button.frame(), 36);
    scheduler().advance(0.15);
    EXPECT_EQ(live->animationCount(), 0);
    EXPECT_EQ(button.frame(), 0);
    app().setBRealTime(false);
    scheduler().advance(1.5);
    EXPECT_EQ(live->animationCount(), 0);
    app().setBRealTime(true);
    scheduler().advance(0.3);
    live->animationLoop();
    EXPECT_EQ(live->animationCount(), 0);
}

TEST_F(LiveRefreshTest, EverythingStopsWhenAnotherScreenTakesTheTop) {
    auto live = make();
    app().setBRealTime(true);
    live->startRefresh();
    live->animationLoop();
    navigator().push(&m_other, false);
    EXPECT_FALSE(live->isRefreshing());
    EXPECT_FALSE(live->isAnimating());
    scheduler().advance(60);
    EXPECT_EQ(m_ticks, 0);
}

TEST_F(LiveRefreshTest, LeavingByPopStopsToo) {
    auto live = make();
    live->startRefresh();
    live->animationLoop();
    navigator().pop(false);
    EXPECT_FALSE(live->isRefreshing());
    EXPECT_FALSE(live->isAnimating());
}

TEST_F(LiveRefreshTest, AButtonGoneBeforeTheTickIsNotTouched) {
    auto live = make();
    app().setBRealTime(true);
    {
        ui::LiveModeButton button;
        live->setButton(&button);
        live->animationLoop();
    }
    scheduler().advance(0.15);
    EXPECT_EQ(live->animationCount(), 1);
    EXPECT_EQ(live->button(), nullptr);
}

// ---- the first look of a screen --------------------------------------------------------------

class FirstLookTest : public LiveRefreshTest {
protected:
    std::unique_ptr<LiveRefresh> makeWatching(bool holds) {
        LiveRefresh::Options options;
        options.holdsCurrentDay = [holds] {
            return holds;
        };
        return make(std::move(options));
    }

    /// Shows the screen again, as coming back to it from the screen above does.
    void showAgain() {
        navigator().push(&m_other, false);
        navigator().pop(false);
    }
};

TEST_F(FirstLookTest, AScreenShownWithNothingOfTodayAsksOnceAndLeavesLiveModeOff) {
    auto live = makeWatching(false);
    showAgain();
    EXPECT_EQ(m_screen.reloads, 1);
    EXPECT_FALSE(app().bRealTime());
    EXPECT_FALSE(live->isRefreshing()) << "one question, not a refresh cycle";
    navigator().push(&m_other, false);
    EXPECT_EQ(m_screen.reloads, 1) << "covering the screen asks nothing";
}

TEST_F(FirstLookTest, NothingIsAskedWhenTheStoreHoldsTodayOrLiveModeAsksAnyway) {
    auto holding = makeWatching(true);
    showAgain();
    EXPECT_EQ(m_screen.reloads, 0);
    holding.reset();
    auto empty = makeWatching(false);
    app().setBRealTime(true);
    showAgain();
    EXPECT_EQ(m_screen.reloads, 0);
}
