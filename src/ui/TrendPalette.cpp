#include "ui/TrendPalette.h"

#include <QWidget>

namespace ui {

namespace {

// The object that carries a target's link to the palette; it dies with its target. A label
// recoloured at every refresh keeps the one follower and connection: only what it applies changes.
const QString kFollowerName = QStringLiteral("trendPaletteFollower");

class PaletteFollower final : public QObject {
public:
    PaletteFollower(QObject* target, const TrendPalette& palette)
        : QObject(target)
        , m_palette(palette) {
        setObjectName(kFollowerName);
        connect(&palette, &TrendPalette::changed, this, [this] {
            if (m_apply) {
                m_apply(m_palette.colors());
            }
        });
    }

    const TrendPalette& palette() const { return m_palette; }
    void follow(std::function<void(const TrendColors&)> apply) {
        m_apply = std::move(apply);
        if (m_apply) {
            m_apply(m_palette.colors());
        }
    }

private:
    const TrendPalette& m_palette;
    std::function<void(const TrendColors&)> m_apply;
};

// Only followers are given that name, so the cast is sound.
PaletteFollower* followerOf(QObject* target) {
    return static_cast<PaletteFollower*>(target->findChild<QObject*>(kFollowerName, Qt::FindDirectChildrenOnly));
}

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
    PaletteFollower* follower = followerOf(target);
    if (follower && &follower->palette() != &palette) {
        delete follower;
        follower = nullptr;
    }
    if (!follower) {
        follower = new PaletteFollower(target, palette);
    }
    follower->follow(apply);
}

void stopFollowingPalette(QObject* target) {
    if (PaletteFollower* follower = followerOf(target)) {
        follower->follow({});
    }
}

void repaintOnChange(const TrendPalette& palette, QWidget* widget) {
    QObject::connect(&palette, &TrendPalette::changed, widget, qOverload<>(&QWidget::update));
}

} // namespace ui
