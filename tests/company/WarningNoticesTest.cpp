#include "company/WarningNotices.h"

#include "company/CompanyListFixture.h"
#include "company/DirectoryWarningViewController.h"
#include "shell/MainViewController.h"
#include "ui/Navigator.h"

#include <QLocale>

using company::DirectoryWarningViewController;
using company::WarningNotices;
using testsupport::CompanyListTest;

namespace {

// Holding 501: ACB in "Dài hạn", bought at 25.7, thresholds 3 up and 2 down (23.7 .. 28.7).
// Holding 502: FPT in "Ngắn hạn", bought at 100, thresholds 10 up and 5 down (95 .. 110).
const QByteArray kAcbFell = "KTRPW:0:9000:;\n1,41,501,23.7,23.7;\n";
const QByteArray kAcbFellFptRose = "KTRPW:0:9000:;\n1,41,501,23.5,23.5;\n1,42,502,110.5,110.5;\n";
const QString kAcbLine = QStringLiteral("ACB (Dài hạn): giá 23,7 đã chạm ngưỡng dưới 23,7");
const QString kFptLine = QStringLiteral("FPT (Ngắn hạn): giá 110,5 đã chạm ngưỡng trên 110");

} // namespace

/// A stored quote of today keeps the opened list from asking on its own.
class QuietListTest : public CompanyListTest {
protected:
    void quietList() {
        m_server.set("/KTRPW/realtime.aspx", testsupport::answer(quoteAnswer(kToday, "")));
        addCompany(kHoSE, QStringLiteral("1"), QStringLiteral("AAA"));
        storeQuote(kHoSE, kToday, "1", "20");
    }
};

class WarningNoticesTest : public QuietListTest {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Vietnamese, QLocale::Vietnam));
        m_desktopNotices = true;
        QuietListTest::SetUp();
        quietList();
        addCompany(kHoSE, QStringLiteral("12"), QStringLiteral("ACB"));
        addCompany(kHoSE, QStringLiteral("13"), QStringLiteral("FPT"));
        myDb& db = *app().db();
        db.updatePorfilio(QStringLiteral("41"), QString::number(kToday), QStringLiteral("Dài hạn"));
        db.updatePorfilio(QStringLiteral("42"), QString::number(kToday), QStringLiteral("Ngắn hạn"));
        db.updatePorfilioData(QStringLiteral("41"), QStringLiteral("501"), QStringLiteral("12"), QStringLiteral("25.7"),
                              QStringLiteral("1000"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("0.15"));
        db.updatePorfilioData(QStringLiteral("42"), QStringLiteral("502"), QStringLiteral("13"), QStringLiteral("100"),
                              QStringLiteral("200"), QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("0.15"));
    }

    void TearDown() override {
        QuietListTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    WarningNotices& notices() { return app().sharedPart<WarningNotices>(); }

    void logIn() {
        app().setSession(QStringLiteral("S1"));
        app().setIsAuthenticated(true);
    }

    QStringList bodies() const {
        QStringList texts;
        for (const testsupport::FakeNotifier::Notice& notice : m_notifier.notices) {
            texts.append(notice.body);
        }
        return texts;
    }

    DirectoryWarningViewController* shownWarnings() {
        return dynamic_cast<DirectoryWarningViewController*>(navigator().topController());
    }
};

// ---- once per holding, threshold and day -----------------------------------------------------

TEST_F(WarningNoticesTest, TheSameWarningIsToldOnceADay) {
    notices().announce(kAcbFell, kToday);
    notices().announce(kAcbFell, kToday);
    ASSERT_EQ(m_notifier.notices.size(), 1U);
    EXPECT_EQ(m_notifier.notices.front().title, QStringLiteral("Cảnh báo giá"));
    EXPECT_EQ(m_notifier.notices.front().body, kAcbLine);
}

TEST_F(WarningNoticesTest, ANewHoldingPastItsThresholdIsToldAloneInTheNextNotice) {
    notices().announce(kAcbFell, kToday);
    notices().announce(kAcbFellFptRose, kToday);
    notices().announce(kAcbFellFptRose, kToday);
    EXPECT_EQ(bodies(), (QStringList{kAcbLine, kFptLine}));
}

TEST_F(WarningNoticesTest, TheNextDayTellsEveryWarningAgain) {
    notices().announce(kAcbFellFptRose, kToday);
    notices().announce(kAcbFellFptRose, kToday + 1);
    notices().announce(kAcbFell, kToday + 1);
    ASSERT_EQ(m_notifier.notices.size(), 2U);
    EXPECT_EQ(m_notifier.notices.at(1).body, m_notifier.notices.at(0).body);
    EXPECT_EQ(m_notifier.notices.at(1).body,
              QStringLiteral("ACB (Dài hạn): giá 23,5 đã chạm ngưỡng dưới 23,7\n") + kFptLine);
}

