#include "core/EndOfDayApply.h"

#include "core/QuoteRecord.h"
#include "net/AnswerReader.h"
#include "store/Transaction.h"
#include "store/myDb.h"

#include <algorithm>

namespace core {

namespace {

constexpr int kMarketResultsKind = 8;
constexpr int kCompanyResultsKind = 9;

bool storeCompany(myDb& db, const QString& stamp, const QStringList& f) {
    return db.updateCompanyList(f.at(1), stamp, f.at(0), f.at(2), f.at(3));
}

bool storeIndexDay(myDb& db, const QStringList& f) {
    return db.updateStockInfo(f.at(0), f.at(1), f.at(2), f.at(3), f.at(4), f.at(5), f.at(6), f.at(7), f.at(8));
}

// Stores the records of one day, given by its day field; the records come in ascending order of
// day, so the first later one ends the pass.
template <typename Store>
bool storeRecordsOfDay(const std::vector<QStringList>& records, qsizetype dayField, int day, Store store) {
    for (const QStringList& f : records) {
        const int recordDay = f.at(dayField).toInt();
        if (recordDay > day) {
            break;
        }
        if (recordDay == day && !store(f)) {
            return false;
        }
    }
    return true;
}

template <typename Store> bool storeAll(const std::vector<QStringList>& records, Store store) {
    return std::all_of(records.begin(), records.end(), store);
}

bool storeCompanies(myDb& db, const EndOfDayRecords& records) {
    return storeAll(records.companies,
                    [&db, &records](const QStringList& f) { return storeCompany(db, records.stamp, f); });
}

bool storeDay(myDb& db, const EndOfDayRecords& records, int day, bool firstStep, int requestKind) {
    if (firstStep && !storeCompanies(db, records)) {
        return false;
    }
    if (requestKind != kCompanyResultsKind &&
        !storeRecordsOfDay(records.indexDays, 8, day, [&db](const QStringList& f) { return storeIndexDay(db, f); })) {
        return false;
    }
    return requestKind == kMarketResultsKind ||
           storeRecordsOfDay(records.quotes, 3, day, [&db](const QStringList& f) { return storeQuoteRecord(db, f); });
}

bool storeResults(myDb& db, const EndOfDayRecords& records, int requestKind) {
    if (!storeCompanies(db, records)) {
        return false;
    }
    if (requestKind != kCompanyResultsKind &&
        !storeAll(records.indexDays, [&db](const QStringList& f) { return storeIndexDay(db, f); })) {
        return false;
    }
    return requestKind == kMarketResultsKind ||
           storeAll(records.quotes, [&db](const QStringList& f) { return storeQuoteRecord(db, f); });
}

} // namespace

EndOfDayRecords readEndOfDayRecords(const net::Answer& answer) {
    EndOfDayRecords records;
    records.stamp = answer.headerText(2);
    answer.forEachRecord([&records](const net::RecordView& record) {
        switch (record.size()) {
        case 4:
            records.companies.push_back(record.toStringList());
            break;
        case 9:
            records.indexDays.push_back(record.toStringList());
            break;
        case 17:
            records.quotes.push_back(record.toStringList());
            break;
        default:
            break;
        }
    });
    return records;
}

bool applyTradingResults(myDb& db, const EndOfDayRecords& records, int requestKind) {
    store::Transaction transaction(db);
    return transaction.isActive() && storeResults(db, records, requestKind) && transaction.commit();
}

bool storeQuoteRecord(myDb& db, const QStringList& fields) {
    return writeLastQuote(db, [&fields](qsizetype i) { return fields.at(i); });
}

bool applyEndOfDayDay(myDb& db, const EndOfDayRecords& records, int day, bool firstStep, int requestKind) {
    // The next update starts after the latest stored index day, so a day left half written
    // would never be fetched again: its rows land together or not at all.
    store::Transaction transaction(db);
    return transaction.isActive() && storeDay(db, records, day, firstStep, requestKind) && transaction.commit();
}

} // namespace core
