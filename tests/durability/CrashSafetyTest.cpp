// The full update killed at random moments: whatever instant the process dies, the store it
// leaves opens, is sound, holds only whole days, and the next update fills in the rest.
#include "CrashFixture.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>

namespace {

using durability::UpdateChild;

// Three seeds of eight kills each: each seed is one test, so each stays well inside the time a
// single test is given.
constexpr int kKillsPerSeed = 8;

class CrashSafetyTest : public durability::CrashTest, public ::testing::WithParamInterface<std::mt19937::result_type> {
protected:
    /// Runs a whole update on a fresh store and returns how long it spent storing days (from
    /// the answer's arrival to its end), the span the kills spread over.
    qint64 measureStoringMs() {
        QTemporaryDir measured;
        UpdateChild complete(measured.path(), baseUrl());
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(complete.startUpdate());
        const qint64 requestedMs = clock.elapsed();
        EXPECT_TRUE(complete.waitUntilApplying());
        const qint64 applyingMs = clock.elapsed();
        EXPECT_TRUE(complete.finishes());
        const qint64 storingMs = std::max<qint64>(clock.elapsed() - applyingMs, 1);
        std::cout << "full update of " << m_expected.size() << " days: " << clock.elapsed() - requestedMs
                  << " ms from the request, of which " << storingMs << " ms storing the days\n";
        EXPECT_EQ(durability::daysOfStore(storeFile(measured.path())), m_expected);
        return storingMs;
    }

    /// Kills an update on a fresh store that long after its answer arrived, checks what it left,
    /// lets the next update run to its end and checks that. Returns the days the kill left.
    int killAndResume(qint64 delayUs) {
        QTemporaryDir dir;
        UpdateChild child(dir.path(), baseUrl());
        EXPECT_TRUE(child.startUpdate());
        EXPECT_TRUE(child.waitUntilApplying());
        QThread::usleep(static_cast<unsigned long>(delayUs));
        m_killedWhileRunning += child.kill() ? 1 : 0;
        const int days = expectSoundStoreOfWholeDays(dir.path());

        UpdateChild next(dir.path(), baseUrl());
        EXPECT_TRUE(next.startUpdate());
        EXPECT_TRUE(next.finishes());
        expectSoundStoreOfWholeDays(dir.path());
        EXPECT_EQ(durability::daysOfStore(storeFile(dir.path())), m_expected);
        return days;
    }

    int m_killedWhileRunning = 0;
};

TEST_P(CrashSafetyTest, AKilledUpdateLeavesWholeDaysAndTheNextOneCompletesThem) {
    const qint64 storingMs = measureStoringMs();
    const std::mt19937::result_type seed = GetParam();
    std::mt19937 random(seed);
    std::uniform_int_distribution<qint64> moment(0, storingMs * 1000);
    int fewestDays = static_cast<int>(m_expected.size());
    int mostDays = 0;
    for (int round = 0; round < kKillsPerSeed; ++round) {
        const qint64 delayUs = moment(random);
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", kill " << round << " after " << delayUs << " us");
        const int days = killAndResume(delayUs);
        fewestDays = std::min(fewestDays, days);
        mostDays = std::max(mostDays, days);
    }
    std::cout << "seed " << seed << ": " << kKillsPerSeed << " kills (" << m_killedWhileRunning
              << " while running), days present after a kill: " << fewestDays << " to " << mostDays << " of "
              << m_expected.size() << ", half days: " << m_halfDays << "\n";
    EXPECT_EQ(m_halfDays, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, CrashSafetyTest, testing::Values(20261208U, 4242U, 90210U));

} // namespace
