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
        EXPECT_FALSE(first.isOpen());
    }
    myDb next(path());
    core::prepareStoreAtStartup(next, 9001);
    QStringList names;
    QStringList ids;
    next.getDirList(names, ids);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_EQ(next.getCompanyWatchList(), QStringLiteral("7"));
    EXPECT_EQ(next.getSetting(), QStringList{QStringLiteral("1,1,PULL,1,60")});
}

TEST_F(TempDirTest, TheOverviewsAnswersOfAnEarlierDaySurviveARestartWithinTheKeptDays) {
    {
        myDb first(path());
        core::prepareStoreAtStartup(first, 9000);
        first.setSetting(1, 1, QStringLiteral("PULL"), 1, 20);
        first.addRealtimeData(QStringLiteral("8980"), QStringLiteral("too old"), 0);
        first.addRealtimeData(QStringLiteral("8981"), QStringLiteral("oldest kept"), 1);
        first.addRealtimeData(QStringLiteral("8999"), QStringLiteral("yesterday"), 2);
        first.addRealtimeData(QStringLiteral("9000"), QStringLiteral("today"), 3);
    }
    myDb next(path());
    core::prepareStoreAtStartup(next, 9001);
    EXPECT_EQ(next.getRealtimeData(8999), QStringList{QStringLiteral("yesterday")});
    EXPECT_EQ(next.getRealtimeData(9000), QStringList{QStringLiteral("today")});
    EXPECT_EQ(next.getRealtimeData(8981), QStringList{QStringLiteral("oldest kept")});
    EXPECT_TRUE(next.getRealtimeData(8980).isEmpty()) << "older than the 20 days kept";
}
