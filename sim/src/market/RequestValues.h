#pragma once

#include "SimTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim::market {

/// A query value by name, the name matched without regard to case ("StockID", "stockid").
const std::string* findValue(const Request& request, std::string_view key);

/// A query value read as a whole number (leading blanks and a sign allowed, trailing text ignored);
/// nothing when absent or not a number.
std::optional<int> intValue(const Request& request, std::string_view key);

/// The leading whole number of a text, as intValue reads it.
std::optional<int> leadingInt(std::string_view text);

/// A comma-separated query value, split.
std::vector<std::string> listValue(const Request& request, std::string_view key);

bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace sim::market
