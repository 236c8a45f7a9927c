#pragma once

#include "ui/TrendColors.h"

#include <QColor>
#include <QHash>
#include <QString>

#include <optional>

class myDb;

namespace company {

/// A quote's limits from its stored texts; none when the ceiling or the floor is missing or zero
/// (a quote sent without them), since every price would then sit "above the floor".
std::optional<ui::PriceLimits> priceLimits(const QString& reference, const QString& ceiling, const QString& floor);

/// The limits of a company's quote of that day, as the store holds them.
std::optional<ui::PriceLimits> readPriceLimits(myDb& db, const QString& companyId, int day);
/// The limits of every company's quote of that day by company id, in one read of the store.
QHash<QString, ui::PriceLimits> readPriceLimitsOfDay(myDb& db, int day);

/// The one colour of a quote's price, change and percent on a price board: with board colours
/// on and the limits known, the colour of the price's place against them. Without it the
/// figures keep their usual colours.
std::optional<QColor> boardColour(const ui::TrendColors& colors, double price,
                                  const std::optional<ui::PriceLimits>& limits, ui::Shade shade);

} // namespace company
