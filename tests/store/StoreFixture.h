#pragma once

#include "store/myDb.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace testsupport {

/// A fresh working store per test, made from the real seed the program ships.
class StoreTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        m_db = std::make_unique<myDb>(path());
        m_db->initDb();
        ASSERT_TRUE(QFile::exists(m_db->dataFilePath()));
    }

    myDb& db() { return *m_db; }

    /// The program's state after start-up: the first transaction committed, so every later
    /// operation opens and closes the connection itself.
    void finishStartupTransaction() {
        db().open();
        db().beginTransactionWithDatabase();
        db().open();
        db().endTransactionWithDatabase();
    }

    static QString text(qint64 value) { return QString::number(value); }

    void storeQuote(int stockId, int day, int id, const QString& price) {
        db().updateCompanyLastData(text(stockId), text(day), QStringLiteral("150"), QStringLiteral("0.1"),
                                   QStringLiteral("0.4"), text(id), price, QStringLiteral("1000"), QStringLiteral("25"),
                                   QStringLiteral("25.1"), price, QStringLiteral("10"), QStringLiteral("20"),
                                   QStringLiteral("26.7"), QStringLiteral("23.3"), QStringLiteral("5"),
                                   QStringLiteral("6"));
    }

    void storeIndexDay(int stockId, int day) {
        db().updateStockInfo(text(stockId), QStringLiteral("1.5"), QStringLiteral("0.2"), QStringLiteral("150"),
                             QStringLiteral("1000.5"), QStringLiteral("999"), QStringLiteral("300"),
                             QStringLiteral("12.5"), text(day));
    }

private:
    std::unique_ptr<myDb> m_db;
};

} // namespace testsupport
