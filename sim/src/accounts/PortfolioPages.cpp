#include "PortfolioPages.h"

#include "accounts/AccountAnswer.h"
#include "accounts/Messages.h"
#include "accounts/PortfolioStore.h"
#include "accounts/TextChecks.h"
#include "market/Market.h"

#include <charconv>
#include <set>

namespace sim {

namespace {

Response refuse(const char* message) {
    return {errorAnswer(false, message)};
}

std::string paramOr(const Request& request, const char* key) {
    const std::string* value = request.param(key);
    return value ? *value : std::string();
}

std::optional<long long> idParam(const Request& request, const char* key) {
    const std::string* text = request.param(key);
    long long id = 0;
    if (!text || text->empty()) {
        return std::nullopt;
    }
    auto [ptr, ec] = std::from_chars(text->data(), text->data() + text->size(), id);
    if (ec != std::errc() || ptr != text->data() + text->size()) {
        return std::nullopt;
    }
    return id;
}

// Why a category name is refused, or null when it is acceptable. A name with control characters
// or broken UTF-8 would come back to every client as text it cannot show or store as typed.
const char* categoryNameRefusal(const std::string& name) {
    if (name.empty() || !isFieldSafe(name)) {
        return messages::kBadCategoryName;
    }
    return isPrintableUtf8(name) ? nullptr : messages::kUnreadableCategoryName;
}

} // namespace

PortfolioPages::PortfolioPages(PortfolioStore& store, const Market& market)
    : m_store(store)
    , m_market(market) {}

Response PortfolioPages::answer(const Request& request, long long userId, const SimTime& now) {
    const std::string type = lowerAscii(paramOr(request, "type"));
    if (type.empty()) {
        return request.param("portfolioid") ? holdingQuotes(request, userId, now) : categoryList(userId, now);
    }
    if (type == "addcat") {
        return addCategory(request, userId, now);
    }
    if (type == "editcat") {
        return renameCategory(request, userId, now);
    }
    if (type == "deletecat") {
        return deleteCategory(request, userId, now);
    }
    if (type == "addcatdata") {
        return addWithNewCategory(request, userId, now);
    }
    if (type == "add") {
        return addHolding(request, userId, now);
    }
    if (type == "edit") {
        return editHolding(request, userId, now);
    }
    if (type == "delete") {
        return deleteHolding(request, userId, now);
    }
    return refuse(messages::kUnknownRequest);
}

Response PortfolioPages::categoryList(long long userId, const SimTime& now) {
    AccountAnswer answer(now.day);
    for (const auto& category : m_store.categories(userId)) {
        answer.add(category);
    }
    for (const auto& holding : m_store.holdingsOfUser(userId)) {
        answer.add(holding);
    }
    return {answer.text()};
}

Response PortfolioPages::holdingQuotes(const Request& request, long long userId, const SimTime& now) {
    const auto categoryId = idParam(request, "portfolioid");
    if (!categoryId || !m_store.category(userId, *categoryId)) {
        return refuse(messages::kUnknownCategory);
    }
    AccountAnswer answer(now.day);
    std::set<int> quoted;
    for (const auto& holding : m_store.holdings(userId, *categoryId)) {
        if (quoted.insert(holding.companyId).second && m_market.companyById(holding.companyId)) {
            answer.addRaw(m_market.quoteRecord(holding.companyId, now));
        }
    }
    return {answer.text()};
}

Response PortfolioPages::addCategory(const Request& request, long long userId, const SimTime& now) {
    const std::string name = paramOr(request, "name");
    if (const char* refusal = categoryNameRefusal(name)) {
        return refuse(refusal);
    }
    const long long id = m_store.addCategory(userId, name);
    return {AccountAnswer(now.day).add(Category{id, name}).text()};
}

Response PortfolioPages::renameCategory(const Request& request, long long userId, const SimTime& now) {
    const std::string name = paramOr(request, "name");
    if (const char* refusal = categoryNameRefusal(name)) {
        return refuse(refusal);
    }
    const auto id = idParam(request, "portfolioid");
    if (!id || !m_store.renameCategory(userId, *id, name)) {
        return refuse(messages::kUnknownCategory);
    }
    return {AccountAnswer(now.day).add(Category{*id, name}).text()};
}

Response PortfolioPages::deleteCategory(const Request& request, long long userId, const SimTime& now) {
    const auto id = idParam(request, "portfolioid");
    if (!id || !m_store.deleteCategory(userId, *id)) {
        return refuse(messages::kUnknownCategory);
    }
    return {AccountAnswer(now.day).text()};
}

std::optional<Holding> PortfolioPages::holdingFields(const Request& request, std::string& refusal) const {
    const auto companyId = idParam(request, "companyid");
    if (!companyId || !m_market.companyById(static_cast<int>(*companyId))) {
        refusal = messages::kUnknownCompany;
        return std::nullopt;
    }
    Holding h;
    h.companyId = static_cast<int>(*companyId);
    h.price = paramOr(request, "price");
    h.volume = paramOr(request, "volume");
    h.over = paramOr(request, "over");
    h.under = paramOr(request, "under");
    h.fee = paramOr(request, "fee");
    const bool valid = isPlainNumber(h.price) && isPlainNumber(h.volume) && isPlainNumber(h.over) &&
                       isPlainNumber(h.fee) && (h.under.empty() || isPlainNumber(h.under));
    if (!valid) {
        refusal = messages::kBadHoldingData;
        return std::nullopt;
    }
    return h;
}

Response PortfolioPages::storeHolding(Holding holding, long long userId, const SimTime& now) {
    const auto category = m_store.category(userId, holding.categoryId);
    if (!category) {
        return refuse(messages::kUnknownCategory);
    }
    if (holding.id == 0) {
        holding.id = m_store.addHolding(holding);
    } else {
        m_store.updateHolding(holding);
    }
    return {AccountAnswer(now.day).add(*category).add(holding).text()};
}

Response PortfolioPages::addWithNewCategory(const Request& request, long long userId, const SimTime& now) {
    const std::string name = paramOr(request, "name");
    if (const char* refusal = categoryNameRefusal(name)) {
        return refuse(refusal);
    }
    std::string refusal;
    auto holding = holdingFields(request, refusal);
    if (!holding) {
        return refuse(refusal.c_str());
    }
    // The client asks for a new category when its own copy has no such name; the server may know
    // one already (another device), and then the holding joins it instead of a twin.
    const auto existing = m_store.categoryByName(userId, name);
    holding->categoryId = existing ? existing->id : m_store.addCategory(userId, name);
    return storeHolding(*holding, userId, now);
}

Response PortfolioPages::addHolding(const Request& request, long long userId, const SimTime& now) {
    std::string refusal;
    auto holding = holdingFields(request, refusal);
    if (!holding) {
        return refuse(refusal.c_str());
    }
    const auto categoryId = idParam(request, "portfolioid");
    holding->categoryId = categoryId.value_or(0);
    return storeHolding(*holding, userId, now);
}

Response PortfolioPages::editHolding(const Request& request, long long userId, const SimTime& now) {
    const auto holdingId = idParam(request, "portfoliodataid");
    if (!holdingId || !m_store.holding(userId, *holdingId)) {
        return refuse(messages::kUnknownHolding);
    }
    std::string refusal;
    auto holding = holdingFields(request, refusal);
    if (!holding) {
        return refuse(refusal.c_str());
    }
    holding->id = *holdingId;
    holding->categoryId = idParam(request, "portfolioid").value_or(0);
    return storeHolding(*holding, userId, now);
}

Response PortfolioPages::deleteHolding(const Request& request, long long userId, const SimTime& now) {
    const auto holdingId = idParam(request, "portfoliodataid");
    if (!holdingId || !m_store.deleteHolding(userId, *holdingId)) {
        return refuse(messages::kUnknownHolding);
    }
    return {AccountAnswer(now.day).text()};
}

} // namespace sim
