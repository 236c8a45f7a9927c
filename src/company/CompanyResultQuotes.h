#pragma once

class QString;
class myDb;

namespace company {

/// Stores every quote record of a company real-time answer as the company's real-time quote.
/// The header's status is not looked at and the intraday points are left to the real-time
/// screen. Returns the number of quotes stored.
int storeRealtimeQuotes(myDb& db, const QString& text);

} // namespace company
