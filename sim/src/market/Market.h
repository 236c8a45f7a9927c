#pragma once

#include "SimTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sim {

/// A listed company of the synthetic market.
struct Company {
    int id = 0;
    int stockId = 0;  ///< 1 HNX, 2 HoSE
    std::string code; ///< three capital letters
    std::string name; ///< Vietnamese name, never holding "," ";" or ":"
    int layoutId = 0; ///< statement layout: 0, 1 or 4 ordinary companies, 2 banks, 3 funds
};

/// An exchange's index at an instant, as the overview feed's index record states it.
struct IndexSummary {
    int day = 0;    ///< the trading day shown
    int minute = 0; ///< market minute of the latest data
    double value = 0.0;
    double reference = 0.0;      ///< the previous session's close
    double tradedValue = 0.0;    ///< dong, since the open
    double tradedQuantity = 0.0; ///< shares, since the open
};

/// The synthetic market: companies, their daily and intraday prices and both indices, all derived
/// from the seed alone, so the same seed and clock always give byte-identical answers.
class Market final {
public:
    explicit Market(std::uint64_t seed);
    ~Market();
    Market(const Market&) = delete;
    Market& operator=(const Market&) = delete;

    const std::vector<Company>& companies() const;
    const Company* companyById(int id) const;
    const Company* companyByCode(const std::string& code) const;

    /// Latest traded price (thousand dong, 0.1 tick) at t: the intraday price during the session,
    /// the day's close after it, the previous trading day's close before the open or on a
    /// non-trading day.
    double priceAt(int companyId, const SimTime& t) const;

    /// The index of an exchange (1 HNX, 2 HoSE) at t.
    IndexSummary indexAt(int stockId, const SimTime& t) const;

    /// The trading day whose prices the market shows at t.
    int sessionDayAt(const SimTime& t) const;

    bool isTradingDay(int day) const;

    /// The 17-field quote record of the company at t, as the company-list answer carries it.
    std::string quoteRecord(int companyId, const SimTime& t) const;

    /// Whether answer() serves this request (default.aspx and the market realtime.aspx types).
    bool handles(const Request& request) const;

    /// The answer of a market page at t.
    Response answer(const Request& request, const SimTime& t) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace sim
