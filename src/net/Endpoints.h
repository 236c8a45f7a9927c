#pragma once

#include "net/Identity.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

namespace net {

/// The values of one holding as the portfolio pages take them, in the order they are sent.
struct HoldingValues {
    QString companyId;
    QString price;
    QString volume;
    QString over;
    QString under;
    QString fee;
};

/// Every URL the client asks the service for. Each text value is percent-encoded as it goes in,
/// so names holding "&", "=", "+", "%" or Vietnamese letters arrive as typed. Requests that
/// identify the client carry session= once logged in and imei= before; the identity is read when
/// the URL is built.
class Endpoints final {
public:
    using IdentitySource = std::function<Identity()>;

    /// baseUrl is scheme and host (and port), with or without a trailing "/".
    Endpoints(const QString& baseUrl, IdentitySource identity);

    const QString& baseUrl() const { return m_baseUrl; }

    /// End-of-day data since the last stored index day.
    QString endOfDay(int lastUpdate) const;
    /// Trading results of one day.
    QString tradingResults(int day) const;
    /// The market overview feed since a revision.
    QString marketRealtime(int lastUpdate) const;
    /// The market overview feed with no identification (market history refresh).
    QString marketRealtimeUnidentified(int lastUpdate) const;
    /// Quotes of the companies of one exchange.
    QString companyList(int stockId, int lastUpdate) const;
    QString worldIndices() const;
    QString exchangeRates() const;
    QString commodities() const;
    QString worldGold(int lastUpdate) const;
    QString bankGold(int lastUpdate) const;
    /// One company's real-time quote and intraday data.
    QString companyRealtime(const QString& companyId, int lastUpdate) const;
    QString companyFinance(const QString& companyId) const;
    /// Price warnings of the given categories (logged in only).
    QString priceWarnings(const QString& portfolioIds) const;
    /// Quotes of the watch list's companies.
    QString watchListQuotes(const QString& companyIds) const;
    QString headlineNews() const;
    QString companyNews(const QString& companyId) const;
    /// Whether a newer version than the given one exists (always by device id).
    QString versionCheck(const QString& version) const;
    /// passMd5: the password's MD5 digest in lowercase hexadecimal (always by device id).
    QString login(const QString& username, const QString& passMd5) const;
    /// A new account (no identification).
    QString registration(const QString& username, const QString& email) const;
    QString categoryList() const;
    QString addCategory(const QString& name) const;
    QString renameCategory(const QString& name, const QString& portfolioId) const;
    QString deleteCategory(const QString& portfolioId) const;
    /// A holding in a category created for it under the given name.
    QString addHoldingWithCategory(const QString& name, const HoldingValues& holding) const;
    QString addHolding(const QString& portfolioId, const HoldingValues& holding) const;
    QString editHolding(const QString& portfolioDataId, const QString& portfolioId, const HoldingValues& holding) const;
    /// The holdings of one category.
    QString holdings(const QString& portfolioId) const;
    QString deleteHolding(const QString& portfolioDataId) const;

private:
    using Param = std::pair<const char*, QString>;

    QString build(const char* page, std::initializer_list<Param> params) const;
    Param identification() const;
    Param session() const;
    Param imei() const;

    QString m_baseUrl;
    IdentitySource m_identity;
};

} // namespace net
