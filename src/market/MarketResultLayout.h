#pragma once

class QLabel;
class QPushButton;
class QWidget;

namespace shell {
class ActivityIndicator;
}
namespace ui {
class Scheduler;
}

namespace market {

class BreadthStrip;

/// The four result labels of one exchange.
struct MarketResultLabels {
    QLabel* point = nullptr;
    QLabel* percent = nullptr;
    QLabel* totalQuantity = nullptr;
    QLabel* totalValue = nullptr;
};

/// The controls of the results screen, laid out over its chart: the top bar (back, date,
/// exchange selector, menu), both exchanges' labels left of their panels and breadth under them,
/// and the bottom bar (home, reload, movers, day steps).
struct MarketResultLayout {
    MarketResultLabels hose;
    MarketResultLabels haSTC;
    QLabel* lbDate = nullptr;
    QLabel* lbUser = nullptr;
    shell::ActivityIndicator* actNetwork = nullptr;
    QPushButton* btHoSe = nullptr;
    QPushButton* btHNX = nullptr;
    QPushButton* btGoBack = nullptr;
    QPushButton* btHome = nullptr;
    QPushButton* btReload = nullptr;
    QPushButton* btBackDay = nullptr;
    QPushButton* btNextDay = nullptr;
    QPushButton* btMenu = nullptr;
    QPushButton* btCompanyHoSE = nullptr;
    QPushButton* btCompanyHaSTC = nullptr;
    /// Each exchange's breadth, under its chart panel.
    BreadthStrip* hoseBreadth = nullptr;
    BreadthStrip* haSTCBreadth = nullptr;
    /// Opens the movers of the day and the exchange shown.
    QPushButton* btMovers = nullptr;

    /// Creates every control as a child of the screen's root.
    static MarketResultLayout build(QWidget* root, ui::Scheduler& scheduler);
};

} // namespace market
