#pragma once

#include "ui/TrendColors.h"

#include <QObject>

#include <functional>

class QWidget;

namespace ui {

/// The one source of the rise and fall colours of every screen and chart, owned by the
/// application object and handed to the screens, views and row sources that colour figures.
/// Views read it as they paint; labels coloured when their data arrived follow `changed()`.
class TrendPalette final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrendPalette)

public:
    explicit TrendPalette(QObject* parent = nullptr);

    const TrendColors& colors() const { return m_colors; }
    bool colourSafe() const { return m_colors.colourSafe(); }
    bool boardColours() const { return m_colors.boardColours(); }
    void setColourSafe(bool on);
    void setBoardColours(bool on);

Q_SIGNALS:
    /// An option changed: what was coloured from the palette must be coloured again.
    void changed();

private:
    void setColors(const TrendColors& colors);

    TrendColors m_colors;
};

/// The palette's colours, or the usual ones where no palette was given (a view or row source
/// built on its own, as in a test).
TrendColors colorsOf(const TrendPalette* palette);

/// Colours `target` now through `apply`, and again each time the palette changes, for as long as
/// `target` lives. A later call for the same target replaces the earlier one, so a label coloured
/// at every refresh keeps one link to the palette; stopFollowingPalette ends it.
void followPalette(QObject* target, const TrendPalette& palette, const std::function<void(const TrendColors&)>& apply);
void stopFollowingPalette(QObject* target);

/// Repaints a widget that paints from the palette (a table of rows) whenever it changes.
void repaintOnChange(const TrendPalette& palette, QWidget* widget);

} // namespace ui
