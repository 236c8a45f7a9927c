#include "net/AnswerReader.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using net::Answer;
using net::readAnswer;

QStringList fieldsOf(const net::RecordView& record) {
    return record.toStringList();
}

std::vector<QStringList> listsOf(const std::vector<net::RecordView>& records) {
    std::vector<QStringList> lists;
    for (const auto& record : records) {
        lists.push_back(fieldsOf(record));
    }
    return lists;
}

TEST(AnswerHeader, ReadsStatusAndFields) {
    const Answer answer = readAnswer("KTRPW:0:3650:tok;1,2,3,4;");
    EXPECT_EQ(answer.headerFieldCount(), 4);
    EXPECT_EQ(answer.headerField(0), u"KTRPW");
    EXPECT_EQ(answer.headerText(2), QStringLiteral("3650"));
    EXPECT_EQ(answer.headerField(3), u"tok");
    EXPECT_EQ(answer.status(), 0);
    EXPECT_TRUE(answer.isSuccess());
    EXPECT_EQ(answer.headerFields(), (QStringList{"KTRPW", "0", "3650", "tok"}));
}

TEST(AnswerHeader, ErrorStatusKeepsMessage) {
    const Answer answer = readAnswer("KTRPW:1:0:Phiên làm việc đã hết hạn;");
    EXPECT_EQ(answer.status(), 1);
    EXPECT_FALSE(answer.isSuccess());
    EXPECT_EQ(answer.headerText(3), QStringLiteral("Phiên làm việc đã hết hạn"));
}

TEST(AnswerHeader, FieldsThatAreNotThereReadAsNull) {
    const Answer answer = readAnswer("KTRPW;1,2,3,4;");
    EXPECT_EQ(answer.headerFieldCount(), 1);
    EXPECT_TRUE(answer.headerField(1).isNull());
    EXPECT_TRUE(answer.headerField(7).isNull());
    EXPECT_TRUE(answer.headerField(-1).isNull());
    EXPECT_EQ(answer.status(), Answer::kNoStatus);
    EXPECT_FALSE(answer.isSuccess());
}

TEST(AnswerHeader, AStatusThatIsNotAnIntegerIsAnError) {
    for (const char* body : {"<html><body>Service Unavailable: the server is down: retry</body></html>",
                             "KTRPW:OK:3650:tok;", "KTRPW::3650;", "KTRPW:0x:3650;", "KTRPW:0.0:3650;"}) {
        const Answer answer = readAnswer(body);
        EXPECT_EQ(answer.status(), Answer::kNoStatus) << body;
        EXPECT_FALSE(answer.hasStatus()) << body;
        EXPECT_FALSE(answer.isSuccess()) << body;
    }
    EXPECT_TRUE(readAnswer("KTRPW: 0 :3650;").isSuccess());
    EXPECT_TRUE(readAnswer("KTRPW:0\r\n1,2,3;").isSuccess()) << "the first record may follow the status";
    EXPECT_EQ(readAnswer("KTRPW:2:Bảo trì;").status(), 2);
}

TEST(AnswerHeader, EmptyAndDefaultAnswersAreNotSuccess) {
    EXPECT_FALSE(readAnswer("").isSuccess());
    EXPECT_EQ(readAnswer("").headerFieldCount(), 1);
    const Answer empty = readAnswer("");
    EXPECT_TRUE(empty.records().empty());
    EXPECT_FALSE(Answer().isSuccess());
    EXPECT_EQ(Answer().headerFieldCount(), 1);
}

TEST(AnswerRecords, SplitsRecordsAtCommas) {
    const Answer answer = readAnswer("KTRPW:0:1;1,2,3,4;a,b;x,y,z,w;");
    // The text after the last ";" is an empty one-field record, as a plain split gives it.
    EXPECT_EQ(listsOf(answer.records()),
              (std::vector<QStringList>{{"1", "2", "3", "4"}, {"a", "b"}, {"x", "y", "z", "w"}, {""}}));
    EXPECT_EQ(listsOf(answer.recordsWithFieldCount(4)),
              (std::vector<QStringList>{{"1", "2", "3", "4"}, {"x", "y", "z", "w"}}));
}

TEST(AnswerRecords, LineBreakAfterEverySemicolonParsesAsWithout) {
    const QByteArray plain = "KTRPW:0:3650;1,100,2.5,7;2,101,3.5,8;VNM,Vinamilk,2,77;";
    const QByteArray broken = "KTRPW:0:3650;\n1,100,2.5,7;\n2,101,3.5,8;\nVNM,Vinamilk,2,77;\n";
    const Answer a = readAnswer(plain);
    const Answer b = readAnswer(broken);
    EXPECT_EQ(a.headerFields(), b.headerFields());
    EXPECT_EQ(listsOf(a.recordsWithFieldCount(4)), listsOf(b.recordsWithFieldCount(4)));
    EXPECT_EQ(b.recordsWithFieldCount(4).size(), 3U);
    // The lone "\n" after the last ";" is no record at all.
    EXPECT_EQ(b.records().size(), 3U);
}

