#include "market/MarketHistoryReader.h"

#include <gtest/gtest.h>

using market::MarketHistoryGroup;
using market::MarketHistoryGroupShape;
using market::readMarketHistoryGroups;

namespace {

void expectGroup(const MarketHistoryGroup& group, int stockId, int minute, double point, double height, double fifth) {
    EXPECT_EQ(group.stockId, stockId);
    EXPECT_EQ(group.minute, minute);
    EXPECT_DOUBLE_EQ(group.point, point);
    EXPECT_DOUBLE_EQ(group.height, height);
    EXPECT_DOUBLE_EQ(group.fifth, fifth);
}

} // namespace

TEST(MarketHistoryReaderTest, SkipsTheHeaderAndReadsEachMinuteRecordAsOneGroup) {
    const auto groups = readMarketHistoryGroups(QStringLiteral("2,99,1,2,3;2,40,500,10;1,12,345.5,7.25"),
                                                MarketHistoryGroupShape::ByExchange);
    ASSERT_EQ(groups.size(), 2);
    // The missing fifth value repeats the bar value read just before it.
    expectGroup(groups.at(0), 2, 40, 500, 10, 10);
    expectGroup(groups.at(1), 1, 12, 345.5, 7.25, 7.25);
}

TEST(MarketHistoryReaderTest, AMinuteOnTheHeadersLineIsRead) {
    const auto groups = readMarketHistoryGroups(QStringLiteral("KTRPW:0:9000\n2,40,500,10;1,12,345.5,7.25;\n"),
                                                MarketHistoryGroupShape::ByExchange);
    ASSERT_EQ(groups.size(), 2);
    expectGroup(groups.at(0), 2, 40, 500, 10, 10);
    EXPECT_TRUE(
        readMarketHistoryGroups(QStringLiteral("KTRPW:0:9000;"), MarketHistoryGroupShape::ByExchange).isEmpty());
}

TEST(MarketHistoryReaderTest, AMissingValueRepeatsTheLastValueRead) {
    const auto groups = readMarketHistoryGroups(QStringLiteral("0:0:1;2,40"), MarketHistoryGroupShape::ByExchange);
    ASSERT_EQ(groups.size(), 1);
    expectGroup(groups.at(0), 2, 40, 40, 40, 40);
}

TEST(MarketHistoryReaderTest, SkipsLeadingBlanksAndLineBreaksAndEmptyRecords) {
    const auto groups =
        readMarketHistoryGroups(QStringLiteral("0:0:1;\n 1,3,300,4;\n;  ;"), MarketHistoryGroupShape::ByExchange);
    ASSERT_EQ(groups.size(), 1);
    expectGroup(groups.at(0), 1, 3, 300, 4, 4);
}

TEST(MarketHistoryReaderTest, ValuesThatDoNotParseReadAsZero) {
    const auto groups =
        readMarketHistoryGroups(QStringLiteral("0:0:1;2,x40,abc,12kg,"), MarketHistoryGroupShape::ByExchange);
    ASSERT_EQ(groups.size(), 1);
    expectGroup(groups.at(0), 2, 0, 0, 12, 0);
}

TEST(MarketHistoryReaderTest, OtherIdsTakeNoValuesWhenReadByExchange) {
    const QString text = QStringLiteral("0:0:1;7,12,2,40,500");
    const auto groups = readMarketHistoryGroups(text, MarketHistoryGroupShape::ByExchange);
    ASSERT_EQ(groups.size(), 2);
    expectGroup(groups.at(0), 7, 12, 0, 0, 0);
    expectGroup(groups.at(1), 2, 40, 500, 500, 500);
}

TEST(MarketHistoryReaderTest, TheDrawingReadingTakesFiveValuesWhateverTheId) {
    const QString text = QStringLiteral("0:0:1;7,12,2,40,500");
    const auto groups = readMarketHistoryGroups(text, MarketHistoryGroupShape::FiveValues);
    ASSERT_EQ(groups.size(), 1);
    expectGroup(groups.at(0), 7, 12, 2, 40, 500);
}

TEST(MarketHistoryReaderTest, ATextWithoutRecordsGivesNoGroups) {
    EXPECT_TRUE(readMarketHistoryGroups(QStringLiteral("1:0:7000"), MarketHistoryGroupShape::ByExchange).isEmpty());
    EXPECT_TRUE(readMarketHistoryGroups(QString(), MarketHistoryGroupShape::FiveValues).isEmpty());
}

TEST(MarketHistoryReaderTest, TheDaysIndexRecordsAreNotReadAsMinutes) {
    const QString stored =
        QStringLiteral("KTRPW:0:9000;\n1,40,223.9,0.8;\n1,1.16,0.52,150,224.69,223.53,2388.52,101.83,"
                       "9000;\n2,40,1158.4,1.2;\n2,0.09,0.01,150,1158.42,1158.33,5031.63,100.04,9000;\n");
    for (const auto shape : {MarketHistoryGroupShape::ByExchange, MarketHistoryGroupShape::FiveValues}) {
        const auto groups = readMarketHistoryGroups(stored, shape);
        ASSERT_EQ(groups.size(), 2);
        expectGroup(groups.at(0), 1, 40, 223.9, 0.8, 0.8);
        expectGroup(groups.at(1), 2, 40, 1158.4, 1.2, 1.2);
    }
}
