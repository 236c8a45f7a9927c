#include "news/HeadNewsViewController.h"
#include "news/NewsDetailViewController.h"
#include "news/NewsListView.h"
#include "news/NewsScreens.h"
#include "server/ScriptedServer.h"
#include "shell/MainViewController.h"
#include "shell/SettingViewController.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/HtmlView.h"

#include <QLabel>
#include <QPushButton>

using news::HeadNewsViewController;
using news::NewsDetailViewController;
using testsupport::answer;
using testsupport::droppedAnswer;

namespace {

const std::string kNewsPath = "/KTRPW/news.aspx";

} // namespace

/// The application started against a scripted service with the news section registered, and
/// helpers to store headlines and to open the screen from the main menu.
class HeadNewsTest : public testsupport::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        news::registerNewsScreens(app());
    }

    void storeHeadline(int minute, const QString& title, const QString& text = QStringLiteral("Nội dung")) {
        app().db()->updateNews(QStringLiteral("0"), QString::number(app().currentDay()), QString::number(minute), title,
                               text);
    }

    HeadNewsViewController& openFromMenu() {
        app().mainViewController()->sectionButton(QStringLiteral("btTin"))->click();
        auto* screen = app().existingScreen<HeadNewsViewController>();
        EXPECT_EQ(navigator().topController(), screen);
        return *screen;
    }

    QStringList listedTitles() {
        QStringList titles;
        for (const news::NewsItem& item : app().existingScreen<HeadNewsViewController>()->newsList()->rows().items()) {
            titles.append(item.title);
        }
        return titles;
    }

    bool waitForAnswer(HeadNewsViewController& screen) {
        return waitFor([&screen] { return !screen.isRequestOutstanding(); });
    }

    int newsRequests() const { return m_server.requestsWith("news.aspx"); }

    sim::ScriptedServer m_server;
};

TEST_F(HeadNewsTest, OpensFromTheMainMenuWithTheStoredHeadlinesAndAsksNothing) {
    EXPECT_TRUE(app().mainViewController()->sectionButton(QStringLiteral("btTin"))->isEnabled());
    for (int i = 0; i < 25; ++i) {
        storeHeadline(600 + i, QStringLiteral("Tin %1").arg(i));
    }
    app().setBRealTime(true);
    HeadNewsViewController& screen = openFromMenu();
    EXPECT_FALSE(app().bRealTime());
    EXPECT_EQ(screen.title(), QStringLiteral(" "));
    const QStringList titles = listedTitles();
    ASSERT_EQ(titles.size(), 20);
    EXPECT_EQ(titles.constFirst(), QStringLiteral("Tin 24"));
    scheduler().advance(app().timeRealtime() * 3);
    EXPECT_EQ(newsRequests(), 0);
    EXPECT_TRUE(screen.newsList()->emptyNote()->isHidden());
}

TEST_F(HeadNewsTest, WithNothingStoredTheListSaysHowToFetch) {
    HeadNewsViewController& screen = openFromMenu();
    EXPECT_FALSE(screen.newsList()->emptyNote()->isHidden());
    EXPECT_TRUE(screen.newsList()->emptyNote()->text().contains(QStringLiteral("Tải lại")));
}

TEST_F(HeadNewsTest, TheReloadStoresTheAnswerAndListsTheStore) {
    storeHeadline(500, QStringLiteral("Tin cũ"));
    m_server.set(kNewsPath, answer("KTRPW:0:9000;\n" + std::to_string(app().currentDay()) +
                                   ",610,0,Tin <b>mới</b>,Dòng đầu\nDòng hai;"));
    HeadNewsViewController& screen = openFromMenu();
    screen.startLoad();
    ASSERT_TRUE(waitForAnswer(screen));
    EXPECT_EQ(newsRequests(), 1);
    EXPECT_NE(m_server.requestTargets().back().find("imei=device-1"), std::string::npos);
    EXPECT_EQ(listedTitles(), (QStringList{QStringLiteral("Tin <b>mới</b>"), QStringLiteral("Tin cũ")}));
}

