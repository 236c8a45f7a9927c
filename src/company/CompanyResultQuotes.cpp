#include "company/CompanyResultQuotes.h"

#include "core/QuoteRecord.h"
#include "net/AnswerReader.h"
#include "store/myDb.h"

namespace company {

namespace {

constexpr int kQuoteFields = 17;

} // namespace

int storeRealtimeQuotes(myDb& db, const QString& text) {
    const net::Answer answer(text);
    int stored = 0;
    // The service may write the first quote on the header's line.
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == kQuoteFields) {
            core::writeRealtimeQuote(db, [&record](qsizetype i) { return record.text(i); });
            ++stored;
        }
    }
    return stored;
}

} // namespace company
