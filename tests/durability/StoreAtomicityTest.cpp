// Writers that replace a row by deleting it and inserting the new one: when the insert fails
// (a full disk, a locked file, the process killed between the two), the row the user had stays.
#include "net/QtPrinters.h"
#include "store/StoreFixture.h"
#include "support/SqliteFile.h"

#include <gtest/gtest.h>

using testsupport::StoreTest;

namespace {

class StoreAtomicityTest : public StoreTest {
protected:
    /// Every later insert into the table (of the rows the condition picks) fails, as on a full disk.
    void failInsertsInto(const char* table, const char* condition = "1") {
        const QByteArray sql = QByteArray("create trigger full_disk before insert on ") + table + " when " + condition +
                               " begin select raise(abort, 'disk full'); end";
        testsupport::runOnFile(db().dataFilePath(), sql.constData());
    }
};

} // namespace

TEST_F(StoreAtomicityTest, AFailedLoginSaveKeepsTheSavedUser) {
    db().setUserInfo(QStringLiteral("Nguyễn 'An'"), QStringLiteral("md5"), QStringLiteral("S1"));
    failInsertsInto("tb_user");
    db().setUserInfo(QStringLiteral("Trần Bình"), QStringLiteral("md5b"), QStringLiteral("S2"));
    QStringList user;
    db().getUserInfo(user);
    EXPECT_EQ(user, (QStringList{QStringLiteral("Nguyễn 'An'"), QStringLiteral("md5"), QStringLiteral("S1")}));
}

TEST_F(StoreAtomicityTest, AFailedWatchListAddKeepsTheWatchedStock) {
    db().addWatchList(QStringLiteral("7"), QStringLiteral("AAA"));
    failInsertsInto("watchlist");
    db().addWatchList(QStringLiteral("7"), QStringLiteral("AAA"));
    EXPECT_TRUE(db().isExistWatchList(QStringLiteral("7"), QStringLiteral("AAA")));
}

// Inside a transaction the failed pair is undone alone: the transaction's other writes still
// land when it commits.
TEST_F(StoreAtomicityTest, AFailedWatchListAddInsideATransactionUndoesOnlyItself) {
    db().addWatchList(QStringLiteral("7"), QStringLiteral("AAA"));
    failInsertsInto("watchlist", "new.code='AAA'");
    db().open();
    ASSERT_TRUE(db().beginTransactionWithDatabase());
    db().addWatchList(QStringLiteral("8"), QStringLiteral("BBB"));
    db().addWatchList(QStringLiteral("7"), QStringLiteral("AAA"));
    db().open();
    ASSERT_TRUE(db().endTransactionWithDatabase());
    EXPECT_TRUE(db().isExistWatchList(QStringLiteral("7"), QStringLiteral("AAA")));
    EXPECT_TRUE(db().isExistWatchList(QStringLiteral("8"), QStringLiteral("BBB")));
}
