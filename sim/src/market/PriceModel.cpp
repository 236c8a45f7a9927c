#include "market/PriceModel.h"

#include "market/CompanyCatalogue.h"
#include "market/TradingCalendar.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sim::market {

namespace {

std::int64_t roundToLot(double shares) {
    return std::llround(shares / static_cast<double>(kLotSize)) * kLotSize;
}

int withinBand(double ticks, const DayPlan& plan) {
    return std::clamp(plan.rules->onStep(ticks), plan.floorTicks, plan.ceilingTicks);
}

struct Waypoint {
    int minute = 0;
    int ticks = 0;
};

// The path of a day runs open, first extreme, second extreme, close.
std::array<Waypoint, 4> waypointsOf(const DayPlan& plan) {
    const Waypoint high{plan.highMinute, plan.highTicks};
    const Waypoint low{plan.lowMinute, plan.lowTicks};
    const bool lowFirst = plan.lowMinute < plan.highMinute;
    return {Waypoint{plan.rules->firstMinute, plan.openTicks}, lowFirst ? low : high, lowFirst ? high : low,
            Waypoint{plan.rules->lastMinute, plan.closeTicks}};
}

} // namespace

PriceModel::PriceModel(const CounterRandom& random, const CompanyCatalogue& catalogue)
    : m_random(random)
    , m_catalogue(catalogue)
    , m_closes(random, catalogue) {}

int PriceModel::closeTicks(std::size_t company, int day) const {
    return m_closes.closeTicks(company, day);
}

DayPlan PriceModel::plan(std::size_t company, int day) const {
    DayPlan plan;
    plan.company = company;
    plan.day = day;
    plan.rules = &rulesFor(m_catalogue.company(company).stockId);
    plan.refTicks = closeTicks(company, previousTradingDay(day));
    plan.closeTicks = closeTicks(company, day);
    plan.ceilingTicks = plan.rules->ceilingFor(plan.refTicks);
    plan.floorTicks = plan.rules->floorFor(plan.refTicks);

    const auto key = static_cast<std::int64_t>(company);
    const double ref = plan.refTicks;
    const double gap = plan.closeTicks - ref;
    const double volatility = m_catalogue.profile(company).volatility;
    plan.openTicks =
        withinBand(ref + 0.35 * gap + ref * volatility * 0.5 * m_random.symmetric(Stream::Open, key, day), plan);
    planRange(plan);

    // Big moves draw more trading, a day at the limit most.
    const bool atLimit = plan.closeTicks == plan.ceilingTicks || plan.closeTicks == plan.floorTicks;
    const double activity = std::exp(0.5 * m_random.symmetric(Stream::DailyVolume, key, day)) *
                            (1.0 + 8.0 * std::abs(gap) / ref) * (atLimit ? 1.5 : 1.0);
    plan.volume = std::max<std::int64_t>(
        kLotSize, roundToLot(static_cast<double>(m_catalogue.profile(company).baseVolume) * activity));
    plan.volumeTilt = 0.5 * m_random.symmetric(Stream::VolumeShape, key, day, 0);
    plan.volumeWave = 0.4 * m_random.symmetric(Stream::VolumeShape, key, day, 1);
    return plan;
}

