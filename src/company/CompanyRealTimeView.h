#pragma once

#include "ui/ChartView.h"

namespace ui {
class Canvas;
struct Color;
} // namespace ui

namespace company {

class CompanyRealTimeViewcontroller;

/// The intraday chart of one company: a price line coloured against the reference price (split
/// where it crosses it), a volume bar per minute, the reference line and three price labels.
/// The x scale is that of the company's exchange; the controller feeds the stored points at
/// every redraw. It has no touch handling.
class CompanyRealTimeView final : public ui::ChartView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyRealTimeView)

public:
    explicit CompanyRealTimeView(QWidget* parent = nullptr);

    CompanyRealTimeViewcontroller* delegate() const { return m_delegate; }
    void setDelegate(CompanyRealTimeViewcontroller* delegate) { m_delegate = delegate; }

    /// Which exchange's time scale the chart uses (HoSE: 09:00–10:15, HNX: 08:30–11:00).
    bool isHoSE() const { return m_hose; }
    void setHoSE(bool hose) { m_hose = hose; }

    /// Asks for a redraw (counted, so that callers can tell whether one was asked for).
    void setNeedsDisplay();
    int displayRequestCount() const { return m_displayRequests; }

    /// One point, drawn on the surface of the redraw under way (nothing outside a redraw).
    void drawBar(int minute, double volume, double price);
    void clearChart();
    void drawCoordinate();
    void drawText(const QString& text, int x, int y);

    /// x of a market minute index (fractional minutes for the crossing splits).
    double xOf(double minute) const;
    double yOf(double price) const;

    // ---- ranges, reset by the controller before every re-read ------------------------------
    /// Widens the volume and price ranges by one point.
    void widen(float volume, float price);
    float maxHeight() const { return m_maxHeight; }
    void setMaxHeight(float value) { m_maxHeight = value; }
    float minHeight() const { return m_minHeight; }
    void setMinHeight(float value) { m_minHeight = value; }
    float preHeight() const { return m_preHeight; }
    void setPreHeight(float value) { m_preHeight = value; }
    float y_Scale() const { return m_y_Scale; }
    void setY_Scale(float value) { m_y_Scale = value; }
    float maxPoint() const { return m_maxPoint; }
    void setMaxPoint(float value) { m_maxPoint = value; }
    float minPoint() const { return m_minPoint; }
    void setMinPoint(float value) { m_minPoint = value; }
    float y_PointScale() const { return m_y_PointScale; }
    void setY_PointScale(float value) { m_y_PointScale = value; }
    float yesterdayPoint() const { return m_yesterdayPoint; }
    void setYesterdayPoint(float value) { m_yesterdayPoint = value; }
    float prePoint() const { return m_prePoint; }
    void setPrePoint(float value) { m_prePoint = value; }
    int preMinute() const { return m_preMinute; }
    void setPreMinute(int value) { m_preMinute = value; }

protected:
    void drawChart(ui::Canvas& canvas) override;

private:
    void drawVolumeBar(int minute, double volume);
    void drawPriceSegment(int minute, double price);
    void strokeLine(const ui::Color& color, double fromMinute, double fromPrice, double toMinute, double toPrice);
    /// A flat price or volume range has no scale: that part is not drawn.
    bool hasPriceScale() const { return m_y_PointScale != 0; }
    bool hasVolumeScale() const { return m_y_Scale != 0; }

    CompanyRealTimeViewcontroller* m_delegate = nullptr;
    int m_displayRequests = 0;
    bool m_hose = true;

    float m_maxHeight = 0;
    float m_minHeight = 0;
    float m_preHeight = 0;
    float m_y_Scale = 200;
    float m_maxPoint = 0;
    float m_minPoint = 50000;
    float m_y_PointScale = 0;
    float m_yesterdayPoint = 0;
    int m_preMinute = 0;
    float m_prePoint = 0;
};

} // namespace company
