#pragma once

#include "SimTypes.h"

#include <optional>
#include <string>

namespace sim {

class Market;
class PortfolioStore;
struct Holding;

/// The category and holding pages (portfolio.aspx and Portfolio.aspx) for one logged-in user.
/// Category names holding "," ";" or ":" are refused rather than altered: the name would break
/// every answer that carries it, and a silently changed name would no longer match what the user
/// typed when the client looks its categories up by name.
class PortfolioPages final {
public:
    PortfolioPages(PortfolioStore& store, const Market& market);

    Response answer(const Request& request, long long userId, const SimTime& now);

private:
    Response categoryList(long long userId, const SimTime& now);
    Response holdingQuotes(const Request& request, long long userId, const SimTime& now);
    Response addCategory(const Request& request, long long userId, const SimTime& now);
    Response renameCategory(const Request& request, long long userId, const SimTime& now);
    Response deleteCategory(const Request& request, long long userId, const SimTime& now);
    Response addWithNewCategory(const Request& request, long long userId, const SimTime& now);
    Response addHolding(const Request& request, long long userId, const SimTime& now);
    Response editHolding(const Request& request, long long userId, const SimTime& now);
    Response deleteHolding(const Request& request, long long userId, const SimTime& now);

    /// The holding fields of an add or edit request, or the message refusing them.
    std::optional<Holding> holdingFields(const Request& request, std::string& refusal) const;
    Response storeHolding(Holding holding, long long userId, const SimTime& now);

    PortfolioStore& m_store;
    const Market& m_market;
};

} // namespace sim