// Unlike a company's news, an answer without any headline still lists what the store holds.
TEST_F(HeadNewsTest, AnEmptySuccessKeepsTheStoredHeadlinesAndAnErrorChangesNothing) {
    storeHeadline(500, QStringLiteral("Tin cũ"));
    HeadNewsViewController& screen = openFromMenu();
    m_server.set(kNewsPath, answer("KTRPW:0:9000;\n"));
    screen.toggleAnimation();
    ASSERT_TRUE(waitForAnswer(screen));
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Tin cũ")});

    m_server.set(kNewsPath, answer("KTRPW:1:Lỗi;\n" + std::to_string(app().currentDay()) + ",610,0,Không lưu,x;"));
    screen.toggleAnimation();
    ASSERT_TRUE(waitForAnswer(screen));
    EXPECT_FALSE(alerts().isShowing());
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Tin cũ")});
    EXPECT_EQ(app().db()->getCompanyNews(QStringLiteral(" ")).size(), 1);
}

TEST_F(HeadNewsTest, AFailedTransferSaysSoAndListsTheStore) {
    HeadNewsViewController& screen = openFromMenu();
    storeHeadline(500, QStringLiteral("Lưu trong lúc chờ"));
    m_server.set(kNewsPath, droppedAnswer());
    screen.startLoad();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Lưu trong lúc chờ")});
}

TEST_F(HeadNewsTest, ChoosingAHeadlineOpensItsArticleAndBackReturns) {
    storeHeadline(500, QStringLiteral("Tiêu đề 'một'"), QStringLiteral("Dòng đầu\nDòng hai"));
    HeadNewsViewController& screen = openFromMenu();
    screen.newsList()->chooseRow(0);
    auto* article = dynamic_cast<NewsDetailViewController*>(navigator().topController());
    ASSERT_NE(article, nullptr);
    EXPECT_EQ(article->news(), app().db()->getCompanyNews(QStringLiteral(" ")).constFirst());
    EXPECT_TRUE(article->webView()->toPlainText().trimmed().startsWith(QStringLiteral("Dòng đầu\n")));
    // A second tap of a double tap finds the article on top and opens nothing more.
    screen.newsList()->chooseRow(0);
    EXPECT_EQ(navigator().topController(), article);
    article->goBack();
    EXPECT_EQ(navigator().topController(), &screen);
}

// ---- the context menus -------------------------------------------------------------------------

TEST_F(HeadNewsTest, TheListMenuLeadsThroughTheMainMenu) {
    HeadNewsViewController& screen = openFromMenu();
    screen.menuContextCallBack(0);
    EXPECT_EQ(navigator().topController(), &screen);
    EXPECT_TRUE(alerts().isShowing());
    alerts().press(0);
    screen.menuContextCallBack(5);
    EXPECT_NE(dynamic_cast<shell::SettingViewController*>(navigator().topController()), nullptr);
    navigator().popToRoot(false);
    openFromMenu().menuContextCallBack(2);
    EXPECT_EQ(navigator().topController(), &screen);
    EXPECT_EQ(navigator().viewControllers().size(), 2);
    screen.menuContextCallBack(7);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

// The article numbers its items its own way: 3 is the portfolios, 4 the settings, 5 only home.
TEST_F(HeadNewsTest, TheArticleMenuHasItsOwnNumbers) {
    storeHeadline(500, QStringLiteral("Tin"));
    const auto openArticle = [this]() -> NewsDetailViewController& {
        openFromMenu().newsList()->chooseRow(0);
        return *dynamic_cast<NewsDetailViewController*>(navigator().topController());
    };
    openArticle().menuContextCallBack(4);
    EXPECT_NE(dynamic_cast<shell::SettingViewController*>(navigator().topController()), nullptr);
    navigator().popToRoot(false);
    openArticle().menuContextCallBack(5);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
    openArticle().menuContextCallBack(2);
    EXPECT_EQ(navigator().topController(), app().existingScreen<HeadNewsViewController>());
    EXPECT_EQ(navigator().viewControllers().size(), 2);
    navigator().popToRoot(false);
    openArticle().menuContextCallBack(0);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
    EXPECT_TRUE(alerts().isShowing());
}
