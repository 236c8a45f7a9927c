#include "WorldFixture.h"
#include "shell/LiveRefresh.h"
#include "ui/RowTable.h"
#include "world/ExchangeViewController.h"
#include "world/GoodsViewController.h"
#include "world/WorldStockViewController.h"

#include <QLabel>
#include <QPushButton>

using testsupport::answer;
using testsupport::droppedAnswer;
using testsupport::WorldTest;
using world::ExchangeViewController;
using world::GoodsViewController;
using world::PriceRow;
using world::WorldStockViewController;

namespace {

const QColor kGreen(Qt::green);
const QColor kRed(Qt::red);

} // namespace

// ---- world indices ---------------------------------------------------------------------------

class WorldStockTest : public WorldTest {
protected:
    void storeIndex(int id, int day, int minute, const char* point, const char* change, const char* percent) {
        app().db()->updateWorldStock(QString::number(id), QString::number(day), QString::number(minute),
                                     QString::fromLatin1(point), QString::fromLatin1(change),
                                     QString::fromLatin1(percent));
    }
};

TEST_F(WorldStockTest, FlagsAndValueTexts) {
    EXPECT_EQ(WorldStockViewController::flagOf(2), QStringLiteral("Flag_US.png"));
    EXPECT_EQ(WorldStockViewController::flagOf(10), QStringLiteral("Flag_CN.png"));
    EXPECT_EQ(WorldStockViewController::flagOf(11), QString());
    EXPECT_EQ(WorldStockViewController::valueText(QStringLiteral("234.5")), QStringLiteral("234.50"));
    EXPECT_EQ(WorldStockViewController::valueText(QStringLiteral("234.56")), QStringLiteral("234.56"));
    // A whole value is not multiplied by ten with an added "0".
    EXPECT_EQ(WorldStockViewController::valueText(QStringLiteral("13522")), QStringLiteral("13,522"));
}

TEST_F(WorldStockTest, RowsShowTheStoredValuesWithDashesForNoChange) {
    storeIndex(1, kToday, 600, "13522.31", "0", "0");
    storeIndex(2, kToday, 590, "1304.5", "-12.5", "-0.95");
    auto& screen = open<WorldStockViewController>();
    ASSERT_EQ(screen.rows().size(), 2U);
    const PriceRow& flat = screen.rows().at(0);
    EXPECT_EQ(flat.name, QStringLiteral("Dow Jones"));
    EXPECT_EQ(flat.image, QStringLiteral("Flag_US.png"));
    EXPECT_EQ(flat.figures.at(0).text, QStringLiteral("13,522.31"));
    EXPECT_EQ(flat.figures.at(1).text, QStringLiteral("--"));
    EXPECT_EQ(flat.figures.at(2).text, QStringLiteral("--"));
    const PriceRow& fall = screen.rows().at(1);
    EXPECT_EQ(fall.figures.at(0).text, QStringLiteral("1,304.50"));
    EXPECT_EQ(fall.figures.at(1).text, QStringLiteral("-12.5"));
    EXPECT_EQ(fall.figures.at(1).color, kRed);
    EXPECT_EQ(fall.figures.at(2).color, kRed);
    // The second row, of today, gives the time of its value.
    EXPECT_EQ(screen.lbDate()->text(), QStringLiteral("09:50"));
    EXPECT_FALSE(screen.tbView()->isHidden());
    EXPECT_EQ(requestsWith("type=3"), 0);
}

TEST_F(WorldStockTest, TheDateComesFromTheSecondRowOnly) {
    storeIndex(3, kToday - 1, 900, "2836.15", "1", "0.1");
    auto& screen = open<WorldStockViewController>();
    EXPECT_EQ(screen.lbDate()->text(), QString());
    storeIndex(1, kToday - 2, 900, "13522.31", "1", "0.1");
    screen.toggleOC();
    screen.toggleEU();
    // Newest first: the row of the day before today is second.
    EXPECT_EQ(screen.lbDate()->text(), app().dateFromDay(kToday - 2));
}

TEST_F(WorldStockTest, GroupSwitchesShowTheOtherGroupOnce) {
    storeIndex(1, kToday, 600, "13522.31", "1", "0.1");
    storeIndex(7, kToday, 600, "21589.67", "105.76", "0.49");
    auto& screen = open<WorldStockViewController>();
    screen.toggleEU();
    EXPECT_EQ(screen.continent(), WorldStockViewController::kEurope);
    EXPECT_TRUE(screen.btEU()->isHidden());
    EXPECT_FALSE(screen.btOc()->isHidden());
    EXPECT_TRUE(screen.ck_ca()->isHidden());
    ASSERT_EQ(screen.rows().size(), 1U);
    EXPECT_EQ(screen.rows().at(0).name, QStringLiteral("Dow Jones"));
    screen.btOc()->click();
    EXPECT_EQ(screen.continent(), WorldStockViewController::kOcean);
    EXPECT_FALSE(screen.btEU()->isHidden());
    EXPECT_TRUE(screen.btOc()->isHidden());
    EXPECT_FALSE(screen.ck_ca()->isHidden());
    ASSERT_EQ(screen.rows().size(), 1U);
    EXPECT_EQ(screen.rows().at(0).name, QStringLiteral("Hang Seng"));
}

