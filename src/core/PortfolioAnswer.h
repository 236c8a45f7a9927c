#pragma once

#include <QString>

class myDb;

namespace net {
class Answer;
}

namespace core {

/// Stores the categories and holdings of a portfolio answer (the category list, a login, a
/// created category, an added holding) without emptying the tables first: a 2-field record is a
/// category of the header's day, an 8-field record a holding; other records are skipped. All of
/// it in one transaction, so that an interrupted answer leaves the tables as they were.
void storePortfolioRecords(myDb& db, const net::Answer& answer);

/// As storePortfolioRecords, after emptying both tables in the same transaction: the answer is
/// the whole of the user's portfolios.
void replacePortfolioRecords(myDb& db, const net::Answer& answer);

/// What to tell the user of a refused portfolio request: the service's own message (header
/// field 3), or `fallback` when the answer carries none or cannot be read.
QString refusalText(const net::Answer& answer, const QString& fallback);

} // namespace core
