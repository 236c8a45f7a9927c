#include "MarketResultFixture.h"
#include "company/CompanyInfoViewController.h"
#include "market/MarketResultStyle.h"
#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/MainViewController.h"
#include "shell/ScreenStyle.h"

#include <QLabel>
#include <QPushButton>

using testsupport::answer;
using testsupport::droppedAnswer;

namespace {

const QColor kRed = QColor(Qt::red);

// Built by appending: GCC warns falsely about a literal added to a std::string at -O2.
std::string indexRecord(int stockId, const char* fields, int day) {
    std::string record(1, '\n');
    record.append(std::to_string(stockId)).append(",").append(fields).append(",");
    return record.append(std::to_string(day)).append(";");
}

} // namespace

class MarketResultScreenTest : public testsupport::MarketResultTest {};

TEST_F(MarketResultScreenTest, FallShowsRedLabelsAndTheChangeAsReceived) {
    store(kHoSE, kToday, 512.3, 10, QStringLiteral("-3.2"), QStringLiteral("-0.65"), 2500);
    store(kHNX, kToday, 98.7, 4, QStringLiteral("0.8"), QStringLiteral("0.82"), 300);
    market::MarketResultViewController& screen = openScreen();

    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("512.3"));
    EXPECT_EQ(screen.hosePercent()->text(), QStringLiteral("-3.2(-0.65%)"));
    EXPECT_EQ(shell::textColor(screen.hosePoint()), kRed);
    EXPECT_EQ(shell::textColor(screen.hosePercent()), kRed);
    EXPECT_EQ(screen.hoseTotalQuantity()->text(), app().getDecimalString(10) + QStringLiteral(" Tr."));
    EXPECT_EQ(screen.hoseTotalValue()->text(), app().getDecimalString(2500) + QStringLiteral(" Tỷ."));

    EXPECT_EQ(screen.haSTCPoint()->text(), QStringLiteral("98.7"));
    EXPECT_EQ(screen.haSTCPercent()->text(), QStringLiteral("+0.8(+0.82%)"));
    EXPECT_EQ(shell::textColor(screen.haSTCPercent()), shell::darkGreen());
    EXPECT_EQ(shell::darkGreen(), QColor::fromRgbF(0.13F, 0.55F, 0.13F));
    EXPECT_EQ(screen.lbDate()->text(), app().dateFromDay(kToday));
}

TEST_F(MarketResultScreenTest, NoChangeCountsAsARise) {
    store(kHoSE, kToday, 500, 10, QStringLiteral("0"), QStringLiteral("0"));
    market::MarketResultViewController& screen = openScreen();
    EXPECT_EQ(screen.hosePercent()->text(), QStringLiteral("+0(+0%)"));
    EXPECT_EQ(shell::textColor(screen.hosePoint()), shell::darkGreen());
}

TEST_F(MarketResultScreenTest, LabelsShowTheChosenDayWhileTheRangesCoverTheDaysUpToToday) {
    store(kHoSE, kToday - 2, 480, 8);
    store(kHoSE, kToday - 1, 490, 9);
    store(kHoSE, kToday, 520, 14);
    market::MarketResultViewController& screen = openScreen(kToday - 2);

    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("480"));
    EXPECT_EQ(screen.lbDate()->text(), app().dateFromDay(kToday - 2));
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 2);
    EXPECT_FALSE(app().bRealTime());
    EXPECT_FALSE(screen.bParseForDraw());
    EXPECT_EQ(screen.chartView()->maxHoSEPoint(), 520);
    EXPECT_EQ(screen.chartView()->minHoSEPoint(), 480);
    EXPECT_EQ(screen.chartView()->maxHoSEHeight(), 14);
    EXPECT_EQ(screen.chartView()->minHoSEHeight(), 8);
}

TEST_F(MarketResultScreenTest, UserLabelShowsTheNameOnlyWhenLoggedIn) {
    market::MarketResultViewController& screen = openScreen();
    EXPECT_EQ(screen.lbUser()->text(), QString());
    navigator().pop(false);
    app().setIsAuthenticated(true);
    app().setUsername(QStringLiteral("hung"));
    openScreen();
    EXPECT_EQ(screen.lbUser()->text(), QStringLiteral("[ hung ]"));
}

TEST_F(MarketResultScreenTest, GoNextStepsToTheEarlierStoredDayAndStopsAtTheOldest) {
    store(kHoSE, kToday - 5, 470, 7);
    store(kHoSE, kToday - 2, 480, 8);
    market::MarketResultViewController& screen = openScreen(kToday - 2);

    screen.goNext();
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 5);
    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("470"));

    screen.goNext();
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 5);
    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("470"));
    EXPECT_TRUE(screenIsShown());
}

TEST_F(MarketResultScreenTest, GoBackStepsToTheLaterStoredDayAndLeavesAfterTheNewest) {
    store(kHoSE, kToday - 5, 470, 7);
    store(kHoSE, kToday - 2, 480, 8);
    market::MarketResultViewController& screen = openScreen(kToday - 5);

    screen.goBack();
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 2);
    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("480"));
    EXPECT_TRUE(screenIsShown());

    screen.goBack();
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 2);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

TEST_F(MarketResultScreenTest, AStoredDayAfterTodayBringsTheChosenDayBackToToday) {
    store(kHoSE, kToday, 480, 8);
    store(kHoSE, kToday + 1, 490, 9);
    market::MarketResultViewController& screen = openScreen(kToday);
    screen.goBack();
    EXPECT_EQ(app().currentMarketResultDayView(), kToday);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

TEST_F(MarketResultScreenTest, LeftAndRightKeysStepTheDay) {
    store(kHoSE, kToday - 3, 470, 7);
    store(kHoSE, kToday - 1, 480, 8);
    store(kHoSE, kToday, 490, 9);
    openScreen(kToday - 1);
    EXPECT_TRUE(navigator().dispatchKey(Qt::Key_Left));
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 3);
    EXPECT_TRUE(navigator().dispatchKey(Qt::Key_Right));
    EXPECT_EQ(app().currentMarketResultDayView(), kToday - 1);
}

