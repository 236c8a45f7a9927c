#pragma once

#include "market/CounterRandom.h"
#include "market/Market.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sim::market {

/// What drives a company's prices and volumes, beside its public listing.
struct CompanyProfile {
    /// The price level it trades around, in 0.1 steps of thousand dong.
    int baseTicks = 0;
    /// How strongly it follows the market's common moves.
    double beta = 1.0;
    /// Its industry (an index into the sectors of CompanyNames) and how strongly it follows it.
    int sector = 0;
    double sectorLoading = 1.0;
    /// The typical size of its own daily moves, beside the market's and the sector's.
    double volatility = 0.02;
    /// Shares outstanding: the company's weight in its exchange's index.
    std::int64_t shares = 0;
    /// A usual day's traded volume in shares.
    std::int64_t baseVolume = 0;
};

/// The listed companies of one seed: about 300 on HoSE and 350 on HNX with distinct codes, ordered
/// by code, with ids 1, 2, ... in that order.
class CompanyCatalogue final {
public:
    explicit CompanyCatalogue(const CounterRandom& random);

    const std::vector<Company>& companies() const { return m_companies; }
    const Company& company(std::size_t index) const { return m_companies[index]; }
    const CompanyProfile& profile(std::size_t index) const { return m_profiles[index]; }
    std::size_t size() const { return m_companies.size(); }

    std::optional<std::size_t> indexOfId(int id) const;
    std::optional<std::size_t> indexOfCode(const std::string& code) const;

    /// The companies of one exchange, ordered by code; empty for an unknown exchange.
    const std::vector<std::size_t>& listedOn(int stockId) const;

private:
    struct Listing {
        Company company;
        CompanyProfile profile;
    };

    std::vector<Listing> draftListings(const CounterRandom& random) const;

    std::vector<Company> m_companies;
    std::vector<CompanyProfile> m_profiles;
    std::map<std::string, std::size_t> m_byCode;
    std::vector<std::size_t> m_hose;
    std::vector<std::size_t> m_hnx;
    std::vector<std::size_t> m_none;
};

} // namespace sim::market
