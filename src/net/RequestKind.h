#pragma once

namespace net {

/// The tag an owner puts on its request object so that its callback knows which answer arrived.
enum RequestKind : int {
    Refresh = 1,
    EndOfDay = 2,
    Login = 5,
    PriceWarning = 7,
    MarketResults = 8,
    CompanyResults = 9,
    VersionCheck = 10,
    SaveCategoryOrHolding = 12,
    DeleteHolding = 14,
    LoadHoldings = 15,
    DeleteCategory = 16,
    Registration = 17,
    LoadCategories = 18,
};

} // namespace net
