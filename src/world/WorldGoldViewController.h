#pragma once

#include "world/GoldScreen.h"

namespace world {

class WorldGoldView;

/// The world gold price through the day: the latest price and its change, and the chart of the
/// price minute by minute.
class WorldGoldViewController final : public GoldScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorldGoldViewController)

public:
    /// The feed id of the world answers in the store.
    static constexpr int kFeedId = 2;

    explicit WorldGoldViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~WorldGoldViewController() override;

    /// To the bank gold screen (or back to it).
    void goACB();

    WorldGoldView* goldView();
    QLabel* lbValue() const { return m_lbValue; }

protected:
    GoldDayView* makeChart() override;
    QString requestUrl(int revision) const override;
    void buildQuoteLabels(QWidget* root) override;
    int minuteFieldCount() const override;
    int quoteFieldCount() const override;
    void widenWithMinute(const net::Answer& answer, const net::RecordView& minute) override;
    double barValueOf(const net::RecordView& /*minute*/) const override { return 0; }
    void showQuote(const net::RecordView& quote) override;
    bool updateStopsAnimation() const override { return false; }
    ui::ViewController* otherGoldScreen() override;

private:
    WorldGoldView* m_view = nullptr;
    QLabel* m_lbValue = nullptr;
};

} // namespace world
