#pragma once

#include "ui/ChartView.h"
#include "ui/Color.h"

#include <QPicture>

namespace ui {
class Canvas;
}

namespace market {

class MarketHistoryLabel;
class MarketHistoryViewController;

/// The history screen's chart on a white ground: HoSE (09:00–10:15) in the top panel, HNX
/// (08:30–11:00) below, each with axes, time captions, a bar per minute and the index line. The
/// controller widens the ranges while it reads the day's stored answers and feeds every minute
/// again at each redraw; the drawing pass also writes the change of the last minute drawn into the
/// controller's change labels.
class MarketHistoryView final : public ui::ChartView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarketHistoryView)

public:
    /// Exchange ids of the stored feed.
    static constexpr int kHaSTC = 1;
    static constexpr int kHoSE = 2;

    /// The usual green of this chart's rising bars, lines and change labels (the palette's deep
    /// rise with both colour options off).
    static ui::Color darkGreen() { return ui::TrendColors::usualRise(ui::Shade::Deep); }

    explicit MarketHistoryView(MarketHistoryViewController& delegate, QWidget* parent = nullptr);
    ~MarketHistoryView() override;

    /// Asks for one redraw pass at the next paint, as the phone's view did: later paints of the
    /// widget show the same picture without running the pass again.
    void setNeedsDisplay();
    int displayRequestCount() const { return m_displayRequests; }

    void drawCoordinate();
    /// One minute of one exchange on the surface of the redraw under way (nothing outside one).
    void drawBar(int exchange, int minute, double barValue, double indexValue);
    /// Helvetica 10 in black.
    void drawText(const QString& text, int x, int y);

    /// What showing another day forgets: the maximum bar values and the previous line points.
    void resetDayState();
    /// The exchange's ranges take in one minute's bar value and index value.
    void widenRanges(int exchange, double barValue, double indexValue);
    /// Each scale maps its range onto 50 points.
    void updateScales();

    float maxHoSEHeight() const { return m_maxHoSEHeight; }
    float minHoSEHeight() const { return m_minHoSEHeight; }
    float maxHaSTCHeight() const { return m_maxHaSTCHeight; }
    float minHaSTCHeight() const { return m_minHaSTCHeight; }
    float maxHoSEPoint() const { return m_maxHoSEPoint; }
    float minHoSEPoint() const { return m_minHoSEPoint; }
    float maxHaSTCPoint() const { return m_maxHaSTCPoint; }
    float minHaSTCPoint() const { return m_minHaSTCPoint; }
    float yHoSE_Scale() const { return m_yHoSE_Scale; }
    float yHaSTC_Scale() const { return m_yHaSTC_Scale; }
    float yHoSE_PointScale() const { return m_yHoSE_PointScale; }
    float yHaSTC_PointScale() const { return m_yHaSTC_PointScale; }
    double preHoSEHeight() const { return m_preHoSEHeight; }
    double preHaSTCHeight() const { return m_preHaSTCHeight; }
    double preHoSEPoint() const { return m_preHoSEPoint; }
    double preHaSTCPoint() const { return m_preHaSTCPoint; }
    int preHoSEMinute() const { return m_preHoSEMinute; }
    int preHaSTCMinute() const { return m_preHaSTCMinute; }

protected:
    void drawChart(ui::Canvas& canvas) override;
    void paintEvent(QPaintEvent* event) override;

private:
    /// One panel's geometry and the state its drawing reads and moves.
    struct Panel {
        int firstMinute;
        int lastMinute;
        double xPerMinute;
        double xAtMinuteZero;
        double barBase;
        double lineBase;
        const float& minHeight;
        const float& heightScale;
        const float& minPoint;
        const float& pointScale;
        double& preHeight;
        double& prePoint;
        int& preMinute;
        MarketHistoryLabel* changeLabel;
        int crosshairPanel;

        double x(int minute) const { return xPerMinute * minute + xAtMinuteZero; }
        bool isFlat() const { return heightScale == 0 || pointScale == 0; }
    };

    Panel hosePanel();
    Panel haSTCPanel();
    void drawMinute(ui::Canvas& canvas, Panel& panel, int minute, double barValue, double indexValue);
    void drawRangeLabels(float maxPoint, float minPoint, int maxY, int minY);
    void repaintPicture();

    MarketHistoryViewController& m_delegate;
    QPicture m_picture;
    bool m_needsDisplay = true;
    int m_displayRequests = 0;

    float m_maxHoSEHeight = 0;
    float m_minHoSEHeight = 5000;
    float m_maxHaSTCHeight = 0;
    float m_minHaSTCHeight = 5000;
    float m_maxHoSEPoint = 0;
    float m_minHoSEPoint = 50000;
    float m_maxHaSTCPoint = 0;
    float m_minHaSTCPoint = 50000;
    float m_yHoSE_Scale = 200;
    float m_yHaSTC_Scale = 200;
    float m_yHoSE_PointScale = 0;
    float m_yHaSTC_PointScale = 0;
    // The previous values are kept exactly as read, so that two equal minutes compare equal and
    // a change of one hundredth is not lost to rounding.
    double m_preHoSEHeight = 0;
    double m_preHaSTCHeight = 0;
    double m_preHoSEPoint = 0;
    double m_preHaSTCPoint = 0;
    int m_preHoSEMinute = 30;
    int m_preHaSTCMinute = 0;
};

} // namespace market
