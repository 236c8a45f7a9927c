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
    answer.forEachRecord(kQuoteFields, [&db, &stored](const net::RecordView& f) {
        core::writeRealtimeQuote(db, [&f](qsizetype i) { return f.text(i); });
        ++stored;
    });
    return stored;
}

} // namespace company