TEST_F(WorldStockTest, AReloadStoresTheSixFieldRecordsOfASuccess) {
    m_server.set("/KTRPW/realtime.aspx",
                 answer(body(0, kToday,
                             {"1,9000,600,13522.31,57.76,0.43", "2,9000,610,1304.61,-4.59,-0.35", "3,9000,600,1",
                              "4,9000,600,5898.46,16.60,0.28,9"})));
    auto& screen = open<WorldStockViewController>();
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    screen.reload();
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    ASSERT_EQ(screen.rows().size(), 2U);
    EXPECT_EQ(screen.rows().at(0).name, QStringLiteral("S&P 500"));
    EXPECT_EQ(screen.rows().at(1).figures.at(1).text, QStringLiteral("57.76"));
    EXPECT_EQ(requestsWith("realtime.aspx?type=3&imei=device-1"), 2);
}

TEST_F(WorldStockTest, AnErrorAnswerStoresNothingAndAFailureAlertsAndKeepsTheStore) {
    storeIndex(1, kToday, 600, "13522.31", "1", "0.1");
    auto& screen = open<WorldStockViewController>();
    m_server.set("/KTRPW/realtime.aspx", answer(body(3, kToday, {"2,9000,610,1304.61,-4.59,-0.35"})));
    screen.reload();
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    EXPECT_EQ(screen.rows().size(), 1U);
    EXPECT_FALSE(alerts().isShowing());

    m_server.set("/KTRPW/realtime.aspx", droppedAnswer());
    screen.reload();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_EQ(screen.rows().size(), 1U);
}

TEST_F(WorldStockTest, LiveModeRefreshesOnTheTimerUntilTheScreenLeaves) {
    m_server.set("/KTRPW/realtime.aspx", answer(body(0, kToday, {"1,9000,600,13522.31,57.76,0.43"})));
    auto& screen = open<WorldStockViewController>();
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    const int before = requestsWith("type=3");
    screen.toggleAnimation();
    EXPECT_TRUE(app().bRealTime());
    EXPECT_TRUE(screen.liveRefresh().isRefreshing());
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    scheduler().advance(app().timeRealtime());
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    EXPECT_EQ(requestsWith("type=3"), before + 2);
    navigator().pop(false);
    EXPECT_FALSE(screen.liveRefresh().isRefreshing());
    EXPECT_FALSE(screen.liveRefresh().isAnimating());
    // Shown again, the screen starts with live mode off.
    navigator().push(&screen, false);
    EXPECT_FALSE(app().bRealTime());
}

// ---- commodities -----------------------------------------------------------------------------

class GoodsTest : public WorldTest {
protected:
    void storeGoods(int id, int day, int minute, const char* price, const char* change, const char* percent) {
        app().db()->updateGoods(QString::number(id), QString::number(day), QString::number(minute),
                                QString::fromLatin1(price), QString::fromLatin1(change), QString::fromLatin1(percent));
    }
};

// The day stored is each record's own: a price of yesterday must not read as today's or the
// reverse.
TEST_F(GoodsTest, EachPriceIsStoredUnderItsOwnDay) {
    m_server.set("/KTRPW/realtime.aspx", answer(body(0, 3650,
                                                     {"3650,600,1,75.32,-0.11,-0.15", "3649,1410,2,122.86,2.56,2.13",
                                                      "3650,610,3,3.058,0.036,1.19"})));
    auto& screen = open<GoodsViewController>();
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    const QStringList stored = app().db()->getGoods();
    ASSERT_EQ(stored.size(), 3);
    EXPECT_TRUE(stored.at(0).startsWith(QStringLiteral("1,Dầu thô WTI,3650,600,")));
    EXPECT_TRUE(stored.at(1).startsWith(QStringLiteral("2,Dầu Brent,3649,1410,")));
    EXPECT_TRUE(stored.at(2).startsWith(QStringLiteral("3,Khí thiên nhiên,3650,610,")));
}

TEST_F(GoodsTest, NoChangeReadsDashesInGreenAndNoPriceReadsDashes) {
    storeGoods(4, kToday, 600, "1671.99", "0", "0.00");
    storeGoods(5, kToday, 600, "0", "-0.5", "-1.2");
    auto& screen = open<GoodsViewController>();
    ASSERT_EQ(screen.rows().size(), 2U);
    const PriceRow& gold = screen.rows().at(0);
    EXPECT_EQ(gold.figures.at(0).text, QStringLiteral("1,671.99"));
    EXPECT_EQ(gold.figures.at(1).text, QStringLiteral("--"));
    EXPECT_EQ(gold.figures.at(2).text, QStringLiteral("--"));
    EXPECT_EQ(gold.figures.at(1).color, kGreen);
    EXPECT_EQ(gold.figures.at(2).color, kGreen);
    const PriceRow& silver = screen.rows().at(1);
    EXPECT_EQ(silver.figures.at(0).text, QStringLiteral("--"));
    EXPECT_EQ(silver.figures.at(1).text, QStringLiteral("-0.5"));
    EXPECT_EQ(silver.figures.at(2).color, kRed);
}

