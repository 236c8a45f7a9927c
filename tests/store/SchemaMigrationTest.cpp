// A working file made before the end-of-day tables had unique keys, holding the duplicates such
// a file can hold, is brought up to date in place at start-up.
#include "store/myDb.h"
#include "support/SqliteFile.h"
#include "support/TempDir.h"

#include <memory>

using testsupport::countOnFile;
using testsupport::rowsOnFile;
using testsupport::runOnFile;
using testsupport::TempDirTest;

namespace {

class SchemaMigrationTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        myDb first(path());
        first.initDb();
        m_file = first.dataFilePath();
        runOnFile(m_file, "drop index stockInfo_key; drop index company_key; drop index companydata_key;"
                          "create index stockInfo_day on stockInfo (day, stockId);"
                          "create index company_stock_code on company (stockId, code, day);"
                          "create index companydata_day_id on companydata (day, id);"
                          // oldest first: the row inserted last is the one the writers wrote last
                          "insert into companydata (day, id, price) values (9000, 7, 'first'), (9000, 8, 'only'),"
                          " (9000, 7, 'second'), (9001, 7, 'other day'), (9000, 7, 'last'),"
                          " (9000, NULL, 'no id'), (9000, NULL, 'no id either');"
                          "insert into company (stockId, day, id, code, visible) values (2, 9000, 7, 'AAA', 0),"
                          " (2, 8990, 7, 'AAA', 0), (1, 9000, 7, 'AAA', 1), (2, 9000, 9, 'CCC', 1);"
                          "insert into stockInfo (stockId, day, point) values (2, 9000, '1000'), (1, 9000, '300'),"
                          " (2, 9000, '1001');"
                          "insert into tb_user values ('demo', 'digest', 's1');");
    }

    /// Starts the program on the file, as every start does.
    std::unique_ptr<myDb> start() {
        auto db = std::make_unique<myDb>(path());
        db->initDb();
        return db;
    }

    QStringList rows(const char* sql) const { return rowsOnFile(m_file, sql); }

    QString m_file;
};

} // namespace

TEST_F(SchemaMigrationTest, DuplicatesGoAndTheRowWrittenLastStays) {
    start();
    EXPECT_EQ(rows("select day, id, price from companydata order by day, id, price"),
              (QStringList{QStringLiteral("1:9000|5:|3:no id"), QStringLiteral("1:9000|5:|3:no id either"),
                           QStringLiteral("1:9000|1:7|3:last"), QStringLiteral("1:9000|1:8|3:only"),
                           QStringLiteral("1:9001|1:7|3:other day")}));
    EXPECT_EQ(rows("select stockId, code, day, visible from company order by stockId, code"),
              (QStringList{QStringLiteral("1:1|3:AAA|1:9000|1:1"), QStringLiteral("1:2|3:AAA|1:8990|1:0"),
                           QStringLiteral("1:2|3:CCC|1:9000|1:1")}));
    EXPECT_EQ(rows("select stockId, point from stockInfo order by stockId"),
              (QStringList{QStringLiteral("1:1|3:300"), QStringLiteral("1:2|3:1001")}));
}

TEST_F(SchemaMigrationTest, TheTablesGetUniqueKeysInPlaceOfThePlainIndexes) {
    start();
    EXPECT_EQ(rows("select name from sqlite_master where type='index' and name in ('stockInfo_key', 'company_key',"
                   " 'companydata_key', 'stockInfo_day', 'company_stock_code', 'companydata_day_id') order by name"),
              (QStringList{QStringLiteral("3:company_key"), QStringLiteral("3:companydata_key"),
                           QStringLiteral("3:stockInfo_key")}));
    EXPECT_EQ(rows("select name from pragma_index_list('companydata') where \"unique\"=1"),
              QStringList{QStringLiteral("3:companydata_key")});
}

TEST_F(SchemaMigrationTest, TheFileIsKeptAndItsOtherDataWithIt) {
    auto db = start();
    QStringList user;
    db->getUserInfo(user);
    EXPECT_EQ(user, (QStringList{QStringLiteral("demo"), QStringLiteral("digest"), QStringLiteral("s1")}));
    EXPECT_EQ(countOnFile(m_file, "select count(*) from worldstock"), 10);
}

TEST_F(SchemaMigrationTest, TheWritersWorkOnTheMigratedFile) {
    auto db = start();
    EXPECT_TRUE(db->updateCompanyLastData(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("150"), {}, {},
                                          QStringLiteral("7"), QStringLiteral("25"), {}, {}, {}, {}, {}, {}, {}, {}, {},
                                          {}));
    EXPECT_TRUE(db->updateCompanyList(QStringLiteral("2"), QStringLiteral("9001"), QStringLiteral("7"),
                                      QStringLiteral("AAA"), QStringLiteral("A")));
    EXPECT_EQ(rows("select price from companydata where day=9000 and id=7"), QStringList{QStringLiteral("3:25")});
    EXPECT_EQ(rows("select day, visible from company where stockId=2 and code='AAA'"),
              QStringList{QStringLiteral("1:9001|1:0")});
}

TEST_F(SchemaMigrationTest, AFileLockedByAnotherProgramIsLeftAsItWasAndMigratedAtTheNextStart) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(m_file).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);
    start();
    sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(countOnFile(m_file, "select count(*) from companydata"), 7);
    EXPECT_EQ(countOnFile(m_file, "select count(*) from sqlite_master where name='companydata_key'"), 0);

    start();
    EXPECT_EQ(countOnFile(m_file, "select count(*) from companydata"), 5);
}
