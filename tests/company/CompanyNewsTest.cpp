#include "CompanyRealTimeFixture.h"
#include "company/CompanyHeadNewsViewController.h"
#include "company/CompanyNewsDetailViewController.h"
#include "news/NewsListView.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "ui/HtmlView.h"

#include <QLabel>
#include <QPushButton>

using company::CompanyHeadNewsViewController;
using company::CompanyNewsDetailViewController;
using testsupport::answer;
using testsupport::droppedAnswer;

namespace {

const std::string kCompanyNews = "/KTRPW/news.aspx?companyid=7&imei=device-1";

} // namespace

/// The news tab laid over company 7's real-time screen.
class CompanyNewsTest : public CompanyRealTimeTest {
protected:
    void storeNews(const QString& id, int minute, const QString& title) {
        app().db()->updateNews(id, dayText, QString::number(minute), title, title + QStringLiteral("\nDòng hai"));
    }

    CompanyHeadNewsViewController& openTab() {
        navigator().push(m_screen, false);
        m_screen->tabCallBack(QStringLiteral("Tintuc"));
        auto* tab = app().existingScreen<CompanyHeadNewsViewController>();
        EXPECT_EQ(m_screen->shownTab(), tab);
        return *tab;
    }

    QStringList listedTitles() {
        QStringList titles;
        for (const news::NewsItem& item :
             app().existingScreen<CompanyHeadNewsViewController>()->newsList()->rows().items()) {
            titles.append(item.title);
        }
        return titles;
    }

    bool waitForTab(CompanyHeadNewsViewController& tab) {
        return waitFor([&tab] { return !tab.isRequestOutstanding(); });
    }

    int newsRequests() const { return m_server.requestsWith("news.aspx"); }

    /// One news record of company 7 today, with its line break. Built by appending: GCC warns
    /// falsely about a literal added to a std::string at -O2.
    std::string newsRecord(int minute, const char* title) const {
        std::string record(1, '\n');
        record.append(dayText.toStdString()).append(",").append(std::to_string(minute)).append(",7,");
        return record.append(title).append(",Dòng 1\nDòng 2;");
    }

    std::string newsAnswer(const std::string& records) const {
        return "KTRPW:0:" + dayText.toStdString() + ";" + records;
    }
};

TEST_F(CompanyNewsTest, ListsTheCompanysTwentyNewestWithoutAsking) {
    for (int i = 0; i < 22; ++i) {
        storeNews(QStringLiteral("7"), 600 + i, QStringLiteral("Tin %1").arg(i));
    }
    storeNews(QStringLiteral("8"), 700, QStringLiteral("Công ty khác"));
    CompanyHeadNewsViewController& tab = openTab();
    const QStringList titles = listedTitles();
    ASSERT_EQ(titles.size(), 20);
    EXPECT_EQ(titles.constFirst(), QStringLiteral("Tin 21"));
    EXPECT_FALSE(titles.contains(QStringLiteral("Công ty khác")));
    EXPECT_EQ(tab.stock()->text(), QStringLiteral("HoSE"));
    scheduler().advance(app().timeRealtime() * 2);
    EXPECT_EQ(newsRequests(), 0);
}

TEST_F(CompanyNewsTest, TheReloadStoresAndListsTheAnswer) {
    storeNews(QStringLiteral("7"), 600, QStringLiteral("Đã lưu"));
    m_server.set(kCompanyNews, answer(newsAnswer(newsRecord(650, "Tin 'mới'"))));
    CompanyHeadNewsViewController& tab = openTab();
    tab.bottomBar().btReload->click();
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(newsRequests(), 1);
    EXPECT_EQ(listedTitles(), (QStringList{QStringLiteral("Tin 'mới'"), QStringLiteral("Đã lưu")}));
}

// The store still holds the company's news when an answer brings none.
TEST_F(CompanyNewsTest, AnEmptySuccessKeepsTheStoredNewsAndAnErrorChangesNothing) {
    storeNews(QStringLiteral("7"), 600, QStringLiteral("Đã lưu"));
    CompanyHeadNewsViewController& tab = openTab();
    m_server.set(kCompanyNews, answer(newsAnswer("\n")));
    tab.toggleAnimation();
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Đã lưu")});
    m_server.set(kCompanyNews, answer("KTRPW:1:Lỗi;\n" + dayText.toStdString() + ",650,7,Không lưu,x;"));
    tab.toggleAnimation();
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_FALSE(alerts().isShowing());
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Đã lưu")});
}

TEST_F(CompanyNewsTest, AFailedTransferSaysSoAndReadsTheStore) {
    m_server.set(kCompanyNews, droppedAnswer());
    CompanyHeadNewsViewController& tab = openTab();
    storeNews(QStringLiteral("7"), 600, QStringLiteral("Lưu trong lúc chờ"));
    ASSERT_TRUE(waitForTab(tab));
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Lưu trong lúc chờ")});
}

// A company without stored news would show an empty tab until the user found the reload.
TEST_F(CompanyNewsTest, AFirstVisitWithNothingStoredAsksOnce) {
    m_server.set(kCompanyNews, answer(newsAnswer(newsRecord(650, "Tin đầu"))));
    CompanyHeadNewsViewController& tab = openTab();
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(newsRequests(), 1);
    EXPECT_EQ(listedTitles(), QStringList{QStringLiteral("Tin đầu")});
    m_screen->tabCallBack(QStringLiteral("RealTime"));
    m_screen->tabCallBack(QStringLiteral("Tintuc"));
    EXPECT_EQ(newsRequests(), 1);
}

TEST_F(CompanyNewsTest, LiveModeAsksEveryPeriodUntilTheTabIsLeft) {
    storeNews(QStringLiteral("7"), 600, QStringLiteral("Đã lưu"));
    m_server.set(kCompanyNews, answer(newsAnswer("\n")));
    CompanyHeadNewsViewController& tab = openTab();
    EXPECT_TRUE(m_screen->handleKey(Qt::Key_L));
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(newsRequests(), 1);
    scheduler().advance(app().timeRealtime());
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(newsRequests(), 2);
    tab.tabBar().btTC->click();
    EXPECT_FALSE(tab.liveRefresh().isRefreshing());
    scheduler().advance(app().timeRealtime() * 2);
    EXPECT_EQ(newsRequests(), 2);
}

TEST_F(CompanyNewsTest, AnArticleOpensOverTheCompanyAndBackFindsTheTab) {
    storeNews(QStringLiteral("7"), 600, QStringLiteral("Tin một"));
    CompanyHeadNewsViewController& tab = openTab();
    tab.newsList()->chooseRow(0);
    CompanyNewsDetailViewController* article = tab.article();
    ASSERT_NE(article, nullptr);
    EXPECT_EQ(navigator().topController(), article);
    EXPECT_TRUE(m_screen->bLockView());
    EXPECT_TRUE(article->webView()->toPlainText().contains(QStringLiteral("Dòng hai")));
    article->goBack();
    EXPECT_EQ(navigator().topController(), m_screen);
    EXPECT_EQ(m_screen->shownTab(), &tab);
}

TEST_F(CompanyNewsTest, HomeFromAnArticleLeavesTheCompanyWithoutItsTab) {
    storeNews(QStringLiteral("7"), 600, QStringLiteral("Tin một"));
    CompanyHeadNewsViewController& tab = openTab();
    tab.newsList()->chooseRow(0);
    tab.article()->goHome();
    EXPECT_EQ(navigator().topController(), static_cast<ui::ViewController*>(app().mainViewController()));
    EXPECT_FALSE(m_screen->bLockView());
    EXPECT_EQ(m_screen->shownTab(), nullptr);
}
