#include "market/QuoteBook.h"

#include "market/CompanyCatalogue.h"
#include "market/PriceModel.h"

#include <algorithm>
#include <cmath>

namespace sim::market {

namespace {

enum Side { Bid = 0, Ask = 1, SellResidue = 2, BuyResidue = 3 };

} // namespace

QuoteBook::QuoteBook(const CounterRandom& random, const CompanyCatalogue& catalogue, const PriceModel& prices)
    : m_random(random)
    , m_catalogue(catalogue)
    , m_prices(prices) {}

// Quantities waiting in the order book: a small, changing share of a usual day's volume.
std::int64_t QuoteBook::depth(std::size_t company, int day, int minute, int side) const {
    const double usual = static_cast<double>(m_catalogue.profile(company).baseVolume);
    const double share =
        0.002 + 0.03 * m_random.unit(Stream::BookDepth, static_cast<std::int64_t>(company), day, minute * 4 + side);
    const auto lot = static_cast<double>(kLotSize);
    return std::max<std::int64_t>(kLotSize, std::llround(usual * share / lot) * kLotSize);
}

Quote QuoteBook::quoteAt(std::size_t company, const MarketMoment& moment) const {
    const Company& listed = m_catalogue.company(company);
    const DayPlan plan = m_prices.plan(company, moment.day);
    const ExchangeRules& rules = *plan.rules;
    const bool traded = moment.minute >= rules.firstMinute;
    const int lastTraded = std::min(moment.minute, rules.lastMinute);

    Quote quote;
    quote.companyId = listed.id;
    quote.stockId = listed.stockId;
    quote.minute = std::max(lastTraded, 0);
    quote.day = moment.day;
    quote.refTicks = plan.refTicks;
    quote.priceTicks = traded ? m_prices.priceTicks(plan, lastTraded) : plan.refTicks;
    quote.changeTicks = quote.priceTicks - quote.refTicks;
    quote.percent = 100.0 * quote.changeTicks / quote.refTicks;
    quote.volume = traded ? m_prices.cumulativeVolume(plan, lastTraded) : 0;
    quote.openTicks = traded ? plan.openTicks : 0;
    quote.closeTicks = moment.minute >= rules.lastMinute ? plan.closeTicks : 0;
    quote.ceilingTicks = plan.ceilingTicks;
    quote.floorTicks = plan.floorTicks;
    quote.bidQuantity = depth(company, moment.day, quote.minute, Bid);
    quote.askQuantity = depth(company, moment.day, quote.minute, Ask);
    quote.sellResidue = depth(company, moment.day, quote.minute, SellResidue);
    quote.buyResidue = depth(company, moment.day, quote.minute, BuyResidue);
    return quote;
}

} // namespace sim::market
