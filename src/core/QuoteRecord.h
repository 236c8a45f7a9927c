#pragma once

#include "store/myDb.h"

#include <QString>

namespace core {

/// The one mapping of a 17-field quote record onto the store's quote writers. A record lists
/// id, exchange, minute, day, price, change, percent, volume, reference, open, close, best bid,
/// best ask, ceiling, floor, then the sell residue before the buy residue, which the writers take
/// the other way round. `field(i)` gives the record's field i as text; true when it was stored.
template <typename Field> bool writeLastQuote(myDb& db, Field field) {
    return db.updateCompanyLastData(field(1), field(3), field(2), field(5), field(6), field(0), field(4), field(7),
                                    field(8), field(9), field(10), field(11), field(12), field(13), field(14),
                                    field(16), field(15));
}

/// The same record as a company's latest real-time quote.
template <typename Field> void writeRealtimeQuote(myDb& db, Field field) {
    db.updateCompanyRealtimeData(field(1), field(3), field(2), field(5), field(6), field(0), field(4), field(7),
                                 field(8), field(9), field(10), field(11), field(12), field(13), field(14), field(16),
                                 field(15));
}

} // namespace core
