#include "market/PriceModel.h"

#include "market/CompanyCatalogue.h"
#include "market/TradingCalendar.h"

#include <algorithm>
#include <cmath>

namespace sim::market {

namespace {

constexpr std::int64_t kVolumeLot = 10;

int clampTicks(double ticks, const DayPlan& plan) {
    return std::clamp(static_cast<int>(std::lround(ticks)), plan.floorTicks, plan.ceilingTicks);
}

std::int64_t roundToLot(double shares) {
    return std::llround(shares / static_cast<double>(kVolumeLot)) * kVolumeLot;
}

} // namespace

PriceModel::PriceModel(const CounterRandom& random, const CompanyCatalogue& catalogue)
    : m_random(random)
    , m_catalogue(catalogue) {}

// Each smooth term changes by at most 3 × amplitude / spacing per trading day; the sums below keep
// a day's move under about 5 % (HNX) and 4.3 % (HoSE after its scale), which with the lowest
// prices of the catalogue still leaves the close one step inside the band.
double PriceModel::commonMove(int stockId, int index) const {
    return 0.06 * m_random.smooth(Stream::MarketSlow, stockId, 0, index, 40.0) +
           0.02 * m_random.smooth(Stream::MarketFast, stockId, 0, index, 10.0) +
           0.003 * m_random.symmetric(Stream::MarketDaily, stockId, index);
}

double PriceModel::ownMove(std::size_t company, int index) const {
    const auto key = static_cast<std::int64_t>(company);
    return 0.15 * m_random.smooth(Stream::CompanySlow, key, 0, index, 50.0) +
           0.04 * m_random.smooth(Stream::CompanyFast, key, 0, index, 12.0) +
           0.003 * m_random.symmetric(Stream::CompanyDaily, key, index);
}

double PriceModel::logTarget(std::size_t company, int day) const {
    const Company& listed = m_catalogue.company(company);
    const CompanyProfile& profile = m_catalogue.profile(company);
    const int index = tradingIndex(day);
    const double move = profile.beta * commonMove(listed.stockId, index) + ownMove(company, index);
    return std::log(static_cast<double>(profile.baseTicks)) + rulesFor(listed.stockId).moveScale * move;
}

int PriceModel::closeTicks(std::size_t company, int day) const {
    return static_cast<int>(std::lround(std::exp(logTarget(company, day))));
}

DayPlan PriceModel::plan(std::size_t company, int day) const {
    DayPlan plan;
    plan.company = company;
    plan.day = day;
    plan.rules = &rulesFor(m_catalogue.company(company).stockId);
    plan.refTicks = closeTicks(company, previousTradingDay(day));
    plan.closeTicks = closeTicks(company, day);
    plan.ceilingTicks = plan.refTicks * (100 + plan.rules->bandPercent) / 100;
    plan.floorTicks = (plan.refTicks * (100 - plan.rules->bandPercent) + 99) / 100;

    const auto key = static_cast<std::int64_t>(company);
    const double ref = plan.refTicks;
    const double gap = plan.closeTicks - ref;
    plan.openTicks = clampTicks(ref + 0.3 * gap + ref * 0.006 * m_random.symmetric(Stream::Open, key, day), plan);

    // Big moves draw more trading.
    const double activity =
        std::exp(0.5 * m_random.symmetric(Stream::DailyVolume, key, day)) * (1.0 + 6.0 * std::abs(gap) / ref);
    plan.volume = std::max<std::int64_t>(
        100, roundToLot(static_cast<double>(m_catalogue.profile(company).baseVolume) * activity));
    plan.volumeTilt = 0.5 * m_random.symmetric(Stream::VolumeShape, key, day, 0);
    plan.volumeWave = 0.4 * m_random.symmetric(Stream::VolumeShape, key, day, 1);
    return plan;
}

int PriceModel::priceTicks(const DayPlan& plan, int minute) const {
    const ExchangeRules& rules = *plan.rules;
    if (minute < rules.firstMinute) {
        return plan.refTicks;
    }
    if (minute >= rules.lastMinute) {
        return plan.closeTicks;
    }
    const int step = minute - rules.firstMinute;
    const double u = static_cast<double>(step) / (rules.lastMinute - rules.firstMinute);
    const double trend = plan.openTicks + (plan.closeTicks - plan.openTicks) * u;
    const auto key = static_cast<std::int64_t>(plan.company);
    const double wander = 0.8 * m_random.smooth(Stream::IntradayPath, key, plan.day, step, 10.0) +
                          0.35 * m_random.symmetric(Stream::IntradayJitter, key, plan.day, step);
    // The swing fades at both ends so the path leaves the open and meets the close exactly.
    const double swing = plan.refTicks * rules.intradaySwing * 4.0 * u * (1.0 - u) * wander;
    return clampTicks(trend + swing, plan);
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
