// What the built-in market costs: its first answer after a start, which works out every trading
// day's closes from the market's first day (about four years, 650 companies), and a full-day
// overview, a company list and the headline news answered by a market that has them already.
#include "info/InfoPages.h"
#include "market/Market.h"
#include "server/Clock.h"

#include <QDate>
#include <QTime>

#include <benchmark/benchmark.h>

namespace {

// Thursday 4 December 2025, 10:00 in Hanoi: a session under way, three years after the first day.
sim::SimTime sessionUnderWay() {
    return sim::Clock::toSimTime(sim::Clock::vietnamTime(QDate(2025, 12, 4), QTime(10, 0)));
}

const sim::Request kOverview{"realtime.aspx", {{"type", "1"}, {"lastupdate", "0"}}};
const sim::Request kHoseList{"realtime.aspx", {{"type", "2"}, {"StockID", "2"}, {"lastupdate", "0"}}};

void BM_MarketFirstAnswer(benchmark::State& state) {
    const sim::SimTime t = sessionUnderWay();
    for (auto _ : state) {
        const sim::Market market(1);
        benchmark::DoNotOptimize(market.answer(kOverview, t).body.size());
    }
}
BENCHMARK(BM_MarketFirstAnswer)->Unit(benchmark::kMillisecond);

// Each answer at a minute of its own, as a client refreshing once a minute or less often asks.
void BM_OverviewAnswer(benchmark::State& state) {
    const sim::Market market(1);
    sim::SimTime t = sessionUnderWay();
    market.answer(kOverview, t);
    int minute = 0;
    for (auto _ : state) {
        t.clockMinute = sessionUnderWay().clockMinute + (++minute % 60);
        benchmark::DoNotOptimize(market.answer(kOverview, t).body.size());
    }
}
BENCHMARK(BM_OverviewAnswer)->Unit(benchmark::kMillisecond);

// Live mode at a short period asks again within the same minute, which finds the indices kept.
void BM_OverviewAnswerSameMinute(benchmark::State& state) {
    const sim::Market market(1);
    sim::SimTime t = sessionUnderWay();
    market.answer(kOverview, t);
    for (auto _ : state) {
        t.second = (t.second + 1) % 60;
        benchmark::DoNotOptimize(market.answer(kOverview, t).body.size());
    }
}
BENCHMARK(BM_OverviewAnswerSameMinute)->Unit(benchmark::kMillisecond);

void BM_CompanyListAnswer(benchmark::State& state) {
    const sim::Market market(1);
    const sim::SimTime t = sessionUnderWay();
    market.answer(kHoseList, t);
    for (auto _ : state) {
        benchmark::DoNotOptimize(market.answer(kHoseList, t).body.size());
    }
}
BENCHMARK(BM_CompanyListAnswer)->Unit(benchmark::kMillisecond);

void BM_HeadlinesAnswer(benchmark::State& state) {
    const sim::Market market(1);
    const sim::InfoPages pages(market, 1);
    const sim::Request headlines{"news.aspx", {}};
    const sim::SimTime t = sessionUnderWay();
    pages.answer(headlines, t);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pages.answer(headlines, t).body.size());
    }
}
BENCHMARK(BM_HeadlinesAnswer)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
