#include "StoreFixture.h"

using testsupport::StoreTest;

namespace {

const QString kName = QStringLiteral("Lướt sóng 'ngắn hạn', \"A&B\" 100%");

} // namespace

class PortfolioTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("BBB"),
                               {});
        db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("6"), QStringLiteral("AAA"),
                               {});
        db().updatePorfilio(QStringLiteral("1"), QStringLiteral("9000"), kName);
        db().updatePorfilio(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("Dài hạn"));
        holding(QStringLiteral("10"), QStringLiteral("7"), QStringLiteral("25.7"));
        holding(QStringLiteral("11"), QStringLiteral("6"), QStringLiteral("12"));
    }

    void holding(const QString& holdingId, const QString& companyId, const QString& price) {
        db().updatePorfilioData(QStringLiteral("1"), holdingId, companyId, price, QStringLiteral("1000"),
                                QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0.15"));
    }
};

TEST_F(PortfolioTest, CategoriesAreListedByNameWithTheirIds) {
    QStringList names;
    QStringList ids;
    db().getDirList(names, ids);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Dài hạn"), kName}));
    EXPECT_EQ(ids, (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    db().updatePorfilio(QStringLiteral("2"), QStringLiteral("9001"), QStringLiteral("Đổi tên"));
    db().removePorfilio(QStringLiteral("1"));
    db().getDirList(names, ids);
    EXPECT_EQ(names, QStringList{QStringLiteral("Đổi tên")});
}

TEST_F(PortfolioTest, HoldingsJoinTheirCompanyAndCategory) {
    holding(QStringLiteral("10"), QStringLiteral("7"), QStringLiteral("26"));
    EXPECT_EQ(db().getPortfolioScreen2data(QStringLiteral("1")),
              (QStringList{QStringLiteral("AAA,6,9000,12,2,1,1000,0.15,11"),
                           QStringLiteral("BBB,7,9000,26,2,1,1000,0.15,10")}));
    EXPECT_EQ(db().getPortfolioFromPortDataId(QStringLiteral("10")),
              QStringList{QStringLiteral("BBB,7,") + kName + QStringLiteral(",9000,26,2,1,1000")});
    db().removePorfilioData(QStringLiteral("10"));
    EXPECT_TRUE(db().getPortfolioFromPortDataId(QStringLiteral("10")).isEmpty());
}

TEST_F(PortfolioTest, HoldingQuotesOfAWeekendUseThePrecedingQuoteDay) {
    storeQuote(2, 8999, 7, QStringLiteral("24"));
    storeQuote(2, 9000, 7, QStringLiteral("25"));
    storeQuote(2, 9000, 6, QStringLiteral("11"));
    storeQuote(2, 9003, 7, QStringLiteral("27"));
    const QStringList sunday = db().getPortfolioCompanydata(QStringLiteral("1"), 9002);
    EXPECT_EQ(sunday, (QStringList{QStringLiteral("AAA,6,9000,11,0.1,0.4,1000,11"),
                                   QStringLiteral("BBB,7,9000,25,0.1,0.4,1000,10")}));
    EXPECT_EQ(db().getPreDayPortfolio(9000), 9003);
    EXPECT_EQ(db().getNextDayPortfolio(9000), 8999);
    EXPECT_EQ(db().getNextDayPortfolio(8999), 0);
}

TEST_F(StoreTest, WatchListHoldsEachPairOnce) {
    EXPECT_TRUE(db().getCompanyWatchList().isNull());
    for (const char* id : {"12", "7", "30", "7"}) {
        db().addWatchList(QString::fromLatin1(id), QStringLiteral("C") + QString::fromLatin1(id));
    }
    QStringList ids = db().getCompanyWatchList().split(QLatin1Char(','));
    ids.sort();
    EXPECT_EQ(ids, (QStringList{QStringLiteral("12"), QStringLiteral("30"), QStringLiteral("7")}));
    EXPECT_TRUE(db().isExistWatchList(QStringLiteral("7"), QStringLiteral("C7")));
    db().removeWatchList(QStringLiteral("7"), QStringLiteral("C7"));
    EXPECT_FALSE(db().isExistWatchList(QStringLiteral("7"), QStringLiteral("C7")));
}

// Each watched stock shows its own latest quote; one without any stored quote is listed too, with
// empty quote fields, rather than vanishing from the user's list.
TEST_F(StoreTest, WatchListListsEveryStockWithItsLatestQuote) {
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("BBB"), {});
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("6"), QStringLiteral("AAA"), {});
    storeQuote(2, 8999, 7, QStringLiteral("24"));
    storeQuote(2, 9000, 7, QStringLiteral("25"));
    storeQuote(2, 8999, 6, QStringLiteral("11"));
    db().addWatchList(QStringLiteral("7"), QStringLiteral("BBB"));
    db().addWatchList(QStringLiteral("6"), QStringLiteral("AAA"));
    db().addWatchList(QStringLiteral("40"), QStringLiteral("NEW"));
    EXPECT_EQ(db().getWatchListData(),
              (QStringList{QStringLiteral("AAA,6,8999,11,0.1,0.4,1000,150"),
                           QStringLiteral("BBB,7,9000,25,0.1,0.4,1000,150"), QStringLiteral("NEW,40,,,,,,")}));
}