// How far the day strays beyond its open and close, and when: a rising day tends to find its low
// early and its high late, a falling day the other way round. A stray past the band stops at
// the ceiling or floor, so busy days touch the limit and come back.
void PriceModel::planRange(DayPlan& plan) const {
    const auto key = static_cast<std::int64_t>(plan.company);
    const double ref = plan.refTicks;
    const double volatility = m_catalogue.profile(plan.company).volatility;
    const int top = std::max(plan.openTicks, plan.closeTicks);
    const int bottom = std::min(plan.openTicks, plan.closeTicks);
    const double up = ref * volatility * (0.1 + 1.2 * m_random.unit(Stream::DayRange, key, plan.day, 0));
    const double down = ref * volatility * (0.1 + 1.2 * m_random.unit(Stream::DayRange, key, plan.day, 1));
    plan.highTicks = std::clamp(plan.rules->onStep(top + up), top, plan.ceilingTicks);
    plan.lowTicks = std::clamp(plan.rules->onStep(bottom - down), plan.floorTicks, bottom);

    const ExchangeRules& rules = *plan.rules;
    const int span = rules.lastMinute - rules.firstMinute;
    const int early = rules.firstMinute + 1 +
                      static_cast<int>((span - 3) * (0.05 + 0.4 * m_random.unit(Stream::DayRange, key, plan.day, 2)));
    const int late = std::max(
        early + 1, rules.firstMinute +
                       static_cast<int>((span - 1) * (0.55 + 0.4 * m_random.unit(Stream::DayRange, key, plan.day, 3))));
    const bool rising = plan.closeTicks >= plan.openTicks;
    plan.lowMinute = rising ? early : late;
    plan.highMinute = rising ? late : early;
}

int PriceModel::priceTicks(const DayPlan& plan, int minute) const {
    const ExchangeRules& rules = *plan.rules;
    if (minute < rules.firstMinute) {
        return plan.refTicks;
    }
    if (minute >= rules.lastMinute) {
        return plan.closeTicks;
    }
    const std::array<Waypoint, 4> path = waypointsOf(plan);
    std::size_t segment = 0;
    while (segment + 2 < path.size() && minute >= path[segment + 1].minute) {
        ++segment;
    }
    const Waypoint& from = path[segment];
    const Waypoint& to = path[segment + 1];
    const double u = static_cast<double>(minute - from.minute) / std::max(1, to.minute - from.minute);
    const double line = from.ticks + (to.ticks - from.ticks) * u;
    const int step = minute - rules.firstMinute;
    const auto key = static_cast<std::int64_t>(plan.company);
    // The company's own wander, and the exchange's: the whole board rises and dips together for a
    // few minutes at a time, which gives the index its ripples.
    const double wander = 0.6 * m_random.smooth(Stream::IntradayPath, key, plan.day, step, 8.0) +
                          0.6 * m_random.smooth(Stream::IntradayPath, -rules.stockId, plan.day, step, 4.0) +
                          0.3 * m_random.symmetric(Stream::IntradayJitter, key, plan.day, step);
    // The wander fades at each waypoint, so the path meets the open, the extremes and the close.
    const double swing = plan.refTicks * rules.intradaySwing * 4.0 * u * (1.0 - u) * wander;
    return std::clamp(rules.onStep(line + swing), plan.lowTicks, plan.highTicks);
}

std::int64_t PriceModel::cumulativeVolume(const DayPlan& plan, int minute) const {
    const ExchangeRules& rules = *plan.rules;
    if (minute < rules.firstMinute) {
        return 0;
    }
    if (minute >= rules.lastMinute) {
        return plan.volume;
    }
    // Minutes busy for the whole exchange and for the company shift the clock of the volume curve
    // by under half a minute each way, so the curve still rises minute after minute.
    const int step = minute - rules.firstMinute;
    const auto key = static_cast<std::int64_t>(plan.company);
    const double shift = 0.3 * m_random.symmetric(Stream::MinuteActivity, rules.stockId, plan.day, step) +
                         0.15 * m_random.symmetric(Stream::MinuteActivity, -1 - key, plan.day, step);
    const double u = (step + 1 + shift) / rules.minuteCount();
    // share(u) runs from 0 to 1 with a slope of 1 + tilt (1 - 2u) + wave (6u² - 6u + 1), which
    // stays positive while |tilt| + |wave| < 1.
    const double share = u + plan.volumeTilt * u * (1.0 - u) + plan.volumeWave * u * (1.0 - u) * (2.0 * u - 1.0);
    return roundToLot(static_cast<double>(plan.volume) * std::clamp(share, 0.0, 1.0));
}

} // namespace sim::market
