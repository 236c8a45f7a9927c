#pragma once

#include "ui/RecordingCanvas.h"
#include "ui/TrendColors.h"

namespace testsupport {

/// Whether a colour is one of the usual rise and fall colours: bright or deep green, red.
inline bool isUsualTrendColour(const ui::Color& color) {
    return color == ui::TrendColors::usualRise(ui::Shade::Bright) ||
           color == ui::TrendColors::usualRise(ui::Shade::Deep) || color == ui::TrendColors::usualFall();
}

/// Whether a colour is one of the colour-blind-safe palette's.
inline bool isSafeTrendColour(const ui::Color& color) {
    return color == ui::TrendColors::safeRise(ui::Shade::Bright) ||
           color == ui::TrendColors::safeRise(ui::Shade::Deep) || color == ui::TrendColors::safeFall();
}

/// The strokes and fills of a recording whose colour passes `test`.
template <typename Test> int marksColoured(const ui::RecordingCanvas& canvas, Test test) {
    int count = 0;
    for (const ui::RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        count += test(stroke.color) ? 1 : 0;
    }
    for (const ui::RecordingCanvas::Fill& fill : canvas.fills()) {
        count += test(fill.color) ? 1 : 0;
    }
    return count;
}

inline int usualTrendMarks(const ui::RecordingCanvas& canvas) {
    return marksColoured(canvas, isUsualTrendColour);
}

inline int safeTrendMarks(const ui::RecordingCanvas& canvas) {
    return marksColoured(canvas, isSafeTrendColour);
}

} // namespace testsupport
