#include "FinanceStatements.h"

#include "CivilDate.h"
#include "MarketView.h"
#include "Noise.h"

#include <cmath>

namespace sim {

namespace {

constexpr std::uint64_t kStream = 600;
// Quarterly reports are out some six weeks after the quarter ends, audited years by April.
constexpr int kQuarterReportDelay = 45;
constexpr int kYearReportDelay = 90;
constexpr double kMillion = 1e6;
constexpr double kThousand = 1e3;

// The statements are sized so that the trailing earnings of the second quarter of 2024 price
// the shares at the company's fair multiple; profits grow slowly on either side of it.
constexpr int kAnchorQuarter = 2024 * 4 + 1;
constexpr double kQuarterlyGrowth = 0.006;
constexpr double kFundQuarterlyGrowth = 0.015;

// The price level is the geometric mean of closes two months apart up to mid-2024, far enough
// apart to average out the swings of a few weeks.
constexpr int kPriceSamples = 12;
constexpr int kPriceSampleSpacing = 61;
constexpr double kUnknownPrice = 10.0;

enum Trait : std::uint64_t { Shares, FairPe, Roe, EquityShare, Margin, Loss, LossDepth, FairPb };
enum Path : std::uint64_t { GrowthPath = 20, ProfitNoise, EquityNoise, AssetNoise, RevenueNoise, NavPath };

struct Range {
    double low = 0.0;
    double high = 0.0;
};

/// How one kind of company is built: its shares, fair earnings multiple, return on equity,
/// equity to assets, profit to revenue (a bank's to its total income), chance of making losses.
struct Shape {
    Range shares;
    Range fairPe;
    Range roe;
    Range equityShare;
    Range margin;
    double lossChance = 0.0;
};

constexpr Shape kOrdinary{{1e7, 1e9}, {6.0, 22.0}, {0.06, 0.22}, {0.35, 0.65}, {0.04, 0.2}, 0.06};
constexpr Shape kBank{{5e8, 5e9}, {6.0, 13.0}, {0.1, 0.18}, {0.07, 0.1}, {0.25, 0.45}, 0.0};
constexpr Range kFundUnits{2e7, 1.2e8};
// Listed funds trade at a discount to their net asset value.
constexpr Range kFundPriceToBook{0.75, 1.0};

double typicalPrice(const MarketView& market, int companyId) {
    const int last = CivilDate{2024, 6, 28}.toDay();
    double logSum = 0.0;
    int count = 0;
    for (int i = 0; i < kPriceSamples; ++i) {
        const double price = market.priceAt(companyId, SimTime{last - i * kPriceSampleSpacing, 1439, 0});
        if (price > 0.0) {
            logSum += std::log(price);
            ++count;
        }
    }
    return count > 0 ? std::exp(logSum / count) : kUnknownPrice;
}

// A fund's unit is worth some ten to twenty-five thousand dong: thousandths of a million keep it
// readable under the "(Tr.)" heading the other figures share.
std::array<int, 4> decimalsFor(bool fund) {
    return fund ? std::array<int, 4>{0, 0, 0, 3} : std::array<int, 4>{0, 0, 0, 0};
}

} // namespace

FinanceStatements::FinanceStatements(const Noise& noise, const Company& company, double typicalPrice)
    : m_noise(noise)
    , m_companyId(company.id)
    , m_kind(company.layoutId == 2   ? Kind::Bank
             : company.layoutId == 3 ? Kind::Fund
                                     : Kind::Ordinary)
    , m_typicalPrice(typicalPrice) {}

FinanceStatements FinanceStatements::of(const Noise& noise, const MarketView& market, const Company& company) {
    return {noise, company, typicalPrice(market, company.id)};
}

double FinanceStatements::trait(std::uint64_t which, double low, double high) const {
    return low + (high - low) * m_noise.unit(kStream + which, m_companyId);
}

double FinanceStatements::noise(std::uint64_t which, int quarterIndex) const {
    return m_noise.centred(kStream + which, m_companyId, quarterIndex);
}

int FinanceStatements::quarterIndexOf(int day) {
    const CivilDate date = CivilDate::fromDay(day);
    return date.year * 4 + date.quarter() - 1;
}

int FinanceStatements::quarterStart(int quarterIndex) {
    return CivilDate{quarterIndex / 4, quarterIndex % 4 * 3 + 1, 1}.toDay();
}

int FinanceStatements::reportDay(int quarterIndex) {
    return quarterStart(quarterIndex + 1) + kQuarterReportDelay;
}

int FinanceStatements::latestQuarterIndex(int day) {
    const int current = quarterIndexOf(day);
    return day >= reportDay(current - 1) ? current - 1 : current - 2;
}

int FinanceStatements::latestYear(int day) {
    const CivilDate date = CivilDate::fromDay(day);
    return day >= CivilDate{date.year, 1, 1}.toDay() + kYearReportDelay ? date.year - 1 : date.year - 2;
}

std::vector<StatementPeriod> FinanceStatements::publishedBy(int day) const {
    std::vector<StatementPeriod> periods;
    periods.reserve(kQuartersShown + kYearsShown);
    const int latest = latestQuarterIndex(day);
    for (int i = 0; i < kQuartersShown; ++i) {
        periods.push_back(quarter(latest - i));
    }
    const int last = latestYear(day);
    for (int i = 0; i < kYearsShown; ++i) {
        periods.push_back(year(last - i));
    }
    return periods;
}

double FinanceStatements::shares() const {
    const Range range = m_kind == Kind::Fund ? kFundUnits : m_kind == Kind::Bank ? kBank.shares : kOrdinary.shares;
    return std::round(std::exp(trait(Shares, std::log(range.low), std::log(range.high))));
}

double FinanceStatements::growth(int quarterIndex, double wander) const {
    const auto q = static_cast<double>(quarterIndex);
    return std::exp(kQuarterlyGrowth * (q - kAnchorQuarter) +
                    wander * m_noise.smooth(kStream + GrowthPath, m_companyId, q / 6.0));
}

double FinanceStatements::quarterProfit(int quarterIndex, double usualProfit) const {
    const Shape& shape = m_kind == Kind::Bank ? kBank : kOrdinary;
    if (m_noise.unit(kStream + Loss, m_companyId) < shape.lossChance) {
        return -usualProfit * trait(LossDepth, 0.2, 0.6) * (1.0 + 0.25 * noise(ProfitNoise, quarterIndex));
    }
    return usualProfit * (1.0 + 0.12 * noise(ProfitNoise, quarterIndex));
}

std::array<double, 4> FinanceStatements::businessQuarter(int quarterIndex) const {
    const Shape& shape = m_kind == Kind::Bank ? kBank : kOrdinary;
    const double fairPe = trait(FairPe, shape.fairPe.low, shape.fairPe.high);
    const double fairYear = m_typicalPrice * kThousand / fairPe * shares() / kMillion;
    const double usualProfit = fairYear / 4.0 * growth(quarterIndex, 0.08);
    const double equity = fairYear / trait(Roe, shape.roe.low, shape.roe.high) * growth(quarterIndex, 0.04) *
                          (1.0 + 0.01 * noise(EquityNoise, quarterIndex));
    const double assets = equity / trait(EquityShare, shape.equityShare.low, shape.equityShare.high) *
                          (1.0 + 0.02 * noise(AssetNoise, quarterIndex));
    const double revenue = usualProfit / trait(Margin, shape.margin.low, shape.margin.high) *
                           (1.0 + 0.06 * noise(RevenueNoise, quarterIndex));
    return {std::round(assets), std::round(equity), std::round(revenue),
            std::round(quarterProfit(quarterIndex, usualProfit))};
}

double FinanceStatements::unitValue(int quarterIndex) const {
    const auto q = static_cast<double>(quarterIndex);
    const double fairValue = m_typicalPrice * kThousand / trait(FairPb, kFundPriceToBook.low, kFundPriceToBook.high);
    return std::round(fairValue * std::exp(kFundQuarterlyGrowth * (q - kAnchorQuarter) +
                                           0.1 * m_noise.smooth(kStream + NavPath, m_companyId, q / 3.0)));
}

double FinanceStatements::fundAssets(int quarterIndex) const {
    return std::round(shares() * unitValue(quarterIndex) / kMillion);
}

std::array<double, 4> FinanceStatements::fundQuarter(int quarterIndex) const {
    const double start = fundAssets(quarterIndex - 1);
    const double end = fundAssets(quarterIndex);
    return {end - start, start, end, unitValue(quarterIndex) / kMillion};
}

StatementPeriod FinanceStatements::quarter(int quarterIndex) const {
    StatementPeriod period;
    period.year = quarterIndex / 4;
    period.quarter = quarterIndex % 4 + 1;
    period.figures = m_kind == Kind::Fund ? fundQuarter(quarterIndex) : businessQuarter(quarterIndex);
    period.decimals = decimalsFor(m_kind == Kind::Fund);
    return period;
}

StatementPeriod FinanceStatements::year(int year) const {
    StatementPeriod period;
    period.year = year;
    period.quarter = 5;
    const int last = year * 4 + 3;
    if (m_kind == Kind::Fund) {
        const double start = fundAssets(last - 4);
        const double end = fundAssets(last);
        period.figures = {end - start, start, end, unitValue(last) / kMillion};
        period.decimals = decimalsFor(m_kind == Kind::Fund);
        return period;
    }
    // Balance-sheet figures at the year's end; flows summed over its four quarters.
    const std::array<double, 4> closing = businessQuarter(last);
    period.figures = {closing[0], closing[1], 0.0, 0.0};
    for (int q = last - 3; q <= last; ++q) {
        const std::array<double, 4> figures = businessQuarter(q);
        period.figures[2] += figures[2];
        period.figures[3] += figures[3];
    }
    return period;
}

FinanceRatios FinanceStatements::ratiosAt(int day, double price) const {
    const int latest = latestQuarterIndex(day);
    const double count = shares();
    double earnings = 0.0;
    double book = 0.0;
    if (m_kind == Kind::Fund) {
        earnings = (fundAssets(latest) - fundAssets(latest - 4)) * kMillion;
        book = unitValue(latest) * count;
    } else {
        for (int q = latest - 3; q <= latest; ++q) {
            earnings += businessQuarter(q)[3] * kMillion;
        }
        book = businessQuarter(latest)[1] * kMillion;
    }
    FinanceRatios ratios;
    // Whole dong, as shown; the price ratios are taken against the figures shown. Prices are in
    // thousand dong.
    ratios.eps = std::round(earnings / count);
    ratios.bv = std::round(book / count);
    ratios.pe = ratios.eps > 0.0 ? price * kThousand / ratios.eps : 0.0;
    ratios.bp = ratios.bv > 0.0 ? price * kThousand / ratios.bv : 0.0;
    return ratios;
}

} // namespace sim
