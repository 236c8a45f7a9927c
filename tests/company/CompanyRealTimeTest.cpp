#include "CompanyRealTimeFixture.h"
#include "company/CompanyInfoViewController.h"
#include "company/CompanyResultViewController.h"
#include "company/QuotePanel.h"
#include "market/MarketHistoryViewController.h"
#include "market/MarketInfoViewController.h"
#include "market/MarketResultViewController.h"
#include "shell/LiveRefresh.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/RegisterViewController.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using testsupport::answer;
using testsupport::droppedAnswer;

TEST_F(CompanyRealTimeTest, PointsBeforeAndAfterTheQuoteAreStoredInOrder) {
    m_server.set("/KTRPW/realtime.aspx",
                 answer(feedAnswer({QStringLiteral("7,40,20.1,100"), quoteRecord(41), QStringLiteral("7,42,20.3,300")})
                            .toStdString()));
    m_screen->reloadData();
    ASSERT_TRUE(waitForAnswer());
    EXPECT_EQ(m_screen->iLastUpdate(), 41);
    // The point before the quote took its day; the one after keeps day 0 (and sorts first).
    const QStringList points = app().db()->getMinuteCompanyData(QStringLiteral("7"));
    ASSERT_EQ(points.size(), 2);
    EXPECT_EQ(points[0], QStringLiteral("7,0,42,20.3,300"));
    EXPECT_EQ(points[1], QStringLiteral("7,%1,40,20.1,100").arg(dayText));
    // The panel is redrawn from the stored quote.
    EXPECT_EQ(m_screen->quotePanel()->text(company::QuotePanel::Field::StockPoint), QStringLiteral("20.5"));
    EXPECT_EQ(m_screen->quotePanel()->text(company::QuotePanel::Field::Percent), QStringLiteral("+0.5(+2.5%)"));
    // The time label ends at the last stored point of the day.
    EXPECT_EQ(m_screen->timeLabel()->text(), app().timeFromLastUpdate(40));
}

TEST_F(CompanyRealTimeTest, RevisionFollowsTheLatestQuoteAndResets) {
    m_server.set("/KTRPW/realtime.aspx", answer(feedAnswer({quoteRecord(41)}).toStdString()));
    app().setBRealTime(true);
    m_screen->startLoad();
    ASSERT_TRUE(waitForAnswer());
    EXPECT_NE(lastTarget().find("companyid=7&lastupdate=0"), std::string::npos) << lastTarget();
    EXPECT_EQ(m_screen->iLastUpdate(), 41);
    scheduler().advance(app().timeRealtime());
    ASSERT_TRUE(waitForAnswer());
    EXPECT_NE(lastTarget().find("lastupdate=41"), std::string::npos) << lastTarget();
    m_server.set("/KTRPW/realtime.aspx",
                 answer(feedAnswer({}, 1).replace(QStringLiteral("msg"), QStringLiteral("Sai")).toStdString()));
    m_screen->reloadData();
    EXPECT_EQ(m_screen->iLastUpdate(), 0);
    ASSERT_TRUE(waitForAnswer());
    EXPECT_NE(lastTarget().find("lastupdate=0"), std::string::npos);
    // An error status turns live mode off and reports the service's message.
    EXPECT_TRUE(waitForAlert(QStringLiteral("Sai")));
    EXPECT_FALSE(app().bRealTime());
}

TEST_F(CompanyRealTimeTest, TransferFailureAlertsAndRedrawsFromTheStore) {
    m_server.set("/KTRPW/realtime.aspx", droppedAnswer());
    const int before = m_screen->chartView()->displayRequestCount();
    m_screen->reloadData();
    ASSERT_TRUE(waitForAnswer());
    EXPECT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_GT(m_screen->chartView()->displayRequestCount(), before);
}

