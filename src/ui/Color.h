#pragma once

class QColor;

namespace ui {

/// A stroke or fill colour with components from 0 to 1, and the named colours the charts use.
struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;

    static Color white() { return {1, 1, 1}; }
    static Color green() { return {0, 1, 0}; }
    static Color red() { return {1, 0, 0}; }
    static Color lightGray() { return {2.0 / 3, 2.0 / 3, 2.0 / 3}; }
    static Color darkGray() { return {1.0 / 3, 1.0 / 3, 1.0 / 3}; }
    static Color gray() { return {0.5, 0.5, 0.5}; }
    static Color yellow() { return {1, 1, 0}; }
    static Color blue() { return {0, 0, 1}; }
    static Color black() { return {0, 0, 0}; }

    bool operator==(const Color&) const = default;

    QColor toQColor() const;
};

} // namespace ui
