#pragma once

#include "market/CounterRandom.h"

#include <set>
#include <string>

namespace sim::market {

enum class CompanyKind { Ordinary, Bank, Fund };

/// The industries a name can carry; banks and funds come after the ordinary companies' sectors.
inline constexpr int kOrdinarySectors = 40;
inline constexpr int kBankSector = kOrdinarySectors;
inline constexpr int kFundSector = kOrdinarySectors + 1;
inline constexpr int kSectorCount = kOrdinarySectors + 2;

/// A company's name and the sector its name states.
struct CompanyName {
    std::string name;
    int sector = 0;
};

/// Draws distinct Vietnamese company names from word lists ("Công ty Cổ phần Thép Sông Hồng",
/// "Ngân hàng TMCP Á Châu", "Quỹ đầu tư Tăng trưởng Sài Gòn"). No word holds "," ";" or ":",
/// the separators of the answers.
class CompanyNames final {
public:
    explicit CompanyNames(const CounterRandom& random)
        : m_random(random) {}

    /// A name not given before by this object. At most about twenty banks can be named.
    CompanyName next(CompanyKind kind);

    /// The name of the sector (its word in an ordinary company's name), for the news.
    static std::string sectorName(int sector);

private:
    CompanyName draw(CompanyKind kind);

    const CounterRandom& m_random;
    std::set<std::string> m_used;
    std::int64_t m_draws = 0;
};

} // namespace sim::market
