#pragma once

#include <random>
#include <string>

namespace sim {

/// Session tokens and mailed passwords. Unlike the market and the faults these are not derived from
/// the seed: a restart with the same seed and state file must not hand out an old token again.
class Secrets final {
public:
    Secrets();

    std::string sessionToken();
    std::string password();

private:
    std::mt19937_64 m_random;
};

} // namespace sim
