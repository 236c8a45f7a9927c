#pragma once

#include "ui/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPen>

class QPainter;

namespace ui {

/// Draws the chart operations with a QPainter (antialiased).
class QPainterCanvas final : public Canvas {
public:
    explicit QPainterCanvas(QPainter& painter);

    void beginPath() override;
    void moveTo(double x, double y) override;
    void addLineTo(double x, double y) override;
    void strokePath() override;
    void setLineWidth(double width) override { m_lineWidth = width; }
    void setStrokeColor(const Color& color) override { m_stroke = color.toQColor(); }
    void setFillColor(double r, double g, double b, double a) override;
    void fillRect(double x, double y, double w, double h) override;
    void selectFont(const QString& name, double size) override;
    void setTextMatrixFlipped() override { m_upright = true; }
    void showTextAtPoint(double x, double y, const QString& text) override;

private:
    QPen strokePen() const;
    void strokeSegment(const QPointF& from, const QPointF& to);

    QPainter& m_painter;
    QPainterPath m_path;
    double m_lineWidth = 1;
    QColor m_stroke = Qt::black;
    QColor m_fill = Qt::black;
    QFont m_font;
    bool m_upright = false;
};

} // namespace ui
