#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace world {

/// A quoted price with the day key and the clock minute of its quote.
struct DatedPrice {
    double value = 0;
    int day = 0;
    int minute = 0;
};

/// Troy ounces in a tael (37.5 g over 31.1035 g).
inline constexpr double kOuncesPerTael = 1.20565;

/// How far the bank's gold price stands above the world price converted at the bank's dollar
/// rate.
struct GoldPremium {
    /// Thousand dong per tael, the unit of the bank's price; negative below the world price.
    double perTael = 0;
    /// In percent of the converted world price.
    double percent = 0;
    /// The time of the oldest of the three quotes, which the figure is only as recent as.
    int day = 0;
    int minute = 0;
};

/// The premium from the bank's price (thousand dong per tael), the world price (US dollars per
/// troy ounce) and the bank's dollar rate (dong); none when a quote is missing, not positive, or
/// more than a day older than `now`.
std::optional<GoldPremium> goldPremium(const std::optional<DatedPrice>& bankPerTael,
                                       const std::optional<DatedPrice>& worldPerOunce,
                                       const std::optional<DatedPrice>& dollarInDong, const QDateTime& now);

/// "Chênh lệch với giá thế giới: +6,95 triệu/lượng (+9,7%) · lúc 10:32" in the locale's number
/// style, the date added when the quotes are not of `now`'s day; the figure a dash when none.
QString goldPremiumText(const std::optional<GoldPremium>& premium, const QDateTime& now);

} // namespace world
