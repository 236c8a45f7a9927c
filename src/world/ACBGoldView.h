#pragma once

#include "world/GoldDayView.h"

namespace world {

/// The bank gold chart: the day's price line over a bar per quote, the bar's height the quote's
/// traded amount, green when it is not below the previous quote's and red when it is.
class ACBGoldView final : public GoldDayView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ACBGoldView)

public:
    /// Bars stand on this base and reach at most 60 points above it.
    static constexpr double kBarBase = 227;
    static constexpr double kBarSpan = 60;

    explicit ACBGoldView(QWidget* parent = nullptr);
    ~ACBGoldView() override;

    /// A bar value widens the bar range (by its absolute value).
    void widenHeight(double barValue);
    void updateScales() override;
    void drawBar(int minute, double barValue, double price) override;

    float maxHeight() const { return m_maxHeight; }
    float minHeight() const { return m_minHeight; }

protected:
    void resetPass() override;
    void drawCoordinate() override;

private:
    float m_maxHeight = 0;
    float m_minHeight = 50000;
    float m_yScale = 200;
    double m_preHeight = 0;
};

} // namespace world
