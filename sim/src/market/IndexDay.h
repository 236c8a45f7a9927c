#pragma once

#include <vector>

namespace sim::market {

/// One minute of an exchange's index.
struct IndexMinute {
    int minute = 0;
    double value = 0.0;
    /// Shares traded on the exchange in this minute.
    double quantity = 0.0;
};

/// An exchange's index on one day up to a moment: its minutes so far and the day's totals.
struct IndexDay {
    int stockId = 0;
    int day = 0;
    /// Market minute of the latest data (0 before the open, 150 once the day is over).
    int revision = 0;
    /// The previous trading day's close.
    double reference = 0.0;
    double value = 0.0;
    /// Traded value in dong and quantity in shares since the open.
    double tradedValue = 0.0;
    double tradedQuantity = 0.0;
    std::vector<IndexMinute> minutes;
};

} // namespace sim::market
