// Every URL the client builds, sent over HTTP to the service on loopback: the values the service
// decodes are the values the client was given, whatever quotes, "&", "%", "+" or Vietnamese
// letters they hold.
#include "net/AnswerReader.h"
#include "net/Endpoints.h"
#include "net/MyUrlRequest.h"
#include "net/RequestCallback.h"
#include "server/RequestLog.h"
#include "sim/service/ServiceFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkAccessManager>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

constexpr int kWaitMs = 10000;

const QString kText = QStringLiteral("Cổ phần 'Đầu tư' \"Hà Nội\" 100% & <Sài Gòn>");
const QString kOtherText = QStringLiteral("A+B=C #1 /?x=%20 Lướt sóng");

using Params = std::map<std::string, std::string>;

/// What the service saw of one request.
struct Delivered {
    std::string page;
    Params params;
    QByteArray answer;
};

class UrlRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_harness.started); }

    /// Sends the URL as the screens do and returns what the service decoded from it.
    Delivered deliver(const QString& url) {
        bool answered = false;
        QByteArray body;
        net::RequestCallback receiver([&answered, &body](const std::optional<QByteArray>& data) {
            answered = true;
            body = data.value_or(QByteArray());
        });
        net::MyUrlRequest request(&m_network);
        request.setDelegate(&receiver);
        request.ResquestLink(url);
        QDeadlineTimer deadline(kWaitMs);
        while (!answered && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        EXPECT_TRUE(answered) << url.toStdString();
        const std::vector<sim::Request> log = m_harness.service->requestLog().entries();
        if (log.empty()) {
            ADD_FAILURE() << "the service received nothing for " << url.toStdString();
            return {};
        }
        return {log.back().page, log.back().params, body};
    }

    /// The service's answer to the URL.
    net::Answer answerTo(const QString& url) { return net::readAnswer(deliver(url).answer); }

    /// The categories the service keeps for the logged-in user: id and name of each.
    std::map<QString, QString> categories() {
        std::map<QString, QString> names;
        const net::Answer answer = answerTo(m_endpoints.categoryList());
        for (const net::RecordView& record : answer.recordsWithFieldCount(2)) {
            names[record.text(0)] = record.text(1);
        }
        return names;
    }

    void logIn() {
        m_identity.isAuthenticated = true;
        m_identity.session = QStringLiteral("phiên 'S' & \"7\" 100%");
    }

    std::string session() const { return m_identity.session.toStdString(); }
    std::string imei() const { return m_identity.imei.toStdString(); }

    simtest::ServiceHarness m_harness;
    QNetworkAccessManager m_network;
    net::Identity m_identity{false, QString(), QStringLiteral("máy <A> & 'B' 50%")};
    net::Endpoints m_endpoints{QString::fromStdString(m_harness.service->baseUrl()), [this] {
                                   return m_identity;
                               }};
};

std::string text(const QString& value) {
    return value.toStdString();
}

void expectDelivered(const Delivered& delivered, const std::string& page, const Params& params) {
    EXPECT_EQ(delivered.page, page);
    EXPECT_EQ(delivered.params, params);
}

} // namespace

TEST_F(UrlRoundTripTest, LoginRegistrationAndVersion) {
    const std::string passMd5 = simtest::md5(text(kOtherText));
    expectDelivered(deliver(m_endpoints.login(kText, QString::fromStdString(passMd5))), "login.aspx",
                    {{"username", text(kText)}, {"pass", passMd5}, {"imei", imei()}});
    expectDelivered(deliver(m_endpoints.registration(kText, QStringLiteral("a'b&c+d%e@ví-dụ.vn"))), "Register.aspx",
                    {{"username", text(kText)}, {"email", "a'b&c+d%e@ví-dụ.vn"}});
    expectDelivered(deliver(m_endpoints.versionCheck(kOtherText)), "CheckAlert.aspx",
                    {{"version", text(kOtherText)}, {"type", "IPN"}, {"imei", imei()}});
}

TEST_F(UrlRoundTripTest, CategoryNames) {
    logIn();
    expectDelivered(deliver(m_endpoints.categoryList()), "portfolio.aspx", {{"session", session()}});
    expectDelivered(deliver(m_endpoints.addCategory(kText)), "Portfolio.aspx",
                    {{"type", "addcat"}, {"name", text(kText)}, {"session", session()}});
    expectDelivered(deliver(m_endpoints.renameCategory(kOtherText, QStringLiteral("12"))), "Portfolio.aspx",
                    {{"type", "editcat"}, {"name", text(kOtherText)}, {"session", session()}, {"portfolioid", "12"}});
    expectDelivered(deliver(m_endpoints.deleteCategory(QStringLiteral("12"))), "Portfolio.aspx",
                    {{"type", "deletecat"}, {"portfolioid", "12"}, {"session", session()}});
}

