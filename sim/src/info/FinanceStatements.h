#pragma once

#include "market/Market.h"

#include <array>
#include <vector>

namespace sim {

class Noise;

/// One reporting period of a company: a quarter (1 to 4) or a whole year (quarter 5), with the
/// four figures of its layout in million dong (a fund's last figure, the value of one unit, is
/// in dong).
struct StatementPeriod final {
    int quarter = 1;
    int year = 2000;
    std::array<double, 4> figures{};
};

/// The ratios shown above the statements: earnings per share and book value per share in dong,
/// and the price ratios against them (0 when they would mean nothing).
struct FinanceRatios final {
    double eps = 0.0;
    double pe = 0.0;
    double bv = 0.0;
    double bp = 0.0;
};

/// A company's synthetic statements. Each company gets a size, a balance-sheet shape and a
/// margin of its own; quarters then grow slowly with some noise, so neighbouring periods look
/// like the same business. Layout 2 reads as a bank, 3 as a fund, anything else as an ordinary
/// company.
class FinanceStatements final {
public:
    FinanceStatements(const Noise& noise, const Company& company);

    /// What has been published by day: the eight latest quarters, then the two latest years,
    /// newest first in each group.
    std::vector<StatementPeriod> publishedBy(int day) const;

    FinanceRatios ratiosAt(int day, double price) const;

    /// Quarter indexes count quarters since year 0: year × 4 + quarter − 1.
    static int latestQuarterIndex(int day);
    static int latestYear(int day);

    static constexpr int kQuartersShown = 8;
    static constexpr int kYearsShown = 2;

private:
    enum class Kind { Ordinary, Bank, Fund };

    StatementPeriod quarterPeriod(int quarterIndex) const;
    StatementPeriod yearPeriod(int year) const;
    std::array<double, 4> businessQuarter(int quarterIndex) const;
    std::array<double, 4> fundQuarter(int quarterIndex) const;
    double growth(int quarterIndex) const;
    double unitValue(int quarterIndex) const;
    double fundAssets(int quarterIndex) const;
    double shares() const;
    double trait(std::uint64_t which, double low, double high) const;

    const Noise& m_noise;
    int m_companyId = 0;
    Kind m_kind = Kind::Ordinary;
};

} // namespace sim
