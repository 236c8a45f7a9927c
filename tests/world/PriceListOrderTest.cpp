#include "WorldFixture.h"
#include "ui/RowOrder.h"
#include "ui/RowTable.h"
#include "ui/SortHeadings.h"
#include "world/ExchangeViewController.h"
#include "world/GoodsViewController.h"

#include <QLabel>
#include <QTest>

using testsupport::WorldTest;
using world::ExchangeViewController;
using world::GoodsViewController;

namespace {

QStringList shownNames(const ui::RowTable& table) {
    QStringList names;
    for (int row = 0; row < table.source()->rowCount(); ++row) {
        names.append(table.source()->rowTexts(row).value(0));
    }
    return names;
}

class PriceListOrderTest : public WorldTest {
protected:
    void storeGoods(int id, const char* price, const char* change, const char* percent) {
        app().db()->updateGoods(QString::number(id), QString::number(kToday), QStringLiteral("600"),
                                QString::fromLatin1(price), QString::fromLatin1(change), QString::fromLatin1(percent));
    }
    void storeRate(int id, const char* price, const char* buy, const char* sell) {
        app().db()->updateExchange(QString::number(id), QString::number(kToday), QStringLiteral("600"),
                                   QString::fromLatin1(price), QString::fromLatin1(buy), QString::fromLatin1(sell));
    }
};

} // namespace

// Dầu thô WTI, Dầu Brent, Khí thiên nhiên; the gas has no price today.
TEST_F(PriceListOrderTest, CommoditiesSortByFigureWithNoPriceLastAndFilterByName) {
    storeGoods(1, "75.32", "-0.11", "-0.15");
    storeGoods(2, "122.86", "2.56", "2.13");
    storeGoods(3, "0", "0", "0");
    auto& screen = open<GoodsViewController>();
    const QStringList ownOrder = shownNames(*screen.tbView());
    ASSERT_EQ(ownOrder.size(), 3);
    screen.order().sortBy(1);
    EXPECT_EQ(shownNames(*screen.tbView()), (QStringList{"Dầu thô WTI", "Dầu Brent", "Khí thiên nhiên"}));
    screen.order().sortBy(1);
    EXPECT_EQ(shownNames(*screen.tbView()), (QStringList{"Dầu Brent", "Dầu thô WTI", "Khí thiên nhiên"}));
    // No change is a change of zero, between a fall and a rise.
    screen.order().sortBy(2);
    EXPECT_EQ(shownNames(*screen.tbView()), (QStringList{"Dầu thô WTI", "Khí thiên nhiên", "Dầu Brent"}));

    EXPECT_TRUE(screen.handleTyping(QStringLiteral("dau"), Qt::NoModifier));
    EXPECT_EQ(shownNames(*screen.tbView()), (QStringList{"Dầu thô WTI", "Dầu Brent"}));
    EXPECT_EQ(screen.order().filterLabel()->text(), QStringLiteral("Lọc: dau — 2 dòng "));
    EXPECT_TRUE(screen.handleKey(Qt::Key_Escape));
    EXPECT_TRUE(screen.handleTyping(QStringLiteral("Khí"), Qt::NoModifier));
    EXPECT_EQ(shownNames(*screen.tbView()), QStringList{"Khí thiên nhiên"});
    // A refresh from the store keeps the filter and the order.
    storeGoods(1, "80", "4.5", "6");
    screen.startLoad();
    EXPECT_EQ(shownNames(*screen.tbView()), QStringList{"Khí thiên nhiên"});
    screen.order().setFilter(QString());
    EXPECT_EQ(shownNames(*screen.tbView()), (QStringList{"Khí thiên nhiên", "Dầu Brent", "Dầu thô WTI"}));
}

TEST_F(PriceListOrderTest, BothSetsOfExchangeHeadingsSortAndTheOrderOutlivesTheVisit) {
    storeRate(9, "21000", "20980", "0");
    storeRate(10, "25000", "24900", "25100");
    auto& screen = open<ExchangeViewController>();
    ASSERT_EQ(shownNames(*screen.tbView()).size(), 2);
    const QString first = shownNames(*screen.tbView()).at(0);
    QLabel* sell = nullptr;
    for (QLabel* label : screen.view()->findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Bán") && label->isVisibleTo(screen.view())) {
            sell = label;
        }
    }
    ASSERT_NE(sell, nullptr);
    QTest::mouseClick(sell, Qt::LeftButton);
    QTest::mouseClick(sell, Qt::LeftButton);
    EXPECT_EQ(sell->text(), ui::SortHeadings::kFalling + QStringLiteral(" Bán"));
    // The rate without a selling price stays last either way.
    const QStringList falling = shownNames(*screen.tbView());
    QTest::mouseClick(sell, Qt::LeftButton);
    EXPECT_EQ(shownNames(*screen.tbView()).at(0), first);
    QTest::mouseClick(sell, Qt::LeftButton);
    EXPECT_EQ(shownNames(*screen.tbView()).last(), falling.last());
    EXPECT_EQ(sell->text(), ui::SortHeadings::kRising + QStringLiteral(" Bán"));

    navigator().pop(false);
    auto& again = open<ExchangeViewController>();
    EXPECT_EQ(again.order().state().column, 3);
    EXPECT_FALSE(again.order().state().descending);
    EXPECT_EQ(shownNames(*again.tbView()).last(), falling.last());
}
