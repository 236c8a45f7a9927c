#pragma once

#include <string>

namespace sim {

/// The few ways the news writes figures, dates and moves. Decimals use ".", as every price page
/// of the service does; a "," would split the field.
class NewsWords final {
public:
    /// "12/6": the day and month, as headlines date a session.
    static std::string date(int day);

    /// The value with exactly `decimals` places.
    static std::string number(double value, int decimals);

    /// Whole billions of an amount in dong.
    static std::string billions(double dong);

    /// One decimal of billions of an amount in million dong.
    static std::string billionsOfMillions(double millions);

    /// "tăng", "giảm" or, when the change rounds to nothing at `decimals`, "đứng yên".
    static std::string direction(double change, int decimals);

    /// "tăng 5.32 điểm", "giảm 5.32 điểm" or "đứng yên".
    static std::string move(double change, int decimals, const std::string& unit);

    /// "tăng 5.32 điểm lên", "giảm 5.32 điểm xuống" or "đứng yên ở", ready for the level that
    /// follows.
    static std::string moveTo(double change, int decimals, const std::string& unit);
};

} // namespace sim
