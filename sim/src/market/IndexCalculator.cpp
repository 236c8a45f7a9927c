#include "market/IndexCalculator.h"

#include "market/CompanyCatalogue.h"
#include "market/ExchangeRules.h"
#include "market/PriceModel.h"

#include <algorithm>

namespace sim::market {

namespace {

// One price step (0.1 thousand dong) in dong.
constexpr double kDongPerTick = 100.0;

} // namespace

IndexCalculator::IndexCalculator(const CompanyCatalogue& catalogue, const PriceModel& prices)
    : m_catalogue(catalogue)
    , m_prices(prices) {
    m_hoseDivisor = baseCapitalisation(kHose) / kHoseRules.baseIndex;
    m_hnxDivisor = baseCapitalisation(kHnx) / kHnxRules.baseIndex;
}

double IndexCalculator::baseCapitalisation(int stockId) const {
    double sum = 0.0;
    for (std::size_t company : m_catalogue.listedOn(stockId)) {
        const CompanyProfile& profile = m_catalogue.profile(company);
        sum += static_cast<double>(profile.shares) * profile.baseTicks;
    }
    return sum;
}

double IndexCalculator::divisor(int stockId) const {
    return stockId == kHose ? m_hoseDivisor : m_hnxDivisor;
}

double IndexCalculator::closeValue(int stockId, int day) const {
    double sum = 0.0;
    for (std::size_t company : m_catalogue.listedOn(stockId)) {
        sum += static_cast<double>(m_catalogue.profile(company).shares) * m_prices.closeTicks(company, day);
    }
    return sum / divisor(stockId);
}

IndexDay IndexCalculator::dayAt(int stockId, const MarketMoment& moment) const {
    {
        std::lock_guard lock(m_latestMutex);
        const auto found = m_latest.find(stockId);
        if (found != m_latest.end() && found->second.moment.day == moment.day &&
            found->second.moment.minute == moment.minute) {
            return found->second.index;
        }
    }
    IndexDay index = workOutDay(stockId, moment);
    std::lock_guard lock(m_latestMutex);
    m_latest[stockId] = Latest{moment, index};
    return index;
}

IndexDay IndexCalculator::workOutDay(int stockId, const MarketMoment& moment) const {
    const ExchangeRules& rules = rulesFor(stockId);
    IndexDay index;
    index.stockId = stockId;
    index.day = moment.day;
    index.revision = std::max(moment.minute, 0);
    index.reference = closeValue(stockId, previousTradingDay(moment.day));
    index.value = index.reference;
    const int lastTraded = std::min(moment.minute, rules.lastMinute);
    if (lastTraded < rules.firstMinute) {
        return index;
    }

    const auto count = static_cast<std::size_t>(lastTraded - rules.firstMinute + 1);
    std::vector<double> capitalisation(count, 0.0);
    index.minutes.resize(count);
    for (std::size_t company : m_catalogue.listedOn(stockId)) {
        const DayPlan plan = m_prices.plan(company, moment.day);
        const auto shares = static_cast<double>(m_catalogue.profile(company).shares);
        std::int64_t tradedBefore = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const int minute = rules.firstMinute + static_cast<int>(i);
            const int price = m_prices.priceTicks(plan, minute);
            const std::int64_t traded = m_prices.cumulativeVolume(plan, minute);
            const auto quantity = static_cast<double>(traded - tradedBefore);
            tradedBefore = traded;
            capitalisation[i] += shares * price;
            index.minutes[i].quantity += quantity;
            index.tradedValue += quantity * price * kDongPerTick;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        index.minutes[i].minute = rules.firstMinute + static_cast<int>(i);
        index.minutes[i].value = capitalisation[i] / divisor(stockId);
        index.tradedQuantity += index.minutes[i].quantity;
    }
    index.value = index.minutes.back().value;
    return index;
}

} // namespace sim::market
