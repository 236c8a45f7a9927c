#pragma once

#include <QString>

namespace shell {

/// The stock a new holding is for, and the category it goes into (empty: the user names one).
struct HoldingFormSeed {
    QString companyId;
    QString code;
    QString categoryId;
};

/// How the other screens reach the portfolio and watch-list screens, through the application
/// object: the portfolio section fills it in when it registers.
class PortfolioRoutes {
public:
    virtual ~PortfolioRoutes() = default;
    /// Tells the category list to open this category's holdings the next time it is shown.
    virtual void chooseCategory(const QString& id, const QString& name) = 0;
    /// Pushes the category list.
    virtual void showCategories() = 0;
    /// Shows the watch list: pushed, or the screens above it popped when it is on the stack.
    virtual void showWatchList() = 0;
    /// Pushes a new holding form that adds the stock.
    virtual void addHolding(const HoldingFormSeed& seed) = 0;

protected:
    PortfolioRoutes() = default;
    PortfolioRoutes(const PortfolioRoutes&) = default;
    PortfolioRoutes& operator=(const PortfolioRoutes&) = default;
};

} // namespace shell
