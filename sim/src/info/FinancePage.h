#pragma once

#include "SimTypes.h"

#include <string>

namespace sim {

class Noise;
struct MarketView;

/// realtime.aspx?type=10&companyid=: a company's ratios record (EPS, P/E, book value, price to
/// book, layout id, latest price with its change and day) and its statement records, eight
/// quarters and two years in the layout of its kind.
class FinancePage final {
public:
    FinancePage(const Noise& noise, const MarketView& market);

    std::string answer(const std::string* companyId, const SimTime& t) const;

private:
    const Noise& m_noise;
    const MarketView& m_market;
};

} // namespace sim
