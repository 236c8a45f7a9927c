#include "mail/MailMessage.h"

#include "MailText.h"
#include "accounts/TextChecks.h"
#include "mail/Maildir.h"
#include "support/TempDir.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

sim::MailMessage sample(std::string subject) {
    return sim::MailMessage{"Corvastel <no-reply@corvastel.example>", "lan@example.vn", std::move(subject),
                            "Chào lan,\nMật khẩu: 123456\n"};
}

TEST(MailMessageTest, HeadersComeBeforeABlankLineAndTheBody) {
    const QDateTime date(QDate(2024, 3, 5), QTime(10, 15, 3), QTimeZone(7 * 3600));
    EXPECT_EQ(sim::formatMessage(sample("Hello"), date, "abc@corvastel.example"),
              "From: Corvastel <no-reply@corvastel.example>\n"
              "To: lan@example.vn\n"
              "Subject: Hello\n"
              "Date: Tue, 05 Mar 2024 10:15:03 +0700\n"
              "Message-ID: <abc@corvastel.example>\n"
              "MIME-Version: 1.0\n"
              "Content-Type: text/plain; charset=UTF-8\n"
              "Content-Transfer-Encoding: 8bit\n"
              "\n"
              "Chào lan,\nMật khẩu: 123456\n");
}

TEST(MailMessageTest, AVietnameseSubjectTravelsAsEncodedWordsOfLegalLength) {
    const std::string subject = "Mật khẩu đăng nhập tài khoản Corvastel của bạn đã được tạo thành công";
    const std::string encoded = sim::encodedHeaderText(subject);
    EXPECT_EQ(simtest::decodedHeader(encoded), subject);
    std::size_t start = 0;
    while (start < encoded.size()) {
        const auto end = std::min(encoded.find('\n', start), encoded.size());
        const std::string line = encoded.substr(start, end - start);
        const std::string word = start == 0 ? line : line.substr(1); // later words follow a folding blank
        EXPECT_LE(word.size(), 75U) << word;
        EXPECT_EQ(word.rfind("=?UTF-8?B?", 0), 0U) << word;
        EXPECT_EQ(word.substr(word.size() - 2), "?=") << word;
        EXPECT_TRUE(sim::isPrintableUtf8(simtest::decodedHeader(word))) << "a word splits a character: " << word;
        start = end + 1;
    }
    EXPECT_EQ(encoded.find_first_of("\r\x80"), std::string::npos);
}

class MaildirTest : public testsupport::TempDirTest {};

TEST_F(MaildirTest, EveryDeliveryIsAWholeFileOfItsOwnInNew) {
    sim::Maildir maildir(QString(path() + "/mail").toStdString());
    const std::string first = maildir.deliver("one\n");
    const std::string second = maildir.deliver("two\n");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(simtest::fileText(QString::fromStdString(first)), "one\n");
    EXPECT_EQ(simtest::fileText(QString::fromStdString(second)), "two\n");
    EXPECT_EQ(simtest::filesIn(path() + "/mail/new").size(), 2);
    EXPECT_TRUE(simtest::filesIn(path() + "/mail/tmp").isEmpty());
}

} // namespace
