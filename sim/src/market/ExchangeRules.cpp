#include "market/ExchangeRules.h"

#include <algorithm>
#include <cmath>

namespace sim::market {

int ExchangeRules::onStep(double priceTicks) const {
    const int step = stepAt(static_cast<int>(std::lround(priceTicks)));
    return std::max(step, static_cast<int>(std::lround(priceTicks / step)) * step);
}

int ExchangeRules::ceilingFor(int referenceTicks) const {
    // Whole-number arithmetic: the band's edge must not move by a rounding error.
    const int edge = referenceTicks * (100 + bandPercent) / 100;
    const int step = stepAt(edge);
    return std::max(referenceTicks + 1, edge / step * step);
}

int ExchangeRules::floorFor(int referenceTicks) const {
    const int edge = (referenceTicks * (100 - bandPercent) + 99) / 100;
    const int step = stepAt(edge);
    return std::clamp((edge + step - 1) / step * step, 1, std::max(referenceTicks - 1, 1));
}

} // namespace sim::market
