#include "core/PortfolioAnswer.h"

#include "net/AnswerReader.h"
#include "store/Transaction.h"
#include "store/myDb.h"

namespace core {

namespace {

constexpr int kCategoryFields = 2;
constexpr int kHoldingFields = 8;

void writeRecords(myDb& db, const net::Answer& answer) {
    const QString day = answer.headerText(2);
    // The header is walked as a record too; split at "," it never has a category's or a holding's
    // field count.
    for (const net::RecordView& r : answer.allRecords()) {
        if (r.size() == kCategoryFields) {
            db.updatePorfilio(r.text(0), day, r.text(1));
        } else if (r.size() == kHoldingFields) {
            db.updatePorfilioData(r.text(1), r.text(0), r.text(2), r.text(3), r.text(4), r.text(5), r.text(6),
                                  r.text(7));
        }
    }
}

} // namespace

void storePortfolioRecords(myDb& db, const net::Answer& answer) {
    store::Transaction transaction(db);
    writeRecords(db, answer);
    transaction.commit();
}

void replacePortfolioRecords(myDb& db, const net::Answer& answer) {
    store::Transaction transaction(db);
    db.makePorfolioEmpty();
    writeRecords(db, answer);
    transaction.commit();
}

QString refusalText(const net::Answer& answer, const QString& fallback) {
    const QString message = answer.hasStatus() ? answer.headerText(3).trimmed() : QString();
    return message.isEmpty() ? fallback : message;
}

} // namespace core
