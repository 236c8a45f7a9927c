#include "MailText.h"
#include "ServiceFixture.h"
#include "support/TempDir.h"

#include <QDateTime>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using simtest::filesIn;
using simtest::parseMail;

unsigned modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777U : 0U;
}

class RegistrationMailTest : public testsupport::TempDirTest {
protected:
    sim::ServiceOptions withState() const {
        sim::ServiceOptions options;
        options.statePath = QString(path() + "/state.db").toStdString();
        return options;
    }

    static std::string registerAt(const simtest::ServiceHarness& harness, const std::string& name,
                                  const std::string& email) {
        const std::string body =
            harness.body("Register.aspx?username=" + simtest::escaped(name) + "&email=" + simtest::escaped(email));
        return net::splitColonOnly(QString::fromStdString(body)).value(3).toStdString();
    }

    QString mailFolder() const { return path() + "/mail"; }
};

TEST_F(RegistrationMailTest, ThePasswordMailedBesideTheStateFileLogsIn) {
    simtest::ServiceHarness harness(withState());
    ASSERT_EQ(registerAt(harness, "lan", "lan@example.vn"), "Register successfully;\n");

    const QStringList delivered = filesIn(mailFolder() + "/new");
    ASSERT_EQ(delivered.size(), 1);
    EXPECT_TRUE(filesIn(mailFolder() + "/tmp").isEmpty());
    EXPECT_TRUE(QDir(mailFolder() + "/cur").exists());
    const auto mail = parseMail(simtest::fileText(mailFolder() + "/new/" + delivered.front()));
    const std::string password = simtest::passwordIn("\n" + mail.body);
    ASSERT_EQ(password.size(), 6U) << mail.body;
    EXPECT_NE(mail.body.find("lan"), std::string::npos);
    EXPECT_FALSE(harness.login("lan", password).empty());
}

TEST_F(RegistrationMailTest, TheMailIsAPlainUtf8MessageToTheRegisteredAddress) {
    simtest::ServiceHarness harness(withState());
    registerAt(harness, "lan", "lan@example.vn");
    const QStringList delivered = filesIn(mailFolder() + "/new");
    ASSERT_EQ(delivered.size(), 1);
    const auto mail = parseMail(simtest::fileText(mailFolder() + "/new/" + delivered.front()));
    auto header = [&mail](const std::string& name) {
        const auto it = mail.headers.find(name);
        return it == mail.headers.end() ? std::string() : it->second;
    };
    EXPECT_EQ(header("To"), "lan@example.vn");
    EXPECT_NE(header("From").find("@corvastel.example>"), std::string::npos);
    EXPECT_NE(simtest::decodedHeader(header("Subject")).find("Mật khẩu"), std::string::npos);
    EXPECT_TRUE(QDateTime::fromString(QString::fromStdString(header("Date")).mid(5), Qt::RFC2822Date).isValid())
        << header("Date");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^<[^<>@ ]+@[^<>@ ]+>$"))
                    .match(QString::fromStdString(header("Message-ID")))
                    .hasMatch())
        << header("Message-ID");
    EXPECT_EQ(header("MIME-Version"), "1.0");
    EXPECT_EQ(header("Content-Type"), "text/plain; charset=UTF-8");
    EXPECT_EQ(header("Content-Transfer-Encoding"), "8bit");
    EXPECT_NE(mail.body.find("Tên đăng nhập: lan\n"), std::string::npos) << mail.body;
}

TEST_F(RegistrationMailTest, MailFoldersAndFilesAreForTheirOwnerOnly) {
    simtest::ServiceHarness harness(withState());
    registerAt(harness, "lan", "lan@example.vn");
    for (const char* folder : {"", "/tmp", "/new", "/cur"}) {
        EXPECT_EQ(modeOf(mailFolder() + QString::fromLatin1(folder)), 0700U) << folder;
    }
    const QStringList delivered = filesIn(mailFolder() + "/new");
    ASSERT_EQ(delivered.size(), 1);
    EXPECT_EQ(modeOf(mailFolder() + "/new/" + delivered.front()), 0600U);
}

TEST_F(RegistrationMailTest, EachMailHasAFileOfItsOwnAndTheListenerIsToldWhere) {
    simtest::ServiceHarness harness(withState());
    std::vector<sim::SentMail> told;
    harness.service->setMailListener([&told](const sim::SentMail& mail) { told.push_back(mail); });
    registerAt(harness, "lan", "lan@example.vn");
    registerAt(harness, "hoa", "hoa@example.vn");
    const QStringList delivered = filesIn(mailFolder() + "/new");
    ASSERT_EQ(delivered.size(), 2);
    ASSERT_EQ(told.size(), 2U);
    for (const sim::SentMail& mail : told) {
        EXPECT_EQ(simtest::fileText(QString::fromStdString(mail.path)), mail.message) << mail.path;
        EXPECT_EQ(QFileInfo(QString::fromStdString(mail.path)).absolutePath(), mailFolder() + "/new");
    }
    EXPECT_EQ(told[0].to, "lan@example.vn");
    EXPECT_EQ(told[1].to, "hoa@example.vn");
}

TEST_F(RegistrationMailTest, AMailDirOptionServesAServiceKeptInMemory) {
    sim::ServiceOptions options;
    options.mailDir = QString(path() + "/box").toStdString();
    simtest::ServiceHarness harness(options);
    registerAt(harness, "lan", "lan@example.vn");
    EXPECT_EQ(filesIn(path() + "/box/new").size(), 1);
}

TEST_F(RegistrationMailTest, WithoutAMailFolderOnlyTheListenerGetsTheMail) {
    simtest::ServiceHarness harness;
    std::vector<sim::SentMail> told;
    harness.service->setMailListener([&told](const sim::SentMail& mail) { told.push_back(mail); });
    registerAt(harness, "lan", "lan@example.vn");
    ASSERT_EQ(told.size(), 1U);
    EXPECT_TRUE(told[0].path.empty());
    EXPECT_FALSE(harness.login("lan", simtest::passwordIn(told[0].message)).empty());
}

TEST_F(RegistrationMailTest, ARegistrationWhoseMailCannotBeStoredFailsAndLeavesTheNameFree) {
    QFile blocker(path() + "/not-a-folder");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    sim::ServiceOptions options = withState();
    options.mailDir = QFile::encodeName(blocker.fileName()).toStdString();
    simtest::ServiceHarness harness(options);
    EXPECT_EQ(registerAt(harness, "lan", "lan@example.vn"), "Register failed;\n");
    EXPECT_EQ(registerAt(harness, "lan", "lan@example.vn"), "Register failed;\n");
    EXPECT_TRUE(harness.service->mailsTo("lan@example.vn").empty());
}

TEST(MailFolderTest, TheMailFolderIsBesideTheStateFileUnlessGiven) {
    sim::ServiceOptions options;
    EXPECT_TRUE(sim::mailFolderOf(options).empty());
    options.statePath = "/data/corvastel/corvastel-service.db";
    EXPECT_EQ(sim::mailFolderOf(options), "/data/corvastel/mail");
    options.mailDir = "/var/mail/corvastel";
    EXPECT_EQ(sim::mailFolderOf(options), "/var/mail/corvastel");
}

} // namespace
