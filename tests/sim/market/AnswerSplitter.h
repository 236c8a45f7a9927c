#pragma once

#include "SimTypes.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace markettest {

using Fields = std::vector<std::string>;

/// An answer split the way every reader of the service splits it: ";" between records, ":" in
/// the header, "," in the records, a line break in front of a record's first field dropped, a
/// record that is only a line break skipped.
struct SplitAnswer {
    Fields header;
    std::vector<Fields> records;

    int status() const;
    int headerInt(std::size_t field) const;
    std::vector<Fields> withFieldCount(std::size_t count) const;
    /// Field counts of the records in order.
    std::vector<std::size_t> fieldCounts() const;
};

SplitAnswer splitAnswer(const std::string& body);

// Days of the first week of December 2025 (day 0 is Saturday 1 January 2000).
inline constexpr int kWednesday = 9468;
inline constexpr int kThursday = 9469;
inline constexpr int kFriday = 9470;
inline constexpr int kSaturday = 9471;
inline constexpr int kSunday = 9472;
inline constexpr int kMonday = 9473;

inline sim::SimTime at(int day, int hour, int minute) {
    return {day, hour * 60 + minute, 0};
}

/// The market minute as a clock time (minute 0 is 08:30).
inline sim::SimTime atMarketMinute(int day, int marketMinute) {
    return {day, 510 + marketMinute, 0};
}

sim::Request request(const std::string& page, std::vector<std::pair<std::string, std::string>> params);

double number(const std::string& text);
int integer(const std::string& text);

} // namespace markettest
