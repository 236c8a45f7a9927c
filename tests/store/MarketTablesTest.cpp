#include "StoreFixture.h"

using testsupport::StoreTest;

namespace {

const QString kAwkward = QStringLiteral("Công ty 'Sài Gòn' \"Mới\", Đà Nẵng");

} // namespace

TEST_F(StoreTest, IndexDayStoredTwiceLeavesOneRow) {
    storeIndexDay(2, 9000);
    storeIndexDay(2, 9000);
    storeIndexDay(1, 9000);
    QStringList rows = db().getStockInfo(9000);
    rows.sort();
    EXPECT_EQ(rows, (QStringList{QStringLiteral("1,9000,1000.5,12.5,300,1.5,0.2"),
                                 QStringLiteral("2,9000,1000.5,12.5,300,1.5,0.2")}));
}

TEST_F(StoreTest, StockInfoCoversSixtyOneDaysUpToTheDay) {
    for (int day = 8930; day <= 9010; ++day) {
        storeIndexDay(2, day);
    }
    const QStringList rows = db().getStockInfo(9000);
    ASSERT_EQ(rows.size(), 61);
    EXPECT_TRUE(rows.constFirst().startsWith(QStringLiteral("2,8940,")));
    EXPECT_TRUE(rows.constLast().startsWith(QStringLiteral("2,9000,")));
    EXPECT_TRUE(db().getStockInfo(5000).isEmpty());
}

TEST_F(StoreTest, IndexDaySteps) {
    for (int day : {9000, 9003, 9004}) {
        storeIndexDay(2, day);
    }
    EXPECT_EQ(db().getNextDayStockInfo(9000), 9003);
    EXPECT_EQ(db().getPreDayStockInfo(9003), 9000);
    EXPECT_EQ(db().getPreDayStockInfo(9000), 0);
    EXPECT_EQ(db().getNextDayStockInfo(9004), 0);
    EXPECT_EQ(db().getLastDayUpdate(), 9004);
}

TEST_F(StoreTest, CompanyDayReadersAreNamedForTheButtonsThatUseThem) {
    for (int day : {9000, 9003, 9004}) {
        storeQuote(2, day, 7, QStringLiteral("25"));
    }
    EXPECT_EQ(db().getPreDayKQKD(QStringLiteral("7"), 9000), 9003) << "the previous-day button moves to a later day";
    EXPECT_EQ(db().getNextDayKQKD(QStringLiteral("7"), 9003), 9000);
    EXPECT_EQ(db().getNextDayKQKD(QStringLiteral("7"), 9000), 0);
    EXPECT_EQ(db().getPreDayKQKD(QStringLiteral("8"), 9000), 0);
}

TEST_F(StoreTest, LastDataWriterFillsAllSeventeenColumnsAndReplacesTheDay) {
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("AAA"),
                           kAwkward);
    storeQuote(2, 9000, 7, QStringLiteral("24"));
    storeQuote(2, 9000, 7, QStringLiteral("25.5"));
    EXPECT_EQ(db().getCompanyDetailData(QStringLiteral("AAA"), 9000),
              (QStringList{QStringLiteral("AAA"), QStringLiteral("7"), QStringLiteral("2"), QStringLiteral("9000"),
                           QStringLiteral("0.1"), QStringLiteral("0.4"), QStringLiteral("7"), QStringLiteral("25.5"),
                           QStringLiteral("1000"), QStringLiteral("25"), QStringLiteral("25.1"), QStringLiteral("25.5"),
                           QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("26.7"), QStringLiteral("23.3"),
                           QStringLiteral("5"), QStringLiteral("6")}));
}

TEST_F(StoreTest, DetailForALaterDayFallsBackToTheLastStoredDay) {
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("AAA"), {});
    storeQuote(2, 9000, 7, QStringLiteral("24"));
    storeQuote(2, 9001, 7, QStringLiteral("25"));
    const QStringList later = db().getCompanyDetailData(QStringLiteral("AAA"), 9010);
    ASSERT_EQ(later.size(), 18);
    EXPECT_EQ(later.at(3), QStringLiteral("9001"));
    EXPECT_TRUE(db().getCompanyDetailData(QStringLiteral("ZZZ"), 9010).isEmpty());
}

TEST_F(StoreTest, CompanyListOfAWeekendShowsThePrecedingTradingDay) {
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("AAA"), {});
    db().updateCompanyList(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("8"), QStringLiteral("BBB"), {});
    storeIndexDay(2, 9000); // Friday
    storeQuote(2, 9000, 7, QStringLiteral("25"));
    storeQuote(1, 9000, 8, QStringLiteral("12"));
    const QStringList saturday = db().getCompanydataWithDay(2, 9001);
    EXPECT_EQ(saturday, QStringList{QStringLiteral("AAA,7,9000,25,0.1,0.4,1000,150")});
    EXPECT_EQ(db().getCompanydataWithDay(2, 9002), saturday);
    EXPECT_TRUE(db().getCompanydataWithDay(2, 8999).isEmpty());
}