TEST_F(UrlRoundTripTest, HoldingTextsAndNumbers) {
    logIn();
    const net::HoldingValues holding{QStringLiteral("123"),     QStringLiteral("1.200.000,5"), QStringLiteral("1,000"),
                                     QStringLiteral("-0.5e+2"), QStringLiteral("+7"),          QStringLiteral("0.15%")};
    const Params values{{"companyid", "123"}, {"price", "1.200.000,5"}, {"volume", "1,000"},
                        {"over", "-0.5e+2"},  {"under", "+7"},          {"fee", "0.15%"}};
    const auto with = [&values](Params params) {
        params.insert(values.begin(), values.end());
        return params;
    };
    expectDelivered(deliver(m_endpoints.addHoldingWithCategory(kText, holding)), "Portfolio.aspx",
                    with({{"type", "addcatdata"}, {"name", text(kText)}, {"session", session()}}));
    expectDelivered(deliver(m_endpoints.addHolding(QStringLiteral("4"), holding)), "Portfolio.aspx",
                    with({{"type", "add"}, {"portfolioid", "4"}, {"session", session()}}));
    expectDelivered(deliver(m_endpoints.editHolding(QStringLiteral("90"), QStringLiteral("4"), holding)),
                    "Portfolio.aspx",
                    with({{"type", "edit"}, {"portfoliodataid", "90"}, {"portfolioid", "4"}, {"session", session()}}));
    expectDelivered(deliver(m_endpoints.holdings(QStringLiteral("4"))), "Portfolio.aspx",
                    {{"portfolioid", "4"}, {"session", session()}});
    expectDelivered(deliver(m_endpoints.deleteHolding(QStringLiteral("90"))), "Portfolio.aspx",
                    {{"type", "delete"}, {"portfoliodataid", "90"}, {"session", session()}});
}

TEST_F(UrlRoundTripTest, CompanyAndWatchListIds) {
    expectDelivered(deliver(m_endpoints.companyRealtime(QStringLiteral("123"), 600)), "realtime.aspx",
                    {{"type", "9"}, {"companyid", "123"}, {"lastupdate", "600"}, {"imei", imei()}});
    expectDelivered(deliver(m_endpoints.companyFinance(QStringLiteral("123"))), "realtime.aspx",
                    {{"type", "10"}, {"companyid", "123"}, {"imei", imei()}});
    expectDelivered(deliver(m_endpoints.companyNews(QStringLiteral("123"))), "news.aspx",
                    {{"companyid", "123"}, {"imei", imei()}});
    expectDelivered(deliver(m_endpoints.watchListQuotes(QStringLiteral("12,34,56"))), "realtime.aspx",
                    {{"type", "12"}, {"imei", imei()}, {"companyids", "12,34,56"}});
    logIn();
    expectDelivered(deliver(m_endpoints.priceWarnings(QStringLiteral("4,5"))), "realtime.aspx",
                    {{"type", "11"}, {"session", session()}, {"portfolioids", "4,5"}});
    expectDelivered(deliver(m_endpoints.watchListQuotes(QStringLiteral("12"))), "realtime.aspx",
                    {{"type", "12"}, {"session", session()}, {"companyids", "12"}});
}

// The whole journey of a name: typed, sent, decoded and kept by the service, listed back and
// read by the client's answer reader.
TEST_F(UrlRoundTripTest, ACategoryNameComesBackFromTheServiceAsTyped) {
    const net::Answer login =
        answerTo(m_endpoints.login(QStringLiteral("demo"), QString::fromStdString(simtest::md5("demo"))));
    ASSERT_TRUE(login.isSuccess());
    m_identity.isAuthenticated = true;
    m_identity.session = login.headerText(3);

    const net::Answer added = answerTo(m_endpoints.addCategory(kText));
    ASSERT_TRUE(added.isSuccess()) << added.headerText(3).toStdString();
    const std::map<QString, QString> listed = categories();
    const auto created =
        std::find_if(listed.begin(), listed.end(), [](const auto& category) { return category.second == kText; });
    ASSERT_NE(created, listed.end());
    const QString id = created->first;

    ASSERT_TRUE(answerTo(m_endpoints.renameCategory(kOtherText, id)).isSuccess());
    EXPECT_EQ(categories()[id], kOtherText);
}
