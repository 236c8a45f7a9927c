#include "DemoAccount.h"

#include "accounts/AccountStore.h"
#include "accounts/PortfolioStore.h"
#include "accounts/TextChecks.h"
#include "market/Market.h"

#include <array>
#include <charconv>
#include <cmath>

namespace sim {

namespace {

std::string oneDecimal(double value) {
    std::array<char, 32> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::round(value * 10) / 10,
                                   std::chars_format::fixed, 1);
    return ec == std::errc() ? std::string(buffer.data(), end) : std::string("10.0");
}

Holding demoHolding(long long categoryId, const Company& company, double purchase, const std::string& volume) {
    return Holding{.id = 0,
                   .categoryId = categoryId,
                   .companyId = company.id,
                   .price = oneDecimal(purchase),
                   .volume = volume,
                   .over = "5",
                   .under = "2",
                   .fee = "0.15"};
}

} // namespace

void createDemoAccount(AccountStore& accounts, PortfolioStore& portfolios, const Market& market, const SimTime& now) {
    accounts.registerUser("demo", "demo@corvastel.example", md5Hex("demo"));
    const auto userId = accounts.checkLogin("demo", md5Hex("demo"));
    if (!userId) {
        return;
    }
    const long long main = portfolios.addCategory(*userId, "Danh mục chính");
    const long long second = portfolios.addCategory(*userId, "Ngân hàng & Quỹ 100%");
    const auto& companies = market.companies();
    const std::array<long long, 4> categoryOf{main, main, main, second};
    for (std::size_t i = 0; i < categoryOf.size() && i < companies.size(); ++i) {
        const double price = market.priceAt(companies[i].id, now);
        // The first holding was bought 10 above today's price: it is past its lower threshold.
        const double purchase = i == 0 ? price + 10 : std::max(0.1, price - 1);
        portfolios.addHolding(demoHolding(categoryOf[i], companies[i], purchase, std::to_string(1000 * (i + 1))));
    }
}

} // namespace sim
