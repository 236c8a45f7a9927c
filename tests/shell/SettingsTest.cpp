#include "ShellFixture.h"
#include "server/ScriptedServer.h"
#include "shell/AboutViewController.h"
#include "shell/MainViewController.h"
#include "shell/SelectDayKQGDViewController.h"
#include "shell/SettingViewController.h"
#include "shell/ToggleSwitch.h"
#include "store/myDb.h"

#include <QSlider>

using shell::SettingViewController;
using testsupport::answer;
using testsupport::droppedAnswer;
using testsupport::ShellTest;

class SettingsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        {
            myDb db(path());
            db.initDb();
            db.setSetting(1, 0, QStringLiteral("PULL"), 1, 60);
        }
        start(QString::fromStdString(m_server.baseUrl()));
        alerts().press(0);
        app().mainViewController()->gotoSetting();
        m_settings = dynamic_cast<SettingViewController*>(navigator().topController());
        ASSERT_NE(m_settings, nullptr);
    }

    QString storedRow() { return app().db()->getSetting().value(0); }

    sim::ScriptedServer m_server;
    SettingViewController* m_settings = nullptr;
};

TEST_F(SettingsTest, SwitchesShowTheStoredRow) {
    EXPECT_TRUE(m_settings->switchCtl(0)->isChecked());
    EXPECT_FALSE(m_settings->switchCtl(1)->isChecked());
    EXPECT_FALSE(m_settings->switchCtl(2)->isChecked());
    EXPECT_FALSE(m_settings->switchCtl(2)->isEnabled()) << "the update mode cannot be changed";
    EXPECT_EQ(m_settings->slider()->value(), 3);
    EXPECT_EQ(m_settings->dayStoreText(), QStringLiteral("60"));
}

TEST_F(SettingsTest, TurningTheNameOffHidesItOnTheMainMenu) {
    app().setIsAuthenticated(true);
    app().setUsername(QStringLiteral("hung"));
    m_settings->switchCtl(0)->click();
    EXPECT_EQ(storedRow(), QStringLiteral("0,0,PULL,1,60"));
    EXPECT_EQ(app().account_visible(), 0) << "the application object re-reads the row at once";
    navigator().popToRoot(false);
    EXPECT_EQ(app().mainViewController()->userLabelText(), QString());
}

TEST_F(SettingsTest, EachSwitchWritesItsValue) {
    m_settings->switchAction(1, true);
    m_settings->switchAction(3, false);
    m_settings->switchAction(2, true);
    EXPECT_EQ(storedRow(), QStringLiteral("1,1,PUSH,0,60"));
    EXPECT_TRUE(m_settings->switchCtl(2)->isChecked()) << "PUSH stored shows the switch on";
}

TEST_F(SettingsTest, StepWrapsFromSixtyToTwenty) {
    m_settings->goSetDay();
    EXPECT_EQ(m_settings->dayStoreText(), QStringLiteral("20"));
    EXPECT_EQ(storedRow(), QStringLiteral("1,0,PULL,1,20"));
    m_settings->goSetDay();
    EXPECT_EQ(storedRow(), QStringLiteral("1,0,PULL,1,40"));
}

TEST_F(SettingsTest, SliderMiddleStoresForty) {
    m_settings->slider()->setValue(2);
    EXPECT_EQ(storedRow(), QStringLiteral("1,0,PULL,1,40"));
    EXPECT_EQ(m_settings->dayStoreText(), QStringLiteral("40"));
}

TEST_F(SettingsTest, ChooserMarksTheCurrentValueAndStoresTheChoice) {
    m_settings->goChooseDays();
    auto* chooser = dynamic_cast<shell::SelectDayKQGDViewController*>(navigator().topController());
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->checkedRow(), 2);
    chooser->selectRow(0);
    EXPECT_EQ(storedRow(), QStringLiteral("1,0,PULL,1,20"));
    EXPECT_EQ(navigator().topController(), m_settings);
    EXPECT_EQ(m_settings->dayStoreText(), QStringLiteral("20"));
}

TEST_F(SettingsTest, TheChooserTicksWhatTheSliderAndTheStepStored) {
    m_settings->slider()->setValue(2);
    EXPECT_EQ(app().day_store(), 40);
    m_settings->goChooseDays();
    auto* chooser = dynamic_cast<shell::SelectDayKQGDViewController*>(navigator().topController());
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->checkedRow(), 1);
    navigator().pop(false);
    m_settings->goSetDay();
    EXPECT_EQ(app().day_store(), 60);
    m_settings->goChooseDays();
    chooser = dynamic_cast<shell::SelectDayKQGDViewController*>(navigator().topController());
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->checkedRow(), 2);
}

TEST_F(SettingsTest, AboutShowsTheVersion) {
    app().mainViewController()->goAbout();
    auto* about = dynamic_cast<shell::AboutViewController*>(navigator().topController());
    ASSERT_NE(about, nullptr);
    about->view();
    EXPECT_EQ(about->versionText(), QStringLiteral("Phiên bản 2.0.3"));
}