TEST_F(CompanyRealTimeTest, TimerTicksWhateverTheLiveModeUntilTheScreenIsLeft) {
    m_server.set("/KTRPW/realtime.aspx", answer(feedAnswer({quoteRecord(41)}).toStdString()));
    navigator().push(m_screen, false);
    EXPECT_FALSE(app().bRealTime());
    m_screen->toggleAnimation();
    ASSERT_TRUE(app().bRealTime());
    ASSERT_TRUE(waitForAnswer());
    EXPECT_TRUE(m_screen->liveRefresh().isAnimating());
    const int first = companyRequests();
    EXPECT_EQ(first, 1);
    // A tab change switches live mode off; the refresh goes on.
    m_screen->tabCallBack(QStringLiteral("Tintuc"));
    EXPECT_FALSE(app().bRealTime());
    scheduler().advance(app().timeRealtime());
    ASSERT_TRUE(waitForAnswer());
    EXPECT_EQ(companyRequests(), first + 1);
    navigator().pop(false);
    scheduler().advance(app().timeRealtime() * 3);
    EXPECT_FALSE(m_screen->liveRefresh().isRefreshing());
    EXPECT_EQ(companyRequests(), first + 1);
}

TEST_F(CompanyRealTimeTest, TabsLayTheResultsOverAndTakeThemOff) {
    storeQuote(QStringLiteral("20"));
    navigator().push(m_screen, false);
    app().setBRealTime(true);
    m_screen->tabCallBack(QStringLiteral("KQGD"));
    EXPECT_FALSE(app().bRealTime());
    ASSERT_TRUE(m_screen->isResultTabShown());
    QWidget* tab = app().existingScreen<company::CompanyResultViewController>()->view();
    EXPECT_EQ(tab->geometry(), m_screen->view()->rect());
    m_screen->tabCallBack(QStringLiteral("RealTime"));
    EXPECT_FALSE(m_screen->isResultTabShown());
    m_screen->tabCallBack(QStringLiteral("KQGD"));
    EXPECT_TRUE(m_screen->isResultTabShown());
    m_screen->tabCallBack(QStringLiteral("Back"));
    EXPECT_NE(navigator().topController(), m_screen);
    EXPECT_FALSE(m_screen->isResultTabShown());
}

TEST_F(CompanyRealTimeTest, LockedViewKeepsTheTabWhenLeaving) {
    storeQuote(QStringLiteral("20"));
    navigator().push(m_screen, false);
    m_screen->goKQGD();
    m_screen->setBLockView(true);
    ui::ViewController other;
    navigator().push(&other, false);
    EXPECT_TRUE(m_screen->isResultTabShown());
    navigator().pop(false);
    // Shown again: the lock is cleared, so the next leave takes the tab off.
    EXPECT_FALSE(m_screen->bLockView());
    EXPECT_TRUE(m_screen->isResultTabShown());
    navigator().pop(false);
    EXPECT_FALSE(m_screen->isResultTabShown());
    // The other screen is gone before it is destroyed.
}

// Service and user texts land in many labels; none of them may read its text as markup. Every
// label of the screens built so far is either a picture or plain text.
TEST_F(CompanyRealTimeTest, EveryLabelOfTheScreensShowsPlainText) {
    m_screen->goKQGD();
    const QList<ui::ViewController*> screens{
        m_screen,
        app().cachedScreen<company::CompanyResultViewController>(),
        app().cachedScreen<company::CompanyInfoViewController>(),
        app().cachedScreen<market::MarketInfoViewController>(),
        app().cachedScreen<market::MarketHistoryViewController>(),
        app().cachedScreen<market::MarketResultViewController>(),
        app().mainViewController(),
        app().loginViewController(),
        app().registerViewController(),
    };
    int labels = 0;
    for (ui::ViewController* screen : screens) {
        for (const QLabel* label : screen->view()->findChildren<QLabel*>()) {
            if (label->pixmap().isNull()) {
                EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
                ++labels;
            }
        }
    }
    EXPECT_GT(labels, 50);
}

// The screen's timer keeps running through an outage whatever live mode says; the user answers
// one alert, not one per period.
TEST_F(CompanyRealTimeTest, AnOutageShowsOneAlertHoweverManyTicksFail) {
    m_server.set("/KTRPW/realtime.aspx", droppedAnswer());
    app().setBRealTime(true);
    m_screen->startLoad();
    ASSERT_TRUE(waitFor([this] { return alerts().isShowing(); }));
    app().setBRealTime(false);
    const std::size_t asked = m_server.requestTargets().size();
    for (int tick = 0; tick < 4; ++tick) {
        scheduler().advance(app().timeRealtime());
        ASSERT_TRUE(waitForAnswer());
    }
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Lỗi kết nối dữ liệu"));
    EXPECT_EQ(alerts().queuedCount(), 0);
    EXPECT_EQ(m_server.requestTargets().size(), asked + 4) << "every tick did ask";
}