TEST(AnswerRecords, LineBreakRuleTakesTheSecondPiece) {
    const Answer answer = readAnswer("H:0;junk\nVNM,1;\n\nFPT,2;");
    EXPECT_EQ(listsOf(answer.recordsWithFieldCount(2)), (std::vector<QStringList>{{"VNM", "1"}, {"", "2"}}));
}

TEST(AnswerRecords, WrongFieldCountIsSkippedAndLaterRecordsRead) {
    const Answer answer = readAnswer("KTRPW:0:1;1,2,3,4;1,2,3,4,5;1,2,3;5,6,7,8;");
    std::vector<QStringList> visited;
    answer.forEachRecord(4, [&](const net::RecordView& record) { visited.push_back(fieldsOf(record)); });
    EXPECT_EQ(visited, (std::vector<QStringList>{{"1", "2", "3", "4"}, {"5", "6", "7", "8"}}));
}

// What a store keeps of an answer with malformed records mixed in: the header as it came (a first
// record joined to it included) and the good records, which read back as before.
TEST(AnswerRecords, TheKeptTextDropsRecordsOfOtherFieldCounts) {
    const Answer answer = readAnswer("KTRPW:0:9\n1,2,3,4;\n#,#,#;\n;\n5,6,7,8;1,2,3,4,5,6,7,8,9;\n#,#,#,#,#;\n;\n");
    const QString kept = answer.textKeeping({4, 9});
    EXPECT_EQ(kept, QStringLiteral("KTRPW:0:9\n1,2,3,4;\n5,6,7,8;\n1,2,3,4,5,6,7,8,9;"));
    const Answer reread(kept);
    for (const qsizetype count : {4, 9}) {
        EXPECT_EQ(listsOf(reread.recordsWithFieldCount(count)), listsOf(answer.recordsWithFieldCount(count)));
    }
    EXPECT_EQ(fieldsOf(reread.allRecords().front()), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(readAnswer("no header at all").textKeeping({4}), QStringLiteral("no header at all"));
}

TEST(AnswerRecords, ForEachWithoutCountVisitsEveryRecordAfterHeader) {
    const Answer answer = readAnswer("KTRPW:0:1;a;b,c;\n");
    qsizetype total = 0;
    answer.forEachRecord([&](const net::RecordView& record) { total += record.size(); });
    EXPECT_EQ(total, 3);
}

TEST(AnswerRecords, AllRecordsIncludesTheHeaderAsDataRecord) {
    const Answer answer = readAnswer("2,5,400.5,3;1,6,150.25,2;");
    const auto all = answer.allRecords();
    ASSERT_EQ(all.size(), 3U);
    EXPECT_EQ(fieldsOf(all[0]), (QStringList{"2", "5", "400.5", "3"}));
    EXPECT_EQ(all[1].intAt(0), 1);
    EXPECT_DOUBLE_EQ(all[1].doubleAt(2), 150.25);
    EXPECT_EQ(answer.records().size(), 2U);
}

TEST(AnswerRecords, HeaderThatIsOnlyALineBreakIsNoDataRecord) {
    const Answer answer = readAnswer("\n;1,2;");
    EXPECT_EQ(answer.allRecords().size(), answer.records().size());
}

TEST(AnswerRecords, MissingFieldReadsEmptyAndZero) {
    const Answer answer = readAnswer("H:0;a,b;");
    const auto record = answer.records().front();
    EXPECT_TRUE(record.field(5).isNull());
    EXPECT_EQ(record.intAt(5), 0);
    EXPECT_EQ(record.text(1), QStringLiteral("b"));
}

TEST(AnswerRecords, DecodesUtf8Once) {
    const Answer answer = readAnswer("KTRPW:0:1;VNM,Công ty Sữa Việt Nam;");
    const auto records = answer.recordsWithFieldCount(2);
    ASSERT_EQ(records.size(), 1U);
    EXPECT_EQ(records[0].text(1), QStringLiteral("Công ty Sữa Việt Nam"));
    // Fields are views into the answer's one decoded text, not copies.
    EXPECT_GE(records[0][1].data(), answer.text().constData());
    EXPECT_LT(records[0][1].data(), answer.text().constData() + answer.text().size());
}

TEST(AnswerRecords, CopiedAnswerOutlivesTheOriginal) {
    Answer copy;
    {
        const Answer original = readAnswer("H:0;a,b;");
        copy = original;
    }
    EXPECT_EQ(fieldsOf(copy.records().front()), (QStringList{"a", "b"}));
}

TEST(RegistrationAnswer, SplitsAtColonsOnly) {
    EXPECT_EQ(net::splitColonOnly(QStringLiteral("KTRPW:1:0:User name was used;\n")),
              (QStringList{"KTRPW", "1", "0", "User name was used;\n"}));
    EXPECT_EQ(net::splitColonOnly(QStringLiteral("KTRPW:0")), (QStringList{"KTRPW", "0"}));
}

} // namespace
