#include "market/MarketBreadth.h"

#include "MarketDayFixture.h"
#include "market/BreadthStrip.h"
#include "market/MarketMoversSource.h"
#include "market/MarketMoversViewController.h"
#include "ui/TrendPalette.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using market::BreadthStrip;
using market::CompanyDayResult;
using market::MarketBreadth;

namespace {

CompanyDayResult result(const char* row) {
    return CompanyDayResult::fromRow(QString::fromLatin1(row));
}

} // namespace

// ---- counting --------------------------------------------------------------------------------

TEST(MarketBreadthCount, CountsMovesAndPricesAtTheirLimits) {
    // code,id,price,updown,percent,quantity,refer,ceil,floor
    const std::vector<CompanyDayResult> results{
        result("AAA,1,26.7,1.7,6.8,100,25,26.7,23.3"),
        result("BBB,2,25.1,0.1,0.4,100,25,26.7,23.3"),
        result("CCC,3,25,0,0,100,25,26.7,23.3"),
        result("DDD,4,23.3,-1.7,-6.8,100,25,26.7,23.3"),
        result("EEE,5,24,-1,-4,100,25,,"),
    };
    const std::optional<MarketBreadth> breadth = market::breadthOf(results);
    ASSERT_TRUE(breadth);
    EXPECT_EQ(*breadth, (MarketBreadth{2, 2, 1, 1, 1}));
    EXPECT_EQ(breadth->total(), 5);
    EXPECT_EQ(market::breadthText(*breadth), QStringLiteral("Tăng 2 · Giảm 2 · Đứng 1 · Trần 1 · Sàn 1"));
}

TEST(MarketBreadthCount, ADayWithoutResultsHasNoBreadthRatherThanZeros) {
    EXPECT_FALSE(market::breadthOf({}));
    // A stored quote without a price is no result either.
    EXPECT_TRUE(market::companyDayResults({QStringLiteral("GGG,7,,,,,,,")}).empty());
    EXPECT_FALSE(market::breadthOf(market::companyDayResults({QStringLiteral("GGG,7,0,0,0,0,25,26.7,23.3")})));
}

TEST(MarketBreadthCount, PriceLimitsAreComparedAsNumbersAndOnlyWhenStored) {
    EXPECT_TRUE(result("AAA,1,27.50,1.8,7,1,25.7,27.5,23.9").closedAtCeiling());
    EXPECT_FALSE(result("AAA,1,27.4,1.7,6.6,1,25.7,27.5,23.9").closedAtCeiling());
    EXPECT_TRUE(result("AAA,1,23.9,-1.8,-7,1,25.7,27.5,23.90").closedAtFloor());
    // Without stored limits nothing is at a limit, however low or high the price.
    EXPECT_FALSE(result("AAA,1,0.1,-1,-90,1,1.1,,").closedAtFloor());
    EXPECT_FALSE(result("AAA,1,99,9,10,1,90,0,0").closedAtCeiling());
}

// ---- the strip -------------------------------------------------------------------------------

