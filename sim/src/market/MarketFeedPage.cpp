#include "market/MarketFeedPage.h"

#include "market/AnswerBuilder.h"
#include "market/ExchangeRules.h"
#include "market/IndexCalculator.h"
#include "market/RecordText.h"
#include "market/RequestValues.h"

namespace sim::market {

namespace {

// The index minute at a market minute, when the exchange traded then and it is newer than the
// revision.
const IndexMinute* newerMinute(const IndexDay& index, int minute, int revision) {
    if (revision > 0 && minute <= revision) {
        return nullptr;
    }
    if (index.minutes.empty()) {
        return nullptr;
    }
    const int offset = minute - index.minutes.front().minute;
    if (offset < 0 || offset >= static_cast<int>(index.minutes.size())) {
        return nullptr;
    }
    return &index.minutes[static_cast<std::size_t>(offset)];
}

} // namespace

Response MarketFeedPage::answer(const Request& request, const MarketMoment& moment) const {
    const int revision = intValue(request, "lastupdate").value_or(0);
    const IndexDay hnx = m_indices.dayAt(kHnx, moment);
    const IndexDay hose = m_indices.dayAt(kHose, moment);

    AnswerBuilder answer(moment.day);
    for (int minute = 0; minute <= kLastMarketMinute; ++minute) {
        for (const IndexDay* index : {&hnx, &hose}) {
            if (const IndexMinute* record = newerMinute(*index, minute, revision)) {
                answer.add(indexMinuteRecord(index->stockId, *record));
            }
        }
    }
    answer.add(indexRecord(hnx));
    answer.add(indexRecord(hose));
    return {answer.take(), 200};
}

} // namespace sim::market
