#include "PriceWarnings.h"

#include "accounts/AccountAnswer.h"
#include "accounts/PortfolioStore.h"
#include "accounts/TextChecks.h"
#include "market/Market.h"

#include <array>
#include <charconv>
#include <sstream>

namespace sim {

namespace {

// Prices are on a 0.1 grid; the slack keeps "exactly at the threshold" a hit despite binary fractions.
constexpr double kSlack = 1e-6;

std::string priceText(double price) {
    std::array<char, 32> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), price, std::chars_format::fixed, 1);
    return ec == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

bool crossed(const Holding& h, double price) {
    const double purchase = numberValue(h.price);
    const bool below = !h.under.empty() && price <= purchase - numberValue(h.under) + kSlack;
    const bool above = price >= purchase + numberValue(h.over) - kSlack;
    return below || above;
}

std::vector<long long> categoryIds(const Request& request) {
    std::vector<long long> ids;
    const std::string* list = request.param("portfolioids");
    if (!list) {
        return ids;
    }
    std::stringstream stream(*list);
    std::string item;
    while (std::getline(stream, item, ',')) {
        long long id = 0;
        auto [ptr, ec] = std::from_chars(item.data(), item.data() + item.size(), id);
        if (ec == std::errc() && ptr == item.data() + item.size()) {
            ids.push_back(id);
        }
    }
    return ids;
}

} // namespace

PriceWarnings::PriceWarnings(const PortfolioStore& store, const Market& market)
    : m_store(store)
    , m_market(market) {}

Response PriceWarnings::answer(const Request& request, long long userId, const SimTime& now) const {
    AccountAnswer answer(now.day);
    for (const long long categoryId : categoryIds(request)) {
        for (const auto& holding : m_store.holdings(userId, categoryId)) {
            const double price = m_market.priceAt(holding.companyId, now);
            if (price > 0 && crossed(holding, price)) {
                const std::string text = priceText(price);
                answer.add({std::to_string(categoryId), std::to_string(holding.companyId), std::to_string(holding.id),
                            text, text});
            }
        }
    }
    return {answer.text()};
}

} // namespace sim
