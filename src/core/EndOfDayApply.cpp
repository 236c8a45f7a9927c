#include "core/EndOfDayApply.h"

#include "core/QuoteRecord.h"
#include "net/AnswerReader.h"
#include "store/myDb.h"

namespace core {

namespace {

constexpr int kCompanyBatch = 199;
constexpr int kIndexBatch = 199;
constexpr int kResultsIndexBatch = 299;
constexpr int kQuoteBatch = 69;
constexpr int kMarketResultsKind = 8;
constexpr int kCompanyResultsKind = 9;

// Commits what is pending and opens the next transaction: the import's batch boundary.
void commitBatch(myDb& db) {
    db.open();
    db.endTransactionWithDatabase();
    db.close();
    db.open();
    db.beginTransactionWithDatabase();
}

// Counts a row and commits first when the batch is full.
void countRow(myDb& db, int& count, int batchLimit) {
    ++count;
    if (count > batchLimit) {
        commitBatch(db);
        count = 0;
    }
}

void storeCompanies(myDb& db, const EndOfDayRecords& records) {
    int count = 0;
    for (const QStringList& f : records.companies) {
        countRow(db, count, kCompanyBatch);
        db.updateCompanyList(f.at(1), records.stamp, f.at(0), f.at(2), f.at(3));
    }
}

void storeIndexDays(myDb& db, const EndOfDayRecords& records, int day, int requestKind) {
    int count = 0;
    for (const QStringList& f : records.indexDays) {
        const int recordDay = f.at(8).toInt();
        if (recordDay > day) {
            break;
        }
        if (recordDay == day && requestKind != kCompanyResultsKind) {
            countRow(db, count, kIndexBatch);
            db.updateStockInfo(f.at(0), f.at(1), f.at(2), f.at(3), f.at(4), f.at(5), f.at(6), f.at(7), f.at(8));
        }
    }
}

void storeQuotes(myDb& db, const EndOfDayRecords& records, int day, int requestKind) {
    int count = 0;
    for (const QStringList& f : records.quotes) {
        const int recordDay = f.at(3).toInt();
        if (recordDay > day) {
            break;
        }
        if (recordDay == day && requestKind != kMarketResultsKind) {
            countRow(db, count, kQuoteBatch);
            storeQuoteRecord(db, f);
        }
    }
}

void storeAllCompanies(myDb& db, const EndOfDayRecords& records) {
    for (const QStringList& f : records.companies) {
        db.updateCompanyList(f.at(1), records.stamp, f.at(0), f.at(2), f.at(3));
    }
}

void storeAllIndexDays(myDb& db, const EndOfDayRecords& records, int requestKind) {
    int count = 0;
    for (const QStringList& f : records.indexDays) {
        countRow(db, count, kResultsIndexBatch);
        if (requestKind != kCompanyResultsKind) {
            db.updateStockInfo(f.at(0), f.at(1), f.at(2), f.at(3), f.at(4), f.at(5), f.at(6), f.at(7), f.at(8));
        }
    }
}

void storeAllQuotes(myDb& db, const EndOfDayRecords& records, int requestKind) {
    int count = 0;
    for (const QStringList& f : records.quotes) {
        countRow(db, count, kQuoteBatch);
        if (requestKind != kMarketResultsKind) {
            storeQuoteRecord(db, f);
        }
    }
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

void applyTradingResults(myDb& db, const EndOfDayRecords& records, int requestKind) {
    db.open();
    db.beginTransactionWithDatabase();
    storeAllCompanies(db, records);
    commitBatch(db);
    storeAllIndexDays(db, records, requestKind);
    commitBatch(db);
    storeAllQuotes(db, records, requestKind);
    db.open();
    db.endTransactionWithDatabase();
    db.close();
}

void storeQuoteRecord(myDb& db, const QStringList& fields) {
    writeLastQuote(db, [&fields](qsizetype i) { return fields.at(i); });
}

void applyEndOfDayDay(myDb& db, const EndOfDayRecords& records, int day, bool firstStep, int requestKind) {
    db.open();
    db.beginTransactionWithDatabase();
    if (firstStep) {
        storeCompanies(db, records);
    }
    commitBatch(db);
    storeIndexDays(db, records, day, requestKind);
    commitBatch(db);
    storeQuotes(db, records, day, requestKind);
    db.open();
    db.endTransactionWithDatabase();
    db.close();
}

} // namespace core
