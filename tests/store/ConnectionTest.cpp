#include "StoreFixture.h"
#include "store/Transaction.h"

#include <QFileInfo>

#include <sqlite3.h>

using testsupport::StoreTest;

namespace {

// Counts rows through a second, independent connection: what another reader of the file sees.
int countFromOutside(const QString& file, const char* sql) {
    sqlite3* other = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &other, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    int count = -1;
    if (sqlite3_prepare_v2(other, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW) {
        count = sqlite3_column_int(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(other);
    return count;
}

} // namespace

TEST_F(StoreTest, FirstRunCopiesTheSeedWithOwnerOnlyPermissions) {
    const QFileInfo info(db().dataFilePath());
    EXPECT_EQ(info.fileName(), QStringLiteral("corvasteldb.2.0.3.db"));
    EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    EXPECT_EQ(db().getSetting(), QStringList{QStringLiteral("1,1,PULL,1,60")});
}

TEST_F(StoreTest, LaterRunKeepsTheWorkingFileInsteadOfCopyingTheSeed) {
    db().setUserInfo(QStringLiteral("demo"), QStringLiteral("digest"), QStringLiteral("s1"));
    myDb again(path());
    again.initDb();
    QStringList user;
    again.getUserInfo(user);
    EXPECT_EQ(user, (QStringList{QStringLiteral("demo"), QStringLiteral("digest"), QStringLiteral("s1")}));
}

TEST_F(StoreTest, MissingSeedLeavesAStoreThatReadsNothing) {
    QTemporaryDir other;
    myDb empty(other.path(), QStringLiteral(":/no-such-seed.sqlite"));
    empty.initDb();
    EXPECT_FALSE(empty.open());
    EXPECT_TRUE(empty.getSetting().isEmpty());
    EXPECT_EQ(empty.getLastDayUpdate(), 0);
    QStringList user;
    empty.getUserInfo(user);
    EXPECT_EQ(user, (QStringList{QString(), QString(), QString()}));
}

TEST_F(StoreTest, SettingsAreStoredAsGiven) {
    db().setSetting(0, 1, QStringLiteral("PUSH"), 0, 40);
    EXPECT_EQ(db().getSetting(), QStringList{QStringLiteral("0,1,PUSH,0,40")});
}

TEST_F(StoreTest, UserInfoIsThreeEmptyTextsUntilSavedThenExactlyOneRow) {
    QStringList user;
    db().getUserInfo(user);
    EXPECT_EQ(user, (QStringList{QString(), QString(), QString()}));

    db().setUserInfo(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    db().setUserInfo(QStringLiteral("Nguyễn Văn 'An'"), QStringLiteral("p\"w,d"), QStringLiteral("s2"));
    QStringList saved{QStringLiteral("kept")};
    db().getUserInfo(saved);
    EXPECT_EQ(saved, (QStringList{QStringLiteral("kept"), QStringLiteral("Nguyễn Văn 'An'"), QStringLiteral("p\"w,d"),
                                  QStringLiteral("s2")}));
    EXPECT_EQ(countFromOutside(db().dataFilePath(), "select count(*) from tb_user"), 1);
}

TEST_F(StoreTest, CloseKeepsTheConnectionUntilTheFirstCommit) {
    ASSERT_TRUE(db().open());
    db().close();
    EXPECT_TRUE(db().isOpen());
    db().beginTransactionWithDatabase();
    EXPECT_FALSE(db().isNeedClose());
    db().endTransactionWithDatabase();
    EXPECT_TRUE(db().isNeedClose());
    EXPECT_FALSE(db().isOpen());
    db().getLastDayUpdate();
    EXPECT_FALSE(db().isOpen());
}

TEST_F(StoreTest, BeginNeedsAnOpenConnection) {
    finishStartupTransaction();
    EXPECT_FALSE(db().beginTransactionWithDatabase());
}

TEST_F(StoreTest, NestedBeginFailsAndLaterWritesJoinTheOpenTransaction) {
    finishStartupTransaction();
    db().open();
    ASSERT_TRUE(db().beginTransactionWithDatabase());
    EXPECT_FALSE(db().beginTransactionWithDatabase());
    db().addWatchList(QStringLiteral("7"), QStringLiteral("AAA"));
    EXPECT_TRUE(db().isOpen());
    EXPECT_EQ(countFromOutside(db().dataFilePath(), "select count(*) from watchlist"), 0)
        << "the write waits in the open transaction until it commits";
    db().open();
    ASSERT_TRUE(db().endTransactionWithDatabase());
    EXPECT_EQ(countFromOutside(db().dataFilePath(), "select count(*) from watchlist"), 1);
}

TEST_F(StoreTest, CommitWithoutTransactionFailsAndStaysOpen) {
    db().open();
    EXPECT_FALSE(db().endTransactionWithDatabase());
    EXPECT_TRUE(db().isOpen());
}

TEST_F(StoreTest, TransactionEndingUncommittedUndoesItsWrites) {
    finishStartupTransaction();
    {
        store::Transaction transaction(db());
        ASSERT_TRUE(transaction.isActive());
        db().addWatchList(QStringLiteral("7"), QStringLiteral("AAA"));
    }
    EXPECT_FALSE(db().isInTransaction());
    EXPECT_FALSE(db().isOpen()) << "the connection is released as after a commit";
    EXPECT_EQ(countFromOutside(db().dataFilePath(), "select count(*) from watchlist"), 0);
    {
        store::Transaction transaction(db());
        db().addWatchList(QStringLiteral("8"), QStringLiteral("BBB"));
        EXPECT_TRUE(transaction.commit());
    }
    EXPECT_EQ(countFromOutside(db().dataFilePath(), "select count(*) from watchlist"), 1);
}

TEST_F(StoreTest, FailedStatementChangesNothingAndLaterOnesStillRun) {
    db().query(QStringLiteral("insert into no_such_table values (1)"));
    db().query(QStringLiteral("this is not sql"));
    db().addWatchList(QStringLiteral("1"), QStringLiteral("AAA"));
    EXPECT_TRUE(db().isExistWatchList(QStringLiteral("1"), QStringLiteral("AAA")));
}

TEST_F(StoreTest, PurgeKeepsTheConfiguredHistoryAndOnlyTodaysOtherIntradayRows) {
    db().setSetting(1, 1, QStringLiteral("PULL"), 1, 20);
    const int today = 9000;
    for (int day = today - 25; day <= today + 1; ++day) {
        storeIndexDay(2, day);
        storeQuote(2, day, 1, QStringLiteral("25"));
        db().addRealtimeData(text(day), QStringLiteral("answer"), day - (today - 25));
        db().updateFinance(QStringLiteral("1"), {}, {}, {}, {}, QStringLiteral("0"), {}, {}, {}, text(day));
        db().updatePorfilio(text(day), text(day), QStringLiteral("danh mục"));
        db().updateNews(QStringLiteral("0"), text(day), QStringLiteral("600"), QStringLiteral("tin"), {});
    }
    db().updateFinance(QStringLiteral("2"), {}, {}, {}, {}, QStringLiteral("0"), {}, {}, {}, text(today - 1));
    db().updateFinance(QStringLiteral("3"), {}, {}, {}, {}, QStringLiteral("0"), {}, {}, {}, text(today - 2));
    db().updateCompanyList(QStringLiteral("2"), text(today - 21), QStringLiteral("1"), QStringLiteral("OLD"), {});
    db().updateCompanyList(QStringLiteral("2"), text(today - 20), QStringLiteral("2"), QStringLiteral("NEW"), {});

    db().open();
    db().beginTransactionWithDatabase();
    db().removeCache(today);
    db().open();
    db().endTransactionWithDatabase();

    const QString file = db().dataFilePath();
    EXPECT_EQ(countFromOutside(file, "select count(*) from companydata where day<8980"), 0);
    EXPECT_EQ(countFromOutside(file, "select count(*) from companydata where day=8980"), 1);
    EXPECT_EQ(countFromOutside(file, "select count(*) from stockInfo where day>9000 or day<8980"), 0);
    EXPECT_EQ(countFromOutside(file, "select count(*) from stockInfo"), 21);
    EXPECT_EQ(countFromOutside(file, "select count(*) from realtime where day<8980"), 0);
    EXPECT_EQ(countFromOutside(file, "select count(*) from realtime"), 22) << "the overview's answers of 8980-9001";
    EXPECT_EQ(countFromOutside(file, "select count(*) from news where day<9000"), 0);
    EXPECT_EQ(countFromOutside(file, "select count(*) from finance"), 2) << "today's and yesterday's rows stay";
    EXPECT_EQ(countFromOutside(file, "select count(*) from portfolio where day<8980"), 0);
    EXPECT_EQ(countFromOutside(file, "select count(*) from company"), 1);
    EXPECT_EQ(db().getCodeFromId(QStringLiteral("2")), QStringLiteral("NEW"));
}

TEST_F(StoreTest, PortfolioTablesAreEmptiedButTheWatchListStays) {
    db().updatePorfilio(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("Dài hạn"));
    db().updatePorfilioData(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("25"),
                            QStringLiteral("100"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0.1"));
    db().addWatchList(QStringLiteral("5"), QStringLiteral("AAA"));
    db().makePorfolioEmpty();
    QStringList names{QStringLiteral("stale")};
    QStringList ids{QStringLiteral("stale")};
    db().getDirList(names, ids);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(ids.isEmpty());
    EXPECT_EQ(countFromOutside(db().dataFilePath(), "select count(*) from portfoliodata"), 0);
    EXPECT_EQ(db().getCompanyWatchList(), QStringLiteral("5"));
}

TEST_F(StoreTest, TableRowCountsListEveryTable) {
    const auto counts = db().tableRowCounts();
    QStringList tables;
    for (const auto& [table, rows] : counts) {
        tables << table;
        if (table == QLatin1String("worldstock")) {
            EXPECT_EQ(rows, 10);
        }
        if (table == QLatin1String("exchange")) {
            EXPECT_EQ(rows, 16);
        }
        if (table == QLatin1String("setting")) {
            EXPECT_EQ(rows, 1);
        }
    }
    EXPECT_EQ(tables.size(), 21);
    EXPECT_TRUE(tables.contains(QStringLiteral("realtime_gold")));
}