TEST_F(WarningNoticesTest, AThresholdTheUserMovedIsANewOne) {
    notices().announce(kAcbFell, kToday);
    app().db()->updatePorfilioData(QStringLiteral("41"), QStringLiteral("501"), QStringLiteral("12"),
                                   QStringLiteral("25.7"), QStringLiteral("1000"), QStringLiteral("3"),
                                   QStringLiteral("1"), QStringLiteral("0.15"));
    notices().announce(kAcbFell, kToday);
    EXPECT_EQ(bodies(), (QStringList{kAcbLine, QStringLiteral("ACB (Dài hạn): giá 23,7 đã chạm ngưỡng dưới 24,7")}));
}

TEST_F(WarningNoticesTest, NothingIsToldOfWarningsThatNameNoCrossedThreshold) {
    // Holding 599 is not in the store; 502 at 100 is inside its bounds; the status is an error.
    notices().announce("KTRPW:0:9000:;\n1,41,599,23.7,23.7;\n1,42,502,100,100;\n", kToday);
    notices().announce("KTRPW:1:Lỗi;\n1,41,501,23.7,23.7;\n", kToday);
    EXPECT_TRUE(m_notifier.notices.empty());
    notices().announce(kAcbFell, kToday);
    EXPECT_EQ(m_notifier.notices.size(), 1U) << "an error answer must not count as told";
}

TEST_F(WarningNoticesTest, ALongListIsCountedPastFourLines) {
    QByteArray answer = "KTRPW:0:9000:;";
    for (int id = 601; id <= 606; ++id) {
        app().db()->updatePorfilioData(QStringLiteral("41"), QString::number(id), QStringLiteral("12"),
                                       QStringLiteral("25.7"), QStringLiteral("1000"), QStringLiteral("3"),
                                       QStringLiteral("2"), QStringLiteral("0.15"));
        answer.append("\n1,41,").append(QByteArray::number(id)).append(",30,30;");
    }
    notices().announce(answer, kToday);
    ASSERT_EQ(m_notifier.notices.size(), 1U);
    const QStringList lines = m_notifier.notices.front().body.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.at(0), QStringLiteral("ACB (Dài hạn): giá 30 đã chạm ngưỡng trên 28,7"));
    EXPECT_EQ(lines.at(4), QStringLiteral("… và 2 cảnh báo khác"));
}

// ---- the live list and the click -------------------------------------------------------------

TEST_F(WarningNoticesTest, TheCheckTellsTheDesktopAfterTheUserLeftTheListAndTheClickOpensTheWarnings) {
    logIn();
    open(kHoSE, kToday, true);
    navigator().popToRoot(false);
    list().parse_data_warning(kAcbFell);
    EXPECT_EQ(navigator().topController(), static_cast<ui::ViewController*>(app().mainViewController()));
    ASSERT_EQ(m_notifier.notices.size(), 1U);
    EXPECT_EQ(m_windowRaises, 0);

    m_notifier.notices.front().clicked();
    EXPECT_EQ(m_windowRaises, 1);
    ASSERT_NE(shownWarnings(), nullptr);
    EXPECT_EQ(shownWarnings()->data(), kAcbFell);
    ASSERT_EQ(shownWarnings()->rows().size(), 1U);
    EXPECT_EQ(shownWarnings()->rows().front().code, QStringLiteral("ACB"));

    // A second click on the same notice does not stack a second copy of the screen.
    DirectoryWarningViewController* first = shownWarnings();
    m_notifier.notices.front().clicked();
    EXPECT_EQ(shownWarnings(), first);
    EXPECT_EQ(m_windowRaises, 2);
}

TEST_F(WarningNoticesTest, TheListOnTopOpensTheScreenAndTellsTheDesktopOnce) {
    logIn();
    open(kHoSE, kToday, true);
    list().parse_data_warning(kAcbFell);
    ASSERT_NE(shownWarnings(), nullptr);
    shownWarnings()->goBack();
    list().parse_data_warning(kAcbFell);
    EXPECT_NE(shownWarnings(), nullptr) << "the in-list screen opens at every check as before";
    EXPECT_EQ(m_notifier.notices.size(), 1U);
}

TEST_F(WarningNoticesTest, AClickAfterTheLogoutOnlyBringsTheWindowForward) {
    logIn();
    notices().announce(kAcbFell, kToday);
    ASSERT_EQ(m_notifier.notices.size(), 1U);
    app().logout();
    m_notifier.notices.front().clicked();
    EXPECT_EQ(m_windowRaises, 1);
    EXPECT_EQ(shownWarnings(), nullptr);
}

class NoNotifierTest : public QuietListTest {};

TEST_F(NoNotifierTest, TheListStillOpensTheWarningScreen) {
    quietList();
    app().setSession(QStringLiteral("S1"));
    app().setIsAuthenticated(true);
    open(kHoSE, kToday, true);
    list().parse_data_warning(kAcbFell);
    EXPECT_NE(dynamic_cast<DirectoryWarningViewController*>(navigator().topController()), nullptr);
    app().sharedPart<WarningNotices>().announce(kAcbFell, kToday);
    EXPECT_TRUE(m_notifier.notices.empty());
    EXPECT_EQ(m_windowRaises, 0);
}
