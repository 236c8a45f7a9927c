#pragma once

#include "SimTypes.h"

namespace sim {

class AccountStore;
class Market;
class PortfolioStore;

/// Puts the demo user (name "demo", password "demo") with two categories and a few holdings into
/// a fresh state, so a first run has something to show. One holding is bought well above today's
/// price, so the price warnings have something to report too.
void createDemoAccount(AccountStore& accounts, PortfolioStore& portfolios, const Market& market, const SimTime& now);

} // namespace sim
