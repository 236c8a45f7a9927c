#pragma once

#include "ui/ChartView.h"
#include "ui/SwipeClassifier.h"

namespace ui {
class Canvas;
}

namespace market {

class MarketResultViewController;

/// The 60-day chart of the trading results: per exchange a bar of traded quantity and a point of
/// the index line for every stored trading day, HoSE on top and HNX below, with a grey marker at
/// the chosen day. The controller widens the ranges and feeds the bars at every redraw.
class MarketResultView final : public ui::ChartView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarketResultView)

public:
    explicit MarketResultView(MarketResultViewController& delegate, QWidget* parent = nullptr);
    ~MarketResultView() override;

    /// x of a day slot: 0 is 60 days ago, 60 the current day.
    static double xOfSlot(int slot);

    /// Fill the black ground of both panels.
    void clearChart();
    /// The axis labels of both panels.
    void drawCoordinate();
    /// One day of one exchange (1 HNX, 2 HoSE): its quantity bar and its index line segment.
    void drawBar(int exchange, int slot, int day, double quantity, double index);
    /// The grey marker at the chosen day, when it is one of the HoSE days drawn.
    void drawPositionBar();
    void drawText(const QString& text, int x, int y);
    /// Forget the previous line points, so the next bar starts a new line.
    void resetData();

    /// A record of the exchange widens its ranges: quantity for the bars, index for the line.
    void widenRanges(int exchange, double quantity, double index);
    /// Sets the scales from the ranges: bars span 40 points, index lines 80.
    void updateScales();
    /// Whether the exchange has an index value yet, so that its axis labels have a place.
    bool hasIndexValues(int exchange) const;

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
    double preHoSEPoint() const { return m_preHoSEPoint; }
    double preHaSTCPoint() const { return m_preHaSTCPoint; }
    bool isGreen() const { return m_isGreen; }
    void setIsGreen(bool green) { m_isGreen = green; }

    void touchesBegan(QPointF position) override;
    void touchesMoved(QPointF position) override;
    void touchesEnded(QPointF position) override;

protected:
    void drawChart(ui::Canvas& canvas) override;

private:
    void drawHoSEBar(int slot, double quantity, double index);
    void drawHaSTCBar(int slot, double quantity, double index);
    void drawPanelLabels(double maximum, double minimum, int maxY, int minY, int lowY);

    MarketResultViewController& m_delegate;
    ui::SwipeClassifier m_swipe;

    float m_maxHoSEHeight = 0;
    float m_minHoSEHeight = 50000;
    float m_maxHaSTCHeight = 0;
    float m_minHaSTCHeight = 50000;
    float m_maxHoSEPoint = 0;
    float m_minHoSEPoint = 50000;
    float m_maxHaSTCPoint = 0;
    float m_minHaSTCPoint = 50000;
    float m_yHoSE_Scale = 200;
    float m_yHaSTC_Scale = 200;
    float m_yHoSE_PointScale = 0;
    float m_yHaSTC_PointScale = 0;
    double m_preHoSEHeight = 0;
    double m_preHaSTCHeight = 0;
    double m_preHoSEPoint = 0;
    double m_preHaSTCPoint = 0;
    int m_preHoSEMinute = 0;
    int m_preHaSTCMinute = 0;
    bool m_isGreen = true;
};

} // namespace market
