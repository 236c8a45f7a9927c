#include "ServiceFixture.h"
#include "market/Market.h"

#include <gtest/gtest.h>

namespace {

using simtest::escaped;
using simtest::md5;

class AccountJourneyTest : public ::testing::Test {
protected:
    /// Registers a user and returns the password the service mailed.
    std::string registerUser(const std::string& name, const std::string& email) {
        const std::string body = harness.body("Register.aspx?username=" + escaped(name) + "&email=" + escaped(email));
        EXPECT_EQ(net::splitColonOnly(QString::fromStdString(body)).value(1), "0") << body;
        const auto mails = harness.service->mailsTo(email);
        EXPECT_FALSE(mails.empty());
        return mails.empty() ? std::string() : simtest::passwordIn(mails.back());
    }

    int firstCompanyId() const { return harness.service->market().companies().front().id; }

    simtest::ServiceHarness harness;
};

TEST_F(AccountJourneyTest, RegisterLoginAndManageAPortfolio) {
    ASSERT_TRUE(harness.started);
    const std::string password = registerUser("lan", "lan@example.vn");
    const std::string session = harness.login("lan", password);
    ASSERT_FALSE(session.empty());

    const std::string name = "Cổ phiếu A&B 100% tăng";
    auto created = harness.answer("Portfolio.aspx?type=addcat&name=" + escaped(name) + "&session=" + session);
    ASSERT_TRUE(created.isSuccess());
    const auto categories = created.recordsWithFieldCount(2);
    ASSERT_EQ(categories.size(), 1u);
    EXPECT_EQ(categories[0].text(1).toStdString(), name);
    const std::string categoryId = categories[0].text(0).toStdString();

    const std::string company = std::to_string(firstCompanyId());
    auto added = harness.answer("Portfolio.aspx?type=add&portfolioid=" + categoryId + "&companyid=" + company +
                                "&price=25.7&volume=1000&over=2&under=1.5&fee=0.15&session=" + session);
    ASSERT_TRUE(added.isSuccess());
    const auto holdings = added.recordsWithFieldCount(8);
    ASSERT_EQ(holdings.size(), 1u);
    EXPECT_EQ(holdings[0].toStringList(),
              QStringList({holdings[0].text(0), QString::fromStdString(categoryId), QString::fromStdString(company),
                           "25.7", "1000", "2", "1.5", "0.15"}));
    const std::string holdingId = holdings[0].text(0).toStdString();

    auto edited =
        harness.answer("Portfolio.aspx?type=edit&portfoliodataid=" + holdingId + "&portfolioid=" + categoryId +
                       "&companyid=" + company + "&price=30&volume=500&over=3&under=&fee=0.2&session=" + session);
    ASSERT_TRUE(edited.isSuccess());

    auto list = harness.answer("portfolio.aspx?session=" + session);
    ASSERT_TRUE(list.isSuccess());
    EXPECT_EQ(list.headerText(2).toInt(), 8830);
    ASSERT_EQ(list.recordsWithFieldCount(2).size(), 1u);
    EXPECT_EQ(list.recordsWithFieldCount(2)[0].text(1).toStdString(), name);
    ASSERT_EQ(list.recordsWithFieldCount(8).size(), 1u);
    EXPECT_EQ(list.recordsWithFieldCount(8)[0].toStringList().mid(3), QStringList({"30", "500", "3", "", "0.2"}));

    auto quotes = harness.answer("Portfolio.aspx?portfolioid=" + categoryId + "&session=" + session);
    ASSERT_TRUE(quotes.isSuccess());
    ASSERT_EQ(quotes.recordsWithFieldCount(17).size(), 1u);
    EXPECT_EQ(quotes.recordsWithFieldCount(17)[0].text(0).toStdString(), company);

    EXPECT_TRUE(
        harness.answer("Portfolio.aspx?type=delete&portfoliodataid=" + holdingId + "&session=" + session).isSuccess());
    EXPECT_TRUE(harness.records("portfolio.aspx?session=" + session, 8).empty());
    EXPECT_TRUE(
        harness.answer("Portfolio.aspx?type=deletecat&portfolioid=" + categoryId + "&session=" + session).isSuccess());
    const net::Answer emptied = harness.answer("portfolio.aspx?session=" + session);
    EXPECT_TRUE(emptied.records().empty());
}

TEST_F(AccountJourneyTest, RenameKeepsTheNameExactly) {
    const std::string session = harness.login("demo", "demo");
    const auto id = harness.records("Portfolio.aspx?type=addcat&name=x&session=" + session, 2)[0][0].toStdString();
    const std::string renamed = "Đầu tư + 50% & hơn";
    auto answer = harness.answer("Portfolio.aspx?type=editcat&name=" + escaped(renamed) + "&session=" + session +
                                 "&portfolioid=" + id);
    ASSERT_TRUE(answer.isSuccess());
    EXPECT_EQ(answer.recordsWithFieldCount(2)[0].text(1).toStdString(), renamed);
}

TEST_F(AccountJourneyTest, AddWithANewCategoryCreatesBoth) {
    const std::string session = harness.login("demo", "demo");
    const std::string company = std::to_string(firstCompanyId());
    const std::string query = "&companyid=" + company + "&price=10&volume=100&over=1&under=1&fee=0&session=" + session;
    auto first = harness.answer("Portfolio.aspx?type=addcatdata&name=" + escaped("Lướt sóng") + query);
    ASSERT_TRUE(first.isSuccess());
    ASSERT_EQ(first.recordsWithFieldCount(2).size(), 1u);
    ASSERT_EQ(first.recordsWithFieldCount(8).size(), 1u);
    EXPECT_EQ(first.recordsWithFieldCount(8)[0].text(1), first.recordsWithFieldCount(2)[0].text(0));
    // The same name again joins the existing category instead of making a twin.
    auto second = harness.answer("Portfolio.aspx?type=addcatdata&name=" + escaped("Lướt sóng") + query);
    EXPECT_EQ(second.recordsWithFieldCount(2)[0].text(0), first.recordsWithFieldCount(2)[0].text(0));
}

TEST_F(AccountJourneyTest, CategoryNamesWithSeparatorsAreRefused) {
    const std::string session = harness.login("demo", "demo");
    for (const char* name : {"a,b", "a;b", "a:b", ""}) {
        auto answer = harness.answer("Portfolio.aspx?type=addcat&name=" + escaped(name) + "&session=" + session);
        EXPECT_EQ(answer.status(), 1) << name;
        EXPECT_FALSE(answer.headerText(3).isEmpty());
    }
}

TEST_F(AccountJourneyTest, OtherUsersCategoriesAreOutOfReach) {
    const std::string demo = harness.login("demo", "demo");
    const auto demoCategory = harness.records("portfolio.aspx?session=" + demo, 2)[0][0];
    const std::string other = harness.login("lan", registerUser("lan", "lan@example.vn"));
    auto answer =
        harness.answer("Portfolio.aspx?type=deletecat&portfolioid=" + demoCategory.toStdString() + "&session=" + other);
    EXPECT_EQ(answer.status(), 1);
    EXPECT_EQ(harness.records("portfolio.aspx?session=" + demo, 2).size(), 2u);
}

TEST_F(AccountJourneyTest, DemoAccountHasTwoCategoriesWithHoldings) {
    auto answer = harness.answer("login.aspx?username=demo&pass=" + md5("demo") + "&imei=dev1");
    ASSERT_TRUE(answer.isSuccess());
    EXPECT_EQ(answer.headerText(2).toInt(), 8830);
    EXPECT_EQ(answer.headerText(3).size(), 32);
    EXPECT_EQ(answer.recordsWithFieldCount(2).size(), 2u);
    EXPECT_GE(answer.recordsWithFieldCount(8).size(), 3u);
}

TEST_F(AccountJourneyTest, WrongPasswordOrUnknownUserIsRefusedInField3) {
    for (const std::string& query : {"username=demo&pass=" + md5("nope"), "username=nobody&pass=" + md5("demo")}) {
        auto answer = harness.answer("login.aspx?" + query + "&imei=dev1");
        EXPECT_EQ(answer.status(), 1);
        EXPECT_EQ(answer.headerText(3), QString("Tên đăng nhập hoặc mật khẩu không đúng"));
    }
}

TEST_F(AccountJourneyTest, RegistrationRefusalsUseTheFourKnownTexts) {
    registerUser("lan", "lan@example.vn");
    const auto fields = [this](const std::string& query) {
        return net::splitColonOnly(QString::fromStdString(harness.body("Register.aspx?" + query)));
    };
    auto nameUsed = fields("username=lan&email=other@example.vn");
    EXPECT_EQ(nameUsed.value(1), "1");
    EXPECT_EQ(nameUsed.value(3), "User name was used;\n");
    auto emailUsed = fields("username=hoa&email=lan@example.vn");
    EXPECT_EQ(emailUsed.value(3), "Email was used;\n");
    auto failed = fields("username=hoa&email=not-an-address");
    EXPECT_EQ(failed.value(1), "1");
    EXPECT_EQ(failed.value(3), "Register failed;\n");
}

TEST_F(AccountJourneyTest, RegistrationRefusesNamesAndAddressesWithControlCharacters) {
    for (const std::string& query :
         std::vector<std::string>{"username=lan%01&email=lan%40example.vn", "username=l%C3n&email=lan%40example.vn",
                                  "username=lan&email=lan%40example.vn%7F"}) {
        const auto fields = net::splitColonOnly(QString::fromStdString(harness.body("Register.aspx?" + query)));
        EXPECT_EQ(fields.value(1).toStdString(), "1") << query;
        EXPECT_EQ(fields.value(3).toStdString(), "Register failed;\n") << query;
    }
    EXPECT_TRUE(harness.service->mailsTo("lan@example.vn").empty());
}

TEST_F(AccountJourneyTest, RegisteringATakenNameNeverChangesItsPassword) {
    const std::string password = registerUser("lan", "lan@example.vn");
    for (const std::string& query : {std::string("username=lan&email=lan%40example.vn"),
                                     std::string("username=demo&email=demo%40corvastel.example")}) {
        const auto fields = net::splitColonOnly(QString::fromStdString(harness.body("Register.aspx?" + query)));
        EXPECT_EQ(fields.value(1).toStdString(), "1") << query;
        EXPECT_EQ(fields.value(3).toStdString(), "User name was used;\n") << query;
    }
    EXPECT_EQ(harness.service->mailsTo("lan@example.vn").size(), 1u);
    EXPECT_TRUE(harness.service->mailsTo("demo@corvastel.example").empty());
    EXPECT_FALSE(harness.login("lan", password).empty());
    EXPECT_FALSE(harness.login("demo", "demo").empty());
}

TEST_F(AccountJourneyTest, VersionCheckOffersTheLinkOnlyToOlderClients) {
    auto older = harness.answer("CheckAlert.aspx?version=2.0.2&type=IPN&imei=dev1");
    ASSERT_TRUE(older.isSuccess());
    ASSERT_EQ(older.recordsWithFieldCount(2).size(), 1u);
    EXPECT_EQ(older.recordsWithFieldCount(2)[0].text(0), "Version");
    EXPECT_TRUE(older.recordsWithFieldCount(2)[0].text(1).startsWith("https://"));
    auto current = harness.answer("CheckAlert.aspx?version=2.0.3&type=IPN&imei=dev1");
    ASSERT_TRUE(current.isSuccess());
    EXPECT_TRUE(current.records().empty());
}

} // namespace
