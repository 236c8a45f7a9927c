#include "PortfolioFixture.h"
#include "portfolio/HoldingColumns.h"
#include "portfolio/Holdings.h"

#include <gtest/gtest.h>

using portfolio::HoldingCell;
using portfolio::HoldingRow;
using ui::TrendColors;

namespace {

const TrendColors kUsual;
const TrendColors kBoard(false, true);
const TrendColors kBoardSafe(true, true);
const QString kCeiling = QStringLiteral("#e040fb");
const QString kFloor = QStringLiteral("#00e5ff");
const QString kReference = QStringLiteral("#ffd600");

HoldingRow quotedAt(const QString& price, const QString& change) {
    HoldingRow row;
    row.code = QStringLiteral("AAA");
    row.price = QStringLiteral("24");
    row.quantity = QStringLiteral("1000");
    row.quoted = true;
    row.quotePrice = price;
    row.change = change;
    row.percent = change;
    row.limits = ui::PriceLimits{25, 26.7, 23.3};
    return row;
}

/// The colour names of the price, change and percent cells of the first holdings screen.
QStringList marketColours(const HoldingRow& row, const TrendColors& colors) {
    QStringList names;
    for (const std::size_t column : {1U, 2U, 3U}) {
        names.append(portfolio::marketColumns().at(column).value(row, colors).color.name());
    }
    return names;
}

} // namespace

TEST(HoldingColoursTest, TheFirstScreenShowsTheBoardColoursOfThePrice) {
    EXPECT_EQ(marketColours(quotedAt(QStringLiteral("26.7"), QStringLiteral("1.7")), kBoard),
              (QStringList{kCeiling, kCeiling, kCeiling}));
    EXPECT_EQ(marketColours(quotedAt(QStringLiteral("23.3"), QStringLiteral("-1.7")), kBoard),
              (QStringList{kFloor, kFloor, kFloor}));
    EXPECT_EQ(marketColours(quotedAt(QStringLiteral("25"), QStringLiteral("0")), kBoard),
              (QStringList{kReference, kReference, kReference}));
    const QString green = QColor(Qt::green).name();
    EXPECT_EQ(marketColours(quotedAt(QStringLiteral("25.1"), QStringLiteral("0.1")), kBoard),
              (QStringList{green, green, green}));
    const QString orange = kBoardSafe.qFall().name();
    EXPECT_EQ(marketColours(quotedAt(QStringLiteral("24.9"), QStringLiteral("-0.1")), kBoardSafe),
              (QStringList{orange, orange, orange}));
}

TEST(HoldingColoursTest, OffTheFirstScreenKeepsTodaysRuleAndTheOtherScreensIgnoreTheBoard) {
    const HoldingRow atCeiling = quotedAt(QStringLiteral("26.7"), QStringLiteral("1.7"));
    const QString white = QColor(Qt::white).name();
    const QString green = QColor(Qt::green).name();
    EXPECT_EQ(marketColours(atCeiling, kUsual), (QStringList{white, green, green}));
    // Against the purchase price the colour stays a rise or a fall, in the palette's colours.
    const HoldingCell difference = portfolio::priceColumns().at(2).value(atCeiling, kBoardSafe);
    EXPECT_EQ(difference.color, kBoardSafe.qRise());
    EXPECT_EQ(portfolio::priceColumns().at(1).value(atCeiling, kBoard).color, QColor(Qt::white));
}

class HoldingLimitsTest : public testsupport::PortfolioTest {};

// The fixture stores each quote with its price as the reference, the ceiling 99 and the floor 1.
TEST_F(HoldingLimitsTest, TheModelReadsEachQuotesLimitsFromTheStore) {
    addCompany(QStringLiteral("6"), QStringLiteral("AAA"));
    addCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
    addHolding(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("6"), QStringLiteral("20"));
    storeQuote(kToday, QStringLiteral("6"), QStringLiteral("21"));
    portfolio::HoldingsModel model;
    model.load(db(), QStringLiteral("1"), kToday);
    ASSERT_EQ(model.rows().size(), 1U);
    ASSERT_TRUE(model.rows()[0].limits.has_value());
    EXPECT_DOUBLE_EQ(model.rows()[0].limits->reference, 21);
    EXPECT_DOUBLE_EQ(model.rows()[0].limits->ceiling, 99);
    EXPECT_DOUBLE_EQ(model.rows()[0].limits->floor, 1);
    EXPECT_EQ(marketColours(model.rows()[0], kBoard), (QStringList{kReference, kReference, kReference}));
}
