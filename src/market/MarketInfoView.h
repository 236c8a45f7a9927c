#pragma once

#include "ui/ChartView.h"
#include "ui/SwipeClassifier.h"

#include <optional>

namespace ui {
class Canvas;
}

namespace market {

class MarketInfoViewController;

/// The overview's intraday chart: HoSE (09:00–10:15) in the top panel, HNX (08:30–11:00) below,
/// each with a bar per minute, the index line, the reference line at the previous close and
/// three value labels. The controller widens the value ranges as answers arrive and feeds the
/// minute records at every redraw; a left swipe opens the trading results.
class MarketInfoView final : public ui::ChartView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarketInfoView)

public:
    /// Exchange ids of the feed.
    static constexpr int kHaSTC = 1;
    static constexpr int kHoSE = 2;

    explicit MarketInfoView(QWidget* parent = nullptr);

    MarketInfoViewController* delegate() const { return m_delegate; }
    void setDelegate(MarketInfoViewController* delegate) { m_delegate = delegate; }

    /// Asks for a redraw (counted, so that callers can tell whether one was asked for).
    void setNeedsDisplay();
    int displayRequestCount() const { return m_displayRequests; }

    /// One minute of one exchange, drawn on the surface of the redraw under way (nothing outside
    /// a redraw).
    void drawBar(int exchange, int minute, double barValue, double indexValue);
    void clearChart();
    void drawCoordinate();
    void drawText(const QString& text, int x, int y);

    void touchesBegan(QPointF position) override;
    void touchesMoved(QPointF position) override;
    void touchesEnded(QPointF position) override;
    void touchesCancelled(QPointF position);
    bool isProcessingListMove() const { return m_swipe.isProcessingListMove(); }

    // ---- ranges, widened by the controller and never narrowed ------------------------------
    /// Widens the HoSE bar and index ranges by one minute's values.
    void widenHoSE(float barValue, float indexValue);
    void widenHaSTC(float barValue, float indexValue);
    float maxHoSEHeight() const { return m_maxHoSEHeight; }
    void setMaxHoSEHeight(float value) { m_maxHoSEHeight = value; }
    float minHoSEHeight() const { return m_minHoSEHeight; }
    void setMinHoSEHeight(float value) { m_minHoSEHeight = value; }
    float maxHaSTCHeight() const { return m_maxHaSTCHeight; }
    void setMaxHaSTCHeight(float value) { m_maxHaSTCHeight = value; }
    float minHaSTCHeight() const { return m_minHaSTCHeight; }
    void setMinHaSTCHeight(float value) { m_minHaSTCHeight = value; }
    float maxHoSEPoint() const { return m_maxHoSEPoint; }
    void setMaxHoSEPoint(float value) { m_maxHoSEPoint = value; }
    float minHoSEPoint() const { return m_minHoSEPoint; }
    void setMinHoSEPoint(float value) { m_minHoSEPoint = value; }
    float maxHaSTCPoint() const { return m_maxHaSTCPoint; }
    void setMaxHaSTCPoint(float value) { m_maxHaSTCPoint = value; }
    float minHaSTCPoint() const { return m_minHaSTCPoint; }
    void setMinHaSTCPoint(float value) { m_minHaSTCPoint = value; }
    float yesterdayHoPoint() const { return m_yesterdayHoPoint; }
    void setYesterdayHoPoint(float value) { m_yesterdayHoPoint = value; }
    float yesterdayHaPoint() const { return m_yesterdayHaPoint; }
    void setYesterdayHaPoint(float value) { m_yesterdayHaPoint = value; }

    // ---- scales and line state, rebuilt at every redraw ------------------------------------
    float yHoSE_Scale() const { return m_yHoSE_Scale; }
    void setYHoSE_Scale(float value) { m_yHoSE_Scale = value; }
    float yHaSTC_Scale() const { return m_yHaSTC_Scale; }
    void setYHaSTC_Scale(float value) { m_yHaSTC_Scale = value; }
    float yHoSE_PointScale() const { return m_yHoSE_PointScale; }
    void setYHoSE_PointScale(float value) { m_yHoSE_PointScale = value; }
    float yHaSTC_PointScale() const { return m_yHaSTC_PointScale; }
    void setYHaSTC_PointScale(float value) { m_yHaSTC_PointScale = value; }
    void setPreHoSEMinute(int minute) { m_preHoSEMinute = minute; }
    void setPreHoSEPoint(float point) { m_preHoSEPoint = point; }
    void setPreHaSTCMinute(int minute) { m_preHaSTCMinute = minute; }
    void setPreHaSTCPoint(float point) { m_preHaSTCPoint = point; }
    float preHoSEHeight() const { return m_preHoSEHeight; }
    float preHaSTCHeight() const { return m_preHaSTCHeight; }

protected:
    void drawChart(ui::Canvas& canvas) override;

private:
    /// One panel's geometry, scales and the line and bar state its drawing moves.
    struct Panel {
        int firstMinute = 0;
        float minuteWidth = 0;
        double lineBase = 0;
        double barBase = 0;
        float minPoint = 0;
        float pointScale = 0;
        float minHeight = 0;
        float heightScale = 0;
        float yesterday = 0;
        float* preHeight = nullptr;
        int* preMinute = nullptr;
        float* prePoint = nullptr;

        float x(int minute) const { return 199 + static_cast<float>(minute - firstMinute) * minuteWidth; }
        double lineY(double point) const { return lineBase - (point - minPoint) / pointScale; }
        double barTop(double value) const { return barBase - (value - minHeight) / heightScale; }
        /// A flat range (one value so far, as in the first minute) has no scale to divide by.
        bool hasBarScale() const { return heightScale != 0; }
        bool hasLineScale() const { return pointScale != 0; }
    };

    Panel hosePanel();
    Panel haSTCPanel();
    void drawMinuteBar(const Panel& panel, int minute, double barValue);
    void drawLinePoint(const Panel& panel, int minute, double indexValue);
    /// The minute for the crosshair; the first HoSE minutes have a line point but no bar.
    void addMinutePoint(int crosshairPanel, const Panel& panel, int minute, double indexValue,
                        std::optional<double> barValue);
    void drawReferenceLine(const Panel& panel, float maxPoint);
    void drawValueLabels(float maxPoint, float minPoint, const int (&baselines)[3], const double (&nudges)[3]);

    MarketInfoViewController* m_delegate = nullptr;
    ui::SwipeClassifier m_swipe;
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
    float m_preHoSEHeight = 0;
    float m_preHaSTCHeight = 0;
    int m_preHoSEMinute = 30;
    int m_preHaSTCMinute = 0;
    float m_preHoSEPoint = 0;
    float m_preHaSTCPoint = 0;
    float m_yesterdayHoPoint = 0;
    float m_yesterdayHaPoint = 0;
};

} // namespace market
