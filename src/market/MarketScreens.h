#pragma once

namespace shell {
class QRMInfoAppDelegate;
}

namespace market {

/// Makes the main menu's market section ("btCKVN") open the market overview.
void registerMarketScreens(shell::QRMInfoAppDelegate& app);

} // namespace market
