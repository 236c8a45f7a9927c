#pragma once

#include <QList>
#include <QString>

namespace market {

/// One group of values read from a stored overview answer by the history screen.
struct MarketHistoryGroup {
    int stockId = 0;
    /// Market minute index (0 = 08:30).
    int minute = 0;
    double point = 0;
    double height = 0;
    double fifth = 0;
};

/// How long a group is after its exchange id and minute index.
enum class MarketHistoryGroupShape {
    /// Three more values for HNX (1) and HoSE (2), none for any other id: the reading of the labels.
    ByExchange,
    /// Three more values whatever the id: the reading of the drawing pass.
    FiveValues,
};

/// Reads a stored answer text as the history screen does: the header record is skipped, every
/// further record is a run of values separated by ",", cut into groups one after another. A value
/// missing at the end of a record repeats the last value read; a value that does not parse is 0.
QList<MarketHistoryGroup> readMarketHistoryGroups(const QString& text, MarketHistoryGroupShape shape);

} // namespace market
