#include "NewsWords.h"

#include "AnswerText.h"
#include "CivilDate.h"

#include <cmath>

namespace sim {

namespace {

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

std::string NewsWords::date(int day) {
    const CivilDate date = CivilDate::fromDay(day);
    return std::to_string(date.dayOfMonth) + "/" + std::to_string(date.month);
}

std::string NewsWords::number(double value, int decimals) {
    return AnswerText::fixed(value, decimals);
}

std::string NewsWords::billions(double dong) {
    return number(dong / 1e9, 0);
}

std::string NewsWords::billionsOfMillions(double millions) {
    return number(millions / 1e3, 1);
}

std::string NewsWords::direction(double change, int decimals) {
    const double shown = rounded(change, decimals);
    if (shown > 0.0) {
        return "tăng";
    }
    return shown < 0.0 ? "giảm" : "đứng yên";
}

std::string NewsWords::move(double change, int decimals, const std::string& unit) {
    const double shown = rounded(change, decimals);
    if (shown == 0.0) {
        return "đứng yên";
    }
    return direction(change, decimals) + " " + number(std::abs(shown), decimals) + " " + unit;
}

std::string NewsWords::moveTo(double change, int decimals, const std::string& unit) {
    const double shown = rounded(change, decimals);
    if (shown == 0.0) {
        return "đứng yên ở";
    }
    return move(change, decimals, unit) + (shown > 0.0 ? " lên" : " xuống");
}

} // namespace sim
