#pragma once

#include "market/CounterRandom.h"

#include <set>
#include <string>

namespace sim::market {

enum class CompanyKind { Ordinary, Bank, Fund };

/// Draws distinct Vietnamese company names from word lists ("Công ty Cổ phần Thép Sông Hồng",
/// "Ngân hàng TMCP Á Châu", "Quỹ đầu tư Tăng trưởng Sài Gòn"). No word holds "," ";" or ":",
/// the separators of the answers.
class CompanyNames final {
public:
    explicit CompanyNames(const CounterRandom& random)
        : m_random(random) {}

    /// A name not given before by this object. At most about twenty banks can be named.
    std::string next(CompanyKind kind);

private:
    std::string draw(CompanyKind kind);

    const CounterRandom& m_random;
    std::set<std::string> m_used;
    std::int64_t m_draws = 0;
};

} // namespace sim::market
