#include "ui/Crosshair.h"

#include "ui/Canvas.h"
#include "ui/Color.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr double kPadding = 4;
constexpr double kGap = 4;
constexpr double kLineHeight = 12;
constexpr double kFontSize = 10;
// The baseline of the first line below the box's top: the padding and the font's ascent.
constexpr double kFirstBaseline = kPadding + 9;

constexpr Color kLineColor{0.8, 0.8, 0.8};
constexpr Color kBoxColor{0.12, 0.12, 0.12, 0.85};

QString signedText(double change, const QString& text) {
    return change > 0 ? QLatin1Char('+') + text : text;
}

QString changeText(const CrosshairPanel& panel, double change, double reference) {
    const double percent = change * 100 / reference;
    return signedText(change, panel.valueFormat(change)) + QStringLiteral(" (") +
           signedText(percent, twoDecimalText(percent)) + QStringLiteral("%)");
}

bool hasChange(const CrosshairPoint& point) {
    return point.reference != 0 && std::isfinite(point.reference) && std::isfinite(point.value);
}

// The metrics of the font the canvases draw chart text with.
double textWidth(const QString& text) {
    QFont font;
    font.setFamilies({QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(static_cast<int>(kFontSize));
    return QFontMetricsF(font).horizontalAdvance(text);
}

QSizeF measureBox(const QStringList& lines) {
    double widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, textWidth(line));
    }
    return {std::ceil(widest) + 2 * kPadding, static_cast<double>(lines.size()) * kLineHeight + kPadding};
}

} // namespace

QString twoDecimalText(double value) {
    return QString::asprintf("%.2f", value);
}

qsizetype nearestPointIndex(const QList<CrosshairPoint>& points, double x) {
    if (points.isEmpty()) {
        return -1;
    }
    const auto after = std::lower_bound(points.begin(), points.end(), x,
                                        [](const CrosshairPoint& point, double at) { return point.x < at; });
    if (after == points.begin()) {
        return 0;
    }
    if (after == points.end()) {
        return points.size() - 1;
    }
    const auto before = after - 1;
    const qsizetype index = after - points.begin();
    return x - before->x <= after->x - x ? index - 1 : index;
}

QStringList crosshairLines(const CrosshairPanel& panel, const CrosshairPoint& point) {
    QStringList lines{panel.momentFormat(point.moment), panel.valueFormat(point.value)};
    if (hasChange(point)) {
        lines.append(changeText(panel, point.value - point.reference, point.reference));
    }
    if (point.volume) {
        lines.append(QStringLiteral("KL: ") + panel.volumeFormat(*point.volume));
    }
    return lines;
}

QRectF crosshairBoxRect(const QRectF& area, double lineX, QSizeF boxSize) {
    double x = lineX + kGap;
    if (x + boxSize.width() > area.right()) {
        x = lineX - kGap - boxSize.width();
    }
    x = std::max(area.left(), std::min(x, area.right() - boxSize.width()));
    double y = area.top() + kGap;
    if (y + boxSize.height() > area.bottom()) {
        y = std::max(area.top(), area.bottom() - boxSize.height());
    }
    return {QPointF(x, y), boxSize};
}

void Crosshair::setPanels(const QList<CrosshairPanel>& panels) {
    m_panels = panels;
    m_points = QList<QList<CrosshairPoint>>(panels.size());
}

void Crosshair::clearPoints() {
    for (QList<CrosshairPoint>& points : m_points) {
        points.clear();
    }
}

// A point outside its panel's width (a day older than the chart shows) is no point to show.
void Crosshair::addPoint(int panel, const CrosshairPoint& point) {
    if (panel < 0 || panel >= m_points.size()) {
        return;
    }
    const QRectF& area = m_panels.at(panel).area;
    if (point.x >= area.left() && point.x <= area.right()) {
        m_points[panel].append(point);
    }
}

