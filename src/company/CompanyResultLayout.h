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

/// The controls of the trading-results tab between its bars, laid out over its chart: the
/// network state and the day steps left of the chart, and the quote panel under it.
struct CompanyResultLayout {
    QuotePanel* panel = nullptr;
    QLabel* lbNetwork = nullptr;
    shell::ActivityIndicator* actNetwork = nullptr;
    QPushButton* leftButton = nullptr;
    QPushButton* rightButton = nullptr;

    /// Creates every control as a child of the tab's root.
    static CompanyResultLayout build(QWidget* root, ui::Scheduler& scheduler);
};

} // namespace company
