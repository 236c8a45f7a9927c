#include "core/CalendarHelpers.h"
#include "news/NewsAnswer.h"
#include "news/NewsArticlePage.h"
#include "news/NewsItem.h"
#include "news/NewsRows.h"
#include "store/myDb.h"
#include "support/TempDir.h"
#include "ui/Fonts.h"
#include "ui/HtmlView.h"

#include <QFontMetrics>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

using news::NewsItem;
using news::NewsRows;

namespace {

/// A store made from the real schema in a fresh folder.
class NewsStoreTest : public testsupport::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        m_db = std::make_unique<myDb>(path());
        m_db->initDb();
    }
    myDb& db() { return *m_db; }

private:
    std::unique_ptr<myDb> m_db;
};

QString renderedText(const QString& page) {
    ui::HtmlView view;
    view.setHtml(page);
    // The page's table puts a line break before and after the text.
    return view.toPlainText().trimmed();
}

} // namespace

TEST(NewsItem, ReadsTheStoredRowAndKeepsACommaOfTheText) {
    const NewsItem item = NewsItem::fromRow(QStringLiteral("9000,605,7,Tiêu đề,Dòng 1\nDòng 2, tiếp"));
    EXPECT_EQ(item.day, 9000);
    EXPECT_EQ(item.minute, 605);
    EXPECT_EQ(item.companyId, QStringLiteral("7"));
    EXPECT_EQ(item.title, QStringLiteral("Tiêu đề"));
    EXPECT_EQ(item.lines(), (QStringList{QStringLiteral("Dòng 1"), QStringLiteral("Dòng 2, tiếp")}));
    EXPECT_EQ(item.timeAndDate(), QStringLiteral("10:05 - ") + core::dateFromDay(9000));
}

// ---- the answer --------------------------------------------------------------------------------

TEST_F(NewsStoreTest, StoresTheNewsRecordsOfASuccessAnswerOnly) {
    const QString text = QStringLiteral("KTRPW:0:9001;\n9001,600,7,Một,Nội dung một\nhai;\n9001,601,7,Hai,Nội dung;"
                                        "\n9001,602,7,thiếu trường;\nngày,603,7,Rác,x;\n9001,6x4,7,Rác,y;\n");
    const news::StoredNews stored = news::storeNewsAnswer(db(), text);
    EXPECT_TRUE(stored.success);
    EXPECT_EQ(stored.count, 2);
    EXPECT_EQ(stored.lastCompanyId, QStringLiteral("7"));
    EXPECT_EQ(
        db().getCompanyNews(QStringLiteral("7")),
        (QStringList{QStringLiteral("9001,601,7,Hai,Nội dung"), QStringLiteral("9001,600,7,Một,Nội dung một\nhai")}));

    const news::StoredNews refused =
        news::storeNewsAnswer(db(), QStringLiteral("KTRPW:1:Lỗi;\n9001,700,7,Ba,Nội dung;"));
    EXPECT_FALSE(refused.success);
    EXPECT_EQ(db().getCompanyNews(QStringLiteral("7")).size(), 2);
}

TEST_F(NewsStoreTest, TheSameItemStoredAgainKeepsOneCopyWithTheNewerText) {
    news::storeNewsAnswer(db(), QStringLiteral("KTRPW:0:9001;\n9001,600,0,Tin 'nóng',cũ;"));
    news::storeNewsAnswer(db(), QStringLiteral("KTRPW:0:9001;\n9001,600,0,Tin 'nóng',mới;"));
    EXPECT_EQ(db().getCompanyNews(QStringLiteral(" ")), QStringList{QStringLiteral("9001,600,0,Tin 'nóng',mới")});
}

// ---- the article page --------------------------------------------------------------------------

TEST(NewsArticlePage, ATextWithoutLineBreakIsOneBoldLineThenTheTimeAndDate) {
    NewsItem item = NewsItem::fromRow(QStringLiteral("9000,600,0,Tiêu đề,Chỉ một dòng"));
    const QString page = news::articlePage(item);
    EXPECT_TRUE(page.contains(QStringLiteral("<b>Chỉ một dòng</b><br/><font style=\"font-size:11pt\" "
                                             "color=\"#f4d600\">10:00 - %1</font><br/><br/>")
                                  .arg(core::dateFromDay(9000))));
    EXPECT_EQ(renderedText(page), QStringLiteral("Chỉ một dòng\n10:00 - %1").arg(core::dateFromDay(9000)));
}

TEST(NewsArticlePage, ServiceTextShowsAsWrittenNeverAsMarkup) {
    const NewsItem item =
        NewsItem::fromRow(QStringLiteral("9000,600,0,t,<b>Đậm?</b> & 'nháy'\n<script>x()</script><img src=x>"));
    const QString page = news::articlePage(item);
    EXPECT_FALSE(page.contains(QStringLiteral("<script>")));
    EXPECT_FALSE(page.contains(QStringLiteral("<img")));
    EXPECT_EQ(renderedText(page).split(QLatin1Char('\n')).value(0), QStringLiteral("<b>Đậm?</b> & 'nháy'"));
    EXPECT_TRUE(renderedText(page).contains(QStringLiteral("<script>x()</script><img src=x>")));
}

// The text colour the page names must be one Qt draws; five hex digits would leave it black.
TEST(NewsArticlePage, TheTextIsLightOnBlack) {
    const NewsItem item = NewsItem::fromRow(QStringLiteral("9000,600,0,t,Dòng đầu\nDòng sau"));
    ui::HtmlView view;
    view.setHtml(news::articlePage(item));
    const QTextCharFormat format = view.document()->find(QStringLiteral("Dòng sau")).charFormat();
    EXPECT_EQ(format.foreground().color(), QColor(0xdc, 0xcd, 0xc0));
}

// ---- the list rows -----------------------------------------------------------------------------

TEST(NewsRows, ALongTitleTakesTwoLinesAndATallerRow) {
    NewsRows rows;
    const QString longTitle = QStringLiteral("Công ty Cổ phần Viễn thông Tây Nguyên ký hợp đồng mới trị giá 767 tỷ "
                                             "đồng với đối tác nước ngoài trong tháng mười hai năm nay và năm sau "
                                             "nữa cùng nhiều dự án lớn khác đang chờ phê duyệt");
    rows.setRows({QStringLiteral("9000,600,7,Ngắn,x"), QStringLiteral("9000,601,7,%1,y").arg(longTitle)});
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.titleLines(0), QStringList{QStringLiteral("Ngắn")});
    EXPECT_EQ(rows.rowHeight(0), NewsRows::kRowHeight);
    const QStringList lines = rows.titleLines(1);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.at(1).endsWith(QChar(0x2026)));
    EXPECT_TRUE(longTitle.startsWith(lines.at(0)));
    // The time line stays inside its row.
    EXPECT_GT(rows.rowHeight(1), NewsRows::kRowHeight);
    EXPECT_EQ(rows.rowText(1), QStringLiteral("9000,601,7,%1,y").arg(longTitle));
}

TEST(NewsRows, WrappedLinesFitTheWidth) {
    const QFont font = ui::systemFont(13);
    const QStringList lines = news::wrapTitle(QString(60, QLatin1Char('W')), font, 200, 2);
    ASSERT_EQ(lines.size(), 2);
    for (const QString& line : lines) {
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(line), 200);
    }
}
