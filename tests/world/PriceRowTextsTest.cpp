#include "WorldFixture.h"
#include "ui/RowTable.h"
#include "world/ExchangeViewController.h"
#include "world/GoodsViewController.h"
#include "world/PriceRows.h"
#include "world/WorldStockViewController.h"

#include <QLabel>

#include <algorithm>

using world::ExchangeViewController;

namespace {

class PriceRowTextsTest : public testsupport::WorldTest {};

/// The texts of the labels the screen shows now.
QStringList shownLabels(ui::ViewController& screen) {
    QStringList texts;
    for (const QLabel* label : screen.view()->findChildren<QLabel*>()) {
        if (label->isVisibleTo(screen.view())) {
            texts.append(label->text());
        }
    }
    return texts;
}

/// Whether every column title is a heading on show.
bool titlesAreShownHeadings(world::PriceListScreen& screen) {
    const QStringList shown = shownLabels(screen);
    const QStringList titles = screen.tbView()->source()->columnTitles();
    return titles.size() == 4 &&
           std::all_of(titles.begin(), titles.end(), [&shown](const QString& title) { return shown.contains(title); });
}

} // namespace

TEST_F(PriceRowTextsTest, TheExchangeRowsAreTitledByTheHeadingsOfTheGroupShown) {
    app().db()->updateExchange(QStringLiteral("9"), QString::number(kToday), QStringLiteral("600"),
                               QStringLiteral("21000"), QStringLiteral("0"), QStringLiteral("21010.5"));
    auto& screen = open<ExchangeViewController>();
    const ui::RowSource& rows = *screen.tbView()->source();
    EXPECT_EQ(rows.columnTitles(), (QStringList{QStringLiteral("Tỷ giá ACB"), QStringLiteral("Tham chiếu"),
                                                QStringLiteral("Mua"), QStringLiteral("Bán")}));
    EXPECT_TRUE(titlesAreShownHeadings(screen));
    // The currency sign is a picture: the texts are the name and the three rates as shown.
    EXPECT_EQ(rows.rowTexts(0), (QStringList{QStringLiteral("USD"), QStringLiteral("21,000"), QStringLiteral("-"),
                                             QStringLiteral("21,010.5")}));
    EXPECT_TRUE(rows.rowTexts(1).isEmpty());

    screen.toggleOC();
    EXPECT_EQ(rows.columnTitles().first(), QStringLiteral("Tỷ giá thế giới"));
    EXPECT_TRUE(titlesAreShownHeadings(screen));
    screen.toggleEU();
    EXPECT_EQ(rows.columnTitles().first(), QStringLiteral("Tỷ giá ACB"));
}

TEST_F(PriceRowTextsTest, TheWorldIndicesRowsAreTitledByTheirHeadings) {
    EXPECT_TRUE(titlesAreShownHeadings(open<world::WorldStockViewController>()));
}

TEST_F(PriceRowTextsTest, TheGoodsRowsAreTitledByTheirHeadings) {
    auto& goods = open<world::GoodsViewController>();
    EXPECT_TRUE(titlesAreShownHeadings(goods));
    EXPECT_EQ(goods.tbView()->source()->columnTitles().first(), QStringLiteral("Hàng hóa"));
}

TEST(PriceRowsTest, RowsWithoutTitlesCannotBeExported) {
    world::PriceRows rows{world::PriceRowLayout{}};
    rows.setRows({world::PriceRow{QStringLiteral("Flag_US.png"), QStringLiteral("Dow Jones"), {}}});
    EXPECT_FALSE(rows.isExportable());
    rows.setColumnTitles(
        {QStringLiteral("Chỉ số"), QStringLiteral("Điểm"), QStringLiteral("+/-"), QStringLiteral("%")});
    EXPECT_TRUE(rows.isExportable());
    EXPECT_EQ(rows.rowTexts(0), (QStringList{QStringLiteral("Dow Jones"), QString(), QString(), QString()}));
}
