// The full update killed at random moments: whatever instant the process dies, the store it
// leaves opens, is sound, holds only whole days, and the next update fills in the rest.
#include "core/EndOfDayApply.h"
#include "net/AnswerReader.h"
#include "sim/service/ServiceFixture.h"
#include "store/myDb.h"
#include "support/SqliteFile.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <random>

namespace {

// Three seeds of eight kills each: each seed is one test, so each stays well inside the time a
// single test is given.
constexpr int kKillsPerSeed = 8;
constexpr int kChildWaitMs = 60000;

/// One day of end-of-day history: its index rows as "stockId=point" and its quotes as
/// "companyId=price", each list sorted.
struct DayRows {
    QStringList indices;
    QStringList quotes;
    bool operator==(const DayRows&) const = default;
};
using Days = std::map<int, DayRows>;

QString keyed(const QString& key, const QString& number) {
    return key + u'=' + QString::number(number.toDouble());
}

void sortRows(Days& days) {
    for (auto& entry : days) {
        entry.second.indices.sort();
        entry.second.quotes.sort();
    }
}

Days daysOfAnswer(const net::Answer& answer) {
    const core::EndOfDayRecords records = core::readEndOfDayRecords(answer);
    Days days;
    for (const QStringList& f : records.indexDays) {
        days[f.at(8).toInt()].indices << keyed(f.at(0), f.at(4));
    }
    for (const QStringList& f : records.quotes) {
        days[f.at(3).toInt()].quotes << keyed(f.at(0), f.at(4));
    }
    sortRows(days);
    return days;
}

// The values of a row read by rowsOnFile, without their type prefixes.
QStringList valuesOf(const QString& row) {
    QStringList values;
    for (const QString& column : row.split(u'|')) {
        values << column.section(u':', 1);
    }
    return values;
}

Days daysOfStore(const QString& file) {
    Days days;
    for (const QString& row : testsupport::rowsOnFile(file, "select day,stockId,point from stockInfo")) {
        const QStringList values = valuesOf(row);
        days[values.at(0).toInt()].indices << keyed(values.at(1), values.at(2));
    }
    for (const QString& row : testsupport::rowsOnFile(file, "select day,id,price from companydata")) {
        const QStringList values = valuesOf(row);
        days[values.at(0).toInt()].quotes << keyed(values.at(1), values.at(2));
    }
    sortRows(days);
    return days;
}

/// The update program run on a store folder against the service, on Vietnam's clock as the
/// service keeps it, so the two agree on today.
class UpdateChild {
public:
    UpdateChild(const QString& dataDir, const std::string& baseUrl) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Ho_Chi_Minh"));
        m_process.setProcessEnvironment(environment);
        m_process.setProgram(QStringLiteral(DURABILITY_UPDATE_CHILD));
        m_process.setArguments({dataDir, QString::fromStdString(baseUrl)});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    /// Starts it and returns once it has asked the service for the update.
    bool startUpdate() {
        m_process.start();
        return waitForLine("update started");
    }

    /// Returns once the answer is in and the first day is about to be stored.
    bool waitUntilApplying() { return waitForLine("update applying"); }

    bool finishes() {
        return m_process.waitForFinished(kChildWaitMs) && m_process.exitStatus() == QProcess::NormalExit &&
               m_process.exitCode() == 0;
    }

    /// SIGKILL: no handler, no destructor, no flush runs. False when it had already ended.
    bool kill() {
        const bool running = m_process.state() == QProcess::Running;
        m_process.kill();
        m_process.waitForFinished(kChildWaitMs);
        return running;
    }

private:
    bool waitForLine(const QByteArray& line) {
        do {
            while (m_process.canReadLine()) {
                if (m_process.readLine().trimmed() == line) {
                    return true;
                }
            }
        } while (m_process.waitForReadyRead(kChildWaitMs));
        return false;
    }

    QProcess m_process;
};

class CrashSafetyTest : public ::testing::TestWithParam<std::mt19937::result_type> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_harness.started);
        m_harness.service->clock().setFixed(QDateTime::currentDateTime());
        m_expected = daysOfAnswer(m_harness.answer("default.aspx?lastupdate=0&numofday=7"));
        ASSERT_FALSE(m_expected.empty());
    }

    std::string baseUrl() const { return m_harness.service->baseUrl(); }

    static QString storeFile(const QString& dataDir) { return myDb(dataDir).dataFilePath(); }

    /// Opens through the store, checks the file, and returns how many days it holds; every one
    /// of them must be a whole day of the service's answer.
    int expectSoundStoreOfWholeDays(const QString& dataDir) {
        myDb db(dataDir);
        EXPECT_TRUE(db.open());
        const QString file = db.dataFilePath();
        EXPECT_EQ(testsupport::rowsOnFile(file, "pragma integrity_check"), QStringList{QStringLiteral("3:ok")});
        const Days stored = daysOfStore(file);
        EXPECT_EQ(db.getLastDayUpdate(), stored.empty() ? 0 : stored.rbegin()->first);
        for (const auto& [day, rows] : stored) {
            const auto expected = m_expected.find(day);
            const bool whole = expected != m_expected.end() && expected->second == rows;
            EXPECT_TRUE(whole) << "day " << day << ": " << rows.indices.size() << " index rows, " << rows.quotes.size()
                               << " quotes";
            m_halfDays += whole ? 0 : 1;
        }
        return static_cast<int>(stored.size());
    }

    simtest::ServiceHarness m_harness;
    Days m_expected;
    int m_halfDays = 0;
};

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
    EXPECT_EQ(daysOfStore(storeFile(measured.path())), m_expected);

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
        EXPECT_EQ(daysOfStore(storeFile(dir.path())), m_expected);
    }
    std::cout << "seed " << seed << ": " << kKillsPerSeed << " kills (" << killed
              << " while running), days present after a kill: " << fewestDays << " to " << mostDays << " of "
              << m_expected.size() << ", half days: " << m_halfDays << "\n";
    EXPECT_EQ(m_halfDays, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, CrashSafetyTest, testing::Values(20261208U, 4242U, 90210U));

} // namespace
