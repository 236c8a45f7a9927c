#pragma once

#include "ui/Color.h"

#include <array>
#include <cmath>

namespace testsupport {

/// How a colour looks to a viewer without working red (protanopia) or green (deuteranopia)
/// cones, by the matrices of Machado, Oliveira and Fernandes (2009) at severity 1, applied in
/// linear RGB; and the measures to compare colours: CIE76 ΔE in CIELAB (D65) and the WCAG
/// contrast ratio.
enum class Vision { Normal, Protanopia, Deuteranopia };

using Linear = std::array<double, 3>;
using Matrix = std::array<std::array<double, 3>, 3>;

inline double toLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline Matrix visionMatrix(Vision vision) {
    switch (vision) {
    case Vision::Protanopia:
        return {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
    case Vision::Deuteranopia:
        return {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
    case Vision::Normal:
        break;
    }
    return {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
}

/// The colour as seen, in linear RGB clamped to the display's range.
inline Linear seenAs(const ui::Color& color, Vision vision) {
    const Linear linear{toLinear(color.r), toLinear(color.g), toLinear(color.b)};
    const Matrix m = visionMatrix(vision);
    Linear seen{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double value = m[i][0] * linear[0] + m[i][1] * linear[1] + m[i][2] * linear[2];
        seen[i] = std::fmin(1.0, std::fmax(0.0, value));
    }
    return seen;
}

inline double luminance(const Linear& c) {
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
}

inline std::array<double, 3> toLab(const Linear& c) {
    const double x = (0.4124564 * c[0] + 0.3575761 * c[1] + 0.1804375 * c[2]) / 0.95047;
    const double y = 0.2126729 * c[0] + 0.7151522 * c[1] + 0.0721750 * c[2];
    const double z = (0.0193339 * c[0] + 0.1191920 * c[1] + 0.9503041 * c[2]) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

/// CIE76 colour difference of two colours as the viewer sees them.
inline double deltaE(const ui::Color& a, const ui::Color& b, Vision vision) {
    const auto la = toLab(seenAs(a, vision));
    const auto lb = toLab(seenAs(b, vision));
    return std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
}

/// WCAG contrast ratio of a colour against a ground, as the viewer sees both.
inline double contrast(const ui::Color& color, const ui::Color& ground, Vision vision) {
    const double a = luminance(seenAs(color, vision)) + 0.05;
    const double b = luminance(seenAs(ground, vision)) + 0.05;
    return std::fmax(a, b) / std::fmin(a, b);
}

} // namespace testsupport
