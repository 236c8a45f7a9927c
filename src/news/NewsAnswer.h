#pragma once

#include <QString>

class myDb;

namespace news {

/// What storing a news answer came to.
struct StoredNews {
    /// The answer's status was 0.
    bool success = false;
    /// News records stored.
    int count = 0;
    /// The company id of the last news record stored ("0" for headlines).
    QString lastCompanyId;
};

/// Stores every news record (five fields) of a success answer, all in one transaction; an answer
/// of any other status stores nothing. A record whose day or minute is not a whole number is
/// not a news item and is left out.
StoredNews storeNewsAnswer(myDb& db, const QString& text);

} // namespace news
