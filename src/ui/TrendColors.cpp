#include "ui/TrendColors.h"

#include <QColor>

#include <cmath>

namespace ui {

namespace {

constexpr double kHundredths = 100;

long long inHundredths(double price) {
    return std::llround(price * kHundredths);
}

} // namespace

PriceMark priceMarkOf(double price, const PriceLimits& limits) {
    const long long shown = inHundredths(price);
    if (shown == inHundredths(limits.ceiling)) {
        return PriceMark::Ceiling;
    }
    if (shown == inHundredths(limits.floor)) {
        return PriceMark::Floor;
    }
    const long long reference = inHundredths(limits.reference);
    if (shown == reference) {
        return PriceMark::Reference;
    }
    return shown > reference ? PriceMark::Rise : PriceMark::Fall;
}

PriceMark markOfChange(double change) {
    if (change > 0) {
        return PriceMark::Rise;
    }
    return change < 0 ? PriceMark::Fall : PriceMark::Reference;
}

Color TrendColors::fromHex(unsigned rgb) {
    const auto component = [rgb](int shift) {
        return static_cast<double>((rgb >> shift) & 0xFFU) / 255.0;
    };
    return {component(16), component(8), component(0)};
}

Color TrendColors::usualRise(Shade shade) {
    return shade == Shade::Deep ? Color{0.13, 0.55, 0.13} : Color{0, 1, 0};
}

Color TrendColors::safeRise(Shade shade) {
    return shade == Shade::Deep ? fromHex(0x3A9AD9) : fromHex(0x56B4E9);
}

Color TrendColors::rise(Shade shade) const {
    return m_colourSafe ? safeRise(shade) : usualRise(shade);
}

Color TrendColors::fall(Shade /*shade*/) const {
    return m_colourSafe ? safeFall() : usualFall();
}

Color TrendColors::of(Trend trend, Shade shade) const {
    return trend == Trend::Fall ? fall(shade) : rise(shade);
}

Color TrendColors::riseOrFall(bool rising, Shade shade) const {
    return rising ? rise(shade) : fall(shade);
}

Color TrendColors::bySign(double value, Shade shade) const {
    return value < 0 ? fall(shade) : rise(shade);
}

Color TrendColors::ofMark(PriceMark mark, Shade shade) const {
    switch (mark) {
    case PriceMark::Ceiling:
        return boardCeiling();
    case PriceMark::Floor:
        return boardFloor();
    case PriceMark::Reference:
        return boardReference();
    case PriceMark::Fall:
        return fall(shade);
    case PriceMark::Rise:
        break;
    }
    return rise(shade);
}

QColor TrendColors::qRise(Shade shade) const {
    return rise(shade).toQColor();
}

QColor TrendColors::qFall(Shade shade) const {
    return fall(shade).toQColor();
}

QColor TrendColors::qOf(Trend trend, Shade shade) const {
    return of(trend, shade).toQColor();
}

QColor TrendColors::qBySign(double value, Shade shade) const {
    return bySign(value, shade).toQColor();
}

} // namespace ui
