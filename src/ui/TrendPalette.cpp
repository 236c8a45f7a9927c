#include "ui/TrendPalette.h"

#include <QWidget>

namespace ui {

namespace {

// The object that carries a target's link to the palette; it dies with its target.
const QString kFollowerName = QStringLiteral("trendPaletteFollower");

} // namespace

TrendPalette::TrendPalette(QObject* parent)
    : QObject(parent) {}

void TrendPalette::setColourSafe(bool on) {
    setColors(TrendColors(on, m_colors.boardColours()));
}

void TrendPalette::setBoardColours(bool on) {
    setColors(TrendColors(m_colors.colourSafe(), on));
}

void TrendPalette::setColors(const TrendColors& colors) {
    if (colors.colourSafe() == m_colors.colourSafe() && colors.boardColours() == m_colors.boardColours()) {
        return;
    }
    m_colors = colors;
    Q_EMIT changed();
}

TrendColors colorsOf(const TrendPalette* palette) {
    return palette ? palette->colors() : TrendColors();
}

void followPalette(QObject* target, const TrendPalette& palette, const std::function<void(const TrendColors&)>& apply) {
    stopFollowingPalette(target);
    auto* follower = new QObject(target);
    follower->setObjectName(kFollowerName);
    QObject::connect(&palette, &TrendPalette::changed, follower, [&palette, apply] { apply(palette.colors()); });
    apply(palette.colors());
}

void stopFollowingPalette(QObject* target) {
    delete target->findChild<QObject*>(kFollowerName, Qt::FindDirectChildrenOnly);
}

void repaintOnChange(const TrendPalette& palette, QWidget* widget) {
    QObject::connect(&palette, &TrendPalette::changed, widget, qOverload<>(&QWidget::update));
}

} // namespace ui