void Crosshair::finishPoints() {
    for (qsizetype p = 0; p < m_points.size(); ++p) {
        QList<CrosshairPoint>& points = m_points[p];
        std::stable_sort(points.begin(), points.end(),
                         [](const CrosshairPoint& a, const CrosshairPoint& b) { return a.x < b.x; });
        QList<CrosshairPoint> kept;
        kept.reserve(points.size());
        for (const CrosshairPoint& point : std::as_const(points)) {
            if (!kept.isEmpty() && kept.constLast().x == point.x) {
                kept.last() = point;
            } else {
                kept.append(point);
            }
        }
        if (m_panels.at(p).reference == CrosshairPanel::Reference::PreviousPoint) {
            for (qsizetype i = 0; i < kept.size(); ++i) {
                kept[i].reference = i > 0 ? kept.at(i - 1).value : 0;
            }
        }
        points = kept;
    }
}

QList<CrosshairPoint> Crosshair::points(int panel) const {
    return panel >= 0 && panel < m_points.size() ? m_points.at(panel) : QList<CrosshairPoint>{};
}

std::optional<Crosshair::Target> Crosshair::targetAt(QPointF hover) const {
    for (qsizetype p = 0; p < m_panels.size(); ++p) {
        if (!m_panels.at(p).area.contains(hover)) {
            continue;
        }
        const qsizetype index = nearestPointIndex(m_points.at(p), hover.x());
        if (index < 0) {
            return std::nullopt;
        }
        return Target{static_cast<int>(p), index};
    }
    return std::nullopt;
}

std::optional<Crosshair::Shape> Crosshair::shapeAt(QPointF hover) const {
    const std::optional<Target> target = targetAt(hover);
    if (!target) {
        return std::nullopt;
    }
    const CrosshairPanel& panel = m_panels.at(target->panel);
    const CrosshairPoint& point = m_points.at(target->panel).at(target->index);
    Shape shape;
    shape.lineX = point.x;
    shape.line = QRectF(point.x - 1, panel.area.top(), 2, panel.area.height());
    shape.lines = crosshairLines(panel, point);
    shape.box = crosshairBoxRect(panel.area, point.x, measureBox(shape.lines));
    if (hasChange(point)) {
        shape.changeLine = 2;
        shape.change = point.value - point.reference;
    }
    return shape;
}

QRectF Crosshair::boundsAt(QPointF hover) const {
    const std::optional<Shape> shape = shapeAt(hover);
    return shape ? shape->line.united(shape->box).adjusted(-1, -1, 1, 1) : QRectF();
}

// The change line takes the colour of the move, the other lines stay white.
void Crosshair::draw(Canvas& canvas, QPointF hover, const TrendColors& colors) const {
    const std::optional<Shape> shape = shapeAt(hover);
    if (!shape) {
        return;
    }
    // A whole point wide: the screen's vertical strokes are not antialiased, and a thinner one
    // would cover no pixel.
    canvas.setLineWidth(1);
    canvas.setStrokeColor(kLineColor);
    canvas.beginPath();
    canvas.moveTo(shape->lineX, shape->line.top());
    canvas.addLineTo(shape->lineX, shape->line.bottom());
    canvas.strokePath();

    canvas.setFillColor(kBoxColor.r, kBoxColor.g, kBoxColor.b, kBoxColor.a);
    canvas.fillRect(shape->box.x(), shape->box.y(), shape->box.width(), shape->box.height());
    canvas.selectFont(QStringLiteral("Helvetica"), kFontSize);
    canvas.setTextMatrixFlipped();
    for (qsizetype i = 0; i < shape->lines.size(); ++i) {
        Color color = Color::white();
        if (i == shape->changeLine && shape->change != 0) {
            color = colors.riseOrFall(shape->change > 0);
        }
        canvas.setFillColor(color.r, color.g, color.b, color.a);
        canvas.showTextAtPoint(shape->box.x() + kPadding,
                               shape->box.y() + kFirstBaseline + static_cast<double>(i) * kLineHeight,
                               shape->lines.at(i));
    }
}

} // namespace ui
