#include "ShellFixture.h"
#include "server/ScriptedServer.h"
#include "shell/MainViewController.h"
#include "store/myDb.h"

#include <QFile>

using testsupport::answer;
using testsupport::droppedAnswer;
using testsupport::ShellTest;

namespace {

const QString kUpdateQuestion = QStringLiteral("Cập nhật toàn bộ dữ liệu!");

} // namespace

class StartupTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_server.set("/KTRPW/CheckAlert.aspx", answer("KTRPW:0:0:;"));
    }
    QString baseUrl() const { return QString::fromStdString(m_server.baseUrl()); }
    sim::ScriptedServer m_server;
};

TEST_F(StartupTest, FirstRunCopiesTheSeedAndReadsItsSettings) {
    start(baseUrl());
    EXPECT_TRUE(QFile::exists(app().db()->dataFilePath()));
    EXPECT_EQ(app().account_visible(), 1);
    EXPECT_EQ(app().check_version(), 1);
    EXPECT_EQ(app().update_type(), QStringLiteral("PULL"));
    EXPECT_EQ(app().day_store(), 60);
    EXPECT_FALSE(app().isAuthenticated());
    EXPECT_EQ(app().imei(), QStringLiteral("device-1"));
    EXPECT_EQ(app().currentHistoryDayView(), app().currentDay() - 1);
    EXPECT_EQ(app().currentMarketResultDayView(), app().currentDay());
}

TEST_F(StartupTest, VersionCheckComesFirstThenTheUpdateQuestion) {
    start(baseUrl());
    EXPECT_FALSE(alerts().isShowing());
    ASSERT_TRUE(waitForAlert(kUpdateQuestion));
    const auto targets = m_server.requestTargets();
    ASSERT_EQ(targets.size(), 1U);
    EXPECT_EQ(targets.front(), "/KTRPW/CheckAlert.aspx?version=2.0.3&type=IPN&imei=device-1");
}

TEST_F(StartupTest, WithoutVersionCheckTheQuestionComesAtOnce) {
    {
        myDb db(path());
        db.initDb();
        db.setSetting(1, 0, QStringLiteral("PULL"), 1, 20);
        db.setUserInfo(QStringLiteral("hung"), QStringLiteral("digest"), QStringLiteral("old-session"));
    }
    start(baseUrl());
    EXPECT_EQ(alerts().currentMessage(), kUpdateQuestion);
    EXPECT_EQ(alerts().currentButtons(), (QStringList{QStringLiteral("NO"), QStringLiteral("YES")}));
    EXPECT_TRUE(m_server.requestTargets().empty());
    EXPECT_EQ(app().username(), QStringLiteral("hung"));
    EXPECT_EQ(app().password(), QStringLiteral("digest"));
    EXPECT_TRUE(app().session().isEmpty()) << "a saved session does not log the user in";
}

TEST_F(StartupTest, RefreshPeriodsComeFromThePreferences) {
    start(baseUrl());
    EXPECT_EQ(app().timeRealtime(), 60);
    EXPECT_EQ(app().timeTheodoiCK(), 10);

    m_preferences.values = {{QStringLiteral("Realtime"), 15}, {QStringLiteral("TheodoiCK"), 0}};
    start(baseUrl());
    EXPECT_EQ(app().timeRealtime(), 15);
    EXPECT_EQ(app().timeTheodoiCK(), 10);

    m_preferences.values = {{QStringLiteral("Realtime"), -3}, {QStringLiteral("TheodoiCK"), 20}};
    start(baseUrl());
    EXPECT_EQ(app().timeRealtime(), 60);
    EXPECT_EQ(app().timeTheodoiCK(), 25);
}

TEST_F(StartupTest, DisplayStaysAwakeExactlyWhileLiveModeIsOn) {
    start(baseUrl());
    EXPECT_TRUE(m_keepAwake.isKeptAwake());
    scheduler().advance(5);
    EXPECT_FALSE(m_keepAwake.isKeptAwake());
    app().setBRealTime(true);
    scheduler().advance(5);
    EXPECT_TRUE(m_keepAwake.isKeptAwake());
    app().applicationWillResignActive();
    EXPECT_FALSE(app().bRealTime());
    EXPECT_FALSE(m_keepAwake.isKeptAwake());
    app().applicationDidBecomeActive();
    EXPECT_TRUE(m_keepAwake.isKeptAwake());
}

TEST_F(StartupTest, MainMenuIsTheRootAndClearsLiveMode) {
    start(baseUrl());
    EXPECT_EQ(navigator().topController(), app().mainViewController());
    app().setBRealTime(true);
    app().mainViewController()->viewWillAppear(false);
    EXPECT_FALSE(app().bRealTime());
}
