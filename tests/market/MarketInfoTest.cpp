#include "company/CompanyInfoViewController.h"
#include "market/MarketHistoryViewController.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "market/MarketResultViewController.h"
#include "market/MarketScreens.h"
#include "server/ScriptedServer.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "shell/ScreenStyle.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/LiveModeButton.h"

#include <QLabel>
#include <QPushButton>

using market::MarketInfoView;
using market::MarketInfoViewController;
using testsupport::answer;
using testsupport::droppedAnswer;
using testsupport::ShellTest;

namespace {

QString minuteRecord(int stockId, int minute, double point, double bar) {
    return QStringLiteral("\n%1,%2,%3,%4").arg(stockId).arg(minute).arg(point).arg(bar);
}

QString indexRecord(int stockId, const QString& differ, const QString& percent, int revision, int day) {
    return QStringLiteral("\n%1,%2,%3,%4,1012.5,1000,1234.5,56.7,%5")
        .arg(stockId)
        .arg(differ, percent)
        .arg(revision)
        .arg(day);
}

/// An answer of the overview feed: the header, then the records, each ended by ";".
QString feedAnswer(int day, const QStringList& records, int status = 0) {
    QString text = QStringLiteral("KTRPW:%1:%2;").arg(status).arg(day);
    for (const QString& record : records) {
        text += record + QLatin1Char(';');
    }
    return text;
}

} // namespace

class MarketInfoTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        m_screen = app().cachedScreen<MarketInfoViewController>();
        m_screen->view();
    }

    /// A fresh answer from the scripted service through the refresh tick.
    void refreshWith(const QString& body) {
        m_server.set("/KTRPW/realtime.aspx", answer(body.toStdString()));
        app().setBRealTime(true);
        m_screen->targetMethod();
        ASSERT_TRUE(waitFor([this] { return !m_screen->isRequestOutstanding(); }));
    }

    QStringList stored() { return app().db()->getRealtimeData(app().currentDay()); }

    sim::ScriptedServer m_server;
    MarketInfoViewController* m_screen = nullptr;
};

TEST_F(MarketInfoTest, AMinuteRecordBehindALineBreakIsReadById) {
    const int day = app().currentDay();
    m_screen->parseMarKetInfo(feedAnswer(day, {minuteRecord(2, 40, 1005.5, 7.25), minuteRecord(1, 40, 250.5, 3)}));
    MarketInfoView* chart = m_screen->chartView();
    EXPECT_FLOAT_EQ(chart->maxHoSEPoint(), 1005.5F);
    EXPECT_FLOAT_EQ(chart->minHoSEPoint(), 1005.5F);
    EXPECT_FLOAT_EQ(chart->maxHoSEHeight(), 7.25F);
    EXPECT_FLOAT_EQ(chart->maxHaSTCPoint(), 250.5F);
    EXPECT_FLOAT_EQ(chart->minHaSTCHeight(), 3.0F);
    EXPECT_FALSE(m_screen->isErr());
}

TEST_F(MarketInfoTest, RangesWidenOnlyInsideTheLaterExchangeMinute) {
    const int day = app().currentDay();
    // HNX minute 120 is past the HoSE session, so the HoSE record after it widens nothing.
    m_screen->parseMarKetInfo(feedAnswer(day, {minuteRecord(1, 120, 250, 3), minuteRecord(2, 40, 1005, 7)}));
    MarketInfoView* chart = m_screen->chartView();
    EXPECT_FLOAT_EQ(chart->maxHoSEPoint(), 0.0F);
    EXPECT_FLOAT_EQ(chart->minHoSEPoint(), 50000.0F);
    EXPECT_FLOAT_EQ(chart->maxHaSTCPoint(), 250.0F);
}

TEST_F(MarketInfoTest, AHeaderWithoutStatusIsAnErrorAndNothingIsUsed) {
    m_screen->parseMarKetInfo(QStringLiteral("garbage,1,2,3;\n1,40,250,3"));
    EXPECT_TRUE(m_screen->isErr());
    EXPECT_FLOAT_EQ(m_screen->chartView()->maxHaSTCPoint(), 0.0F);
}

