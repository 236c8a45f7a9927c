#include "company/CompanyListQuotes.h"

#include "net/AnswerReader.h"
#include "store/myDb.h"

namespace company {

namespace {

enum QuoteField {
    kId,
    kStockId,
    kMinute,
    kDay,
    kPrice,
    kUpdown,
    kPercent,
    kQuantity,
    kRefer,
    kOpen,
    kClose,
    kBqBuy,
    kBqSell,
    kCeil,
    kFloor,
    kSellRes,
    kBuyRes
};

void storeQuote(myDb& db, const net::RecordView& r) {
    // The answer lists the sell residue before the buy residue; the store takes them the other
    // way round.
    db.updateCompanyLastData(r.text(kStockId), r.text(kDay), r.text(kMinute), r.text(kUpdown), r.text(kPercent),
                             r.text(kId), r.text(kPrice), r.text(kQuantity), r.text(kRefer), r.text(kOpen),
                             r.text(kClose), r.text(kBqBuy), r.text(kBqSell), r.text(kCeil), r.text(kFloor),
                             r.text(kBuyRes), r.text(kSellRes));
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
