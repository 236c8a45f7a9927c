#include "core/StartupStore.h"

#include "store/myDb.h"
#include "support/TempDir.h"

using testsupport::TempDirTest;

TEST_F(TempDirTest, StartupPurgesEmptiesPortfoliosAndReleasesTheConnection) {
    {
        myDb first(path());
        core::prepareStoreAtStartup(first, 9000);
        first.updatePorfilio(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("Dài hạn"));
        first.addWatchList(QStringLiteral("7"), QStringLiteral("AAA"));
        first.addRealtimeData(QStringLiteral("9000"), QStringLiteral("answer"), 0);
        EXPECT_FALSE(first.isOpen());
    }
    myDb next(path());
    core::prepareStoreAtStartup(next, 9001);
    QStringList names;
    QStringList ids;
    next.getDirList(names, ids);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(next.getRealtimeData(9001).isEmpty());
    EXPECT_EQ(next.getCompanyWatchList(), QStringLiteral("7"));
    EXPECT_EQ(next.getSetting(), QStringList{QStringLiteral("1,1,PULL,1,60")});
}
