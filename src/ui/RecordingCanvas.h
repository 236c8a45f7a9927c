#pragma once

#include "ui/Canvas.h"

#include <QList>
#include <QPointF>
#include <QRectF>

namespace ui {

/// Records every stroke, fill and text in drawing order, so tests can check a chart's geometry
/// and colours, and can write what was drawn as an SVG picture.
class RecordingCanvas final : public Canvas {
public:
    /// One sub-path of a stroked path (each moveTo starts a new one).
    struct Stroke {
        QList<QPointF> points;
        Color color;
        double width = 1;
    };
    struct Fill {
        QRectF rect;
        Color color;
    };
    struct Text {
        QPointF at;
        QString text;
        Color color;
        QString font;
        double size = 0;
    };

    void beginPath() override;
    void moveTo(double x, double y) override;
    void addLineTo(double x, double y) override;
    void strokePath() override;
    void setLineWidth(double width) override { m_lineWidth = width; }
    void setStrokeColor(const Color& color) override { m_stroke = color; }
    void setFillColor(double r, double g, double b, double a) override { m_fill = Color{r, g, b, a}; }
    void fillRect(double x, double y, double w, double h) override;
    void selectFont(const QString& name, double size) override;
    void setTextMatrixFlipped() override { m_upright = true; }
    void showTextAtPoint(double x, double y, const QString& text) override;

    const QList<Stroke>& strokes() const { return m_strokes; }
    const QList<Fill>& fills() const { return m_fills; }
    const QList<Text>& texts() const { return m_texts; }
    /// Whether the last text was drawn with the flipping (upright) text matrix in force.
    bool textUpright() const { return m_upright; }
    void clear();

    QString toSvg(int width = 480, int height = 320) const;
    bool writeSvg(const QString& path) const;

private:
    enum class Kind { Stroke, Fill, Text };
    struct Step {
        Kind kind;
        qsizetype index;
    };

    QList<QList<QPointF>> m_path;
    double m_lineWidth = 1;
    Color m_stroke = Color::black();
    Color m_fill = Color::black();
    QString m_font = QStringLiteral("Helvetica");
    double m_fontSize = 10;
    bool m_upright = false;

    QList<Stroke> m_strokes;
    QList<Fill> m_fills;
    QList<Text> m_texts;
    QList<Step> m_order;
};

} // namespace ui
