#include "ShellFixture.h"
#include "server/ScriptedServer.h"
#include "shell/MainViewController.h"
#include "store/myDb.h"

#include <QSignalSpy>

#include <sqlite3.h>

#include <algorithm>

using testsupport::answer;
using testsupport::droppedAnswer;
using testsupport::ShellTest;

namespace {

const QString kUpdateQuestion = QStringLiteral("Cập nhật toàn bộ dữ liệu!");

// Built by appending: GCC 12 warns falsely about a literal added to a std::string at -O2.
std::string indexRecord(int stockId, int day) {
    std::string record(1, '\n');
    record.append(std::to_string(stockId)).append(",1.5,0.2,150,1000.5,999,300,12.5,");
    return record.append(std::to_string(day)).append(";");
}

std::string quoteRecord(int id, int day) {
    std::string record(1, '\n');
    record.append(std::to_string(id)).append(",2,150,").append(std::to_string(day));
    return record.append(",25.5,0.5,2,1000,25,25.1,25.5,10,20,26.7,23.3,5,6;");
}

/// An end-of-day answer of the given days: two companies, both indices and both quotes a day.
std::string endOfDayAnswer(int firstDay, int lastDay) {
    std::string text = "KTRPW:0:" + std::to_string(lastDay) + ";\n1,2,AAA,Công ty A;\n2,2,BBB,Công ty B;";
    for (int day = firstDay; day <= lastDay; ++day) {
        text += indexRecord(1, day) + indexRecord(2, day);
    }
    for (int day = firstDay; day <= lastDay; ++day) {
        text += quoteRecord(1, day) + quoteRecord(2, day);
    }
    return text + "\n";
}

} // namespace

class SyncTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_server.set("/KTRPW/CheckAlert.aspx", answer("KTRPW:0:0:;"));
    }

    /// Starts the program and answers "YES" to the update question.
    void startUpdate() {
        start(QString::fromStdString(m_server.baseUrl()));
        ASSERT_TRUE(waitForAlert(kUpdateQuestion));
        alerts().press(1);
        EXPECT_EQ(app().mainViewController()->waitText(), QStringLiteral("Đang cập nhật..."));
        EXPECT_TRUE(app().mainViewController()->isUpdateIndicatorAnimating() ||
                    navigator().topController() != app().mainViewController());
    }

    /// The progress texts the menu shows until the update ends.
    QStringList stepThroughUpdate() {
        QStringList texts;
        shell::MainViewController* menu = app().mainViewController();
        EXPECT_TRUE(waitFor([this] { return app().isUpdating() || !app().mainViewController()->isWaitTextVisible(); }));
        while (app().isUpdating()) {
            if (texts.isEmpty() || texts.constLast() != menu->waitText()) {
                texts << menu->waitText();
            }
            scheduler().advance(0.5);
        }
        return texts;
    }

    sim::ScriptedServer m_server;
};

TEST_F(SyncTest, SevenDaysAreAppliedOneStepEachWithProgress) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3656)));
    startUpdate();
    const QStringList texts = stepThroughUpdate();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Đang cập nhật...11%"), QStringLiteral("Đang cập nhật...14%"),
                                  QStringLiteral("Đang cập nhật...29%"), QStringLiteral("Đang cập nhật...43%"),
                                  QStringLiteral("Đang cập nhật...57%"), QStringLiteral("Đang cập nhật...71%"),
                                  QStringLiteral("Đang cập nhật...86%"), QStringLiteral("Đang cập nhật...100%")}));
    EXPECT_TRUE(app().mainViewController()->isMenuEnabled());
    EXPECT_FALSE(app().mainViewController()->isWaitTextVisible());
    EXPECT_EQ(app().db()->getLastDayUpdate(), 3656);
    EXPECT_EQ(app().db()->getStockInfo(3656).size(), 14);
    EXPECT_EQ(app().db()->getCompanydata(2).size(), 2);
    EXPECT_FALSE(app().bRealTime());
}

