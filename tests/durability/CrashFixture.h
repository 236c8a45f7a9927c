#pragma once

// The pieces of the crash tests: the update program run as a child process on a store folder,
// the days of history a store holds or a service answer carries, and a fixture with the service
// the child talks to.
#include "core/EndOfDayApply.h"
#include "net/AnswerReader.h"
#include "sim/service/ServiceFixture.h"
#include "store/myDb.h"
#include "support/SqliteFile.h"

#include <QDateTime>
#include <QProcess>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace durability {

constexpr int kChildWaitMs = 60000;

/// One day of end-of-day history: its index rows as "stockId=point" and its quotes as
/// "companyId=price", each list sorted.
struct DayRows {
    QStringList indices;
    QStringList quotes;
    bool operator==(const DayRows&) const = default;
};
using Days = std::map<int, DayRows>;

/// How a day reads in a failure message: its row counts.
inline void PrintTo(const DayRows& rows, std::ostream* out) {
    *out << rows.indices.size() << " index rows, " << rows.quotes.size() << " quotes";
}

inline QString keyed(const QString& key, const QString& number) {
    return key + u'=' + QString::number(number.toDouble());
}

inline void sortRows(Days& days) {
    for (auto& entry : days) {
        entry.second.indices.sort();
        entry.second.quotes.sort();
    }
}

inline Days daysOfAnswer(const net::Answer& answer) {
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
inline QStringList valuesOf(const QString& row) {
    QStringList values;
    for (const QString& column : row.split(u'|')) {
        values << column.section(u':', 1);
    }
    return values;
}

inline Days daysOfStore(const QString& file) {
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
    /// seedPath empty: the seed the program ships.
    UpdateChild(const QString& dataDir, const std::string& baseUrl, const QString& seedPath = QString()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Ho_Chi_Minh"));
        m_process.setProcessEnvironment(environment);
        m_process.setProgram(QStringLiteral(DURABILITY_UPDATE_CHILD));
        QStringList arguments{dataDir, QString::fromStdString(baseUrl)};
        if (!seedPath.isEmpty()) {
            arguments << seedPath;
        }
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    void start() { m_process.start(); }

    /// Returns once the working file is in place (copied from the seed on a first start).
    bool waitUntilStoreReady() { return waitForLine("store ready"); }

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

class CrashTest : public ::testing::Test {
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

} // namespace durability
