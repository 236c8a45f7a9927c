// The first start copies the shipped seed into the data folder. A start killed in the middle of
// that copy must not leave a working file that looks like a store but is only part of one: the
// next start would take it as the store, and every table would stay missing for good.
#include "CrashFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <iostream>
#include <random>

namespace {

using durability::UpdateChild;

constexpr int kKills = 8;
constexpr std::mt19937::result_type kSeed = 20261209;

// The shipped seed with a large table the program never reads, so that copying it takes long
// enough for the kills to land in the middle of it.
QString makeLargeSeed(const QString& folder) {
    QString path = QDir(folder).filePath(QStringLiteral("seed.sqlite"));
    EXPECT_TRUE(QFile::copy(QStringLiteral(":/db.sqlite"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    testsupport::runOnFile(path,
                           "create table padding (data blob); insert into padding values (zeroblob(64 * 1048576))");
    return path;
}

class FirstStartTest : public durability::CrashTest {
protected:
    /// How long a first start with the seed takes until its working file is in place: the span
    /// the kills spread over.
    qint64 measureReadyMs(const QString& seed) {
        QTemporaryDir measured;
        UpdateChild complete(measured.path(), baseUrl(), seed);
        QElapsedTimer clock;
        clock.start();
        complete.start();
        EXPECT_TRUE(complete.waitUntilStoreReady());
        const qint64 readyMs = clock.elapsed();
        EXPECT_TRUE(complete.finishes());
        std::cout << "first start with a " << QFile(seed).size() / 1048576 << " MB seed: store ready after " << readyMs
                  << " ms\n";
        return readyMs;
    }

    /// Kills a first start that long after it began; the working file, if there is one, must be
    /// the whole seed, and the next start must run the update to its end.
    void killAndResume(const QString& seed, qint64 delayUs) {
        QTemporaryDir dir;
        UpdateChild child(dir.path(), baseUrl(), seed);
        child.start();
        QThread::usleep(static_cast<unsigned long>(delayUs));
        child.kill();

        const QString file = storeFile(dir.path());
        if (QFile::exists(file)) {
            EXPECT_EQ(testsupport::rowsOnFile(file, "pragma integrity_check"), QStringList{QStringLiteral("3:ok")});
            EXPECT_EQ(testsupport::countOnFile(file, "select count(*) from setting"), 1);
        } else {
            ++m_leftNoFile;
        }

        UpdateChild next(dir.path(), baseUrl(), seed);
        EXPECT_TRUE(next.startUpdate());
        EXPECT_TRUE(next.finishes());
        EXPECT_EQ(durability::daysOfStore(file), m_expected);
    }

    int m_leftNoFile = 0;
};

} // namespace

TEST_F(FirstStartTest, AKillWhileCopyingTheSeedLeavesNoPartialStore) {
    QTemporaryDir seedDir;
    const QString seed = makeLargeSeed(seedDir.path());
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<qint64> moment(0, measureReadyMs(seed) * 1000);
    for (int round = 0; round < kKills; ++round) {
        const qint64 delayUs = moment(random);
        SCOPED_TRACE(testing::Message() << "seed " << kSeed << ", kill " << round << " after " << delayUs << " us");
        killAndResume(seed, delayUs);
    }
    std::cout << kKills << " kills during the first start, " << m_leftNoFile << " of them before a working file\n";
}
