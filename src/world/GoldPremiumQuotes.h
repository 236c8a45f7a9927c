#pragma once

#include "world/GoldPremium.h"

#include <QStringList>

#include <optional>

namespace world {

/// The three quotes of the gold premium, read from what the store keeps of them.

/// The bank's latest gold price (thousand dong per tael) among the bank feed's stored answers of
/// its latest day, timed by its quote record.
std::optional<DatedPrice> latestBankGold(const QStringList& storedAnswers);

/// The latest world gold price (US dollars per troy ounce) among the world feed's stored answers
/// of its latest day, timed as the world gold screen times it: by the day's latest price minute.
std::optional<DatedPrice> latestWorldGold(const QStringList& storedAnswers);

/// The bank's dollar rate (its reference price in dong) among the stored bank rates
/// ("id,name,day,minute,price,buy,sell").
std::optional<DatedPrice> bankDollarRate(const QStringList& bankRates);

} // namespace world
