#pragma once

#include "market/IndexDay.h"
#include "market/Market.h"
#include "market/Quote.h"

#include <cstdint>
#include <string>

namespace sim::market {

// The records of the market pages, fields joined by ",". Numbers are written with a "." decimal
// point whatever the process locale (Qt sets the C library's locale from the environment).

/// A price in 0.1 steps: "12.5", "-0.3", "0.0".
std::string ticksText(int ticks);

/// A decimal with a fixed number of decimals, never "-0.00".
std::string decimalText(double value, int decimals);

/// 4 fields: company id, exchange id, code, name.
std::string companyRecord(const Company& company);

/// 17 fields: id, exchange, minute, day, price, change, percent, volume, reference, open, close,
/// best bid and ask quantities, ceiling, floor, sell residue, buy residue.
std::string quoteRecord(const Quote& quote);

/// 9 fields: exchange, change, percent, revision, index, reference, value (billions), quantity
/// (millions), day.
std::string indexRecord(const IndexDay& index);

/// 4 fields: exchange, minute, index, shares traded in the minute (millions).
std::string indexMinuteRecord(int stockId, const IndexMinute& minute);

/// 4 fields: company id, minute, price, shares traded in the minute.
std::string pointRecord(int companyId, int minute, int priceTicks, std::int64_t volume);

} // namespace sim::market
