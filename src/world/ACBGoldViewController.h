#pragma once

#include "world/GoldScreen.h"

#include <QDateTime>

#include <functional>

namespace world {

class ACBGoldView;

/// The bank's gold price through the day: the latest price, its change, the day's traded value
/// and amount, and the chart of the price over a bar per quote.
class ACBGoldViewController final : public GoldScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ACBGoldViewController)

public:
    /// The feed id of the bank's answers in the store.
    static constexpr int kFeedId = 1;

    explicit ACBGoldViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~ACBGoldViewController() override;

    /// To the world gold screen (or back to it).
    void goWorldGold();

    /// The clock the premium's quotes are judged fresh by; the system clock unless set.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    /// Shows the premium over the world price from the stored bank and world gold prices and
    /// the bank's stored dollar rate.
    void showPremium();

    ACBGoldView* goldView();
    QLabel* lbPrice() const { return m_lbPrice; }
    QLabel* lbValue() const { return m_lbValue; }
    QLabel* lbQuantity() const { return m_lbQuantity; }
    QLabel* lbPremium() const { return m_lbPremium; }

protected:
    GoldDayView* makeChart() override;
    QString requestUrl(int revision) const override;
    void buildQuoteLabels(QWidget* root) override;
    int minuteFieldCount() const override;
    int quoteFieldCount() const override;
    void widenWithMinute(const net::Answer& answer, const net::RecordView& minute) override;
    void markQuoteTime(const net::RecordView& quote) override;
    double barValueOf(const net::RecordView& minute) const override;
    void showQuote(const net::RecordView& quote) override;
    bool updateStopsAnimation() const override { return true; }
    ui::ViewController* otherGoldScreen() override;
    void storedDataShown() override { showPremium(); }

private:
    ACBGoldView* m_view = nullptr;
    QLabel* m_lbPrice = nullptr;
    QLabel* m_lbValue = nullptr;
    QLabel* m_lbQuantity = nullptr;
    QLabel* m_lbPremium = nullptr;
    std::function<QDateTime()> m_clock = [] {
        return QDateTime::currentDateTime();
    };
};

} // namespace world
