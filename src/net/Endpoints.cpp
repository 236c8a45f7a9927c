#include "net/Endpoints.h"

#include <QUrl>

namespace net {
namespace {

QString number(int value) {
    return QString::number(value);
}

} // namespace

Endpoints::Endpoints(const QString& baseUrl, IdentitySource identity)
    : m_baseUrl(baseUrl)
    , m_identity(std::move(identity)) {
    while (m_baseUrl.endsWith(u'/')) {
        m_baseUrl.chop(1);
    }
}

QString Endpoints::build(const char* page, std::initializer_list<Param> params) const {
    QString url = m_baseUrl + u"/KTRPW/" + QLatin1StringView(page);
    QChar separator = u'?';
    for (const auto& [key, value] : params) {
        // Encoded here, value by value: the request object escapes the whole URL afterwards but
        // leaves "&", "=", "+" and "%" alone, so they would otherwise cut or change the value.
        url += separator + QLatin1StringView(key) + u'=' + QString::fromLatin1(QUrl::toPercentEncoding(value));
        separator = u'&';
    }
    return url;
}

Endpoints::Param Endpoints::identification() const {
    return m_identity().isAuthenticated ? session() : imei();
}

Endpoints::Param Endpoints::session() const {
    return {"session", m_identity().session};
}

Endpoints::Param Endpoints::imei() const {
    return {"imei", m_identity().imei};
}

QString Endpoints::endOfDay(int lastUpdate) const {
    return build("default.aspx", {{"lastupdate", number(lastUpdate)}, {"numofday", number(7)}, identification()});
}

QString Endpoints::tradingResults(int day) const {
    return build("default.aspx", {{"type", number(1)}, {"lastupdate", number(day)}, identification()});
}

QString Endpoints::marketRealtime(int lastUpdate) const {
    return build("realtime.aspx", {{"type", number(1)}, {"lastupdate", number(lastUpdate)}, identification()});
}

QString Endpoints::marketRealtimeUnidentified(int lastUpdate) const {
    return build("realtime.aspx", {{"type", number(1)}, {"lastupdate", number(lastUpdate)}});
}

QString Endpoints::companyList(int stockId, int lastUpdate) const {
    return build(
        "realtime.aspx",
        {{"type", number(2)}, {"StockID", number(stockId)}, {"lastupdate", number(lastUpdate)}, identification()});
}

QString Endpoints::worldIndices() const {
    return build("realtime.aspx", {{"type", number(3)}, identification()});
}

QString Endpoints::exchangeRates() const {
    return build("realtime.aspx", {{"type", number(4)}, identification()});
}

QString Endpoints::commodities() const {
    return build("realtime.aspx", {{"type", number(5)}, identification()});
}

QString Endpoints::worldGold(int lastUpdate) const {
    return build("realtime.aspx", {{"type", number(7)}, {"lastupdate", number(lastUpdate)}, identification()});
}

QString Endpoints::bankGold(int lastUpdate) const {
    return build("realtime.aspx", {{"type", number(8)}, {"lastupdate", number(lastUpdate)}, identification()});
}

QString Endpoints::companyRealtime(const QString& companyId, int lastUpdate) const {
    return build("realtime.aspx",
                 {{"type", number(9)}, {"companyid", companyId}, {"lastupdate", number(lastUpdate)}, identification()});
}

QString Endpoints::companyFinance(const QString& companyId) const {
    return build("realtime.aspx", {{"type", number(10)}, {"companyid", companyId}, identification()});
}

QString Endpoints::priceWarnings(const QString& portfolioIds) const {
    return build("realtime.aspx", {{"type", number(11)}, session(), {"portfolioids", portfolioIds}});
}

QString Endpoints::watchListQuotes(const QString& companyIds) const {
    return build("realtime.aspx", {{"type", number(12)}, identification(), {"companyids", companyIds}});
}

QString Endpoints::headlineNews() const {
    return build("news.aspx", {identification()});
}

QString Endpoints::companyNews(const QString& companyId) const {
    return build("news.aspx", {{"companyid", companyId}, identification()});
}

QString Endpoints::versionCheck(const QString& version) const {
    return build("CheckAlert.aspx", {{"version", version}, {"type", QStringLiteral("IPN")}, imei()});
}

QString Endpoints::login(const QString& username, const QString& passMd5) const {
    return build("login.aspx", {{"username", username}, {"pass", passMd5}, imei()});
}

QString Endpoints::registration(const QString& username, const QString& email) const {
    return build("Register.aspx", {{"username", username}, {"email", email}});
}

QString Endpoints::categoryList() const {
    return build("portfolio.aspx", {session()});
}

QString Endpoints::addCategory(const QString& name) const {
    return build("Portfolio.aspx", {{"type", QStringLiteral("addcat")}, {"name", name}, session()});
}

QString Endpoints::renameCategory(const QString& name, const QString& portfolioId) const {
    return build("Portfolio.aspx",
                 {{"type", QStringLiteral("editcat")}, {"name", name}, session(), {"portfolioid", portfolioId}});
}

QString Endpoints::deleteCategory(const QString& portfolioId) const {
    return build("Portfolio.aspx", {{"type", QStringLiteral("deletecat")}, {"portfolioid", portfolioId}, session()});
}

QString Endpoints::addHoldingWithCategory(const QString& name, const HoldingValues& holding) const {
    return build("Portfolio.aspx", {{"type", QStringLiteral("addcatdata")},
                                    {"name", name},
                                    {"companyid", holding.companyId},
                                    {"price", holding.price},
                                    {"volume", holding.volume},
                                    {"over", holding.over},
                                    {"under", holding.under},
                                    {"fee", holding.fee},
                                    session()});
}

QString Endpoints::addHolding(const QString& portfolioId, const HoldingValues& holding) const {
    return build("Portfolio.aspx", {{"type", QStringLiteral("add")},
                                    {"portfolioid", portfolioId},
                                    {"companyid", holding.companyId},
                                    {"price", holding.price},
                                    {"volume", holding.volume},
                                    {"over", holding.over},
                                    {"under", holding.under},
                                    {"fee", holding.fee},
                                    session()});
}

QString Endpoints::editHolding(const QString& portfolioDataId, const QString& portfolioId,
                               const HoldingValues& holding) const {
    return build("Portfolio.aspx", {{"type", QStringLiteral("edit")},
                                    {"portfoliodataid", portfolioDataId},
                                    {"portfolioid", portfolioId},
                                    {"companyid", holding.companyId},
                                    {"price", holding.price},
                                    {"volume", holding.volume},
                                    {"over", holding.over},
                                    {"under", holding.under},
                                    {"fee", holding.fee},
                                    session()});
}

QString Endpoints::holdings(const QString& portfolioId) const {
    return build("Portfolio.aspx", {{"portfolioid", portfolioId}, session()});
}

QString Endpoints::deleteHolding(const QString& portfolioDataId) const {
    return build("Portfolio.aspx",
                 {{"type", QStringLiteral("delete")}, {"portfoliodataid", portfolioDataId}, session()});
}

} // namespace net
