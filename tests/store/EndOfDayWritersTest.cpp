// The end-of-day writers store a row with one upsert. These tests hold them to the rows the
// statements they replace left: the same writes go to a file as the earlier version made it,
// through those statements, and to a current file, through the writers, and both tables must
// read the same after every write.
#include "store/myDb.h"
#include "support/SqliteFile.h"
#include "support/TempDir.h"

#include <QDir>

#include <functional>
#include <memory>

using testsupport::rowsOnFile;
using testsupport::runOnFile;
using testsupport::TempDirTest;

namespace {

const QString kAwkward = QStringLiteral("Công ty 'Sài Gòn' \"Mới\", Đà Nẵng");

// The statements the writers ran before they became upserts, word for word.
void legacyStockInfo(myDb& db, const QStringList& a) {
    db.query(QStringLiteral("delete from stockInfo where day=?1 and stockId=?2"), {a[8], a[0]});
    db.query(QStringLiteral("insert into stockInfo (stockId ,differ ,percent ,minute,point,yesterdaypoint ,value ,"
                            "quantity ,day) values (?1,?2,?3,?4,?5,?6,?7,?8,?9)"),
             {a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]});
}

void legacyCompanyList(myDb& db, const QStringList& a) {
    db.query(QStringLiteral("delete from company where day=?1 and stockId=?2 and code=?3"), {a[1], a[0], a[3]});
    db.query(QStringLiteral("insert into company (stockId,day,id,code,name,visible) values (?1,?2,?3,?4,?5,"
                            "coalesce((select visible from company where stockId=?1 and code=?4 limit 1),1))"),
             {a[0], a[1], a[2], a[3], a[4]});
    db.query(QStringLiteral("delete from company where stockId=?1 and code=?2 and day<>?3"), {a[0], a[3], a[1]});
}

void legacyCompanyLastData(myDb& db, const QStringList& a) {
    db.query(QStringLiteral("delete from companydata where day=?1 and id=?2"), {a[1], a[5]});
    db.query(QStringLiteral("insert into companydata (stockId,day,minute,updown,percent,id) values "
                            "(?1,?2,?3,?4,?5,?6)"),
             {a[0], a[1], a[2], a[3], a[4], a[5]});
    db.query(QStringLiteral("update companydata set price=?1,quantity=?2,refer=?3,open=?4,close=?5,bqBuy=?6 where "
                            "day=?7 and id=?8"),
             {a[6], a[7], a[8], a[9], a[10], a[11], a[1], a[5]});
    db.query(QStringLiteral("update companydata set bqSell=?1,ceil=?2,floor=?3,buyResidue=?4,sellResidue=?5 where "
                            "day=?6 and id=?7"),
             {a[12], a[13], a[14], a[15], a[16], a[1], a[5]});
}

void stockInfo(myDb& db, const QStringList& a) {
    EXPECT_TRUE(db.updateStockInfo(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]));
}

void companyList(myDb& db, const QStringList& a) {
    EXPECT_TRUE(db.updateCompanyList(a[0], a[1], a[2], a[3], a[4]));
}

void companyLastData(myDb& db, const QStringList& a) {
    EXPECT_TRUE(db.updateCompanyLastData(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11],
                                         a[12], a[13], a[14], a[15], a[16]));
}

/// A quote in the writer's argument order; every column but the key differs with `n`.
QStringList quoteArgs(const QString& day, const QString& id, int n) {
    QStringList args{QString::number(1 + n % 2),    day, QString::number(100 + n), QStringLiteral("0.%1").arg(n),
                     QStringLiteral("%1.5").arg(n), id};
    for (int column = 6; column < 17; ++column) {
        args << QStringLiteral("%1-%2").arg(column).arg(n);
    }
    return args;
}

QStringList indexArgs(const QString& stockId, const QString& day, int n) {
    return {stockId,
            QStringLiteral("%1.5").arg(n),
            QStringLiteral("0.%1").arg(n),
            QString::number(150 - n),
            QStringLiteral("100%1.5").arg(n),
            QStringLiteral("999"),
            QString::number(300 + n),
            QStringLiteral("12.%1").arg(n),
            day};
}

/// One write as the earlier version made it and as the current writers make it.
using Write = std::function<void(myDb&)>;
using WritePair = std::pair<Write, Write>;

WritePair quote(const QStringList& args) {
    return {[args](myDb& db) { legacyCompanyLastData(db, args); },
            [args](myDb& db) {
                companyLastData(db, args);
            }};
}

WritePair listing(const QStringList& args) {
    return {[args](myDb& db) { legacyCompanyList(db, args); },
            [args](myDb& db) {
                companyList(db, args);
            }};
}

WritePair indexDay(const QStringList& args) {
    return {[args](myDb& db) { legacyStockInfo(db, args); },
            [args](myDb& db) {
                stockInfo(db, args);
            }};
}

/// The same change to both files, outside the writers.
WritePair both(const Write& write) {
    return {write, write};
}

class EndOfDayWritersTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        m_legacy = makeStore(QStringLiteral("legacy"));
        m_current = makeStore(QStringLiteral("current"));
        // The earlier version's file: plain indexes, nothing unique.
        runOnFile(m_legacy->dataFilePath(),
                  "drop index stockInfo_key; drop index company_key; drop index companydata_key;"
                  "create index stockInfo_day on stockInfo (day, stockId);"
                  "create index company_stock_code on company (stockId, code, day);"
                  "create index companydata_day_id on companydata (day, id);");
    }

    std::unique_ptr<myDb> makeStore(const QString& name) {
        const QString dir = QDir(path()).filePath(name);
        QDir().mkpath(dir);
        auto db = std::make_unique<myDb>(dir);
        db->initDb();
        return db;
    }

    /// Applies each write to both files, the old way and the new, and compares the table after
    /// each one, row by row with each value's type.
    void expectSameRows(const char* table, const std::vector<WritePair>& writes) {
        const QByteArray dump = QByteArray("select * from ") + table;
        const auto rowsOf = [&dump](const myDb& db) {
            QStringList rows = rowsOnFile(db.dataFilePath(), dump.constData());
            rows.sort();
            return rows;
        };
        for (size_t i = 0; i < writes.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "after write " << i);
            writes[i].first(*m_legacy);
            writes[i].second(*m_current);
            const QStringList rows = rowsOf(*m_current);
            EXPECT_EQ(rows, rowsOf(*m_legacy));
            EXPECT_FALSE(rows.isEmpty());
        }
    }

    std::unique_ptr<myDb> m_legacy;
    std::unique_ptr<myDb> m_current;
};

} // namespace

TEST_F(EndOfDayWritersTest, QuoteUpsertLeavesTheRowsOfTheDeleteInsertAndTwoUpdates) {
    QStringList awkward = quoteArgs(QStringLiteral("9002"), QStringLiteral("7"), 9);
    awkward[6] = kAwkward;
    awkward[12] = QString();
    awkward[16] = QStringLiteral("");
    expectSameRows("companydata", {
                                      quote(quoteArgs(QStringLiteral("9000"), QStringLiteral("7"), 1)),
                                      quote(quoteArgs(QStringLiteral("9000"), QStringLiteral("8"), 2)),
                                      quote(quoteArgs(QStringLiteral("9001"), QStringLiteral("7"), 3)),
                                      // the stored row replaced, every column the updates fill included
                                      quote(quoteArgs(QStringLiteral("9000"), QStringLiteral("7"), 4)),
                                      quote(awkward),
                                      // the same key written as other texts of the same numbers
                                      quote(quoteArgs(QStringLiteral("9000.0"), QStringLiteral(" 7"), 5)),
                                      // keys that are no numbers are matched as the texts they are
                                      quote(quoteArgs(QString(), QStringLiteral("x"), 6)),
                                      quote(quoteArgs(QString(), QStringLiteral("x"), 7)),
                                      quote(quoteArgs(QStringLiteral("9001"), QStringLiteral("7"), 3)),
                                  });
}

TEST_F(EndOfDayWritersTest, CompanyUpsertLeavesTheRowsOfTheDeleteInsertAndDelete) {
    const auto company = [](const char* stockId, const char* day, const char* id, const char* code,
                            const QString& name) {
        return listing({QString::fromLatin1(stockId), QString::fromLatin1(day), QString::fromLatin1(id),
                        QString::fromLatin1(code), name});
    };
    expectSameRows("company",
                   {
                       company("2", "8990", "7", "AAA", QStringLiteral("A")),
                       both([](myDb& db) { db.updateVisibleAttr(QStringLiteral("AAA"), QStringLiteral("0")); }),
                       // listed again under a newer stamp: one row, the user's choice kept
                       company("2", "9000", "7", "AAA", kAwkward),
                       // the same code on the other exchange is a company of its own
                       company("1", "9000", "7", "AAA", QStringLiteral("A on HNX")),
                       company("2", "9000", "9", "CCC", QStringLiteral("C")),
                       company("2", "9000", "9", "CCC", QStringLiteral("C renamed")),
                       // a company whose "shown" flag was lost shows again
                       both([](myDb& db) { db.query(QStringLiteral("update company set visible=NULL where id=9")); }),
                       company("2", "9001", "9", "CCC", QStringLiteral("C")),
                       // a code that passed to another company id
                       company("2", "9001", "11", "AAA", QStringLiteral("A again")),
                       // an older stamp written last wins, as it did
                       company("2", "8995", "9", "CCC", QStringLiteral("C old")),
                   });
}

TEST_F(EndOfDayWritersTest, IndexDayUpsertLeavesTheRowsOfTheDeleteAndInsert) {
    QStringList awkward = indexArgs(QStringLiteral("2"), QStringLiteral("9001"), 8);
    awkward[1] = kAwkward;
    expectSameRows("stockInfo", {
                                    indexDay(indexArgs(QStringLiteral("2"), QStringLiteral("9000"), 1)),
                                    indexDay(indexArgs(QStringLiteral("1"), QStringLiteral("9000"), 2)),
                                    indexDay(indexArgs(QStringLiteral("2"), QStringLiteral("9001"), 3)),
                                    indexDay(indexArgs(QStringLiteral("2"), QStringLiteral("9000"), 4)),
                                    indexDay(awkward),
                                    indexDay(indexArgs(QStringLiteral("2.0"), QStringLiteral("9000"), 5)),
                                });
}
