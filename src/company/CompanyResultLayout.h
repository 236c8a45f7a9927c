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

namespace company {

class QuotePanel;

/// The controls of the trading-results tab, laid out over its chart: the top bar (back, the
/// tabs, the date), the network state and the day steps left of the chart, the quote panel
/// under it and the bottom bar (home, reload, the category and context menus).
struct CompanyResultLayout {
    QuotePanel* panel = nullptr;
    QLabel* lbDate = nullptr;
    QLabel* lbNetwork = nullptr;
    shell::ActivityIndicator* actNetwork = nullptr;
    QPushButton* btGoBack = nullptr;
    QPushButton* btHome = nullptr;
    QPushButton* btReload = nullptr;
    QPushButton* btRt = nullptr;
    QPushButton* btTC = nullptr;
    QPushButton* btTin = nullptr;
    QPushButton* btCategory = nullptr;
    QPushButton* btMenu = nullptr;
    QPushButton* leftButton = nullptr;
    QPushButton* rightButton = nullptr;

    /// Creates every control as a child of the tab's root.
    static CompanyResultLayout build(QWidget* root, ui::Scheduler& scheduler);
};

} // namespace company