TEST_F(SyncTest, ADayTheStoreCannotTakeEndsTheUpdateSoTheNextOneAsksForItAgain) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3654)));
    startUpdate();
    // The third day's quotes fail to be written, as on a full disk.
    sqlite3* other = nullptr;
    sqlite3_open(QFile::encodeName(app().db()->dataFilePath()).constData(), &other);
    ASSERT_EQ(sqlite3_exec(other,
                           "create trigger fail_day before insert on companydata when new.day=3652 "
                           "begin select raise(abort, 'disk full'); end",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    stepThroughUpdate();
    EXPECT_EQ(app().db()->getLastDayUpdate(), 3651);
    EXPECT_EQ(app().db()->getPreDayKQKD(QStringLiteral("1"), 3651), 0) << "no quote of a later day was stored";
    EXPECT_TRUE(app().mainViewController()->isMenuEnabled());
}

TEST_F(SyncTest, MenuIsReleasedOnlyOneAndAHalfSecondsAfterTheLastDay) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3651)));
    startUpdate();
    ASSERT_TRUE(waitFor([this] { return app().isUpdating(); }));
    EXPECT_FALSE(app().mainViewController()->isMenuEnabled());
    scheduler().advance(0.5);
    scheduler().advance(0.5);
    EXPECT_EQ(app().mainViewController()->waitText(), QStringLiteral("Đang cập nhật...100%"));
    scheduler().advance(1.4);
    EXPECT_FALSE(app().mainViewController()->isMenuEnabled());
    QSignalSpy finished(&app(), &shell::QRMInfoAppDelegate::fullUpdateFinished);
    scheduler().advance(0.1);
    EXPECT_TRUE(app().mainViewController()->isMenuEnabled());
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(SyncTest, AnAnswerWithoutDaysFinishesAfterOnePause) {
    m_server.set("/KTRPW/default.aspx", answer("KTRPW:0:3650;\n1,2,AAA,Công ty A;\n"));
    startUpdate();
    ASSERT_TRUE(waitFor([this] { return app().isUpdating(); }));
    EXPECT_EQ(app().current_day_update(), 1);
    scheduler().advance(0.5);
    EXPECT_TRUE(app().isUpdating());
    scheduler().advance(1.5);
    EXPECT_FALSE(app().isUpdating());
    EXPECT_TRUE(app().mainViewController()->isMenuEnabled());
}

TEST_F(SyncTest, StaleHistoryAsksForEverything) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3650)));
    start(QString::fromStdString(m_server.baseUrl()));
    app().db()->updateStockInfo(QStringLiteral("2"), {}, {}, {}, {}, {}, {}, {},
                                QString::number(app().currentDay() - 25));
    ASSERT_TRUE(waitForAlert(kUpdateQuestion));
    alerts().press(1);
    ASSERT_TRUE(waitFor([this] { return m_server.requestTargets().size() == 2; }));
    EXPECT_EQ(m_server.requestTargets().back(), "/KTRPW/default.aspx?lastupdate=0&numofday=7&imei=device-1");
}

TEST_F(SyncTest, RecentHistoryAsksFromTheLastStoredDay) {
    start(QString::fromStdString(m_server.baseUrl()));
    ASSERT_TRUE(waitForAlert(kUpdateQuestion));
    const int recent = app().currentDay() - 3;
    app().db()->updateStockInfo(QStringLiteral("2"), {}, {}, {}, {}, {}, {}, {}, QString::number(recent));
    app().load_EOD();
    ASSERT_TRUE(waitFor([this] { return m_server.requestTargets().size() == 2; }));
    EXPECT_EQ(m_server.requestTargets().back(),
              "/KTRPW/default.aspx?lastupdate=" + std::to_string(recent) + "&numofday=7&imei=device-1");
}

