#pragma once

class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace ui {
class LiveModeButton;
}

namespace company {

/// The tabs of a company: the real-time quote, the trading results, the financial statements and
/// the news, under the names the tabs call each other by.
enum class CompanyTab { RealTime, Results, Finance, News };

/// The top bar of a tab laid over the company's real-time screen: back, the four tabs (the one
/// shown as its yellow name instead of a button) and a label on the right. The buttons sit in the
/// same place on every tab.
struct CompanyTabBar {
    QPushButton* btGoBack = nullptr;
    QPushButton* btRt = nullptr;
    QPushButton* btKQGD = nullptr;
    QPushButton* btTC = nullptr;
    QPushButton* btTin = nullptr;
    /// The name of the tab shown.
    QLabel* title = nullptr;
    QLabel* lbDate = nullptr;

    /// The button that opens a tab; null for the tab shown.
    QPushButton* button(CompanyTab tab) const;
};

/// The bottom bar of a tab: home, reload and (on a tab with a live mode) the live-mode button on
/// the left; the category and context menus on the right, which act on the user's categories and
/// watch list.
struct CompanyTabBottomBar {
    QPushButton* btHome = nullptr;
    QPushButton* btReload = nullptr;
    ui::LiveModeButton* live = nullptr;
    QPushButton* btCategory = nullptr;
    QPushButton* btMenu = nullptr;
};

/// The company a tab shows, under its tab bar: the code in yellow, then the exchange.
struct CompanyHeading {
    QLabel* code = nullptr;
    QLabel* exchange = nullptr;

    /// The code, and "HoSE" for the exchange id 2, "HNX" for any other.
    void show(const QString& companyCode, const QString& stockMark) const;
};

CompanyTabBar buildCompanyTabBar(QWidget* root, CompanyTab shown);
CompanyHeading buildCompanyHeading(QWidget* root);
CompanyTabBottomBar buildCompanyTabBottomBar(QWidget* root, bool withLiveButton);

} // namespace company
