#pragma once

#include <functional>

class myDb;
class QLabel;
class QString;

namespace net {
class Answer;
}
namespace shell {
class QRMInfoAppDelegate;
}

namespace company {

/// Number of fields of a company quote record.
inline constexpr int kQuoteFields = 17;

/// Writes every quote record of an answer into the store, all in one transaction; returns how
/// many were written. Records of another field count are ignored.
int storeCompanyQuotes(myDb& db, const net::Answer& answer);

/// A quote answer of a live list (the company list, the watch list): an unreadable header is
/// ignored; a refusal switches live mode off and shows the service's message (header field 2); a
/// success shows the answer's day on `lbDate` and stores its quotes.
void applyListQuotes(shell::QRMInfoAppDelegate& app, const QString& text, QLabel* lbDate,
                     const std::function<void()>& switchLiveOff);

} // namespace company
