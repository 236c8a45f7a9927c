#pragma once

#include "ui/ChartView.h"
#include "ui/SwipeClassifier.h"

namespace ui {
class Canvas;
}

namespace company {

class CompanyResultViewController;

/// The 31-day chart of the company's trading results: one volume bar and one price-line point
/// per stored trading day, the latest at the right, with a grey marker at the chosen day. The
/// controller widens the ranges and feeds the bars at every redraw.
class CompanyResultView final : public ui::ChartView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyResultView)

public:
    static constexpr int kPositions = 30;

    explicit CompanyResultView(CompanyResultViewController& delegate, QWidget* parent = nullptr);
    ~CompanyResultView() override;

    /// x of a chart position: 0 is 30 days before today, 30 is today.
    static double xOfPosition(double position);

    void clearChart();
    /// The price labels left of the panel.
    void drawCoordinate();
    /// One trading day (`day`) at chart position i: its volume bar and its price-line segment.
    void drawBar(int i, int day, double volume, double price);
    /// The grey marker at the chosen day, when it is one of the days drawn.
    void drawPositionBar();
    void drawText(const QString& text, int x, int y);

    /// Back to the ranges of a new view, before the rows are read again.
    void resetRanges();
    /// One chart row widens the price and the volume range.
    void widenRanges(double price, double volume);
    /// The scales of the pass from the ranges: bars span 50 points, the price line 80.
    void updateScales();
    /// Forgets the previous line point, so that a pass never joins a point of an earlier pass.
    void resetLine() { m_prePoint = 0; }

    float maxHeight() const { return m_maxHeight; }
    float minHeight() const { return m_minHeight; }
    float preHeight() const { return m_preHeight; }
    float y_Scale() const { return m_y_Scale; }
    float maxPoint() const { return m_maxPoint; }
    float minPoint() const { return m_minPoint; }
    float y_PointScale() const { return m_y_PointScale; }
    bool isGreen() const { return m_isGreen; }
    void setIsGreen(bool green) { m_isGreen = green; }

    void touchesBegan(QPointF position) override;
    void touchesMoved(QPointF position) override;
    void touchesEnded(QPointF position) override;

protected:
    void drawChart(ui::Canvas& canvas) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double yOfPrice(double price) const;

    CompanyResultViewController& m_delegate;
    ui::SwipeClassifier m_swipe;

    float m_maxHeight = 0;
    // Never reset: the volume range runs from 0.
    float m_minHeight = 0;
    float m_preHeight = 0;
    float m_y_Scale = 200;
    float m_maxPoint = 0;
    float m_minPoint = 50000;
    float m_y_PointScale = 0;
    double m_prePoint = 0;
    int m_preDay = 0;
    bool m_isGreen = true;
};

} // namespace company
