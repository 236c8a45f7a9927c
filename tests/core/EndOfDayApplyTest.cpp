#include "core/EndOfDayApply.h"

#include "store/myDb.h"
#include "support/SqliteFile.h"
#include "support/TempDir.h"

#include <sqlite3.h>

#include <cstdlib>

using testsupport::countOnFile;
using testsupport::runOnFile;
using testsupport::TempDirTest;

namespace {

QStringList quote(int id, int day, const QString& price) {
    return {QString::number(id),
            QStringLiteral("2"),
            QStringLiteral("150"),
            QString::number(day),
            price,
            QStringLiteral("0.5"),
            QStringLiteral("2.1"),
            QStringLiteral("1000"),
            QStringLiteral("24.5"),
            QStringLiteral("24.6"),
            price,
            QStringLiteral("11"),
            QStringLiteral("12"),
            QStringLiteral("26.2"),
            QStringLiteral("22.8"),
            QStringLiteral("sell"),
            QStringLiteral("buy")};
}

QStringList indexDay(int stockId, int day) {
    return {QString::number(stockId), QStringLiteral("1"),    QStringLiteral("0.1"),
            QStringLiteral("150"),    QStringLiteral("1000"), QStringLiteral("999"),
            QStringLiteral("5000"),   QStringLiteral("100"),  QString::number(day)};
}

constexpr int kKilledStatus = 137;

// Gives every connection the process opens a SQL function that ends the process on the spot,
// as a kill or a power cut would: no destructor, no rollback, no commit.
int addKillSwitch(sqlite3* db, char** /*error*/, const sqlite3_api_routines* /*api*/) {
    return sqlite3_create_function(
        db, "kill_process", 0, SQLITE_UTF8, nullptr,
        [](sqlite3_context* /*context*/, int /*argc*/, sqlite3_value** /*argv*/) { std::_Exit(kKilledStatus); },
        nullptr, nullptr);
}

class EndOfDayApplyTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        m_db = std::make_unique<myDb>(path());
        m_db->initDb();
        m_records.stamp = QStringLiteral("9001");
        for (int id = 1; id <= 250; ++id) {
            m_records.companies.push_back({QString::number(id), QStringLiteral("2"), QStringLiteral("C%1").arg(id),
                                           QStringLiteral("Công ty %1").arg(id)});
        }
        for (int day : {9000, 9001}) {
            m_records.indexDays.push_back(indexDay(1, day));
            m_records.indexDays.push_back(indexDay(2, day));
            for (int id = 1; id <= 250; ++id) {
                m_records.quotes.push_back(quote(id, day, QStringLiteral("%1").arg(day - 8975)));
            }
        }
    }

    QString file() const { return m_db->dataFilePath(); }

    /// Rows of the day in each table the full update writes (companies carry the answer's stamp).
    int rowsOfDay9000() const {
        return countOnFile(file(), "select (select count(*) from stockInfo where day=9000)"
                                   " + (select count(*) from companydata where day=9000)"
                                   " + (select count(*) from company)");
    }

    std::unique_ptr<myDb> m_db;
    core::EndOfDayRecords m_records;
};

} // namespace

TEST_F(EndOfDayApplyTest, OneStepStoresOnlyItsDayAndLeavesNoTransactionOpen) {
    core::applyEndOfDayDay(*m_db, m_records, 9000, true, 2);
    EXPECT_EQ(m_db->getLastDayUpdate(), 9000);
    EXPECT_EQ(m_db->getAllCompanyCodeList(2).size(), 250);
    EXPECT_EQ(m_db->getCompanydata(2).size(), 250);
    EXPECT_EQ(m_db->getCompanydata(2).constFirst(), QStringLiteral("C1,1,9000,25,0.5,2.1,1000,150"));
    EXPECT_FALSE(m_db->isOpen()) << "the last commit closed the connection";
    m_db->open();
    EXPECT_TRUE(m_db->beginTransactionWithDatabase()) << "no transaction was left open";
}

TEST_F(EndOfDayApplyTest, QuoteResiduesLandInTheirOwnColumns) {
    core::applyEndOfDayDay(*m_db, m_records, 9001, true, 2);
    const QStringList detail = m_db->getCompanyDetailData(QStringLiteral("C1"), 9001);
    ASSERT_EQ(detail.size(), 18);
    EXPECT_EQ(detail.at(16), QStringLiteral("buy"));
    EXPECT_EQ(detail.at(17), QStringLiteral("sell"));
}

