// Texts a user types or the service sends (apostrophes, double quotes, "%", "&", "<" and
// Vietnamese letters) go into every store writer and come back out of its reader unchanged.
#include "net/QtPrinters.h"
#include "store/StoreFixture.h"
#include "support/SqliteFile.h"

#include <gtest/gtest.h>

using testsupport::StoreTest;

namespace {

const QString kText = QStringLiteral("Cổ phần 'Đầu tư' \"Hà Nội\" 100% & <Sài Gòn>");

/// A distinct tricky text per field, so a value stored in the wrong column shows.
QString textNo(int n) {
    return kText + QStringLiteral(" số ") + QString::number(n);
}

/// The texts numbered from..to joined as the readers join columns.
QString joined(int from, int to) {
    QStringList texts;
    for (int n = from; n <= to; ++n) {
        texts << textNo(n);
    }
    return texts.join(u',');
}

const QString kCode = QStringLiteral("A'B\"&%<C>Đ");

class StoreRoundTripTest : public StoreTest {
protected:
    void storeCompany() {
        db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), kCode, kText);
    }
};

} // namespace

TEST_F(StoreRoundTripTest, SettingAndSavedUser) {
    db().setSetting(1, 0, kText, 1, 20);
    EXPECT_EQ(db().getSetting(), QStringList{QStringLiteral("1,0,") + kText + QStringLiteral(",1,20")});
    db().setUserInfo(textNo(1), textNo(2), textNo(3));
    QStringList user;
    db().getUserInfo(user);
    EXPECT_EQ(user, (QStringList{textNo(1), textNo(2), textNo(3)}));
}

TEST_F(StoreRoundTripTest, CompanyCodeAndName) {
    storeCompany();
    EXPECT_EQ(db().getAllCompanyCodeList(2), QStringList{kCode});
    EXPECT_EQ(db().getIdFromCode(kCode), QStringLiteral("7"));
    EXPECT_EQ(db().getCodeFromId(QStringLiteral("7")), kCode);
    EXPECT_EQ(testsupport::rowsOnFile(db().dataFilePath(), "select name from company"),
              QStringList{QStringLiteral("3:") + kText});
    db().updateVisibleAttr(kCode, QStringLiteral("0"));
    EXPECT_EQ(db().getAllCompanyVisibleAttrList(2), QStringList{QStringLiteral("0")});
}

TEST_F(StoreRoundTripTest, IndexDaysQuotesMinutesAndOverviewAnswers) {
    storeCompany();
    db().updateStockInfo(QStringLiteral("2"), textNo(1), textNo(2), QStringLiteral("150"), textNo(3), textNo(4),
                         textNo(5), textNo(6), QStringLiteral("9000"));
    EXPECT_EQ(db().getStockInfo(9000), QStringList{QStringLiteral("2,9000,") + textNo(3) + u',' + textNo(6) + u',' +
                                                   textNo(5) + u',' + textNo(1) + u',' + textNo(2)});

    db().updateCompanyLastData(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("150"), textNo(1), textNo(2),
                               QStringLiteral("7"), textNo(3), textNo(4), textNo(5), textNo(6), textNo(7), textNo(8),
                               textNo(9), textNo(10), textNo(11), textNo(12), textNo(13));
    QStringList detail{kCode, QStringLiteral("7"), QStringLiteral("2"), QStringLiteral("9000")};
    detail << textNo(1) << textNo(2) << QStringLiteral("7");
    for (int n = 3; n <= 13; ++n) {
        detail << textNo(n);
    }
    EXPECT_EQ(db().getCompanyDetailData(kCode, 9000), detail);

    db().updateMinuteCompanyData(QStringLiteral("7"), QStringLiteral("9000"), QStringLiteral("150"), textNo(1),
                                 textNo(2));
    EXPECT_EQ(db().getMinuteCompanyData(QStringLiteral("7")),
              QStringList{QStringLiteral("7,9000,150,") + joined(1, 2)});

    db().addRealtimeData(QStringLiteral("9000"), kText, 0);
    EXPECT_EQ(db().getRealtimeData(9000), QStringList{kText});
}

