#pragma once

#include "market/Market.h"

#include <array>
#include <vector>

namespace sim {

class Noise;
struct MarketView;

/// One reporting period of a company: a quarter (1 to 4) or a whole year (quarter 5), with the
/// four figures of its layout in million dong, as the screen's headings say, and the decimals each
/// is sent with: whole millions, except a fund's value of one unit, a few hundredths of a million.
struct StatementPeriod final {
    int quarter = 1;
    int year = 2000;
    std::array<double, 4> figures{};
    std::array<int, 4> decimals{};
};

/// The ratios shown above the statements: earnings per share and book value per share in whole
/// dong, and the price ratios against them (0 when they would mean nothing, as for a loss).
struct FinanceRatios final {
    double eps = 0.0;
    double pe = 0.0;
    double bv = 0.0;
    double bp = 0.0;
};

/// A company's synthetic statements. They are sized from the price its shares trade around and a
/// fair earnings multiple of its own, so the ratios stay believable next to the market's prices;
/// quarters then grow slowly with some noise, so neighbouring periods look like the same
/// business. Layout 2 reads as a bank, 3 as a fund, anything else as an ordinary company; a few
/// ordinary companies make losses.
class FinanceStatements final {
public:
    /// The statements of a company whose shares trade around typicalPrice (thousand dong).
    FinanceStatements(const Noise& noise, const Company& company, double typicalPrice);

    /// The statements of a listed company, sized to the price level of its shares.
    static FinanceStatements of(const Noise& noise, const MarketView& market, const Company& company);

    /// What has been published by day: the eight latest quarters, then the two latest years,
    /// newest first in each group.
    std::vector<StatementPeriod> publishedBy(int day) const;

    StatementPeriod quarter(int quarterIndex) const;
    StatementPeriod year(int year) const;

    FinanceRatios ratiosAt(int day, double price) const;

    /// Shares outstanding (units of a fund).
    double shares() const;

    /// Quarter indexes count quarters since year 0: year × 4 + quarter − 1.
    static int quarterIndexOf(int day);
    static int quarterStart(int quarterIndex);
    static int latestQuarterIndex(int day);
    static int latestYear(int day);
    /// The first day a quarter's report is out.
    static int reportDay(int quarterIndex);

    static constexpr int kQuartersShown = 8;
    static constexpr int kYearsShown = 2;

private:
    enum class Kind { Ordinary, Bank, Fund };

    std::array<double, 4> businessQuarter(int quarterIndex) const;
    std::array<double, 4> fundQuarter(int quarterIndex) const;
    double quarterProfit(int quarterIndex, double usualProfit) const;
    double growth(int quarterIndex, double wander) const;
    double unitValue(int quarterIndex) const;
    double fundAssets(int quarterIndex) const;
    double trait(std::uint64_t which, double low, double high) const;
    double noise(std::uint64_t which, int quarterIndex) const;

    const Noise& m_noise;
    int m_companyId = 0;
    Kind m_kind = Kind::Ordinary;
    double m_typicalPrice = 0.0;
};

} // namespace sim
