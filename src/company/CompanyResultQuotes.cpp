#include "company/CompanyResultQuotes.h"

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
        // The answer sends the sell residue before the buy residue.
        db.updateCompanyRealtimeData(f.text(1), f.text(3), f.text(2), f.text(5), f.text(6), f.text(0), f.text(4),
                                     f.text(7), f.text(8), f.text(9), f.text(10), f.text(11), f.text(12), f.text(13),
                                     f.text(14), f.text(16), f.text(15));
        ++stored;
    });
    return stored;
}

} // namespace company
