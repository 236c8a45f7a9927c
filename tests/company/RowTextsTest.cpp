#include "CompanyListFixture.h"
#include "company/CompanyListChooseRows.h"
#include "company/CompanyListSource.h"
#include "company/DirectoryWarningRows.h"
#include "company/DirectoryWarningViewController.h"

#include <QLabel>

#include <algorithm>

using company::CompanyListChooseRows;
using testsupport::CompanyListTest;

namespace {

bool showsEveryTitle(ui::ViewController& screen, const QStringList& titles) {
    QStringList shown;
    for (const QLabel* label : screen.view()->findChildren<QLabel*>()) {
        shown.append(label->text());
    }
    return std::all_of(titles.begin(), titles.end(), [&shown](const QString& title) { return shown.contains(title); });
}

} // namespace

// The heading is drawn as the first row: it titles the columns and is no row of data.
TEST(CompanyListChooseRowsTest, TheHeadingRowTitlesTheColumnsAndTheTickIsText) {
    CompanyListChooseRows rows;
    rows.setCodes({QStringLiteral("AAA"), QStringLiteral("BBB")});
    rows.setVisibleAttrs({QStringLiteral("1"), QStringLiteral("0")});
    EXPECT_EQ(rows.columnTitles(), (QStringList{QStringLiteral("Mã chứng khoán"), QStringLiteral("Hiển thị")}));
    EXPECT_TRUE(rows.rowTexts(0).isEmpty());
    EXPECT_EQ(rows.rowTexts(1), (QStringList{QStringLiteral("AAA"), QStringLiteral("✓")}));
    EXPECT_EQ(rows.rowTexts(2), (QStringList{QStringLiteral("BBB"), QString()}));
    EXPECT_TRUE(rows.rowTexts(3).isEmpty());
    EXPECT_TRUE(rows.textAt(0).startsWith(rows.columnTitles().first()));
    EXPECT_TRUE(rows.textAt(0).endsWith(rows.columnTitles().last()));
}

TEST(DirectoryWarningRowsTest, ARowGivesTheTextsItShows) {
    company::DirectoryWarningRows rows;
    company::DirectoryWarningRow row;
    row.category = QStringLiteral("Lướt sóng, ngắn hạn");
    row.code = QStringLiteral("ACB");
    row.price = QStringLiteral("26.0");
    row.priceLevel = company::WarningLevel::Above;
    row.percent = QStringLiteral("8.33");
    rows.setRows({row});
    EXPECT_EQ(rows.rowTexts(0), (QStringList{row.category, row.code, row.price, row.percent}));
    EXPECT_TRUE(rows.rowTexts(-1).isEmpty());
    EXPECT_EQ(rows.columnTitles().size(), 4);
}

TEST_F(CompanyListTest, TheListAndWarningColumnTitlesAreTheScreensHeadings) {
    EXPECT_TRUE(showsEveryTitle(list(), company::CompanyListSource::headings()));
    EXPECT_TRUE(showsEveryTitle(*app().cachedScreen<company::DirectoryWarningViewController>(),
                                company::DirectoryWarningRows::headings()));
}