TEST_F(StoreTest, DayResultsAreThatDaysQuotesOfTheExchangeOnly) {
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("BBB"), {});
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("6"), QStringLiteral("AAA"), {});
    db().updateCompanyList(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("8"), QStringLiteral("CCC"), {});
    storeIndexDay(2, 9000);
    storeQuote(2, 9000, 7, QStringLiteral("25"));
    storeQuote(2, 9000, 6, QStringLiteral("26.7"));
    storeQuote(2, 8999, 6, QStringLiteral("24"));
    storeQuote(1, 9000, 8, QStringLiteral("12"));
    EXPECT_EQ(db().getCompanyResultsOfDay(2, 9000),
              (QStringList{QStringLiteral("AAA,6,26.7,0.1,0.4,1000,25,26.7,23.3"),
                           QStringLiteral("BBB,7,25,0.1,0.4,1000,25,26.7,23.3")}));
    EXPECT_EQ(db().getCompanyResultsOfDay(1, 9000), QStringList{QStringLiteral("CCC,8,12,0.1,0.4,1000,25,26.7,23.3")});
    // A weekend day holds no results of its own, whatever the day before holds.
    EXPECT_TRUE(db().getCompanyResultsOfDay(2, 9001).isEmpty());
    // The day's limits of every company, whichever exchange, in one read.
    QStringList limits = db().getPriceLimitsOfDay(9000);
    limits.sort();
    EXPECT_EQ(limits, (QStringList{QStringLiteral("6,25,26.7,23.3"), QStringLiteral("7,25,26.7,23.3"),
                                   QStringLiteral("8,25,26.7,23.3")}));
}

TEST_F(StoreTest, CompanyListReadsTheLatestQuoteDayOfTheExchange) {
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("BBB"), {});
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("6"), QStringLiteral("AAA"), {});
    storeQuote(2, 8999, 7, QStringLiteral("24"));
    storeQuote(2, 9000, 7, QStringLiteral("25"));
    storeQuote(2, 9000, 6, QStringLiteral("26"));
    EXPECT_EQ(db().getCompanydata(2), (QStringList{QStringLiteral("AAA,6,9000,26,0.1,0.4,1000,150"),
                                                   QStringLiteral("BBB,7,9000,25,0.1,0.4,1000,150")}));
    EXPECT_TRUE(db().getCompanydata(1).isEmpty());
}

TEST_F(StoreTest, RelistingACompanyKeepsOneRowAndTheUsersChoice) {
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("8990"), QStringLiteral("7"), QStringLiteral("AAA"), {});
    db().updateVisibleAttr(QStringLiteral("AAA"), QStringLiteral("0"));
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("AAA"),
                           kAwkward);
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("9"), QStringLiteral("CCC"), {});
    EXPECT_EQ(db().getAllCompanyCodeList(2), (QStringList{QStringLiteral("AAA"), QStringLiteral("CCC")}));
    EXPECT_EQ(db().getAllCompanyVisibleAttrList(2), (QStringList{QStringLiteral("0"), QStringLiteral("1")}));
    storeQuote(2, 9000, 7, QStringLiteral("25"));
    EXPECT_EQ(db().getCompanydata(2).size(), 1);
}

TEST_F(StoreTest, CompanyLookups) {
    db().updateCompanyList(QStringLiteral("1"), QStringLiteral("9000"), QStringLiteral("42"), QStringLiteral("ACB"),
                           QStringLiteral("Ngân hàng TMCP Á Châu"));
    EXPECT_EQ(db().getIdFromCode(QStringLiteral("ACB")), QStringLiteral("42"));
    EXPECT_EQ(db().getCodeFromId(QStringLiteral("42")), QStringLiteral("ACB"));
    EXPECT_EQ(db().getStockMarkFromId(QStringLiteral("42")), QStringLiteral("1"));
    EXPECT_TRUE(db().getIdFromCode(QStringLiteral("XYZ")).isNull());
    EXPECT_TRUE(db().getIdFromCode(QString()).isNull());
    EXPECT_TRUE(db().getCodeFromId(QStringLiteral("1")).isNull());
}

TEST_F(StoreTest, GraphCoversThirtyOneDays) {
    db().updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"), QStringLiteral("AAA"), {});
    for (int day = 8960; day <= 9001; ++day) {
        storeQuote(2, day, 7, QStringLiteral("25"));
    }
    const QStringList rows = db().getGraphCompanyData(QStringLiteral("AAA"), 9000);
    ASSERT_EQ(rows.size(), 31);
    EXPECT_EQ(rows.constFirst(), QStringLiteral("8970,25,1000"));
    EXPECT_EQ(rows.constLast(), QStringLiteral("9000,25,1000"));
}

