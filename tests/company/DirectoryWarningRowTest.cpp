#include "company/DirectoryWarningRow.h"

#include "company/DirectoryWarningRecords.h"
#include "company/DirectoryWarningRows.h"
#include "core/CalendarHelpers.h"

#include <gtest/gtest.h>

using company::DirectoryWarningRow;
using company::DirectoryWarningRows;
using company::makeWarningRow;
using company::readWarningRecords;
using company::WarningLevel;

namespace {

// Purchase price 25.7, upper threshold 3, lower threshold 2.
const QString kHolding = QStringLiteral("ACB,12,Danh mục chính,3650,25.7,3,2,1000");

QString warningAt(const QString& priceText) {
    return QStringLiteral("\n7,12,501,") + priceText + QLatin1Char(',') + priceText;
}

} // namespace

TEST(DirectoryWarningRecordsTest, KeepsOnlyFiveFieldRecordsAsReceived) {
    const QByteArray answer = "KTRPW:0:3650:;\n7,12,501,23.7,23.7;\n7,13,502,31.0;\n8,14,503,29.5,29.5;\n";
    const QStringList records = readWarningRecords(answer);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records.at(0), QStringLiteral("\n7,12,501,23.7,23.7"));
    EXPECT_EQ(records.at(1), QStringLiteral("\n8,14,503,29.5,29.5"));
}

TEST(DirectoryWarningRecordsTest, ErrorStatusOrUnreadableHeaderGivesNoRecords) {
    EXPECT_TRUE(readWarningRecords("KTRPW:1:Phiên làm việc hết hạn:;\n7,12,501,23.7,23.7;\n").isEmpty());
    EXPECT_TRUE(readWarningRecords("garbage;\n7,12,501,23.7,23.7;\n").isEmpty());
    EXPECT_TRUE(readWarningRecords(QByteArray()).isEmpty());
}

TEST(DirectoryWarningRowTest, ShowsTheHoldingsCategoryCodeAndPriceText) {
    const DirectoryWarningRow row = makeWarningRow(warningAt(QStringLiteral("26.0")), kHolding);
    EXPECT_EQ(row.category, QStringLiteral("Danh mục chính"));
    EXPECT_EQ(row.code, QStringLiteral("ACB"));
    EXPECT_EQ(row.price, QStringLiteral("26.0"));
    EXPECT_EQ(row.priceLevel, WarningLevel::None);
}

TEST(DirectoryWarningRowTest, PriceExactlyAtTheLowerBoundIsRed) {
    // 25.7 - 2 = 23.7 in doubles as the store's texts read.
    EXPECT_EQ(makeWarningRow(warningAt(QStringLiteral("23.7")), kHolding).priceLevel, WarningLevel::Below);
    EXPECT_EQ(makeWarningRow(warningAt(QStringLiteral("23.8")), kHolding).priceLevel, WarningLevel::None);
    EXPECT_EQ(DirectoryWarningRows::priceColor(WarningLevel::Below), QColor(255, 0, 0));
}

TEST(DirectoryWarningRowTest, PriceExactlyAtTheUpperBoundIsDarkGreen) {
    const QString holding = QStringLiteral("ACB,12,Danh mục chính,3650,25.5,3,2,1000");
    EXPECT_EQ(makeWarningRow(warningAt(QStringLiteral("28.5")), holding).priceLevel, WarningLevel::Above);
    EXPECT_EQ(makeWarningRow(warningAt(QStringLiteral("28.4")), holding).priceLevel, WarningLevel::None);
    EXPECT_EQ(DirectoryWarningRows::priceColor(WarningLevel::Above), QColor::fromRgbF(0.13F, 0.55F, 0.13F));
    EXPECT_EQ(DirectoryWarningRows::priceColor(WarningLevel::None), QColor(Qt::white));
}

TEST(DirectoryWarningRowTest, ZeroThresholdsMakeTheRiseWin) {
    const QString holding = QStringLiteral("ACB,12,Danh mục chính,3650,25.5,0,0,1000");
    EXPECT_EQ(makeWarningRow(warningAt(QStringLiteral("25.5")), holding).priceLevel, WarningLevel::Above);
}

TEST(DirectoryWarningRowTest, PercentIsTakenAgainstThePurchasePriceItself) {
    // 25.7 → 28.27 is +10 % of 25.7 (it would be +13.08 % of 25).
    const DirectoryWarningRow rise = makeWarningRow(warningAt(QStringLiteral("28.27")), kHolding);
    EXPECT_EQ(rise.percent, QStringLiteral("+") + core::getDecimalString((28.27 - 25.7) * 100 / 25.7));
    EXPECT_NEAR((28.27 - 25.7) * 100 / 25.7, 10.0, 1e-9);
    EXPECT_FALSE(rise.percentFalls);
    EXPECT_EQ(DirectoryWarningRows::percentColor(rise), QColor(Qt::white));

    const DirectoryWarningRow fall = makeWarningRow(warningAt(QStringLiteral("23.13")), kHolding);
    EXPECT_EQ(fall.percent, core::getDecimalString((23.13 - 25.7) * 100 / 25.7));
    EXPECT_TRUE(fall.percent.startsWith(QLatin1Char('-')));
    EXPECT_TRUE(fall.percentFalls);
    EXPECT_EQ(DirectoryWarningRows::percentColor(fall), QColor(255, 0, 0));
}

TEST(DirectoryWarningRowTest, NoPurchasePriceShowsADash) {
    const QString free = QStringLiteral("ACB,12,Danh mục chính,3650,0,3,2,1000");
    EXPECT_EQ(makeWarningRow(warningAt(QStringLiteral("0.5")), free).percent, QStringLiteral("-"));
    const QString blank = QStringLiteral("ACB,12,Danh mục chính,3650,,3,2,1000");
    EXPECT_EQ(makeWarningRow(warningAt(QStringLiteral("0.5")), blank).percent, QStringLiteral("-"));
    // Below 1 the price still divides: 0.5 → 0.6 is +20 %.
    const QString cheap = QStringLiteral("ACB,12,Danh mục chính,3650,0.5,3,2,1000");
    EXPECT_EQ(makeWarningRow(warningAt(QStringLiteral("0.6")), cheap).percent,
              QStringLiteral("+") + core::getDecimalString((0.6 - 0.5) * 100 / 0.5));
}

TEST(DirectoryWarningRowTest, HoldingNotInTheStoreLeavesTheRowBlankButThePrice) {
    const DirectoryWarningRow row = makeWarningRow(warningAt(QStringLiteral("23.7")), QString());
    EXPECT_TRUE(row.category.isEmpty());
    EXPECT_TRUE(row.code.isEmpty());
    EXPECT_EQ(row.priceLevel, WarningLevel::None);
    EXPECT_EQ(row.percent, QStringLiteral("-"));
}

TEST(DirectoryWarningRowTest, CategoryNameWithACommaKeepsTheFieldsAfterIt) {
    const QString holding = QStringLiteral("ACB,12,Quỹ A, B,3650,25.7,3,2,1000");
    const DirectoryWarningRow row = makeWarningRow(warningAt(QStringLiteral("23.7")), holding);
    EXPECT_EQ(row.category, QStringLiteral("Quỹ A, B"));
    EXPECT_EQ(row.priceLevel, WarningLevel::Below);
}