TEST(MarketBreadthStrip, BarSharesFollowTheCountsAndFillTheBar) {
    BreadthStrip strip;
    strip.setBreadth(MarketBreadth{30, 10, 8, 0, 0});
    EXPECT_EQ(strip.barWidths(), (std::array<int, 3>{30, 8, 10}));
    strip.setBreadth(MarketBreadth{1, 1, 1, 0, 0});
    const std::array<int, 3> thirds = strip.barWidths();
    EXPECT_EQ(thirds[0] + thirds[1] + thirds[2], BreadthStrip::kBarWidth);
    strip.setBreadth(std::nullopt);
    EXPECT_EQ(strip.barWidths(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(strip.text(), QStringLiteral("Cổ phiếu tăng/giảm: -"));
}

// The bar is painted from the palette it was given, and again when the palette changes.
TEST(MarketBreadthStrip, TheBarTakesThePalettesColoursAndFollowsItsChanges) {
    ui::TrendPalette palette;
    BreadthStrip strip;
    strip.resize(300, 17);
    strip.setPalette(&palette);
    strip.setBreadth(MarketBreadth{24, 24, 0, 0, 0});
    const auto barPixel = [&strip](int x) {
        return strip.grab().toImage().pixelColor(x, strip.height() / 2).rgb();
    };
    const int rising = 5;
    const int falling = BreadthStrip::kBarWidth - 5;
    EXPECT_EQ(barPixel(rising), ui::TrendColors().qRise(ui::Shade::Deep).rgb());
    EXPECT_EQ(barPixel(falling), QColor(Qt::red).rgb());

    palette.setColourSafe(true);
    const ui::TrendColors safe(true, false);
    EXPECT_EQ(barPixel(rising), safe.qRise(ui::Shade::Deep).rgb());
    EXPECT_EQ(barPixel(falling), safe.qFall(ui::Shade::Deep).rgb());
}

// ---- on the results screen -------------------------------------------------------------------

class MarketBreadthScreenTest : public testsupport::MarketDayTest {};

TEST_F(MarketBreadthScreenTest, EachExchangeShowsTheChosenDaysCounts) {
    market::MarketResultViewController& screen = openScreen();
    EXPECT_EQ(screen.hoseBreadth()->text(), QStringLiteral("Tăng 3 · Giảm 2 · Đứng 1 · Trần 1 · Sàn 1"));
    EXPECT_EQ(screen.haSTCBreadth()->text(), QStringLiteral("Tăng 1 · Giảm 0 · Đứng 0 · Trần 0 · Sàn 0"));
    EXPECT_FALSE(screen.hoseBreadth()->isHidden());
    // The strips keep clear of the labels and the bottom bar.
    EXPECT_FALSE(screen.hoseBreadth()->geometry().intersects(screen.haSTCPoint()->geometry()));
    EXPECT_FALSE(screen.haSTCBreadth()->geometry().intersects(screen.lbUser()->geometry()));
    EXPECT_FALSE(screen.haSTCBreadth()->geometry().intersects(screen.btMovers()->geometry()));
}

TEST_F(MarketBreadthScreenTest, ADayWithIndexValuesButNoCompanyQuotesShowsADash) {
    store(kHoSE, kToday - 1, 1240, 280);
    store(kHNX, kToday - 1, 238, 70);
    market::MarketResultViewController& screen = openScreen();
    screen.goNext();
    ASSERT_EQ(screen.chosenDay(), kToday - 1);
    EXPECT_EQ(screen.hosePoint()->text(), QStringLiteral("1240"));
    EXPECT_FALSE(screen.hoseBreadth()->breadth());
    EXPECT_EQ(screen.hoseBreadth()->text(), QStringLiteral("Cổ phiếu tăng/giảm: -"));
    EXPECT_FALSE(screen.haSTCBreadth()->breadth());
    screen.goBack();
    EXPECT_EQ(screen.hoseBreadth()->breadth(), (MarketBreadth{3, 2, 1, 1, 1}));
}

TEST_F(MarketBreadthScreenTest, AnEarlierDaysQuotesAreCountedForThatDayOnly) {
    store(kHoSE, kToday - 1, 1240, 280);
    storeCompany(kHoSE, 11, "AAA", "25.7", "-0.3", "-1.15", "700", "", "", kToday - 1);
    market::MarketResultViewController& screen = openScreen(kToday - 1);
    EXPECT_EQ(screen.hoseBreadth()->breadth(), (MarketBreadth{0, 1, 0, 0, 0}));
}

// ---- opening the movers ----------------------------------------------------------------------

TEST_F(MarketBreadthScreenTest, MKeyOpensTheMoversOfTheChosenDayAndTheSelectedExchange) {
    store(kHoSE, kToday - 1, 1240, 280);
    market::MarketResultViewController& screen = openScreen(kToday - 1);
    EXPECT_TRUE(navigator().dispatchKey(Qt::Key_M));
    auto* movers = app().cachedScreen<market::MarketMoversViewController>();
    ASSERT_EQ(navigator().topController(), movers);
    EXPECT_EQ(movers->stockId(), kHoSE);
    EXPECT_EQ(movers->day(), kToday - 1);

    navigator().pop(false);
    screen.btHNX()->click();
    screen.goBack();
    screen.btMovers()->click();
    ASSERT_EQ(navigator().topController(), movers);
    EXPECT_EQ(movers->stockId(), kHNX);
    EXPECT_EQ(movers->day(), kToday);
    EXPECT_EQ(movers->source().rowCount(), 1);
}
