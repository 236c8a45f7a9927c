#include "market/DailyCloses.h"

#include "market/CompanyCatalogue.h"
#include "market/CompanyNames.h"
#include "market/ExchangeRules.h"
#include "market/TradingCalendar.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace sim::market {

namespace {

// The national market moves about 1 % a day, a sector about 0.8 % on top; calm and stormy
// spells follow each other (a GARCH(1,1) variance with these weights).
constexpr double kMarketVolatility = 0.0105;
constexpr double kSectorVolatility = 0.008;
constexpr double kShockWeight = 0.12;
constexpr double kMemoryWeight = 0.86;
// Each level is pulled back slowly towards where it started, so prices stay in one era.
constexpr double kMarketReversion = 0.008;
constexpr double kSectorReversion = 0.01;
constexpr double kCompanyReversion = 0.01;
// A shock of more than eight deviations would be a crash no market model needs.
constexpr double kLargestShock = 8.0;
// Some twenty years of trading days: a bound on what a far-off day may make the service compute.
constexpr std::size_t kLastDayIndex = 5000;

} // namespace

DailyCloses::DailyCloses(const CounterRandom& random, const CompanyCatalogue& catalogue)
    : m_random(random)
    , m_catalogue(catalogue)
    , m_firstIndex(tradingIndex(firstDay()))
    , m_sectors(static_cast<std::size_t>(kSectorCount)) {}

int DailyCloses::firstDay() {
    return static_cast<int>(QDate(2000, 1, 1).daysTo(QDate(2023, 1, 3)));
}

int DailyCloses::closeTicks(std::size_t company, int day) const {
    const int offset = std::max(0, tradingIndex(day) - m_firstIndex);
    const std::size_t dayIndex = std::min(static_cast<std::size_t>(offset), kLastDayIndex);
    const std::size_t at = dayIndex * m_catalogue.size() + company;
    {
        std::shared_lock lock(m_mutex);
        if (dayIndex < m_days) {
            return m_closes[at];
        }
    }
    std::unique_lock lock(m_mutex);
    extendTo(dayIndex);
    return m_closes[at];
}

void DailyCloses::extendTo(std::size_t dayIndex) const {
    while (m_days <= dayIndex) {
        addDay();
    }
}

double DailyCloses::nextFactorMove(Factor& factor, double longRunVolatility, double reversion, Stream stream,
                                   std::int64_t key, std::int64_t dayIndex) const {
    const double longRunVariance = longRunVolatility * longRunVolatility;
    factor.variance = longRunVariance * (1.0 - kShockWeight - kMemoryWeight) +
                      kShockWeight * factor.shock * factor.shock + kMemoryWeight * factor.variance;
    const double draw = std::clamp(m_random.fatTailed(stream, key, dayIndex), -kLargestShock, kLargestShock);
    factor.shock = std::sqrt(factor.variance) * draw;
    const double move = factor.shock - reversion * factor.level;
    factor.level += move;
    return move;
}

void DailyCloses::addDay() const {
    const std::size_t count = m_catalogue.size();
    if (m_days == 0) {
        m_market.variance = kMarketVolatility * kMarketVolatility;
        for (Factor& sector : m_sectors) {
            sector.variance = kSectorVolatility * kSectorVolatility;
        }
        for (std::size_t company = 0; company < count; ++company) {
            m_closes.push_back(m_catalogue.profile(company).baseTicks);
        }
        ++m_days;
        return;
    }
    const auto dayIndex = static_cast<std::int64_t>(m_days);
    const Factor marketBefore = m_market;
    const std::vector<Factor> sectorsBefore = m_sectors;
    const double marketMove =
        nextFactorMove(m_market, kMarketVolatility, kMarketReversion, Stream::MarketShock, 0, dayIndex);
    std::vector<double> sectorMoves(m_sectors.size());
    for (std::size_t sector = 0; sector < m_sectors.size(); ++sector) {
        sectorMoves[sector] = nextFactorMove(m_sectors[sector], kSectorVolatility, kSectorReversion,
                                             Stream::SectorShock, static_cast<std::int64_t>(sector), dayIndex);
    }
    // When the whole market is stormy, every company's own moves grow too.
    const double stress = 0.6 + 0.4 * std::sqrt(m_market.variance) / kMarketVolatility;

    const std::size_t previous = (m_days - 1) * count;
    for (std::size_t company = 0; company < count; ++company) {
        const CompanyProfile& profile = m_catalogue.profile(company);
        const ExchangeRules& rules = rulesFor(m_catalogue.company(company).stockId);
        const auto sector = static_cast<std::size_t>(profile.sector);
        const double exposure = profile.beta * rules.marketExposure;
        const int reference = m_closes[previous + company];
        const double fair = std::log(static_cast<double>(profile.baseTicks)) + exposure * marketBefore.level +
                            profile.sectorLoading * sectorsBefore[sector].level;
        const double own =
            profile.volatility * stress *
            std::clamp(m_random.fatTailed(Stream::CompanyShock, static_cast<std::int64_t>(company), dayIndex),
                       -kLargestShock, kLargestShock);
        const double move = exposure * marketMove + profile.sectorLoading * sectorMoves[sector] + own -
                            kCompanyReversion * (std::log(static_cast<double>(reference)) - fair);
        const int close = rules.onStep(static_cast<double>(reference) * std::exp(move));
        m_closes.push_back(std::clamp(close, rules.floorFor(reference), rules.ceilingFor(reference)));
    }
    ++m_days;
}

} // namespace sim::market
