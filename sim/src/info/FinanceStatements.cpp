#include "FinanceStatements.h"

#include "CivilDate.h"
#include "Noise.h"

#include <cmath>

namespace sim {

namespace {

constexpr std::uint64_t kStream = 600;
constexpr int kReferenceQuarter = 2012 * 4;
// Quarterly reports are out some six weeks after the quarter ends, audited years by April.
constexpr int kQuarterReportDelay = 45;
constexpr int kYearReportDelay = 90;
constexpr double kMillion = 1e6;

enum Trait : std::uint64_t { Size, Equity, Turnover, Margin, BookValue, Units };

} // namespace

FinanceStatements::FinanceStatements(const Noise& noise, const Company& company)
    : m_noise(noise)
    , m_companyId(company.id)
    , m_kind(company.layoutId == 2   ? Kind::Bank
             : company.layoutId == 3 ? Kind::Fund
                                     : Kind::Ordinary) {}

double FinanceStatements::trait(std::uint64_t which, double low, double high) const {
    return low + (high - low) * m_noise.unit(kStream + which, m_companyId);
}

int FinanceStatements::latestQuarterIndex(int day) {
    const CivilDate date = CivilDate::fromDay(day);
    const int current = date.year * 4 + date.quarter() - 1;
    const int quarterStart = CivilDate{date.year, (date.quarter() - 1) * 3 + 1, 1}.toDay();
    return day >= quarterStart + kQuarterReportDelay ? current - 1 : current - 2;
}

int FinanceStatements::latestYear(int day) {
    const CivilDate date = CivilDate::fromDay(day);
    return day >= CivilDate{date.year, 1, 1}.toDay() + kYearReportDelay ? date.year - 1 : date.year - 2;
}

std::vector<StatementPeriod> FinanceStatements::publishedBy(int day) const {
    std::vector<StatementPeriod> periods;
    const int latest = latestQuarterIndex(day);
    for (int i = 0; i < kQuartersShown; ++i) {
        periods.push_back(quarterPeriod(latest - i));
    }
    const int year = latestYear(day);
    for (int i = 0; i < kYearsShown; ++i) {
        periods.push_back(yearPeriod(year - i));
    }
    return periods;
}

double FinanceStatements::growth(int quarterIndex) const {
    const double q = static_cast<double>(quarterIndex);
    return std::exp(0.012 * (q - kReferenceQuarter) + 0.08 * m_noise.smooth(kStream + 10U, m_companyId, q / 6.0));
}

std::array<double, 4> FinanceStatements::businessQuarter(int quarterIndex) const {
    const bool bank = m_kind == Kind::Bank;
    const double size = bank ? std::exp(trait(Size, std::log(2e7), std::log(4e8)))
                             : std::exp(trait(Size, std::log(2e5), std::log(2e7)));
    const double assets = size * growth(quarterIndex);
    const double equityShare = bank ? trait(Equity, 0.07, 0.11) : trait(Equity, 0.35, 0.65);
    const double turnover = bank ? trait(Turnover, 0.022, 0.035) : trait(Turnover, 0.08, 0.45);
    const double margin = bank ? trait(Margin, 0.15, 0.32) : trait(Margin, -0.02, 0.14);
    const double equity =
        assets * equityShare * (1.0 + 0.03 * m_noise.centred(kStream + 11U, m_companyId, quarterIndex));
    const double revenue = assets * turnover * (1.0 + 0.15 * m_noise.centred(kStream + 12U, m_companyId, quarterIndex));
    const double profit = revenue * (margin + 0.04 * m_noise.centred(kStream + 13U, m_companyId, quarterIndex));
    return {std::round(assets), std::round(equity), std::round(revenue), std::round(profit)};
}

double FinanceStatements::unitValue(int quarterIndex) const {
    const double q = static_cast<double>(quarterIndex);
    return std::round(
        10000.0 * std::exp(0.01 * (q - kReferenceQuarter) + 0.2 * m_noise.smooth(kStream + 14U, m_companyId, q / 3.0)));
}

double FinanceStatements::fundAssets(int quarterIndex) const {
    return std::round(shares() * unitValue(quarterIndex) / kMillion);
}

std::array<double, 4> FinanceStatements::fundQuarter(int quarterIndex) const {
    const double start = fundAssets(quarterIndex - 1);
    const double end = fundAssets(quarterIndex);
    return {end - start, start, end, unitValue(quarterIndex)};
}

StatementPeriod FinanceStatements::quarterPeriod(int quarterIndex) const {
    StatementPeriod period;
    period.year = quarterIndex / 4;
    period.quarter = quarterIndex % 4 + 1;
    period.figures = m_kind == Kind::Fund ? fundQuarter(quarterIndex) : businessQuarter(quarterIndex);
    return period;
}

StatementPeriod FinanceStatements::yearPeriod(int year) const {
    StatementPeriod period;
    period.year = year;
    period.quarter = 5;
    const int last = year * 4 + 3;
    if (m_kind == Kind::Fund) {
        const double start = fundAssets(last - 4);
        const double end = fundAssets(last);
        period.figures = {end - start, start, end, unitValue(last)};
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

double FinanceStatements::shares() const {
    if (m_kind == Kind::Fund) {
        return std::round(trait(Units, 2e7, 1.2e8));
    }
    // Sized so the book value per share starts out between 9,000 and 30,000 dong.
    const double equity = businessQuarter(kReferenceQuarter)[1];
    return std::round(equity * kMillion / trait(BookValue, 9000.0, 30000.0));
}

FinanceRatios FinanceStatements::ratiosAt(int day, double price) const {
    const int latest = latestQuarterIndex(day);
    const double count = shares();
    FinanceRatios ratios;
    if (m_kind == Kind::Fund) {
        ratios.bv = unitValue(latest);
        ratios.eps = (fundAssets(latest) - fundAssets(latest - 4)) * kMillion / count;
    } else {
        double profit = 0.0;
        for (int q = latest - 3; q <= latest; ++q) {
            profit += businessQuarter(q)[3];
        }
        ratios.bv = businessQuarter(latest)[1] * kMillion / count;
        ratios.eps = profit * kMillion / count;
    }
    // Prices are in thousand dong, per-share figures in dong.
    ratios.pe = ratios.eps > 0.0 ? price * 1000.0 / ratios.eps : 0.0;
    ratios.bp = ratios.bv > 0.0 ? price * 1000.0 / ratios.bv : 0.0;
    return ratios;
}

} // namespace sim
