#pragma once

class myDb;

namespace net {
class Answer;
}

namespace company {

/// Number of fields of a company quote record.
inline constexpr int kQuoteFields = 17;

/// Writes every quote record of an answer into the store, all in one transaction; returns how
/// many were written. Records of another field count are ignored.
int storeCompanyQuotes(myDb& db, const net::Answer& answer);

} // namespace company
