#pragma once

namespace shell {
class QRMInfoAppDelegate;
}

namespace news {

/// Makes "Tin tức" on the main menu open the headline news.
void registerNewsScreens(shell::QRMInfoAppDelegate& app);

} // namespace news