TEST_F(MarketInfoTest, AnErrorAnswerChangesLabelsButIsNeitherStoredNorDrawn) {
    const int day = app().currentDay();
    m_screen->DidFinishRequest(
        feedAnswer(day, {minuteRecord(1, 10, 250, 3), indexRecord(1, "1", "0.4", 10, day)}).toUtf8());
    ASSERT_EQ(m_screen->order(), 1);
    const int redraws = m_screen->chartView()->displayRequestCount();

    m_screen->DidFinishRequest(
        feedAnswer(day, {indexRecord(2, "-3", "-0.3", 12, day), minuteRecord(1, 11, 251, 4)}, 1).toUtf8());
    EXPECT_TRUE(m_screen->isErr());
    EXPECT_EQ(m_screen->hosePoint()->text(), QStringLiteral("1012.5"));
    EXPECT_EQ(m_screen->order(), 1);
    EXPECT_EQ(stored().size(), 1);
    EXPECT_EQ(app().realDataArr().size(), 1);
    EXPECT_EQ(m_screen->chartView()->displayRequestCount(), redraws);
    EXPECT_FLOAT_EQ(m_screen->chartView()->maxHaSTCPoint(), 251.0F);
}

TEST_F(MarketInfoTest, SuccessfulAnswersAreStoredUnderRisingOrder) {
    const int day = app().currentDay();
    const int redraws = m_screen->chartView()->displayRequestCount();
    m_screen->DidFinishRequest(feedAnswer(day, {minuteRecord(1, 10, 250, 3)}).toUtf8());
    m_screen->DidFinishRequest(feedAnswer(day, {minuteRecord(1, 11, 251, 4)}).toUtf8());
    EXPECT_EQ(m_screen->order(), 2);
    const QStringList texts = stored();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts.at(1).contains(QStringLiteral("1,11,251,4")));
    EXPECT_EQ(m_screen->chartView()->displayRequestCount(), redraws + 2);
}