TEST_F(SyncTest, AnsweringNoChangesNothing) {
    start(QString::fromStdString(m_server.baseUrl()));
    ASSERT_TRUE(waitForAlert(kUpdateQuestion));
    alerts().press(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_server.requestTargets().size(), 1U);
    EXPECT_FALSE(app().mainViewController()->isWaitTextVisible());
    EXPECT_FALSE(alerts().isShowing());
}

TEST_F(SyncTest, FailedTransferShowsTheConnectionErrorAndReleasesTheMenu) {
    m_server.set("/KTRPW/default.aspx", droppedAnswer());
    startUpdate();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_TRUE(app().mainViewController()->isMenuEnabled());
    EXPECT_FALSE(app().mainViewController()->isWaitTextVisible());
    EXPECT_FALSE(app().mainViewController()->isUpdateIndicatorAnimating());
}

TEST_F(SyncTest, ServiceErrorEndsTheUpdateSilently) {
    m_server.set("/KTRPW/default.aspx", answer("KTRPW:1:0:Lỗi máy chủ;"));
    startUpdate();
    ASSERT_TRUE(waitFor([this] { return !app().mainViewController()->isWaitTextVisible(); }));
    EXPECT_FALSE(alerts().isShowing());
    EXPECT_TRUE(app().mainViewController()->isMenuEnabled());
}

TEST_F(SyncTest, NewerVersionPromptOpensTheLinkOnYes) {
    m_server.set("/KTRPW/CheckAlert.aspx", answer("KTRPW:0:0:;\nVersion, https://corvastel.example/tai-ve \n;"));
    start(QString::fromStdString(m_server.baseUrl()));
    ASSERT_TRUE(waitForAlert(
        QStringLiteral("Có phiên bản mới tại  https://corvastel.example/tai-ve \n. Cập nhật phiên bản mới?")));
    alerts().press(1);
    ASSERT_EQ(m_links.opened.size(), 1);
    EXPECT_EQ(m_links.opened.constFirst(), QUrl(QStringLiteral("https://corvastel.example/tai-ve")));
    EXPECT_FALSE(alerts().isShowing());
}

TEST_F(SyncTest, NewerVersionPromptLeadsToTheUpdateQuestionOnNo) {
    m_server.set("/KTRPW/CheckAlert.aspx", answer("KTRPW:0:0:;Version,https://corvastel.example/tai-ve;"));
    start(QString::fromStdString(m_server.baseUrl()));
    ASSERT_TRUE(waitFor([this] { return alerts().isShowing(); }));
    alerts().press(0);
    EXPECT_EQ(alerts().currentMessage(), kUpdateQuestion);
    EXPECT_TRUE(m_links.opened.isEmpty());
}

TEST_F(SyncTest, VersionCheckErrorShowsTheServiceMessage) {
    m_server.set("/KTRPW/CheckAlert.aspx", answer("KTRPW:1:0:Dịch vụ đang bảo trì;"));
    start(QString::fromStdString(m_server.baseUrl()));
    EXPECT_TRUE(waitForAlert(QStringLiteral("Dịch vụ đang bảo trì")));
}

TEST_F(SyncTest, MarketResultsStoreIndexDaysButNoQuotes) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3651)));
    start(QString::fromStdString(m_server.baseUrl()));
    QSignalSpy loaded(&app(), &shell::QRMInfoAppDelegate::marketResultsLoaded);
    app().load_EOD_KQGD(3651);
    ASSERT_TRUE(waitFor([&loaded] { return loaded.count() == 1; }));
    EXPECT_TRUE(loaded.at(0).at(0).toBool());
    EXPECT_EQ(app().db()->getLastDayUpdate(), 3651);
    EXPECT_TRUE(app().db()->getCompanydata(2).isEmpty());
    // The version check of the start runs beside it, on its own request.
    const std::vector<std::string> targets = m_server.requestTargets();
    EXPECT_NE(std::find(targets.begin(), targets.end(), "/KTRPW/default.aspx?type=1&lastupdate=3651&imei=device-1"),
              targets.end());
}

