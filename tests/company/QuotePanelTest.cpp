#include "company/QuotePanel.h"

#include <QLabel>

#include <gtest/gtest.h>

using company::QuotePanel;
using Field = QuotePanel::Field;

namespace {

// code, company id, exchange id, day, change, percent, company id, price, volume, reference,
// open, close, best bid, best ask, ceiling, floor, buy residue, sell residue
QStringList detailRow(const QString& exchange, const QString& change, const QString& percent) {
    return {QStringLiteral("ACB"),
            QStringLiteral("7"),
            exchange,
            QStringLiteral("15000"),
            change,
            percent,
            QStringLiteral("7"),
            QStringLiteral("25.4"),
            QStringLiteral("123456"),
            QStringLiteral("25.1"),
            QStringLiteral("25.2"),
            QStringLiteral("25.4"),
            QStringLiteral("1500"),
            QStringLiteral("2500"),
            QStringLiteral("26.8"),
            QStringLiteral("23.4"),
            QStringLiteral("3000"),
            QStringLiteral("4000")};
}

} // namespace

TEST(QuotePanelTest, FillsEveryLabelFromTheDetailRow) {
    QuotePanel panel;
    panel.display(detailRow(QStringLiteral("2"), QStringLiteral("0.3"), QStringLiteral("1.2")));
    EXPECT_EQ(panel.text(Field::StockCode), QStringLiteral("ACB"));
    EXPECT_EQ(panel.text(Field::Stock), QStringLiteral("HoSE"));
    EXPECT_TRUE(panel.isHoSE());
    EXPECT_EQ(panel.text(Field::StockPoint), QStringLiteral("25.4"));
    EXPECT_EQ(panel.text(Field::Percent), QStringLiteral("+0.3(+1.2%)"));
    EXPECT_EQ(panel.text(Field::Refer), QStringLiteral("25.1"));
    EXPECT_EQ(panel.text(Field::Open), QStringLiteral("25.2"));
    EXPECT_EQ(panel.text(Field::Close), QStringLiteral("25.4"));
    EXPECT_EQ(panel.text(Field::Ceil), QStringLiteral("26.8"));
    EXPECT_EQ(panel.text(Field::Floor), QStringLiteral("23.4"));
    // Volumes, the order book and the residues go through the decimal grouping.
    EXPECT_NE(panel.text(Field::Quantity), QStringLiteral("123456"));
    EXPECT_TRUE(panel.text(Field::Quantity).startsWith(QStringLiteral("123")));
    EXPECT_TRUE(panel.text(Field::ResBuy).startsWith(QStringLiteral("3")));
    EXPECT_TRUE(panel.text(Field::ResSell).startsWith(QStringLiteral("4")));
    EXPECT_EQ(panel.color(Field::Percent), QuotePanel::riseColor());
    EXPECT_EQ(panel.color(Field::StockPoint), QuotePanel::riseColor());
}

TEST(QuotePanelTest, FallIsRedWithoutPlusSigns) {
    QuotePanel panel;
    panel.display(detailRow(QStringLiteral("1"), QStringLiteral("-0.5"), QStringLiteral("-2")));
    EXPECT_EQ(panel.text(Field::Stock), QStringLiteral("HNX"));
    EXPECT_FALSE(panel.isHoSE());
    EXPECT_EQ(panel.text(Field::Percent), QStringLiteral("-0.5(-2%)"));
    EXPECT_EQ(panel.color(Field::Percent), QuotePanel::fallColor());
    EXPECT_EQ(panel.color(Field::StockPoint), QuotePanel::fallColor());
}

TEST(QuotePanelTest, NoChangeIsGreenPlusZeroAndZeroValuesShowDashes) {
    QuotePanel panel;
    QStringList row = detailRow(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0"));
    for (const int item : {8, 9, 10, 11, 12, 13, 14, 15, 16, 17}) {
        row[item] = QStringLiteral("0");
    }
    panel.display(row);
    EXPECT_EQ(panel.text(Field::Percent), QStringLiteral("+0(+0%)"));
    EXPECT_EQ(panel.color(Field::Percent), QColor::fromRgbF(0.13f, 0.55f, 0.13f));
    for (const Field field : {Field::Quantity, Field::Refer, Field::Open, Field::Close, Field::BqBuy, Field::BqShell,
                              Field::Ceil, Field::Floor, Field::ResBuy, Field::ResSell}) {
        EXPECT_EQ(panel.text(field), QStringLiteral("-")) << static_cast<int>(field);
    }
    // The price itself is shown as stored.
    EXPECT_EQ(panel.text(Field::StockPoint), QStringLiteral("25.4"));
}

TEST(QuotePanelTest, ShortRowKeepsThePreviousTexts) {
    QuotePanel panel;
    panel.display(detailRow(QStringLiteral("2"), QStringLiteral("0.3"), QStringLiteral("1.2")));
    panel.display(QStringList{QStringLiteral("XYZ")});
    EXPECT_EQ(panel.text(Field::StockCode), QStringLiteral("ACB"));
}

TEST(QuotePanelTest, ACodeThatLooksLikeMarkupReadsAsSent) {
    QuotePanel panel;
    QStringList row = detailRow(QStringLiteral("2"), QStringLiteral("0.3"), QStringLiteral("1.2"));
    row[0] = QStringLiteral("<b>A&amp;B</b>");
    panel.display(row);
    EXPECT_EQ(panel.text(Field::StockCode), QStringLiteral("<b>A&amp;B</b>"));
    for (const QLabel* label : panel.findChildren<QLabel*>()) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    }
}
