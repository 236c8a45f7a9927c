#pragma once

#include "market/CompanyDayResult.h"

#include <QString>

#include <vector>

namespace market {

/// The three rankings of a day's movers.
enum class MoverList { Gainers, Losers, Volume };

/// How many companies a ranking holds at most.
inline constexpr int kMoversShown = 10;

/// The day's top companies of a ranking: the largest rises in percent (risers only), the
/// largest falls in percent (fallers only), or the largest traded volumes (traded ones only).
/// Equal figures are ordered by code, so the order never depends on the store's.
std::vector<CompanyDayResult> topMovers(std::vector<CompanyDayResult> results, MoverList list,
                                        int count = kMoversShown);

/// The ranking's name on its tab ("Tăng mạnh", "Giảm mạnh", "KL lớn").
QString moverListName(MoverList list);

} // namespace market
