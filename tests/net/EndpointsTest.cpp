#include "net/Endpoints.h"

#include "QtPrinters.h"

#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <functional>

namespace {

using net::Endpoints;

QString at(const QString& pageAndQuery) {
    return QStringLiteral("http://127.0.0.1:8080/KTRPW/") + pageAndQuery;
}

class EndpointsTest : public ::testing::Test {
protected:
    void logIn() {
        m_identity.isAuthenticated = true;
        m_identity.session = QStringLiteral("S77");
    }

    net::Identity m_identity{false, QString(), QStringLiteral("DEV-1")};
    Endpoints m_endpoints{QStringLiteral("http://127.0.0.1:8080/"), [this] {
                              return m_identity;
                          }};
    const net::HoldingValues m_holding{"12", "25.5", "1000", "10", "5", "0.15"};
};

struct IdentifiedRow {
    std::function<QString(const Endpoints&)> build;
    QString before; // the query with "imei=DEV-1"
    QString after;  // the query with "session=S77"
};

TEST_F(EndpointsTest, IdentifiedRowsSwitchFromImeiToSessionAtLogin) {
    const std::vector<IdentifiedRow> rows = {
        {[](const Endpoints& e) { return e.endOfDay(3650); }, "default.aspx?lastupdate=3650&numofday=7&imei=DEV-1",
         "default.aspx?lastupdate=3650&numofday=7&session=S77"},
        {[](const Endpoints& e) { return e.tradingResults(3651); }, "default.aspx?type=1&lastupdate=3651&imei=DEV-1",
         "default.aspx?type=1&lastupdate=3651&session=S77"},
        {[](const Endpoints& e) { return e.marketRealtime(42); }, "realtime.aspx?type=1&lastupdate=42&imei=DEV-1",
         "realtime.aspx?type=1&lastupdate=42&session=S77"},
        {[](const Endpoints& e) { return e.companyList(2, 9); },
         "realtime.aspx?type=2&StockID=2&lastupdate=9&imei=DEV-1",
         "realtime.aspx?type=2&StockID=2&lastupdate=9&session=S77"},
        {[](const Endpoints& e) { return e.worldIndices(); }, "realtime.aspx?type=3&imei=DEV-1",
         "realtime.aspx?type=3&session=S77"},
        {[](const Endpoints& e) { return e.exchangeRates(); }, "realtime.aspx?type=4&imei=DEV-1",
         "realtime.aspx?type=4&session=S77"},
        {[](const Endpoints& e) { return e.commodities(); }, "realtime.aspx?type=5&imei=DEV-1",
         "realtime.aspx?type=5&session=S77"},
        {[](const Endpoints& e) { return e.worldGold(-1); }, "realtime.aspx?type=7&lastupdate=-1&imei=DEV-1",
         "realtime.aspx?type=7&lastupdate=-1&session=S77"},
        {[](const Endpoints& e) { return e.bankGold(5); }, "realtime.aspx?type=8&lastupdate=5&imei=DEV-1",
         "realtime.aspx?type=8&lastupdate=5&session=S77"},
        {[](const Endpoints& e) { return e.companyRealtime("311", 0); },
         "realtime.aspx?type=9&companyid=311&lastupdate=0&imei=DEV-1",
         "realtime.aspx?type=9&companyid=311&lastupdate=0&session=S77"},
        {[](const Endpoints& e) { return e.companyFinance("311"); }, "realtime.aspx?type=10&companyid=311&imei=DEV-1",
         "realtime.aspx?type=10&companyid=311&session=S77"},
        {[](const Endpoints& e) { return e.watchListQuotes("7"); }, "realtime.aspx?type=12&imei=DEV-1&companyids=7",
         "realtime.aspx?type=12&session=S77&companyids=7"},
        {[](const Endpoints& e) { return e.headlineNews(); }, "news.aspx?imei=DEV-1", "news.aspx?session=S77"},
        {[](const Endpoints& e) { return e.companyNews("311"); }, "news.aspx?companyid=311&imei=DEV-1",
         "news.aspx?companyid=311&session=S77"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.build(m_endpoints), at(row.before));
    }
    logIn();
    for (const auto& row : rows) {
        EXPECT_EQ(row.build(m_endpoints), at(row.after));
    }
}

TEST_F(EndpointsTest, FixedFormsDoNotDependOnLogin) {
    for (bool loggedIn : {false, true}) {
        if (loggedIn) {
            logIn();
        }
        EXPECT_EQ(m_endpoints.marketRealtimeUnidentified(3), at("realtime.aspx?type=1&lastupdate=3"));
        EXPECT_EQ(m_endpoints.versionCheck("2.0.3"), at("CheckAlert.aspx?version=2.0.3&type=IPN&imei=DEV-1"));
        EXPECT_EQ(m_endpoints.login("an", "0cc175b9c0f1b6a831c399e269772661"),
                  at("login.aspx?username=an&pass=0cc175b9c0f1b6a831c399e269772661&imei=DEV-1"));
        EXPECT_EQ(m_endpoints.registration("an", "an@example.vn"),
                  at("Register.aspx?username=an&email=an%40example.vn"));
    }
}

TEST_F(EndpointsTest, PortfolioRowsCarryTheSession) {
    logIn();
    EXPECT_EQ(m_endpoints.priceWarnings("4"), at("realtime.aspx?type=11&session=S77&portfolioids=4"));
    EXPECT_EQ(m_endpoints.categoryList(), at("portfolio.aspx?session=S77"));
    EXPECT_EQ(m_endpoints.addCategory("Dài hạn"),
              at("Portfolio.aspx?type=addcat&name=D%C3%A0i%20h%E1%BA%A1n&session=S77"));
    EXPECT_EQ(m_endpoints.renameCategory("X", "4"), at("Portfolio.aspx?type=editcat&name=X&session=S77&portfolioid=4"));
    EXPECT_EQ(m_endpoints.deleteCategory("4"), at("Portfolio.aspx?type=deletecat&portfolioid=4&session=S77"));
    EXPECT_EQ(m_endpoints.addHoldingWithCategory("New", m_holding),
              at("Portfolio.aspx?type=addcatdata&name=New&companyid=12&price=25.5&volume=1000&over=10&under=5"
                 "&fee=0.15&session=S77"));
    EXPECT_EQ(m_endpoints.addHolding("4", m_holding),
              at("Portfolio.aspx?type=add&portfolioid=4&companyid=12&price=25.5&volume=1000&over=10&under=5"
                 "&fee=0.15&session=S77"));
    EXPECT_EQ(m_endpoints.editHolding("90", "4", m_holding),
              at("Portfolio.aspx?type=edit&portfoliodataid=90&portfolioid=4&companyid=12&price=25.5&volume=1000"
                 "&over=10&under=5&fee=0.15&session=S77"));
    EXPECT_EQ(m_endpoints.holdings("4"), at("Portfolio.aspx?portfolioid=4&session=S77"));
    EXPECT_EQ(m_endpoints.deleteHolding("90"), at("Portfolio.aspx?type=delete&portfoliodataid=90&session=S77"));
}

TEST_F(EndpointsTest, TextValuesSurviveDelimitersInThem) {
    logIn();
    const QString name = QStringLiteral("A&B=1 100%+Đầu tư?#");
    const QUrl url(m_endpoints.addCategory(name));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue("name", QUrl::FullyDecoded), name);
    EXPECT_EQ(query.queryItemValue("type"), QStringLiteral("addcat"));
    EXPECT_EQ(query.queryItemValue("session"), QStringLiteral("S77"));
}

TEST(Endpoints, BaseUrlWithoutTrailingSlash) {
    const Endpoints endpoints(QStringLiteral("http://h:1"), [] { return net::Identity{}; });
    EXPECT_EQ(endpoints.marketRealtimeUnidentified(0),
              QStringLiteral("http://h:1/KTRPW/realtime.aspx?type=1&lastupdate=0"));
}

} // namespace
