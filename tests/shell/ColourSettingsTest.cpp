#include "ShellFixture.h"
#include "server/ScriptedServer.h"
#include "shell/MainViewController.h"
#include "shell/ScreenStyle.h"
#include "shell/SettingViewController.h"
#include "shell/ToggleSwitch.h"
#include "store/myDb.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

using shell::SettingViewController;

namespace {

const QString kBoardKey = QStringLiteral("BoardColours");
const QString kSafeKey = QStringLiteral("ColourSafePalette");

} // namespace

class ColourSettingsTest : public testsupport::ShellTest {
protected:
    void open() {
        startQuietly(m_server.baseUrl());
        app().mainViewController()->gotoSetting();
        m_settings = dynamic_cast<SettingViewController*>(navigator().topController());
        ASSERT_NE(m_settings, nullptr);
    }

    QString storedRow() { return app().db()->getSetting().value(0); }

    sim::ScriptedServer m_server;
    SettingViewController* m_settings = nullptr;
};

TEST_F(ColourSettingsTest, BothOptionsAreOffByDefault) {
    open();
    EXPECT_FALSE(app().palette().boardColours());
    EXPECT_FALSE(app().palette().colourSafe());
    EXPECT_FALSE(m_settings->switchCtl(SettingViewController::kBoardColoursSwitch)->isChecked());
    EXPECT_FALSE(m_settings->switchCtl(SettingViewController::kColourSafeSwitch)->isChecked());
}

TEST_F(ColourSettingsTest, EachSwitchWritesItsPreferenceAndChangesThePaletteButNotTheSettingRow) {
    open();
    const QString row = storedRow();
    m_settings->switchCtl(SettingViewController::kBoardColoursSwitch)->click();
    EXPECT_TRUE(app().palette().boardColours());
    EXPECT_EQ(m_preferences.values[kBoardKey], 1);
    m_settings->switchCtl(SettingViewController::kColourSafeSwitch)->click();
    EXPECT_TRUE(app().palette().colourSafe());
    EXPECT_EQ(m_preferences.values[kSafeKey], 1);
    EXPECT_EQ(storedRow(), row) << "the setting table keeps its five columns and values";

    m_settings->switchCtl(SettingViewController::kBoardColoursSwitch)->click();
    EXPECT_FALSE(app().palette().boardColours());
    EXPECT_EQ(m_preferences.values[kBoardKey], 0);
    EXPECT_TRUE(app().palette().colourSafe());
    EXPECT_TRUE(m_settings->switchCtl(SettingViewController::kColourSafeSwitch)->isChecked());
}

TEST_F(ColourSettingsTest, StoredOptionsAreReadAtStartUp) {
    m_preferences.values[kBoardKey] = 1;
    m_preferences.values[kSafeKey] = 1;
    open();
    EXPECT_TRUE(app().palette().boardColours());
    EXPECT_TRUE(app().palette().colourSafe());
    EXPECT_TRUE(m_settings->switchCtl(SettingViewController::kBoardColoursSwitch)->isChecked());
    EXPECT_TRUE(m_settings->switchCtl(SettingViewController::kColourSafeSwitch)->isChecked());
}

TEST_F(ColourSettingsTest, SixSwitchesTheDaysRowAndTheNoteFitTheScreenWithoutOverlapping) {
    open();
    QWidget* root = m_settings->view();
    QList<QRect> frames;
    for (int tag = 0; tag < 6; ++tag) {
        frames.append(m_settings->switchCtl(tag)->geometry());
    }
    frames.append(m_settings->slider()->geometry());
    QStringList captions;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->geometry().top() >= 36 && !label->text().isEmpty()) {
            captions.append(label->text());
            frames.append(label->geometry());
        }
    }
    EXPECT_TRUE(captions.contains(QStringLiteral("Màu bảng giá")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Màu cho người khó phân biệt màu")));
    for (const QPushButton* button : root->findChildren<QPushButton*>()) {
        if (button->geometry().top() >= 36) {
            frames.append(button->geometry());
        }
    }
    for (qsizetype i = 0; i < frames.size(); ++i) {
        EXPECT_TRUE(QRect(0, 0, 480, 320).contains(frames[i])) << i;
        for (qsizetype j = i + 1; j < frames.size(); ++j) {
            EXPECT_FALSE(frames[i].intersects(frames[j])) << i << " and " << j;
        }
    }
}
