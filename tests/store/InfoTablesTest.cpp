#include "StoreFixture.h"

using testsupport::StoreTest;

namespace {

const QString kTitle = QStringLiteral("VN-Index \"vượt\" mốc 1.200, nhà đầu tư 'thận trọng'");
const QString kContent = QStringLiteral("Dòng 1: 'trích dẫn'\nDòng 2: \"ngoặc kép\", dấu phẩy; chấm phẩy");

} // namespace

TEST_F(StoreTest, NewsKeepsQuotesAndIsReplacedByItsKey) {
    db().updateNews(QStringLiteral("0"), QStringLiteral("9000"), QStringLiteral("600"), kTitle, QStringLiteral("v1"));
    db().updateNews(QStringLiteral("0"), QStringLiteral("9000"), QStringLiteral("600"), kTitle, kContent);
    EXPECT_EQ(db().getCompanyNews(QStringLiteral(" ")),
              QStringList{QStringLiteral("9000,600,0,") + kTitle + QLatin1Char(',') + kContent});
}

TEST_F(StoreTest, NewsListsTheTwentyNewestOfTheCompany) {
    for (int i = 0; i < 25; ++i) {
        db().updateNews(QStringLiteral("0"), QStringLiteral("9000"), text(600 + i), QStringLiteral("tin %1").arg(i),
                        {});
    }
    db().updateNews(QStringLiteral("7"), QStringLiteral("9001"), QStringLiteral("600"), QStringLiteral("riêng"), {});
    const QStringList general = db().getCompanyNews(QStringLiteral(" "));
    ASSERT_EQ(general.size(), 20);
    EXPECT_EQ(general.constFirst(), QStringLiteral("9000,624,0,tin 24,"));
    EXPECT_EQ(general.constLast(), QStringLiteral("9000,605,0,tin 5,"));
    EXPECT_EQ(db().getCompanyNews(QStringLiteral("7")), QStringList{QStringLiteral("9001,600,7,riêng,")});
}

TEST_F(StoreTest, FinanceRowsRoundTrip) {
    db().updateFinance(QStringLiteral("7"), QStringLiteral("2,500"), QStringLiteral("10.2"), QStringLiteral("15000"),
                       QStringLiteral("1.1"), QStringLiteral("2"), QStringLiteral("25.5"), QStringLiteral("-0.5"),
                       QStringLiteral("-1.9"), QStringLiteral("9000"));
    db().updateFinance(QStringLiteral("7"), QStringLiteral("2500"), QStringLiteral("10.2"), QStringLiteral("15000"),
                       QStringLiteral("1.1"), QStringLiteral("2"), QStringLiteral("25.5"), QStringLiteral("-0.5"),
                       QStringLiteral("-1.9"), QStringLiteral("9001"));
    EXPECT_EQ(db().getFincance(QStringLiteral("7")),
              QStringList{QStringLiteral("7,2500,10.2,15000,1.1,2,25.5,-0.5,-1.9,9001")});
    db().updateFinanceData(QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("2026"), QStringLiteral("100"),
                           QStringLiteral("50"), QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("2"));
    db().updateFinanceData(QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("2026"), QStringLiteral("101"),
                           QStringLiteral("51"), QStringLiteral("31"), QStringLiteral("6"), QStringLiteral("2"));
    db().updateFinanceData(QStringLiteral("7"), QStringLiteral("2"), QStringLiteral("2026"), QStringLiteral("102"),
                           QStringLiteral("52"), QStringLiteral("32"), QStringLiteral("7"), QStringLiteral("2"));
    EXPECT_EQ(db().getFincanceData(QStringLiteral("7")),
              (QStringList{QStringLiteral("7,2,2026,102,52,32,7,2"), QStringLiteral("7,1,2026,101,51,31,6,2")}));
    EXPECT_TRUE(db().getFincance(QStringLiteral("8")).isEmpty());
}

// A quarter the service publishes later is stored after the older ones, yet must be read first;
// a year's whole-year row (quarter 5) comes before that year's quarters, and years compare as
// numbers.
TEST_F(StoreTest, StatementPeriodsAreReadNewestFirst) {
    const auto store = [this](const char* quarter, const char* year) {
        db().updateFinanceData(QStringLiteral("7"), QLatin1String(quarter), QLatin1String(year), QStringLiteral("1"),
                               QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("0"));
    };
    store("4", "2025");
    store("5", "2025");
    store("1", "2026");
    store("3", "999");
    store("2", "2026");
    QStringList periods;
    for (const QString& row : db().getFincanceData(QStringLiteral("7"))) {
        periods.append(row.section(QLatin1Char(','), 1, 2));
    }
    EXPECT_EQ(periods, (QStringList{QStringLiteral("2,2026"), QStringLiteral("1,2026"), QStringLiteral("5,2025"),
                                    QStringLiteral("4,2025"), QStringLiteral("3,999")}));
}

