#include "portfolio/PortfolioScreens.h"

#include "shell/QRMInfoAppDelegate.h"

namespace portfolio {

PortfolioDataViewController::PortfolioDataViewController(shell::QRMInfoAppDelegate& appDelegate)
    : PortfolioScreen(appDelegate, 1, QStringLiteral("Thị trường"), marketColumns()) {
    setScreenName(QStringLiteral("Danh mục — Thị trường"));
}
PortfolioDataViewController::~PortfolioDataViewController() = default;

PortfolioScreen2ViewController::PortfolioScreen2ViewController(shell::QRMInfoAppDelegate& appDelegate)
    : PortfolioScreen(appDelegate, 2, QStringLiteral("Giá mua"), purchaseColumns()) {
    setScreenName(QStringLiteral("Danh mục — Giá mua"));
}
PortfolioScreen2ViewController::~PortfolioScreen2ViewController() = default;

PortfolioScreen3ViewController::PortfolioScreen3ViewController(shell::QRMInfoAppDelegate& appDelegate)
    : PortfolioScreen(appDelegate, 3, QStringLiteral("Giá hiện tại"), priceColumns()) {
    setScreenName(QStringLiteral("Danh mục — Giá hiện tại"));
}
PortfolioScreen3ViewController::~PortfolioScreen3ViewController() = default;

PortfolioScreen4ViewController::PortfolioScreen4ViewController(shell::QRMInfoAppDelegate& appDelegate)
    : PortfolioScreen(appDelegate, 4, QStringLiteral("Lợi nhuận"), profitColumns()) {
    setScreenName(QStringLiteral("Danh mục — Lợi nhuận"));
}
PortfolioScreen4ViewController::~PortfolioScreen4ViewController() = default;

PortfolioScreen5ViewController::PortfolioScreen5ViewController(shell::QRMInfoAppDelegate& appDelegate)
    : PortfolioScreen(appDelegate, 5, QStringLiteral("Cảnh báo"), warningColumns()) {
    setScreenName(QStringLiteral("Danh mục — Cảnh báo"));
}
PortfolioScreen5ViewController::~PortfolioScreen5ViewController() = default;

PortfolioScreen* holdingsScreen(shell::QRMInfoAppDelegate& app, int screen) {
    switch (screen) {
    case 1:
        return app.cachedScreen<PortfolioDataViewController>();
    case 2:
        return app.cachedScreen<PortfolioScreen2ViewController>();
    case 3:
        return app.cachedScreen<PortfolioScreen3ViewController>();
    case 4:
        return app.cachedScreen<PortfolioScreen4ViewController>();
    case 5:
        return app.cachedScreen<PortfolioScreen5ViewController>();
    default:
        return nullptr;
    }
}

} // namespace portfolio
