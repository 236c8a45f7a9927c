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

class CrashSafetyTest : public durability::CrashTest,
                        public ::testing::WithParamInterface<std::mt19937::result_type> {};

TEST_P(CrashSafetyTest, AKilledUpdateLeavesWholeDaysAndTheNextOneCompletesThem) {
    // How long the update runs, and how much of that it spends storing days, so that the kills
    // spread over the part that writes.
    QTemporaryDir measured;
    UpdateChild complete(measured.path(), baseUrl());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(complete.startUpdate());
    const qint64 requestedMs = clock.elapsed();
    ASSERT_TRUE(complete.waitUntilApplying());
    const qint64 applyingMs = clock.elapsed();
    ASSERT_TRUE(complete.finishes());
    const qint64 storingMs = std::max<qint64>(clock.elapsed() - applyingMs, 1);
    std::cout << "full update of " << m_expected.size() << " days: " << clock.elapsed() - requestedMs
              << " ms from the request, of which " << storingMs << " ms storing the days\n";
    EXPECT_EQ(durability::daysOfStore(storeFile(measured.path())), m_expected);

    const std::mt19937::result_type seed = GetParam();
    std::mt19937 random(seed);
    std::uniform_int_distribution<qint64> moment(0, storingMs * 1000);
    int killed = 0;
    int fewestDays = static_cast<int>(m_expected.size());
    int mostDays = 0;
    for (int round = 0; round < kKillsPerSeed; ++round) {
        const qint64 delayUs = moment(random);
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", kill " << round << " after " << delayUs << " us");
        QTemporaryDir dir;
        UpdateChild child(dir.path(), baseUrl());
        ASSERT_TRUE(child.startUpdate());
        ASSERT_TRUE(child.waitUntilApplying());
        QThread::usleep(static_cast<unsigned long>(delayUs));
        killed += child.kill() ? 1 : 0;

        const int days = expectSoundStoreOfWholeDays(dir.path());
        fewestDays = std::min(fewestDays, days);
        mostDays = std::max(mostDays, days);

        UpdateChild next(dir.path(), baseUrl());
        ASSERT_TRUE(next.startUpdate());
        ASSERT_TRUE(next.finishes());
        expectSoundStoreOfWholeDays(dir.path());
        EXPECT_EQ(durability::daysOfStore(storeFile(dir.path())), m_expected);
    }
    std::cout << "seed " << seed << ": " << kKillsPerSeed << " kills (" << killed
              << " while running), days present after a kill: " << fewestDays << " to " << mostDays << " of "
              << m_expected.size() << ", half days: " << m_halfDays << "\n";
    EXPECT_EQ(m_halfDays, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, CrashSafetyTest, testing::Values(20261208U, 4242U, 90210U));

} // namespace
