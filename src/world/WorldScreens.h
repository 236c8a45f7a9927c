#pragma once

namespace shell {
class QRMInfoAppDelegate;
}

namespace world {

/// Makes the main menu's world sections open their screens: world indices ("btCKTG"), gold
/// ("btVang", the world price first), exchange rates ("btTyGia") and commodities ("btHanghoa").
void registerWorldScreens(shell::QRMInfoAppDelegate& app);

} // namespace world