TEST_F(EndOfDayApplyTest, ResultsLoadsStoreOnlyTheirPart) {
    core::applyEndOfDayDay(*m_db, m_records, 9001, true, 8);
    EXPECT_EQ(m_db->getLastDayUpdate(), 9001);
    EXPECT_TRUE(m_db->getCompanydata(2).isEmpty()) << "the market results load stores no quotes";

    core::applyEndOfDayDay(*m_db, m_records, 9000, false, 9);
    EXPECT_EQ(m_db->getPreDayStockInfo(9001), 0) << "the company results load stores no index day";
    EXPECT_EQ(m_db->getCompanydata(2).size(), 250);
}

// ---- a day is stored whole ------------------------------------------------------------------

TEST_F(EndOfDayApplyTest, AWholeDayStoresEveryRowOfIt) {
    EXPECT_TRUE(core::applyEndOfDayDay(*m_db, m_records, 9000, true, 2));
    EXPECT_EQ(countOnFile(file(), "select count(*) from company"), 250);
    EXPECT_EQ(countOnFile(file(), "select count(*) from stockInfo where day=9000"), 2);
    EXPECT_EQ(countOnFile(file(), "select count(*) from companydata where day=9000"), 250);
    EXPECT_EQ(countOnFile(file(), "select count(*) from stockInfo where day<>9000"), 0);
}

TEST_F(EndOfDayApplyTest, AWriteFailingPartWayLeavesNoRowOfTheDay) {
    // The 150th quote fails as a full disk or a damaged page would fail it.
    runOnFile(file(), "create trigger fail_quote before insert on companydata when new.id=150 "
                      "begin select raise(abort, 'disk full'); end");
    EXPECT_FALSE(core::applyEndOfDayDay(*m_db, m_records, 9000, true, 2));
    EXPECT_EQ(rowsOfDay9000(), 0);
    EXPECT_EQ(m_db->getLastDayUpdate(), 0) << "the next update asks for the day again";

    runOnFile(file(), "drop trigger fail_quote");
    EXPECT_TRUE(core::applyEndOfDayDay(*m_db, m_records, 9000, true, 2));
    EXPECT_EQ(rowsOfDay9000(), 250 + 2 + 250);
}

TEST_F(EndOfDayApplyTest, AFailedRepeatOfAStoredDayLeavesItAsItWas) {
    ASSERT_TRUE(core::applyEndOfDayDay(*m_db, m_records, 9001, true, 2));
    for (QStringList& fields : m_records.quotes) {
        fields[4] = QStringLiteral("99");
    }
    runOnFile(file(), "create trigger fail_quote before update on companydata when new.id=150 "
                      "begin select raise(abort, 'disk full'); end;"
                      "create trigger fail_new_quote before insert on companydata when new.id=150 "
                      "begin select raise(abort, 'disk full'); end");
    EXPECT_FALSE(core::applyEndOfDayDay(*m_db, m_records, 9001, false, 2));
    EXPECT_EQ(countOnFile(file(), "select count(*) from companydata where day=9001 and price='26'"), 250);
}

TEST_F(EndOfDayApplyTest, AProcessKilledPartWayThroughADayLeavesNoRowOfIt) {
    // The process dies while storing the 150th quote, after the companies, the index days and
    // 149 quotes of the day were written.
    runOnFile(file(), "create trigger kill_at_quote after insert on companydata when new.id=150 "
                      "begin select kill_process(); end");
    EXPECT_EXIT(
        {
            sqlite3_auto_extension(reinterpret_cast<void (*)()>(addKillSwitch));
            myDb child(path());
            core::applyEndOfDayDay(child, m_records, 9000, true, 2);
            std::_Exit(0);
        },
        testing::ExitedWithCode(kKilledStatus), "");
    runOnFile(file(), "drop trigger kill_at_quote");

    myDb restarted(path());
    restarted.initDb();
    EXPECT_EQ(rowsOfDay9000(), 0);
    EXPECT_EQ(restarted.getLastDayUpdate(), 0) << "the next update asks for the day again";
}

TEST_F(EndOfDayApplyTest, AResultsAnswerWithAFailingWriteStoresNothing) {
    runOnFile(file(), "create trigger fail_quote before insert on companydata when new.id=150 "
                      "begin select raise(abort, 'disk full'); end");
    EXPECT_FALSE(core::applyTradingResults(*m_db, m_records, 9));
    EXPECT_EQ(countOnFile(file(), "select count(*) from company"), 0);
    EXPECT_EQ(countOnFile(file(), "select count(*) from companydata"), 0);

    runOnFile(file(), "drop trigger fail_quote");
    EXPECT_TRUE(core::applyTradingResults(*m_db, m_records, 9));
    EXPECT_EQ(countOnFile(file(), "select count(*) from companydata"), 500);
}