TEST_F(SyncTest, CompanyResultsStoreQuotesButNoIndexDays) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3651)));
    start(QString::fromStdString(m_server.baseUrl()));
    QSignalSpy loaded(&app(), &shell::QRMInfoAppDelegate::companyResultsLoaded);
    app().load_EOD_KQGD_COM(3651);
    ASSERT_TRUE(waitFor([&loaded] { return loaded.count() == 1; }));
    EXPECT_EQ(app().db()->getLastDayUpdate(), 0);
    EXPECT_EQ(app().db()->getCompanydata(2).size(), 2);
}

TEST_F(SyncTest, ProgressRoundsHalvesToEvenAsTheCLibraryDoes) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3657)));
    startUpdate();
    EXPECT_EQ(stepThroughUpdate(),
              (QStringList{QStringLiteral("Đang cập nhật...10%"), QStringLiteral("Đang cập nhật...12%"),
                           QStringLiteral("Đang cập nhật...25%"), QStringLiteral("Đang cập nhật...38%"),
                           QStringLiteral("Đang cập nhật...50%"), QStringLiteral("Đang cập nhật...62%"),
                           QStringLiteral("Đang cập nhật...75%"), QStringLiteral("Đang cập nhật...88%"),
                           QStringLiteral("Đang cập nhật...100%")}));
}

// The context menu's "Cập nhật dữ liệu" can leave the user on a results screen, whose reload
// then runs beside the full update.
TEST_F(SyncTest, AResultsLoadDuringTheFullUpdateNeitherCutsNorStallsIt) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3656)));
    m_server.set("/KTRPW/default.aspx?type=1&lastupdate=3640&imei=device-1",
                 answer("KTRPW:0:3640;" + indexRecord(1, 3640) + indexRecord(2, 3640) + "\n"));
    startUpdate();
    ASSERT_TRUE(waitFor([this] { return app().isUpdating(); }));
    scheduler().advance(0.5);
    QSignalSpy marketLoaded(&app(), &shell::QRMInfoAppDelegate::marketResultsLoaded);
    app().load_EOD_KQGD(3640);
    ASSERT_TRUE(waitFor([&marketLoaded] { return marketLoaded.count() == 1; }));
    EXPECT_TRUE(marketLoaded.at(0).at(0).toBool());
    stepThroughUpdate();
    for (int day = 3650; day <= 3656; ++day) {
        EXPECT_EQ(app().db()->getCompanydataWithDay(2, day).size(), 2) << "the quotes of day " << day;
    }
    EXPECT_EQ(app().db()->getStockInfo(3656).size(), 7 * 2 + 2) << "every index day and the results' one";
}

TEST_F(SyncTest, AResultsLoadReplacedByTheOtherScreensLoadStillEnds) {
    m_server.set("/KTRPW/default.aspx", answer(endOfDayAnswer(3650, 3651)));
    sim::ScriptedAnswer slow = answer(endOfDayAnswer(3650, 3650));
    slow.delayMs = 3000;
    m_server.set("/KTRPW/default.aspx?type=1&lastupdate=3650&imei=device-1", slow);
    start(QString::fromStdString(m_server.baseUrl()));
    QSignalSpy marketLoaded(&app(), &shell::QRMInfoAppDelegate::marketResultsLoaded);
    QSignalSpy companyLoaded(&app(), &shell::QRMInfoAppDelegate::companyResultsLoaded);
    app().load_EOD_KQGD(3650);
    app().load_EOD_KQGD_COM(3651);
    ASSERT_EQ(marketLoaded.count(), 1) << "the market screen stops waiting at once";
    EXPECT_FALSE(marketLoaded.at(0).at(0).toBool());
    ASSERT_TRUE(waitFor([&companyLoaded] { return companyLoaded.count() == 1; }));
    EXPECT_TRUE(companyLoaded.at(0).at(0).toBool());
    EXPECT_EQ(marketLoaded.count(), 1);
}
