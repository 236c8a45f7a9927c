#include "core/CsvText.h"

#include <gtest/gtest.h>

using core::csvDocument;
using core::csvField;
using core::csvRecord;

TEST(CsvTextTest, OnlyFieldsWithACommaAQuoteOrALineBreakAreQuoted) {
    EXPECT_EQ(csvField(QStringLiteral("VNM")), QStringLiteral("VNM"));
    EXPECT_EQ(csvField(QString()), QString());
    EXPECT_EQ(csvField(QStringLiteral("1,200.5")), QStringLiteral("\"1,200.5\""));
    EXPECT_EQ(csvField(QStringLiteral("Công ty \"Sao Mai\"")), QStringLiteral("\"Công ty \"\"Sao Mai\"\"\""));
    EXPECT_EQ(csvField(QStringLiteral("Dòng 1\nDòng 2")), QStringLiteral("\"Dòng 1\nDòng 2\""));
    EXPECT_EQ(csvField(QStringLiteral("a\rb")), QStringLiteral("\"a\rb\""));
    EXPECT_EQ(csvField(QStringLiteral("\"")), QStringLiteral("\"\"\"\""));
}

TEST(CsvTextTest, RecordsAreJoinedByCommasAndEndWithCrLf) {
    EXPECT_EQ(csvRecord({QStringLiteral("A"), QString(), QStringLiteral("b,c")}), QStringLiteral("A,,\"b,c\"\r\n"));
    EXPECT_EQ(csvRecord({}), QStringLiteral("\r\n"));
}

TEST(CsvTextTest, TheDocumentIsUtf8BehindAByteOrderMarkWithTheTitlesFirst) {
    const QByteArray document = csvDocument({QStringLiteral("Mã"), QStringLiteral("Tên công ty")},
                                            {{QStringLiteral("SSI"), QStringLiteral("Chứng khoán Sài Gòn, \"SSI\"")},
                                             {QStringLiteral("ĐHG"), QStringLiteral("Dược Hậu Giang\nCần Thơ")}});
    ASSERT_TRUE(document.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(document.mid(3)), QStringLiteral("Mã,Tên công ty\r\n"
                                                                 "SSI,\"Chứng khoán Sài Gòn, \"\"SSI\"\"\"\r\n"
                                                                 "ĐHG,\"Dược Hậu Giang\nCần Thơ\"\r\n"));
    EXPECT_EQ(csvDocument({QStringLiteral("Danh mục")}, {}),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("Danh mục\r\n").toUtf8());
}

// A spreadsheet runs a field that starts with "=", "+", "-" or "@" as a formula; a name from
// the service must stay a name, and the screens' numbers must stay numbers.
TEST(CsvTextTest, TextThatWouldRunAsAFormulaIsKeptAsText) {
    EXPECT_EQ(csvField(QStringLiteral("=HYPERLINK(\"x\")")), QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\""));
    EXPECT_EQ(csvField(QStringLiteral("@SUM(A1)")), QStringLiteral("'@SUM(A1)"));
    EXPECT_EQ(csvField(QStringLiteral("+cmd|' /C calc'!A0")), QStringLiteral("'+cmd|' /C calc'!A0"));
    EXPECT_EQ(csvField(QStringLiteral("-A1")), QStringLiteral("'-A1"));
    EXPECT_EQ(csvField(QStringLiteral("+(1)")), QStringLiteral("'+(1)"));
    EXPECT_EQ(csvField(QStringLiteral("\t=1")), QStringLiteral("'\t=1"));
    EXPECT_EQ(csvField(QStringLiteral("Giá=10")), QStringLiteral("Giá=10")) << "only the first character counts";
}

TEST(CsvTextTest, SignedNumbersAndDashesAreLeftAlone) {
    EXPECT_EQ(csvField(QStringLiteral("-1.5")), QStringLiteral("-1.5"));
    EXPECT_EQ(csvField(QStringLiteral("+25")), QStringLiteral("+25"));
    EXPECT_EQ(csvField(QStringLiteral("-5,000")), QStringLiteral("\"-5,000\""));
    EXPECT_EQ(csvField(QStringLiteral("-1.200.000,5")), QStringLiteral("\"-1.200.000,5\""));
    EXPECT_EQ(csvField(QStringLiteral("+2.1%")), QStringLiteral("+2.1%"));
    EXPECT_EQ(csvField(QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_EQ(csvField(QStringLiteral("--")), QStringLiteral("--"));
    EXPECT_EQ(csvField(QStringLiteral("+/-")), QStringLiteral("+/-"));
}
