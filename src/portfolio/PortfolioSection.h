#pragma once

namespace shell {
class QRMInfoAppDelegate;
}

namespace portfolio {

/// Makes the main menu's "Danh mục" and "Theo dõi CK" open the category list and the watch list,
/// and gives the other screens their way to the portfolio screens.
void registerPortfolioScreens(shell::QRMInfoAppDelegate& app);

} // namespace portfolio
