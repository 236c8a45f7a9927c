#pragma once

#include "market/MarketMovers.h"
#include "ui/ViewController.h"

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;

namespace shell {
class QRMInfoAppDelegate;
}
namespace ui {
class RowTable;
}

namespace market {

class MarketMoversSource;

/// The rankings in the order of their tabs.
inline constexpr std::array<MoverList, 3> kRankings{MoverList::Gainers, MoverList::Losers, MoverList::Volume};

/// A trading day's movers on one exchange, read from the stored quotes of that day: the ten
/// largest rises, the ten largest falls and the ten largest volumes, one ranking at a time. A
/// row opens its company on its trading results.
class MarketMoversViewController final : public ui::ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarketMoversViewController)

public:
    explicit MarketMoversViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~MarketMoversViewController() override;

    // ---- set by the opener -----------------------------------------------------------------
    /// The exchange (1 HNX, 2 HoSE) and the day whose movers are shown next.
    void setMarket(int stockId, int day);
    int stockId() const { return m_stockId; }
    int day() const { return m_day; }

    void viewWillAppear(bool animated) override;
    /// 1, 2 and 3 show the rankings, Left and Right step through them, besides the common keys.
    bool handleKey(int qtKey) override;
    /// Reads the day's quotes from the store again.
    void reloadScreen() override;

    /// Shows a ranking of the day's quotes already read.
    void showList(MoverList list);
    MoverList shownList() const { return m_list; }
    /// Opens the company of a row of the ranking shown.
    void goComDetail(int row);
    void goBack();
    void goHome();

    const MarketMoversSource& source() const { return *m_source; }
    ui::RowTable* tbView();
    QLabel* lbHeading();
    /// Says when the day holds no quotes, or the ranking no company.
    QLabel* lbStatus();
    QPushButton* listButton(MoverList list);

protected:
    QWidget* loadView() override;

private:
    void buildTopBar(QWidget* root);
    void buildBottomBar(QWidget* root);
    void readDay();
    void showStatus();

    shell::QRMInfoAppDelegate& m_appDelegate;
    std::unique_ptr<MarketMoversSource> m_source;
    std::vector<CompanyDayResult> m_dayResults;
    int m_stockId = 2;
    int m_day = 0;
    MoverList m_list = MoverList::Gainers;

    ui::RowTable* m_tbView = nullptr;
    QLabel* m_lbHeading = nullptr;
    QLabel* m_lbStatus = nullptr;
    QPushButton* m_btGoBack = nullptr;
    QPushButton* m_btHome = nullptr;
    /// The rankings' tabs, in the order of kRankings.
    std::array<QPushButton*, 3> m_listButtons{};
};

} // namespace market
