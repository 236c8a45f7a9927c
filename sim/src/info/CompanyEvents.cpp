#include "CompanyEvents.h"

#include "CivilDate.h"
#include "FinanceStatements.h"
#include "MarketView.h"
#include "Noise.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace sim {

namespace {

constexpr std::uint64_t kStream = 760;
// Disclosures go out during office hours.
constexpr int kFirstMinute = 420;
constexpr int kLastMinute = 1080;
// Even around Tết the exchanges are never shut for this long.
constexpr int kLongestBreak = 15;

enum KindMask : unsigned { Ordinary = 1U, Bank = 2U, Fund = 4U, Any = 7U };

/// When one kind of event may come: once a year or once a quarter, within a window that opens
/// `opening` days into the year or quarter and stays open `span` days, with a chance per period,
/// for the kinds of company it fits.
struct Schedule {
    CompanyEventKind kind = CompanyEventKind::Results;
    bool yearly = false;
    int opening = 0;
    int span = 0;
    double chance = 1.0;
    unsigned kinds = Any;
};

// In the order of CompanyEventKind. Meetings in spring, cash dividends in summer once the year's
// accounts are audited, the shares paid as dividends listed in autumn. Results come on the day
// the quarter's report is out.
constexpr std::array<Schedule, 8> kSchedules{{
    {CompanyEventKind::Results, false, 0, 0, 1.0, Any},
    {CompanyEventKind::Agm, true, 78, 92, 1.0, Any},
    {CompanyEventKind::Dividend, true, 181, 91, 0.75, Ordinary | Bank},
    {CompanyEventKind::ExtraListing, true, 273, 70, 0.3, Ordinary | Bank},
    {CompanyEventKind::Management, true, 9, 330, 0.3, Ordinary | Bank},
    {CompanyEventKind::HolderTrade, false, 5, 75, 0.3, Ordinary | Bank},
    {CompanyEventKind::PriceExplanation, false, 5, 75, 0.25, Any},
    {CompanyEventKind::Contract, false, 5, 75, 0.3, Ordinary},
}};

unsigned maskOf(const Company& company) {
    if (company.layoutId == 2) {
        return Bank;
    }
    return company.layoutId == 3 ? Fund : Ordinary;
}

} // namespace

CompanyEvents::CompanyEvents(const Noise& noise, const MarketView& market)
    : m_noise(noise)
    , m_market(market) {}

std::vector<CompanyEvent> CompanyEvents::between(const Company& company, int firstDay, int lastDay) const {
    std::vector<CompanyEvent> events;
    for (const Schedule& schedule : kSchedules) {
        if ((schedule.kinds & maskOf(company)) == 0U) {
            continue;
        }
        // A period that began before the first day can still have events in it; a quarter's
        // results even come out in the next quarter.
        const int first =
            schedule.yearly ? CivilDate::fromDay(firstDay).year - 1 : FinanceStatements::quarterIndexOf(firstDay) - 2;
        const int last =
            schedule.yearly ? CivilDate::fromDay(lastDay).year : FinanceStatements::quarterIndexOf(lastDay);
        for (int period = first; period <= last; ++period) {
            const std::optional<CompanyEvent> event = eventIn(schedule.kind, company, period);
            if (event && event->day >= firstDay && event->day <= lastDay) {
                events.push_back(*event);
            }
        }
    }
    std::sort(events.begin(), events.end(), [](const CompanyEvent& a, const CompanyEvent& b) {
        return std::tie(a.day, a.minute) < std::tie(b.day, b.minute);
    });
    return events;
}

std::optional<CompanyEvent> CompanyEvents::eventIn(CompanyEventKind kind, const Company& company, int period) const {
    const Schedule& schedule = kSchedules.at(static_cast<std::size_t>(kind));
    const std::uint64_t stream = kStream + static_cast<std::uint64_t>(kind) * 4U;
    if (m_noise.unit(stream, company.id, period) >= schedule.chance) {
        return std::nullopt;
    }
    int day = 0;
    if (kind == CompanyEventKind::Results) {
        day = FinanceStatements::reportDay(period);
    } else {
        const int start = schedule.yearly ? CivilDate{period, 1, 1}.toDay() : FinanceStatements::quarterStart(period);
        day = start + schedule.opening + m_noise.between(0, schedule.span, stream + 1U, company.id, period);
    }
    CompanyEvent event;
    event.kind = kind;
    event.day = businessDayFrom(day);
    event.minute = m_noise.between(kFirstMinute, kLastMinute, stream + 2U, company.id, period);
    event.period = period;
    return event;
}

int CompanyEvents::businessDayFrom(int day) const {
    for (int step = 0; step < kLongestBreak && !m_market.isTradingDay(day); ++step) {
        ++day;
    }
    return day;
}

} // namespace sim