TEST_F(MarketInfoTest, AFailedTransferShowsTheAlertAndChangesNothing) {
    m_screen->DidFinishRequest(std::nullopt);
    EXPECT_TRUE(alerts().isShowing());
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Lỗi kết nối dữ liệu"));
    EXPECT_EQ(alerts().currentButtons(), QStringList{QStringLiteral("OK")});
    EXPECT_EQ(m_screen->order(), 0);
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(MarketInfoTest, AFallReadsAsReceivedInRed) {
    const int day = app().currentDay();
    m_screen->parseMarKetInfo(feedAnswer(day, {indexRecord(2, "-2.5", "-0.51", 40, day)}));
    EXPECT_EQ(m_screen->hosePercent()->text(), QStringLiteral("-2.5(-0.51%)"));
    EXPECT_EQ(shell::textColor(m_screen->hosePercent()), QColor(Qt::red));
    EXPECT_EQ(shell::textColor(m_screen->hosePoint()), QColor(Qt::red));
    EXPECT_EQ(m_screen->hosePoint()->text(), QStringLiteral("1012.5"));
    EXPECT_EQ(m_screen->hoseTotalQuantity()->text(), QStringLiteral("56.7 Tr."));
    EXPECT_EQ(m_screen->hoseTotalValue()->text(), app().getDecimalString(1234.5) + QStringLiteral(" Tỷ."));
    EXPECT_TRUE(m_screen->hosePoint()->font().bold());
    EXPECT_EQ(m_screen->haSTCPercent()->text(), QString());
}

TEST_F(MarketInfoTest, NoChangeReadsAsARiseInGreen) {
    const int day = app().currentDay();
    m_screen->parseMarKetInfo(feedAnswer(day, {indexRecord(1, "0", "0", 40, day)}));
    EXPECT_EQ(m_screen->haSTCPercent()->text(), QStringLiteral("+0(+0%)"));
    EXPECT_EQ(shell::textColor(m_screen->haSTCPercent()), QColor(Qt::green));
    EXPECT_EQ(shell::textColor(m_screen->haSTCPoint()), QColor(Qt::green));
    EXPECT_FLOAT_EQ(m_screen->chartView()->yesterdayHaPoint(), 1000.0F);
    EXPECT_EQ(m_screen->hosePercent()->text(), QString());
}

TEST_F(MarketInfoTest, AFreshRevisionAdvancesAndStopsAt150) {
    const int day = app().currentDay();
    refreshWith(feedAnswer(day, {minuteRecord(1, 60, 250, 3), indexRecord(1, "1", "0.4", 60, day)}));
    EXPECT_EQ(app().iLastRevision(), 60);
    EXPECT_EQ(m_screen->timeLabel()->text(), app().timeFromLastUpdate(60));
    refreshWith(feedAnswer(day, {minuteRecord(1, 149, 250, 3), indexRecord(1, "1", "0.4", 170, day)}));
    EXPECT_EQ(app().iLastRevision(), 150);
}

TEST_F(MarketInfoTest, AnAnswerOfIndexRecordsOnlyDoesNotAdvanceTheRevision) {
    const int day = app().currentDay();
    app().setILastRevision(20);
    refreshWith(feedAnswer(day, {indexRecord(1, "1", "0.4", 80, day), indexRecord(2, "1", "0.1", 80, day)}));
    EXPECT_EQ(app().iLastRevision(), 20);
    EXPECT_EQ(m_screen->order(), 1);
}

TEST_F(MarketInfoTest, AReplayedAnswerSetsTheRevisionBackToZero) {
    const int day = app().currentDay();
    app().setILastRevision(70);
    m_screen->parseMarKetInfo(feedAnswer(day, {minuteRecord(1, 60, 250, 3), indexRecord(1, "1", "0.4", 60, day)}));
    EXPECT_FALSE(m_screen->bRealTime());
    EXPECT_EQ(app().iLastRevision(), 0);
}

TEST_F(MarketInfoTest, AnotherDaysIndexRecordShowsItsDateAndStartsTheDayAfresh) {
    const int day = app().currentDay();
    m_screen->DidFinishRequest(feedAnswer(day, {minuteRecord(1, 10, 250, 3)}).toUtf8());
    m_screen->DidFinishRequest(feedAnswer(day, {minuteRecord(1, 11, 251, 3)}).toUtf8());
    app().setILastRevision(11);

    m_screen->parseMarKetInfo(feedAnswer(day, {minuteRecord(1, 60, 250, 3), indexRecord(1, "1", "0.4", 60, day - 3)}));
    EXPECT_EQ(m_screen->timeLabel()->text(), app().dateFromDay(day - 3));
    EXPECT_EQ(m_screen->timeLabel()->text().size(), 8); // dd/MM/yy
    EXPECT_EQ(app().iLastRevision(), 0);
    EXPECT_EQ(m_screen->order(), 0);

    m_screen->DidFinishRequest(feedAnswer(day, {minuteRecord(1, 12, 252, 3)}).toUtf8());
    EXPECT_EQ(stored().size(), 1);
}

TEST_F(MarketInfoTest, ASecondTapOnACompanyListDoesNothingUntilTheScreenShowsAgain) {
    app().setCurrentDay(8123);
    navigator().push(m_screen, false);
    QPushButton* hose = testsupport::buttonOf(*m_screen, QStringLiteral("CP HoSE"));
    QPushButton* hnx = testsupport::buttonOf(*m_screen, QStringLiteral("CP HNX"));
    ASSERT_TRUE(hose && hnx);
    hose->click();
    EXPECT_EQ(m_screen->iPressCount(), 1);
    auto* list = app().cachedScreen<company::CompanyInfoViewController>();
    EXPECT_EQ(navigator().topController(), list);
    EXPECT_EQ(list->marketStockId(), company::CompanyInfoViewController::kHoSE);
    EXPECT_EQ(list->infoDay(), 8123);
    EXPECT_TRUE(list->isRealtime());
    hose->click();
    hnx->click();
    EXPECT_EQ(m_screen->iPressCount(), 3);
    EXPECT_EQ(list->marketStockId(), company::CompanyInfoViewController::kHoSE);
    navigator().pop(false);
    EXPECT_EQ(m_screen->iPressCount(), 0);
    hnx->click();
    EXPECT_EQ(list->marketStockId(), company::CompanyInfoViewController::kHNX);
}

TEST_F(MarketInfoTest, TheAnimationCountsOneToThirtySixThenZero) {
    app().setBRealTime(true);
    m_screen->animationLoop();
    EXPECT_EQ(m_screen->animationCount(), 0);
    for (int frame = 1; frame <= 36; ++frame) {
        scheduler().advance(0.15);
        ASSERT_EQ(m_screen->animationCount(), frame);
    }
    scheduler().advance(0.15);
    EXPECT_EQ(m_screen->animationCount(), 0);
    scheduler().advance(0.15);
    EXPECT_EQ(m_screen->animationCount(), 1);
    EXPECT_EQ(m_screen->releadBt()->frame(), 1);
    app().setBRealTime(false);
    scheduler().advance(0.15);
    EXPECT_EQ(m_screen->animationCount(), 1);
}

TEST_F(MarketInfoTest, TheRequestIdentifiesByDeviceBeforeLoginAndBySessionAfter) {
    refreshWith(feedAnswer(app().currentDay(), {}));
    app().setIsAuthenticated(true);
    app().setSession(QStringLiteral("s-42"));
    refreshWith(feedAnswer(app().currentDay(), {}));
    const std::vector<std::string> targets = m_server.requestTargets();
    ASSERT_EQ(targets.size(), 2U);
    EXPECT_EQ(targets[0], "/KTRPW/realtime.aspx?type=1&lastupdate=0&imei=device-1");
    EXPECT_EQ(targets[1], "/KTRPW/realtime.aspx?type=1&lastupdate=0&session=s-42");
}

TEST_F(MarketInfoTest, ReloadAsksForTheWholeDayAndReplacesWhatIsStored) {
    const int day = app().currentDay();
    m_screen->DidFinishRequest(feedAnswer(day, {minuteRecord(1, 10, 250, 3)}).toUtf8());
    m_screen->DidFinishRequest(feedAnswer(day, {minuteRecord(1, 11, 251, 3)}).toUtf8());
    app().setILastRevision(11);
    m_server.set("/KTRPW/realtime.aspx", answer(feedAnswer(day, {minuteRecord(1, 12, 252, 3)}).toStdString()));
    m_screen->reloadData();
    ASSERT_TRUE(waitFor([this] { return !m_screen->isRequestOutstanding(); }));
    EXPECT_EQ(m_server.requestTargets().back(), "/KTRPW/realtime.aspx?type=1&lastupdate=0&imei=device-1");
    EXPECT_EQ(stored().size(), 1);
    EXPECT_EQ(m_screen->order(), 1);
}

TEST_F(MarketInfoTest, ShowingTheScreenReplaysTheStoredDayAndLiveModeStartsTheRefresh) {
    const int day = app().currentDay();
    app().db()->addRealtimeData(QString::number(app().dateDiffFromNow()),
                                feedAnswer(day, {minuteRecord(1, 30, 250, 3), indexRecord(1, "-1", "-0.1", 30, day)}),
                                0);
    m_server.set("/KTRPW/realtime.aspx", answer(feedAnswer(day, {}).toStdString()));
    app().setBRealTime(true);
    navigator().push(m_screen, false);
    EXPECT_EQ(m_screen->haSTCPercent()->text(), QStringLiteral("-1(-0.1%)"));
    EXPECT_TRUE(m_screen->liveRefresh().isRefreshing());
    EXPECT_TRUE(m_screen->liveRefresh().isAnimating());
    ASSERT_TRUE(waitFor([this] { return !m_screen->isRequestOutstanding(); }));
    EXPECT_EQ(m_server.requestTargets().front(), "/KTRPW/realtime.aspx?type=1&lastupdate=0&imei=device-1");

    navigator().pop(false);
    EXPECT_FALSE(m_screen->liveRefresh().isRefreshing());
    EXPECT_FALSE(m_screen->liveRefresh().isAnimating());
}

TEST_F(MarketInfoTest, TheFirstVisitOfTheDayAsksTheServiceEvenWithLiveModeOff) {
    const int day = app().currentDay();
    m_server.set(
        "/KTRPW/realtime.aspx",
        answer(feedAnswer(day, {minuteRecord(1, 10, 250, 3), indexRecord(1, "1", "0.4", 10, day)}).toStdString()));
    navigator().push(m_screen, false);
    ASSERT_TRUE(waitFor([this] { return !m_screen->isRequestOutstanding(); }));
    ASSERT_EQ(m_server.requestTargets().size(), 1U);
    EXPECT_EQ(m_server.requestTargets().front(), "/KTRPW/realtime.aspx?type=1&lastupdate=0&imei=device-1");
    EXPECT_EQ(m_screen->haSTCPoint()->text(), QStringLiteral("1012.5"));
    EXPECT_EQ(stored().size(), 1);
    EXPECT_FALSE(app().bRealTime());
    EXPECT_FALSE(m_screen->liveRefresh().isRefreshing());

    navigator().pop(false);
    navigator().push(m_screen, false);
    EXPECT_FALSE(m_screen->isRequestOutstanding()) << "the store now holds today";
    EXPECT_EQ(m_server.requestTargets().size(), 1U);
}

TEST_F(MarketInfoTest, ShowingTheScreenDuringASlowAnswerStillRestartsTheRefresh) {
    m_server.set("/KTRPW/realtime.aspx", answer(feedAnswer(app().currentDay(), {}).toStdString()));
    app().setBRealTime(true);
    m_screen->reloadData();
    ASSERT_TRUE(m_screen->isRequestOutstanding());
    navigator().push(m_screen, false);
    EXPECT_TRUE(m_screen->liveRefresh().isRefreshing());
    EXPECT_TRUE(m_screen->liveRefresh().isAnimating());
    ASSERT_TRUE(waitFor([this] { return !m_screen->isRequestOutstanding(); }));
}

TEST_F(MarketInfoTest, TogglingLiveModeOffStopsTheTimers) {
    m_server.set("/KTRPW/realtime.aspx", answer(feedAnswer(app().currentDay(), {}).toStdString()));
    navigator().push(m_screen, false);
    EXPECT_FALSE(m_screen->liveRefresh().isRefreshing());
    m_screen->toggleAnimation();
    EXPECT_TRUE(app().bRealTime());
    EXPECT_TRUE(m_screen->liveRefresh().isRefreshing());
    ASSERT_TRUE(waitFor([this] { return !m_screen->isRequestOutstanding(); }));
    EXPECT_TRUE(m_screen->handleKey(Qt::Key_L));
    EXPECT_FALSE(app().bRealTime());
    EXPECT_FALSE(m_screen->liveRefresh().isRefreshing());
    EXPECT_FALSE(m_screen->liveRefresh().isAnimating());
}

TEST_F(MarketInfoTest, TheUserLabelShowsTheNameWhenLoggedInAndWanted) {
    app().setAccount_visible(1);
    app().setIsAuthenticated(true);
    app().setUsername(QStringLiteral("hung"));
    m_screen->viewWillAppear(false);
    EXPECT_EQ(m_screen->lbUser()->text(), QStringLiteral("[ hung ]"));
    app().setAccount_visible(0);
    m_screen->viewWillAppear(false);
    EXPECT_EQ(m_screen->lbUser()->text(), QString());
}

TEST_F(MarketInfoTest, ALeftSwipeOpensTheTradingResultsOnce) {
    navigator().push(m_screen, false);
    MarketInfoView* chart = m_screen->chartView();
    chart->touchesBegan(QPointF(300, 100));
    chart->touchesMoved(QPointF(270, 95));
    ASSERT_EQ(navigator().viewControllers().size(), 3);
    EXPECT_NE(dynamic_cast<market::MarketResultViewController*>(navigator().topController()), nullptr);
    chart->touchesMoved(QPointF(240, 95));
    chart->touchesMoved(QPointF(200, 96));
    EXPECT_EQ(navigator().viewControllers().size(), 3);
}

TEST_F(MarketInfoTest, ARightSwipeOrAVerticalMoveOpensNothing) {
    navigator().push(m_screen, false);
    MarketInfoView* chart = m_screen->chartView();
    chart->touchesBegan(QPointF(200, 100));
    chart->touchesMoved(QPointF(240, 98));
    chart->touchesEnded(QPointF(240, 98));
    chart->touchesBegan(QPointF(200, 60));
    chart->touchesMoved(QPointF(202, 120));
    EXPECT_EQ(navigator().topController(), m_screen);
}

TEST_F(MarketInfoTest, AFailedRefreshAlertsAndTheRefreshKeepsRunning) {
    m_server.set("/KTRPW/realtime.aspx", droppedAnswer());
    app().setBRealTime(true);
    navigator().push(m_screen, false);
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_FALSE(m_screen->isRequestOutstanding());
    EXPECT_TRUE(m_screen->liveRefresh().isRefreshing());
    EXPECT_EQ(m_screen->order(), 0);
}

TEST_F(MarketInfoTest, TheMarketSectionOpensTheSameOverviewEachTime) {
    m_server.set("/KTRPW/realtime.aspx", answer(feedAnswer(app().currentDay(), {}).toStdString()));
    shell::MainViewController* main = app().mainViewController();
    main->view();
    EXPECT_FALSE(main->sectionButton(QStringLiteral("btCKVN"))->isEnabled());
    market::registerMarketScreens(app());
    QPushButton* section = main->sectionButton(QStringLiteral("btCKVN"));
    ASSERT_TRUE(section->isEnabled());
    section->click();
    EXPECT_EQ(navigator().topController(), m_screen);
    EXPECT_EQ(m_screen->title(), QStringLiteral("Thị trường"));
    m_screen->goHome();
    EXPECT_EQ(navigator().topController(), main);
    section->click();
    EXPECT_EQ(navigator().topController(), m_screen);
}

TEST_F(MarketInfoTest, HistoryOpensFromTheOverviewAndTheMenuLeadsHome) {
    navigator().push(m_screen, false);
    m_screen->goHistory();
    EXPECT_NE(dynamic_cast<market::MarketHistoryViewController*>(navigator().topController()), nullptr);
    navigator().pop(false);
    m_screen->goMenu();
    EXPECT_TRUE(app().menu()->isShowing());
    EXPECT_EQ(app().menu()->parentContext(), QString());
    EXPECT_EQ(app().menu()->parentDelegate(), m_screen);
    m_screen->menuContextCallBack(1);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}
