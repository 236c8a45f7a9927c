#include "ServiceFixture.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

/// The permission bits of a file, as the operating system keeps them.
unsigned modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 0777U : 0U;
}

class StateRestartTest : public testsupport::TempDirTest {
protected:
    sim::ServiceOptions withState() const {
        sim::ServiceOptions options;
        options.statePath = QString(path() + "/state.db").toStdString();
        return options;
    }
};

TEST_F(StateRestartTest, AccountsSessionsAndPortfoliosSurviveARestart) {
    std::string session;
    std::string password;
    const std::string name = "Dài hạn & 5% cổ tức";
    {
        simtest::ServiceHarness first(withState());
        first.body("Register.aspx?username=lan&email=lan%40example.vn");
        const auto mail = first.service->mailsTo("lan@example.vn").at(0);
        password = simtest::passwordIn(mail);
        session = first.login("lan", password);
        first.answer("Portfolio.aspx?type=addcat&name=" + simtest::escaped(name) + "&session=" + session);
    }
    simtest::ServiceHarness second(withState());
    auto list = second.answer("portfolio.aspx?session=" + session);
    ASSERT_TRUE(list.isSuccess());
    ASSERT_EQ(list.recordsWithFieldCount(2).size(), 1u);
    EXPECT_EQ(list.recordsWithFieldCount(2)[0].text(1).toStdString(), name);
    EXPECT_FALSE(second.login("lan", password).empty());
    // The demo account is made once, not again at every start.
    EXPECT_EQ(second.records("portfolio.aspx?session=" + second.login("demo", "demo"), 2).size(), 2u);
}

TEST_F(StateRestartTest, StateFileIsReadableByItsOwnerOnly) {
    const auto options = withState();
    simtest::ServiceHarness harness(options);
    ASSERT_FALSE(harness.login("demo", "demo").empty());
    EXPECT_EQ(modeOf(options.statePath), 0600U);
}

TEST_F(StateRestartTest, AStateFileLeftReadableByOthersIsTightened) {
    const auto options = withState();
    QFile earlier(QString::fromStdString(options.statePath));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.close();
    ASSERT_EQ(::chmod(options.statePath.c_str(), 0644), 0);
    simtest::ServiceHarness harness(options);
    ASSERT_FALSE(harness.login("demo", "demo").empty());
    EXPECT_EQ(modeOf(options.statePath), 0600U);
}

TEST_F(StateRestartTest, WithoutAStateFileEveryStartIsFresh) {
    std::string session;
    {
        simtest::ServiceHarness first;
        session = first.login("demo", "demo");
        ASSERT_FALSE(session.empty());
    }
    simtest::ServiceHarness second;
    EXPECT_EQ(second.answer("portfolio.aspx?session=" + session).status(), 1);
}

} // namespace