TEST_F(StoreRoundTripTest, NewsFinanceAndPrices) {
    db().updateNews(QStringLiteral("7"), QStringLiteral("9000"), QStringLiteral("600"), textNo(1), textNo(2));
    db().updateNews(QStringLiteral("7"), QStringLiteral("9000"), QStringLiteral("600"), textNo(1), textNo(3));
    EXPECT_EQ(db().getCompanyNews(QStringLiteral("7")),
              QStringList{QStringLiteral("9000,600,7,") + textNo(1) + u',' + textNo(3)});

    db().updateFinance(QStringLiteral("7"), textNo(1), textNo(2), textNo(3), textNo(4), QStringLiteral("2"), textNo(5),
                       textNo(6), textNo(7), QStringLiteral("9000"));
    EXPECT_EQ(db().getFincance(QStringLiteral("7")),
              QStringList{QStringLiteral("7,") + joined(1, 4) + QStringLiteral(",2,") + joined(5, 7) +
                          QStringLiteral(",9000")});
    db().updateFinanceData(QStringLiteral("7"), textNo(1), textNo(2), textNo(3), textNo(4), textNo(5), textNo(6),
                           QStringLiteral("2"));
    EXPECT_EQ(db().getFincanceData(QStringLiteral("7")),
              QStringList{QStringLiteral("7,") + joined(1, 6) + QStringLiteral(",2")});

    const QString moment = QStringLiteral(",9000,600,") + joined(1, 3);
    ASSERT_TRUE(db().updateGoods(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("600"), textNo(1),
                                 textNo(2), textNo(3)));
    ASSERT_EQ(db().getGoods().size(), 1);
    EXPECT_TRUE(db().getGoods().constFirst().endsWith(moment)) << db().getGoods().constFirst().toStdString();
    ASSERT_TRUE(db().updateWorldStock(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("600"), textNo(1),
                                      textNo(2), textNo(3)));
    ASSERT_EQ(db().getWorldStock(0).size(), 1);
    EXPECT_TRUE(db().getWorldStock(0).constFirst().endsWith(moment));
    ASSERT_TRUE(db().updateExchange(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("600"), textNo(1),
                                    textNo(2), textNo(3)));
    ASSERT_EQ(db().getExchange(1).size(), 1);
    EXPECT_TRUE(db().getExchange(1).constFirst().endsWith(moment));

    ASSERT_TRUE(db().addRealtimeGoldData(1, QStringLiteral("9000"), kText, 0));
    EXPECT_EQ(db().getRealtimeGoldData(1), QStringList{kText});
}

TEST_F(StoreRoundTripTest, CategoriesHoldingsAndWatchList) {
    storeCompany();
    db().updatePorfilio(QStringLiteral("4"), QStringLiteral("9000"), kText);
    QStringList names;
    QStringList ids;
    db().getDirList(names, ids);
    EXPECT_EQ(names, QStringList{kText});
    db().updatePorfilioData(QStringLiteral("4"), QStringLiteral("90"), QStringLiteral("7"), textNo(1), textNo(2),
                            textNo(3), textNo(4), textNo(5));
    EXPECT_EQ(db().getPortfolioScreen2data(QStringLiteral("4")),
              QStringList{kCode + QStringLiteral(",7,9000,") + textNo(1) + u',' + textNo(3) + u',' + textNo(4) + u',' +
                          textNo(2) + u',' + textNo(5) + QStringLiteral(",90")});
    EXPECT_EQ(db().getPortfolioFromPortDataId(QStringLiteral("90")),
              QStringList{kCode + QStringLiteral(",7,") + kText + QStringLiteral(",9000,") + textNo(1) + u',' +
                          textNo(3) + u',' + textNo(4) + u',' + textNo(2)});

    db().addWatchList(QStringLiteral("7"), kCode);
    db().addWatchList(QStringLiteral("7"), kCode);
    EXPECT_TRUE(db().isExistWatchList(QStringLiteral("7"), kCode));
    EXPECT_EQ(db().getWatchListData(), QStringList{kCode + QStringLiteral(",7,,,,,,")});
    db().removeWatchList(QStringLiteral("7"), kCode);
    EXPECT_FALSE(db().isExistWatchList(QStringLiteral("7"), kCode));
}
