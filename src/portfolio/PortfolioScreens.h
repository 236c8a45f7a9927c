#pragma once

#include "portfolio/PortfolioScreen.h"

namespace portfolio {

/// Holdings screen 1: the market data of each held stock on the day shown.
class PortfolioDataViewController final : public PortfolioScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortfolioDataViewController)

public:
    explicit PortfolioDataViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~PortfolioDataViewController() override;
};

/// Holdings screen 2: the purchase data (price, thresholds, quantity).
class PortfolioScreen2ViewController final : public PortfolioScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortfolioScreen2ViewController)

public:
    explicit PortfolioScreen2ViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~PortfolioScreen2ViewController() override;
};

/// Holdings screen 3: the price against the purchase price.
class PortfolioScreen3ViewController final : public PortfolioScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortfolioScreen3ViewController)

public:
    explicit PortfolioScreen3ViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~PortfolioScreen3ViewController() override;
};

/// Holdings screen 4: the profit of each holding.
class PortfolioScreen4ViewController final : public PortfolioScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortfolioScreen4ViewController)

public:
    explicit PortfolioScreen4ViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~PortfolioScreen4ViewController() override;
};

/// Holdings screen 5: where each price stands against the holding's thresholds.
class PortfolioScreen5ViewController final : public PortfolioScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortfolioScreen5ViewController)

public:
    explicit PortfolioScreen5ViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~PortfolioScreen5ViewController() override;
};

/// The application object's holdings screen 1 to 5, created on first use; null for any other
/// number.
PortfolioScreen* holdingsScreen(shell::QRMInfoAppDelegate& app, int screen);

} // namespace portfolio
