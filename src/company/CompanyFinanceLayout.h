#pragma once

#include "company/CompanyTabBar.h"

class QLabel;
class QPushButton;
class QWidget;

namespace shell {
class ActivityIndicator;
}
namespace ui {
class HtmlView;
class PageIndicator;
class Scheduler;
} // namespace ui

namespace company {

/// The controls of the finance tab between its bars: the code, exchange, price and change with
/// the transfer indicator; the four ratios; the statement page between its two page buttons, and
/// the page indicator under it.
struct CompanyFinanceLayout {
    /// The code (lbStock) and exchange (stock).
    CompanyHeading heading;
    QLabel* stockPoint = nullptr;
    QLabel* percent = nullptr;
    /// Marks a fund.
    QLabel* lbFold = nullptr;
    QLabel* eps = nullptr;
    QLabel* pe = nullptr;
    QLabel* bv = nullptr;
    QLabel* pb = nullptr;
    shell::ActivityIndicator* actNetwork = nullptr;
    ui::HtmlView* webView = nullptr;
    ui::PageIndicator* pageCtrl = nullptr;
    /// The older periods.
    QPushButton* leftButton = nullptr;
    /// The newer periods.
    QPushButton* rightButton = nullptr;

    /// Creates every control as a child of the tab's root.
    static CompanyFinanceLayout build(QWidget* root, ui::Scheduler& scheduler);
};

} // namespace company
