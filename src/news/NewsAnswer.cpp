#include "news/NewsAnswer.h"

#include "net/AnswerReader.h"
#include "store/Transaction.h"
#include "store/myDb.h"

namespace news {

namespace {

constexpr qsizetype kNewsFields = 5;

bool isWholeNumber(QStringView text) {
    bool ok = false;
    static_cast<void>(text.trimmed().toInt(&ok));
    return ok;
}

} // namespace

StoredNews storeNewsAnswer(myDb& db, const QString& text) {
    const net::Answer answer(text);
    StoredNews outcome;
    outcome.success = answer.isSuccess();
    if (!outcome.success) {
        return outcome;
    }
    store::Transaction transaction(db);
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() != kNewsFields || !isWholeNumber(record.field(0)) || !isWholeNumber(record.field(1))) {
            continue;
        }
        db.updateNews(record.text(2), record.text(0).trimmed(), record.text(1).trimmed(), record.text(3),
                      record.text(4));
        outcome.lastCompanyId = record.text(2);
        ++outcome.count;
    }
    transaction.commit();
    return outcome;
}

} // namespace news
