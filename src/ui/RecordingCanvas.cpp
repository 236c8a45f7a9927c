#include "ui/RecordingCanvas.h"

#include <QFile>
#include <QSaveFile>

namespace ui {

namespace {

QString number(double value) {
    return QString::number(value, 'g', 10);
}

QString svgColor(const Color& color) {
    const auto byte = [](double v) {
        return QString::number(qBound(0, qRound(v * 255), 255));
    };
    return QStringLiteral("rgb(") + byte(color.r) + QLatin1Char(',') + byte(color.g) + QLatin1Char(',') +
           byte(color.b) + QLatin1Char(')');
}

QString svgStroke(const RecordingCanvas::Stroke& stroke) {
    QStringList points;
    for (const QPointF& p : stroke.points) {
        points << number(p.x()) + QLatin1Char(',') + number(p.y());
    }
    return QStringLiteral("<polyline points=\"") + points.join(QLatin1Char(' ')) +
           QStringLiteral("\" fill=\"none\" stroke=\"") + svgColor(stroke.color) +
           QStringLiteral("\" stroke-opacity=\"") + number(stroke.color.a) + QStringLiteral("\" stroke-width=\"") +
           number(stroke.width) + QStringLiteral("\"/>\n");
}

QString svgFill(const RecordingCanvas::Fill& fill) {
    return QStringLiteral("<rect x=\"") + number(fill.rect.x()) + QStringLiteral("\" y=\"") + number(fill.rect.y()) +
           QStringLiteral("\" width=\"") + number(fill.rect.width()) + QStringLiteral("\" height=\"") +
           number(fill.rect.height()) + QStringLiteral("\" fill=\"") + svgColor(fill.color) +
           QStringLiteral("\" fill-opacity=\"") + number(fill.color.a) + QStringLiteral("\"/>\n");
}

QString svgText(const RecordingCanvas::Text& text) {
    return QStringLiteral("<text x=\"") + number(text.at.x()) + QStringLiteral("\" y=\"") + number(text.at.y()) +
           QStringLiteral("\" font-family=\"") + text.font.toHtmlEscaped() + QStringLiteral("\" font-size=\"") +
           number(text.size) + QStringLiteral("\" fill=\"") + svgColor(text.color) +
           QStringLiteral("\" xml:space=\"preserve\">") + text.text.toHtmlEscaped() + QStringLiteral("</text>\n");
}

} // namespace

void RecordingCanvas::beginPath() {
    m_path.clear();
}

void RecordingCanvas::moveTo(double x, double y) {
    m_path.append({QPointF(x, y)});
}

// Like the phone's surface: a line needs a current point.
void RecordingCanvas::addLineTo(double x, double y) {
    if (!m_path.isEmpty()) {
        m_path.last().append(QPointF(x, y));
    }
}

// A sub-path of a single point draws nothing, so it is not recorded either.
void RecordingCanvas::strokePath() {
    for (const QList<QPointF>& subPath : std::as_const(m_path)) {
        if (subPath.size() > 1) {
            m_order.append({Kind::Stroke, m_strokes.size()});
            m_strokes.append(Stroke{subPath, m_stroke, m_lineWidth});
        }
    }
    m_path.clear();
}

void RecordingCanvas::fillRect(double x, double y, double w, double h) {
    m_order.append({Kind::Fill, m_fills.size()});
    m_fills.append(Fill{QRectF(x, y, w, h), m_fill});
}

void RecordingCanvas::selectFont(const QString& name, double size) {
    m_font = name;
    m_fontSize = size;
}

void RecordingCanvas::showTextAtPoint(double x, double y, const QString& text) {
    m_order.append({Kind::Text, m_texts.size()});
    m_texts.append(Text{QPointF(x, y), text, m_fill, m_font, m_fontSize});
}

void RecordingCanvas::clear() {
    m_path.clear();
    m_strokes.clear();
    m_fills.clear();
    m_texts.clear();
    m_order.clear();
}

QString RecordingCanvas::toSvg(int width, int height) const {
    QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                       "width=\"") +
        QString::number(width) + QStringLiteral("\" height=\"") + QString::number(height) +
        QStringLiteral("\" viewBox=\"0 0 ") + QString::number(width) + QLatin1Char(' ') + QString::number(height) +
        QStringLiteral("\">\n");
    for (const Step& step : m_order) {
        switch (step.kind) {
        case Kind::Stroke:
            svg += svgStroke(m_strokes.at(step.index));
            break;
        case Kind::Fill:
            svg += svgFill(m_fills.at(step.index));
            break;
        case Kind::Text:
            svg += svgText(m_texts.at(step.index));
            break;
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

bool RecordingCanvas::writeSvg(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(toSvg().toUtf8());
    return file.commit();
}

} // namespace ui
