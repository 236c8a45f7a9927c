#pragma once

#include "market/CompanyDayResult.h"
#include "ui/TrendColors.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace market {

/// How an exchange's companies moved on a day: each company rose, fell or stayed; a company at
/// its ceiling or floor is counted among the risers or fallers as well.
struct MarketBreadth {
    int rising = 0;
    int falling = 0;
    int unchanged = 0;
    int ceiling = 0;
    int floor = 0;

    int total() const { return rising + falling + unchanged; }
    bool operator==(const MarketBreadth&) const = default;
};

/// The breadth of a day's results; none when the day holds no result, so that an empty day is
/// never shown as a day on which nothing moved.
std::optional<MarketBreadth> breadthOf(const std::vector<CompanyDayResult>& results);

/// One count as it reads ("Tăng 12"), with the board mark that colours it.
struct BreadthPart {
    QString text;
    ui::PriceMark mark = ui::PriceMark::Reference;
};

/// The five counts in the order they are read: rising, falling, unchanged, ceiling, floor.
std::array<BreadthPart, 5> breadthParts(const MarketBreadth& breadth);

/// The counts joined: "Tăng 12 · Giảm 5 · Đứng 3 · Trần 1 · Sàn 0".
QString breadthText(const MarketBreadth& breadth);

/// What stands between two counts.
inline const QString kBreadthSeparator = QStringLiteral(" · ");

} // namespace market