TEST_F(StoreTest, LatestPricesKeepOneRowPerIdWithTheSeedNames) {
    db().updateGoods(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("600"), QStringLiteral("70.1"),
                     QStringLiteral("0.5"), QStringLiteral("0.7"));
    db().updateGoods(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("601"), QStringLiteral("70.2"),
                     QStringLiteral("0.6"), QStringLiteral("0.8"));
    EXPECT_EQ(db().getGoods(), QStringList{QStringLiteral("1,Dầu thô WTI,9000,601,70.2,0.6,0.8")});
}

// The list follows the commodity table, whatever order the service sent the prices in.
TEST_F(StoreTest, CommoditiesInTheOrderOfTheirTable) {
    for (const int id : {10, 3, 7, 1}) {
        db().updateGoods(text(id), QStringLiteral("9000"), QStringLiteral("600"), QStringLiteral("1"),
                         QStringLiteral("0"), QStringLiteral("0"));
    }
    QStringList ids;
    for (const QString& row : db().getGoods()) {
        ids.append(row.section(QLatin1Char(','), 0, 0));
    }
    EXPECT_EQ(ids, (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("10")}));
}

TEST_F(StoreTest, WorldIndicesInTwoGroupsNewestFirst) {
    for (int id = 1; id <= 10; ++id) {
        db().updateWorldStock(text(id), QStringLiteral("9000"), text(600 + (id % 3)), QStringLiteral("100"),
                              QStringLiteral("1"), QStringLiteral("1"));
    }
    const QStringList europe = db().getWorldStock(0);
    const QStringList ocean = db().getWorldStock(1);
    ASSERT_EQ(europe.size(), 5);
    ASSERT_EQ(ocean.size(), 5);
    EXPECT_EQ(europe.constFirst(), QStringLiteral("2,S&P 500,9000,602,100,1,1"));
    EXPECT_EQ(europe.at(1), QStringLiteral("5,DAX,9000,602,100,1,1"));
    for (const QString& row : ocean) {
        EXPECT_GT(row.section(QLatin1Char(','), 0, 0).toInt(), 5);
    }
}

TEST_F(StoreTest, ExchangeRatesInTwoGroupsByIdOrder) {
    for (int id = 16; id >= 1; --id) {
        db().updateExchange(text(id), QStringLiteral("9000"), QStringLiteral("600"), QStringLiteral("1"),
                            QStringLiteral("2"), QStringLiteral("3"));
    }
    const QStringList world = db().getExchange(1);
    const QStringList bank = db().getExchange(0);
    ASSERT_EQ(world.size(), 8);
    ASSERT_EQ(bank.size(), 8);
    EXPECT_EQ(world.constFirst(), QStringLiteral("1,EUR/USD,9000,600,1,2,3"));
    EXPECT_EQ(bank.constFirst(), QStringLiteral("9,USD,9000,600,1,2,3"));
    EXPECT_EQ(bank.constLast(), QStringLiteral("16,SGD,9000,600,1,2,3"));
}

TEST_F(StoreTest, GoldAnswersOfTheLatestDayInOrder) {
    db().addRealtimeGoldData(1, QStringLiteral("8999"), QStringLiteral("old"), 0);
    db().addRealtimeGoldData(1, QStringLiteral("9000"), QStringLiteral("a"), 1);
    db().addRealtimeGoldData(1, QStringLiteral("9000"), QStringLiteral("b"), 2);
    db().addRealtimeGoldData(2, QStringLiteral("9000"), QStringLiteral("world"), 0);
    db().addRealtimeGoldData(1, QStringLiteral("9000"), QStringLiteral("b2"), 2);
    EXPECT_EQ(db().getRealtimeGoldData(1), (QStringList{QStringLiteral("a"), QStringLiteral("b2")}));
    EXPECT_EQ(db().getRealtimeGoldData(2), QStringList{QStringLiteral("world")});
    db().addRealtimeGoldData(2, QStringLiteral("9000"), QStringLiteral("fresh"), 0);
    EXPECT_EQ(db().getRealtimeGoldData(2), QStringList{QStringLiteral("fresh")});
}

// The bank quotes in office hours only: before its first quote of the day it still has the
// previous day's answers, which must not vanish because the world feed has moved on.
TEST_F(StoreTest, EachGoldFeedReadsItsOwnLatestDay) {
    db().addRealtimeGoldData(1, QStringLiteral("8999"), QStringLiteral("bank yesterday"), 0);
    db().addRealtimeGoldData(2, QStringLiteral("9000"), QStringLiteral("world today"), 0);
    EXPECT_EQ(db().getRealtimeGoldData(1), QStringList{QStringLiteral("bank yesterday")});
    EXPECT_EQ(db().getRealtimeGoldData(2), QStringList{QStringLiteral("world today")});
}
