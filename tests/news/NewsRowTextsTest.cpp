#include "news/NewsRows.h"

#include <gtest/gtest.h>

// A row cuts a long title to two lines; the copy of the table keeps it whole.
TEST(NewsRowTextsTest, ARowGivesItsWholeTitleAndItsTime) {
    const QString title =
        QStringLiteral("Chứng khoán tuần tới: ") + QStringLiteral("dòng tiền ").repeated(40).trimmed();
    news::NewsRows rows;
    rows.setRows({QStringLiteral("9000,605,0,") + title + QStringLiteral(",Nội dung, có dấu phẩy")});
    ASSERT_EQ(rows.rowCount(), 1);
    ASSERT_EQ(rows.titleLines(0).size(), 2);
    ASSERT_TRUE(rows.titleLines(0).last().endsWith(u'…'));
    EXPECT_EQ(rows.columnTitles(), (QStringList{QStringLiteral("Tiêu đề"), QStringLiteral("Thời gian")}));
    EXPECT_EQ(rows.rowTexts(0), (QStringList{title, rows.items().front().timeAndDate()}));
    EXPECT_TRUE(rows.rowTexts(0).last().startsWith(QStringLiteral("10:05 - ")));
    EXPECT_TRUE(rows.rowTexts(1).isEmpty());
}