TEST_F(GoodsTest, TheLastRowGivesTheLaterDayOfItselfAndTheRowTwoAbove) {
    storeGoods(1, kToday, 600, "75", "1", "1");
    storeGoods(2, kToday - 1, 1410, "122", "1", "1");
    storeGoods(3, kToday - 1, 1380, "3", "1", "1");
    auto& screen = open<GoodsViewController>();
    // Row 2 is of yesterday, but row 0 (two above) is of today: the time of row 2 is shown.
    EXPECT_EQ(screen.lbDate()->text(), QStringLiteral("23:00"));
    storeGoods(4, kToday - 1, 1380, "1600", "1", "1");
    screen.reload();
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    EXPECT_EQ(screen.lbDate()->text(), app().dateFromDay(kToday - 1));
}

// ---- exchange rates --------------------------------------------------------------------------

class ExchangeTest : public WorldTest {
protected:
    void storeRate(int id, int day, int minute, const char* price, const char* buy, const char* sell) {
        app().db()->updateExchange(QString::number(id), QString::number(day), QString::number(minute),
                                   QString::fromLatin1(price), QString::fromLatin1(buy), QString::fromLatin1(sell));
    }
};

TEST_F(ExchangeTest, IconsByCurrency) {
    EXPECT_EQ(ExchangeViewController::iconOf(13), QStringLiteral("dolla.png"));
    EXPECT_EQ(ExchangeViewController::iconOf(14), QStringLiteral("chf.png"));
    EXPECT_EQ(ExchangeViewController::iconOf(8), QString());
}

TEST_F(ExchangeTest, BankRatesAreGroupedAndWorldRatesShownAsStored) {
    storeRate(9, kToday, 600, "21000", "0", "21010.5");
    storeRate(1, kToday, 600, "21000", "1.2826", "0");
    auto& screen = open<ExchangeViewController>();
    ASSERT_EQ(screen.rows().size(), 1U);
    const PriceRow& usd = screen.rows().at(0);
    EXPECT_EQ(usd.image, QStringLiteral("dolla.png"));
    EXPECT_EQ(usd.figures.at(0).text, QStringLiteral("21,000"));
    EXPECT_EQ(usd.figures.at(1).text, QStringLiteral("-"));
    EXPECT_EQ(usd.figures.at(2).text, QStringLiteral("21,010.5"));
    screen.toggleOC();
    EXPECT_EQ(screen.continent(), ExchangeViewController::kWorld);
    ASSERT_EQ(screen.rows().size(), 1U);
    const PriceRow& pair = screen.rows().at(0);
    EXPECT_EQ(pair.image, QString());
    EXPECT_EQ(pair.figures.at(0).text, QStringLiteral("21000"));
    EXPECT_EQ(pair.figures.at(1).text, QStringLiteral("1.2826"));
    EXPECT_EQ(pair.figures.at(2).text, QStringLiteral("-"));
    EXPECT_FALSE(screen.btEU()->isHidden());
    EXPECT_TRUE(screen.btOc()->isHidden());
}

TEST_F(ExchangeTest, TheDateLabelTakesTheLatestMinuteAfterTheFirstRow) {
    storeRate(9, kToday, 600, "21000", "20980", "21020");
    auto& screen = open<ExchangeViewController>();
    EXPECT_EQ(screen.lbDate()->text(), QString());
    storeRate(10, kToday, 540, "27000", "26900", "27100");
    screen.toggleOC();
    screen.toggleEU();
    // The first row's 10:00 is the latest minute seen.
    EXPECT_EQ(screen.lbDate()->text(), QStringLiteral("10:00"));
    EXPECT_EQ(screen.minute(), 600);
    storeRate(11, kToday - 3, 500, "250", "249", "251");
    screen.toggleOC();
    screen.toggleEU();
    EXPECT_EQ(screen.lbDate()->text(), app().dateFromDay(kToday - 3));
}

TEST_F(ExchangeTest, AFailedTransferLeavesTheListAsItIs) {
    storeRate(9, kToday, 600, "21000", "20980", "21020");
    auto& screen = open<ExchangeViewController>();
    storeRate(10, kToday, 600, "27000", "26900", "27100");
    m_server.set("/KTRPW/realtime.aspx", droppedAnswer());
    screen.reload();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_EQ(screen.rows().size(), 1U);
}
