#include "company/CompanyListQuotes.h"

#include "core/QuoteRecord.h"
#include "net/AnswerReader.h"
#include "store/myDb.h"

namespace company {

namespace {

void storeQuote(myDb& db, const net::RecordView& record) {
    core::writeLastQuote(db, [&record](qsizetype i) { return record.text(i); });
}

} // namespace

int storeCompanyQuotes(myDb& db, const net::Answer& answer) {
    int stored = 0;
    db.open();
    db.beginTransactionWithDatabase();
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == kQuoteFields) {
            storeQuote(db, record);
            ++stored;
        }
    }
    db.endTransactionWithDatabase();
    db.close();
    return stored;
}

} // namespace company