TEST_F(StoreTest, RealtimeAnswersKeepTheirOrderAndAnOrderOfZeroStartsTheDayAfresh) {
    const QString answer = QStringLiteral("KTRPW:0:9000;\n2,40,1001.5,3.2;") + kAwkward;
    db().addRealtimeData(QStringLiteral("9000"), answer, 0);
    db().addRealtimeData(QStringLiteral("9000"), QStringLiteral("second"), 1);
    db().addRealtimeData(QStringLiteral("9000"), QStringLiteral("third"), 2);
    db().addRealtimeData(QStringLiteral("9000"), QStringLiteral("again"), 2);
    EXPECT_EQ(db().getRealtimeData(9000), (QStringList{answer, QStringLiteral("second"), QStringLiteral("again")}));
    EXPECT_EQ(db().getRealtimeData(9005), db().getRealtimeData(9000)) << "a later day reads the latest stored day";
    db().addRealtimeData(QStringLiteral("9000"), QStringLiteral("reloaded"), 0);
    EXPECT_EQ(db().getRealtimeData(9000), QStringList{QStringLiteral("reloaded")});
}

TEST_F(StoreTest, TheFirstAnswerOfADayLeavesTheAnswersOfEarlierDays) {
    db().addRealtimeData(QStringLiteral("8999"), QStringLiteral("morning"), 0);
    db().addRealtimeData(QStringLiteral("8999"), QStringLiteral("close"), 1);
    db().addRealtimeData(QStringLiteral("9000"), QStringLiteral("today"), 0);
    EXPECT_EQ(db().getRealtimeData(8999), (QStringList{QStringLiteral("morning"), QStringLiteral("close")}));
    EXPECT_EQ(db().getRealtimeData(9000), QStringList{QStringLiteral("today")});
    EXPECT_TRUE(db().getRealtimeData(8998).isEmpty());
}

TEST_F(StoreTest, IntradayMinutesFromAMinuteOnAreReplaced) {
    for (int minute = 0; minute < 5; ++minute) {
        db().updateMinuteCompanyData(QStringLiteral("7"), QStringLiteral("9000"), text(minute), QStringLiteral("25"),
                                     QStringLiteral("10"));
    }
    db().updateMinuteCompanyData(QStringLiteral("7"), QStringLiteral("9000"), QStringLiteral("2"),
                                 QStringLiteral("26.5"), QStringLiteral("20"));
    EXPECT_EQ(db().getMinuteCompanyData(QStringLiteral("7")),
              (QStringList{QStringLiteral("7,9000,0,25,10"), QStringLiteral("7,9000,1,25,10"),
                           QStringLiteral("7,9000,2,26.5,20")}));
    EXPECT_TRUE(db().getMinuteCompanyData(QStringLiteral("8")).isEmpty());
}

TEST_F(StoreTest, RealtimeQuoteDropsEarlierDaysMinutesAndStampsTheRest) {
    db().updateMinuteCompanyData(QStringLiteral("7"), QStringLiteral("8999"), QStringLiteral("10"),
                                 QStringLiteral("24"), QStringLiteral("1"));
    db().updateMinuteCompanyData(QStringLiteral("7"), QStringLiteral("0"), QStringLiteral("20"), QStringLiteral("25"),
                                 QStringLiteral("2"));
    db().updateCompanyRealtimeData(
        QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("20"), QStringLiteral("0.5"), QStringLiteral("2"),
        QStringLiteral("7"), QStringLiteral("25"), QStringLiteral("100"), QStringLiteral("24.5"),
        QStringLiteral("24.6"), QStringLiteral("25"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("26.2"),
        QStringLiteral("22.8"), QStringLiteral("3"), QStringLiteral("4"));
    EXPECT_EQ(db().getMinuteCompanyData(QStringLiteral("7")), QStringList{QStringLiteral("7,9000,20,25,2")});
}

TEST_F(StoreTest, DeleteBeforeFullUpdateClearsFromTheDayOn) {
    for (int day : {8999, 9000, 9001}) {
        storeIndexDay(2, day);
        storeQuote(2, day, 7, QStringLiteral("25"));
    }
    db().deleteBeforeFullupdate(9000);
    EXPECT_EQ(db().getLastDayUpdate(), 8999);
    EXPECT_EQ(db().getPreDayKQKD(QStringLiteral("7"), 8998), 8999);
    EXPECT_EQ(db().getPreDayKQKD(QStringLiteral("7"), 8999), 0);
}
