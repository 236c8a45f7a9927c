#pragma once

#include "ui/TrendColors.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

namespace ui {

class Canvas;

/// One data point a chart offers to its crosshair, in the view's coordinates.
struct CrosshairPoint {
    double x = 0;
    /// The minute or the day the point stands for; its panel writes it only for the point shown.
    int moment = 0;
    double value = 0;
    /// What the change is measured against; zero (none known) shows no change. Panels that
    /// measure against the previous point fill it in themselves.
    double reference = 0;
    /// The point's volume, on charts with volume bars.
    std::optional<double> volume;
};

/// How a panel writes its numbers: the screens' own formats, given by the chart.
using NumberFormat = QString (*)(double);
/// How a panel writes a point's minute or day ("09:15", "08/12/26").
using MomentFormat = QString (*)(int);

/// Two fraction digits, as the index and price labels of the charts ("502.50").
QString twoDecimalText(double value);

/// A panel of a chart the crosshair serves: the line spans its height and the box stays inside it.
struct CrosshairPanel {
    enum class Reference { Given, PreviousPoint };

    QRectF area;
    MomentFormat momentFormat = nullptr;
    NumberFormat valueFormat = nullptr;
    NumberFormat volumeFormat = nullptr;
    Reference reference = Reference::Given;
};

/// Index of the point nearest to x in points sorted by x (the earlier one on a tie); the first
/// or the last point outside their span; -1 without points.
qsizetype nearestPointIndex(const QList<CrosshairPoint>& points, double x);

/// The box's lines: the minute or day, the value, the change against the reference with its percent
/// ("+1.25 (+0.34%)"), and the volume ("KL: …") when the point has one.
QStringList crosshairLines(const CrosshairPanel& panel, const CrosshairPoint& point);

/// The box right of the line, or left of it where the right side has no room, always inside
/// the area (as far as the area is large enough).
QRectF crosshairBoxRect(const QRectF& area, double lineX, QSizeF boxSize);

/// The vertical line and value box shown where the pointer hovers over a chart. The chart's
/// drawing pass gives the points; the hover position chooses the panel (by its area) and the
/// point nearest by x, never one beyond the data.
class Crosshair final {
public:
    struct Target {
        int panel = 0;
        qsizetype index = 0;
    };

    void setPanels(const QList<CrosshairPanel>& panels);
    const QList<CrosshairPanel>& panels() const { return m_panels; }

    /// Forgets the points of the previous drawing pass.
    void clearPoints();
    /// A point of a panel; points may come in any order and a later one of the same x replaces
    /// the earlier one (a minute sent again). Points outside the panel's width are left out.
    void addPoint(int panel, const CrosshairPoint& point);
    /// Sorts the points of the pass and fills in the references measured against the previous point.
    void finishPoints();
    /// The points of a panel, sorted by x once the pass has finished.
    QList<CrosshairPoint> points(int panel) const;

    std::optional<Target> targetAt(QPointF hover) const;
    /// What draw() covers for this hover position (empty when it draws nothing).
    QRectF boundsAt(QPointF hover) const;
    /// Draws the line and its box, the change in the colour of its move.
    void draw(Canvas& canvas, QPointF hover, const TrendColors& colors) const;

private:
    struct Shape {
        double lineX = 0;
        QRectF line;
        QRectF box;
        QStringList lines;
        /// The line of the change, -1 without one.
        qsizetype changeLine = -1;
        double change = 0;
    };

    std::optional<Shape> shapeAt(QPointF hover) const;

    QList<CrosshairPanel> m_panels;
    QList<QList<CrosshairPoint>> m_points;
};

} // namespace ui
