#pragma once

#include <optional>
#include <vector>

namespace sim {

class Noise;
struct Company;
struct MarketView;

/// What a listed company makes public.
enum class CompanyEventKind {
    Results,
    Agm,
    Dividend,
    ExtraListing,
    Management,
    HolderTrade,
    PriceExplanation,
    Contract
};

/// One event of a company on a business day: its kind, day key, clock minute, and the period it
/// belongs to (a quarter index, year × 4 + quarter − 1, or a year).
struct CompanyEvent final {
    CompanyEventKind kind = CompanyEventKind::Results;
    int day = 0;
    int minute = 0;
    int period = 0;
};

/// A company's calendar of events. Each kind comes at most once in its period: results every
/// quarter once they are out, meetings, dividends, extra listings and appointments at most once a
/// year in their season, trades of large holders, price explanations and contracts at most once
/// a quarter. Funds and banks only have the kinds that fit them.
class CompanyEvents final {
public:
    CompanyEvents(const Noise& noise, const MarketView& market);

    /// The company's events from firstDay to lastDay, oldest first.
    std::vector<CompanyEvent> between(const Company& company, int firstDay, int lastDay) const;

private:
    std::optional<CompanyEvent> eventIn(CompanyEventKind kind, const Company& company, int period) const;
    int businessDayFrom(int day) const;

    const Noise& m_noise;
    const MarketView& m_market;
};

} // namespace sim