TEST_F(MarketResultScreenTest, ReloadStoresTheAnswerAndRefreshesTheLabels) {
    const std::string body = "KTRPW:0:" + std::to_string(kToday) + ";" +
                             indexRecord(kHoSE, "-1.25,-0.25,150,499.75,501,3200.5,15.5", kToday) +
                             indexRecord(kHNX, "0.5,0.5,150,101.5,101,400,3.5", kToday) + "\n";
    m_server.set("/KTRPW/default.aspx", answer(body));
    market::MarketResultViewController& screen = openScreen();

    screen.reload();
    EXPECT_TRUE(screen.actNetwork()->isAnimating());
    ASSERT_TRUE(waitFor([&screen] { return !screen.actNetwork()->isAnimating(); }));

    EXPECT_EQ(m_server.requestTargets().back(), "/KTRPW/default.aspx?type=1&lastupdate=9000&imei=device-1");
    EXPECT_EQ(app().db()->getLastDayUpdate(), kToday);
    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("499.75"));
    EXPECT_EQ(screen.hosePercent()->text(), QStringLiteral("-1.25(-0.25%)"));
    EXPECT_EQ(screen.haSTCPercent()->text(), QStringLiteral("+0.5(+0.5%)"));
    EXPECT_FALSE(screen.bParseForDraw());
}

TEST_F(MarketResultScreenTest, ReloadFromLastAsksForTheLastStoredDay) {
    store(kHoSE, kToday - 4, 470, 7);
    m_server.set("/KTRPW/default.aspx", answer("KTRPW:0:0;"));
    market::MarketResultViewController& screen = openScreen();
    screen.reloadfromLast();
    ASSERT_TRUE(waitFor([&screen] { return !screen.actNetwork()->isAnimating(); }));
    EXPECT_EQ(m_server.requestTargets().back(), "/KTRPW/default.aspx?type=1&lastupdate=8996&imei=device-1");
}

TEST_F(MarketResultScreenTest, FailedReloadShowsTheConnectionAlertAndStopsTheIndicator) {
    store(kHoSE, kToday, 480, 8);
    m_server.set("/KTRPW/default.aspx", droppedAnswer());
    market::MarketResultViewController& screen = openScreen();
    screen.reload();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_FALSE(screen.actNetwork()->isAnimating());
    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("480"));
}

TEST_F(MarketResultScreenTest, ResultsLoadedForAnotherScreenAreNotThisScreensBusiness) {
    store(kHoSE, kToday, 480, 8);
    market::MarketResultViewController& screen = openScreen();
    store(kHoSE, kToday, 490, 9);
    Q_EMIT app().marketResultsLoaded(true);
    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("480"));
}

TEST_F(MarketResultScreenTest, ExchangeSelectorSwapsTheBlueBackground) {
    market::MarketResultViewController& screen = openScreen();
    EXPECT_EQ(screen.selectedButton(), 1);
    EXPECT_EQ(market::buttonBackground(screen.btHoSe()), QColor(Qt::blue));
    EXPECT_EQ(market::buttonBackground(screen.btHNX()), QColor(Qt::transparent));

    screen.goUpDown();
    EXPECT_EQ(screen.selectedButton(), 0);
    EXPECT_EQ(market::buttonBackground(screen.btHoSe()), QColor(Qt::transparent));
    EXPECT_EQ(market::buttonBackground(screen.btHNX()), QColor(Qt::blue));

    screen.btHNX()->click();
    EXPECT_EQ(screen.selectedButton(), 0);
    screen.btHoSe()->click();
    EXPECT_EQ(screen.selectedButton(), 1);
    EXPECT_EQ(market::buttonBackground(screen.btHoSe()), QColor(Qt::blue));
}

TEST_F(MarketResultScreenTest, CompanyButtonsOpenThePastDayListOfTheirExchange) {
    market::MarketResultViewController& screen = openScreen(kToday - 3);
    ASSERT_TRUE(screen.btCompanyHaSTC()->isEnabled());
    screen.btCompanyHaSTC()->click();
    auto* list = app().cachedScreen<company::CompanyInfoViewController>();
    EXPECT_EQ(navigator().topController(), list);
    EXPECT_EQ(list->marketStockId(), kHNX);
    EXPECT_EQ(list->infoDay(), kToday - 3);
    EXPECT_FALSE(list->isRealtime());
    navigator().pop(false);
    ASSERT_TRUE(screen.btCompanyHoSE()->isEnabled());
    screen.btCompanyHoSE()->click();
    EXPECT_EQ(list->marketStockId(), kHoSE);
}

TEST_F(MarketResultScreenTest, MenuOpensTheGeneralMenuAndItsItemsGoThroughTheMainMenu) {
    market::MarketResultViewController& screen = openScreen();
    screen.goMenu();
    EXPECT_TRUE(app().menu()->isShowing());
    EXPECT_EQ(app().menu()->parentContext(), QString());
    EXPECT_EQ(app().menu()->parentDelegate(), &screen);
    screen.menuContextCallBack(1);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

TEST_F(MarketResultScreenTest, HomeAndBackLeaveTheScreen) {
    market::MarketResultViewController& screen = openScreen();
    screen.goRealTime();
    EXPECT_EQ(navigator().topController(), app().mainViewController());
    openScreen();
    screen.goHome();
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}
