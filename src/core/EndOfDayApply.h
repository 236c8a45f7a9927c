#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class myDb;

namespace net {
class Answer;
}

namespace core {

/// The records of an end-of-day answer, sorted by kind (each a list of its fields, the first
/// already cleaned of a leading line break). Index days and quotes come in ascending day order.
struct EndOfDayRecords {
    QString stamp;                      ///< header field 2: the list stamp of the company rows
    std::vector<QStringList> companies; ///< 4 fields: id, exchange, code, name
    std::vector<QStringList> indexDays; ///< 9 fields, field 8 the day
    std::vector<QStringList> quotes;    ///< 17 fields, field 3 the day
};

/// Sorts the records of an end-of-day answer by their field counts.
EndOfDayRecords readEndOfDayRecords(const net::Answer& answer);

/// Stores a whole trading-results answer in one transaction: the company list, then the index
/// days (not for a company-results load), then the quotes (not for a market-results load).
/// False, with nothing stored, when a write failed.
bool applyTradingResults(myDb& db, const EndOfDayRecords& records, int requestKind);

/// Stores one day of a full update in one exclusive transaction: the company list on the first
/// step only, then that day's index values (skipped for a company-results load) and quotes
/// (skipped for a market-results load). False, with nothing of the day stored, when a write or
/// the commit failed.
bool applyEndOfDayDay(myDb& db, const EndOfDayRecords& records, int day, bool firstStep, int requestKind);

/// Stores the 17 fields of a quote record through the last-data writer, in the answer's field
/// order (field 16 is the buy residue, field 15 the sell residue); true when it was stored.
bool storeQuoteRecord(myDb& db, const QStringList& fields);

} // namespace core
