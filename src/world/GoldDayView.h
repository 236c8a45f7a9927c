#pragma once

#include "ui/ChartView.h"

#include <optional>

namespace ui {
struct Color;
}

namespace world {

/// Drawn for a gold chart by its controller, which holds the day's stored answers.
class GoldChartDelegate {
public:
    virtual ~GoldChartDelegate();
    /// Sets the chart's scales and draws every stored minute through the chart's drawBar.
    virtual void parseForDraw() = 0;
};

/// The whole-day gold chart, 00:00 to 24:00, on a black panel of a white view: the price line
/// minute by minute, green above the previous day's price and red at or below it, a reference
/// line at that price, and three price labels on the left. The ranges only grow while the view
/// lives; each drawing pass starts its line afresh.
class GoldDayView : public ui::ChartView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GoldDayView)

public:
    /// x of 00:00 and of 24:00.
    static constexpr double kLeft = 64;
    static constexpr double kRight = 445;
    /// The price line spans 120 points above this base.
    static constexpr double kPriceBase = 225;
    static constexpr double kPriceSpan = 120;

    explicit GoldDayView(float initialMinPoint, QWidget* parent = nullptr);
    ~GoldDayView() override;

    void setDelegate(GoldChartDelegate* delegate) { m_delegate = delegate; }

    /// x of a minute of the day.
    static double xOfMinute(int minute);
    /// y of a price on the line.
    double priceY(double price) const;

    /// A price widens the price range (by its absolute value).
    void widenPrice(double price);
    /// Sets the scales from the ranges; called at the start of the data of a pass.
    virtual void updateScales();
    /// One minute: the price line to it (and its bar on a chart with bars).
    virtual void drawBar(int minute, double barValue, double price) = 0;

    void setNeedsDisplay();

    float maxPoint() const { return m_maxPoint; }
    void setYesterdayPoint(float point) { m_yesterdayPoint = point; }

protected:
    void drawChart(ui::Canvas& canvas) override;
    /// Forgets the previous point (and bar) so that the pass draws the day from its start.
    virtual void resetPass();
    /// The reference line and the labels, over the data.
    virtual void drawCoordinate() = 0;
    /// The segment from the previous point to this one when the minute moved on, in the colour
    /// of the price against the previous day's; the point becomes the previous one. The
    /// crosshair shows the minute with its volume when the chart has bars.
    void drawPricePoint(int minute, double price, std::optional<double> volume = std::nullopt);
    /// The reference line in `color` when the previous day's price lies inside the range.
    void drawReferenceLine(const ui::Color& color);
    /// The maximum, middle and minimum prices as whole numbers, at x.
    void drawValueLabels(int x);

private:
    GoldChartDelegate* m_delegate = nullptr;
    float m_maxPoint = 0;
    float m_minPoint;
    float m_yPointScale = 0;
    float m_yesterdayPoint = 0;
    double m_prePoint = 0;
    int m_preMinute = 0;
};

} // namespace world
