#include "market/CompanyCatalogue.h"

#include "market/CompanyNames.h"
#include "market/ExchangeRules.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace sim::market {

namespace {

struct ExchangeMix {
    int stockId = 0;
    int companies = 0;
    int banks = 0;
    int funds = 0;
};

constexpr ExchangeMix kHoseMix{kHose, 300, 10, 6};
constexpr ExchangeMix kHnxMix{kHnx, 350, 8, 3};

struct Range {
    double low = 0.0;
    double high = 0.0;
};

// Price ranges (thousand dong) keep HoSE prices at 10 or more and HNX prices at 5 or more at
// their lowest swing, where one 0.1 step is small enough for the daily band.
Range priceRange(int stockId, CompanyKind kind) {
    const bool hose = stockId == kHose;
    switch (kind) {
    case CompanyKind::Bank:
        return hose ? Range{18.0, 45.0} : Range{10.0, 30.0};
    case CompanyKind::Fund:
        return hose ? Range{13.0, 20.0} : Range{8.0, 14.0};
    case CompanyKind::Ordinary:
        break;
    }
    return hose ? Range{15.0, 150.0} : Range{8.0, 60.0};
}

Range sharesRange(CompanyKind kind) {
    switch (kind) {
    case CompanyKind::Bank:
        return {5e8, 3e9};
    case CompanyKind::Fund:
        return {3e7, 1.5e8};
    case CompanyKind::Ordinary:
        break;
    }
    return {1e7, 4e8};
}

double logUniform(Range range, double u) {
    return range.low * std::pow(range.high / range.low, u);
}

int layoutFor(CompanyKind kind, double u) {
    switch (kind) {
    case CompanyKind::Bank:
        return 2;
    case CompanyKind::Fund:
        return 3;
    case CompanyKind::Ordinary:
        break;
    }
    if (u < 0.6) {
        return 0;
    }
    return u < 0.85 ? 1 : 4;
}

std::string codeFrom(std::uint64_t bits) {
    std::string code(3, 'A');
    for (char& letter : code) {
        letter = static_cast<char>('A' + static_cast<int>(bits % 26U));
        bits /= 26U;
    }
    return code;
}

CompanyKind kindAt(const ExchangeMix& mix, int position) {
    if (position < mix.banks) {
        return CompanyKind::Bank;
    }
    return position < mix.banks + mix.funds ? CompanyKind::Fund : CompanyKind::Ordinary;
}

// Own daily moves: calm for funds, moderate for banks, lively for the rest, the cheapest most.
Range volatilityRange(CompanyKind kind) {
    switch (kind) {
    case CompanyKind::Bank:
        return {0.009, 0.016};
    case CompanyKind::Fund:
        return {0.003, 0.006};
    case CompanyKind::Ordinary:
        break;
    }
    return {0.012, 0.035};
}

// The share of a company's stock traded on a usual day: HoSE trades ten times HNX's value.
Range turnoverRange(int stockId) {
    return stockId == kHose ? Range{0.0015, 0.015} : Range{0.0004, 0.004};
}

CompanyProfile profileFor(const CounterRandom& random, std::int64_t draft, int stockId, CompanyKind kind) {
    CompanyProfile profile;
    const double price = logUniform(priceRange(stockId, kind), random.unit(Stream::Profile, draft, 0));
    profile.baseTicks = rulesFor(stockId).onStep(price * 10.0);
    profile.beta = 0.6 + 0.8 * random.unit(Stream::Profile, draft, 1);
    profile.sectorLoading = 0.6 + 0.8 * random.unit(Stream::Profile, draft, 4);
    const Range volatility = volatilityRange(kind);
    // Cheaper shares move more: the lowest price of the range takes the top of the volatility range.
    const double cheapness = 1.0 - std::log(price / priceRange(stockId, kind).low) /
                                       std::log(priceRange(stockId, kind).high / priceRange(stockId, kind).low);
    profile.volatility = volatility.low + (volatility.high - volatility.low) *
                                              (0.5 * cheapness + 0.5 * random.unit(Stream::Profile, draft, 5));
    profile.shares = std::llround(logUniform(sharesRange(kind), random.unit(Stream::Profile, draft, 2)));
    const double turnover = logUniform(turnoverRange(stockId), random.unit(Stream::Profile, draft, 3));
    profile.baseVolume = std::max<std::int64_t>(
        10 * kLotSize,
        std::llround(static_cast<double>(profile.shares) * turnover / static_cast<double>(kLotSize)) * kLotSize);
    return profile;
}

} // namespace

CompanyCatalogue::CompanyCatalogue(const CounterRandom& random) {
    std::vector<Listing> listings = draftListings(random);
    std::sort(listings.begin(), listings.end(),
              [](const Listing& a, const Listing& b) { return a.company.code < b.company.code; });
    for (std::size_t i = 0; i < listings.size(); ++i) {
        listings[i].company.id = static_cast<int>(i) + 1;
        m_byCode.emplace(listings[i].company.code, i);
        (listings[i].company.stockId == kHose ? m_hose : m_hnx).push_back(i);
        m_companies.push_back(std::move(listings[i].company));
        m_profiles.push_back(listings[i].profile);
    }
}

std::vector<CompanyCatalogue::Listing> CompanyCatalogue::draftListings(const CounterRandom& random) const {
    std::vector<Listing> listings;
    CompanyNames names(random);
    std::set<std::string> codes;
    std::int64_t draft = 0;
    std::int64_t codeDraw = 0;
    for (const ExchangeMix& mix : {kHoseMix, kHnxMix}) {
        for (int position = 0; position < mix.companies; ++position, ++draft) {
            const CompanyKind kind = kindAt(mix, position);
            Listing listing;
            listing.company.stockId = mix.stockId;
            do {
                listing.company.code = codeFrom(random.bits(Stream::Code, codeDraw++));
            } while (!codes.insert(listing.company.code).second);
            CompanyName named = names.next(kind);
            listing.company.name = std::move(named.name);
            listing.company.layoutId = layoutFor(kind, random.unit(Stream::Layout, draft));
            listing.profile = profileFor(random, draft, mix.stockId, kind);
            listing.profile.sector = named.sector;
            listings.push_back(std::move(listing));
        }
    }
    return listings;
}

std::optional<std::size_t> CompanyCatalogue::indexOfId(int id) const {
    if (id < 1 || id > static_cast<int>(m_companies.size())) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(id - 1);
}

std::optional<std::size_t> CompanyCatalogue::indexOfCode(const std::string& code) const {
    const auto it = m_byCode.find(code);
    if (it == m_byCode.end()) {
        return std::nullopt;
    }
    return it->second;
}

const std::vector<std::size_t>& CompanyCatalogue::listedOn(int stockId) const {
    if (stockId == kHose) {
        return m_hose;
    }
    return stockId == kHnx ? m_hnx : m_none;
}

} // namespace sim::market
