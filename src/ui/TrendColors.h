#pragma once

#include "ui/Color.h"

class QColor;

namespace ui {

/// Which way a figure moved.
enum class Trend { Rise, Fall };

/// The two greens the screens use for a rise: the bright one of the charts and price lists, and
/// the deeper one of most labels. A fall is the same red in both.
enum class Shade { Bright, Deep };

/// A price's place on a Vietnamese price board, against the day's reference, ceiling and floor.
enum class PriceMark { Ceiling, Floor, Reference, Rise, Fall };

/// The day's limits of a company's price, in the store's units.
struct PriceLimits {
    double reference = 0;
    double ceiling = 0;
    double floor = 0;
};

/// Where a price stands against its limits. Prices are compared in hundredths of the store's
/// unit (ten dong, the finest price step), so a price read back as 26.099999 still sits at a
/// ceiling of 26.1.
PriceMark priceMarkOf(double price, const PriceLimits& limits);
/// The mark of a change alone: a rise above 0, a fall below, else the reference.
PriceMark markOfChange(double change);

/// The rise and fall colours of every screen and chart under the user's two colour options. A
/// default-constructed value gives the usual colours: bright green (0,1,0), deep green
/// (0.13,0.55,0.13), red (1,0,0).
class TrendColors {
public:
    TrendColors() = default;
    TrendColors(bool colourSafe, bool boardColours)
        : m_colourSafe(colourSafe)
        , m_boardColours(boardColours) {}

    /// Blue for rises and orange for falls, told apart by people who do not see red and green
    /// apart (deuteranopia, protanopia).
    bool colourSafe() const { return m_colourSafe; }
    /// Prices, changes and percents of the company lists and the quote panel in the colours of
    /// a price board (ceiling, floor, reference, rise, fall).
    bool boardColours() const { return m_boardColours; }

    Color rise(Shade shade = Shade::Bright) const;
    Color fall(Shade shade = Shade::Bright) const;
    Color of(Trend trend, Shade shade = Shade::Bright) const;
    /// The rise colour when `rising`, else the fall colour.
    Color riseOrFall(bool rising, Shade shade = Shade::Bright) const;
    /// The fall colour for a negative value, the rise colour otherwise (no change included).
    Color bySign(double value, Shade shade = Shade::Bright) const;
    /// The board colour of a price mark; rises and falls come from this palette.
    Color ofMark(PriceMark mark, Shade shade = Shade::Bright) const;

    /// The same colours as QColor, for labels and table cells.
    QColor qRise(Shade shade = Shade::Bright) const;
    QColor qFall(Shade shade = Shade::Bright) const;
    QColor qOf(Trend trend, Shade shade = Shade::Bright) const;
    QColor qBySign(double value, Shade shade = Shade::Bright) const;

    // The colours themselves, named once here.
    static Color usualRise(Shade shade);
    static Color usualFall() { return {1, 0, 0}; }
    /// Okabe–Ito sky blue (#56B4E9), and a deeper blue (#3A9AD9) where the deep green stood.
    static Color safeRise(Shade shade);
    /// Okabe–Ito orange (#E69F00).
    static Color safeFall() { return fromHex(0xE69F00); }
    /// Board magenta (#E040FB), cyan (#00E5FF) and yellow (#FFD600), all readable on black.
    static Color boardCeiling() { return fromHex(0xE040FB); }
    static Color boardFloor() { return fromHex(0x00E5FF); }
    static Color boardReference() { return fromHex(0xFFD600); }

private:
    static Color fromHex(unsigned rgb);

    bool m_colourSafe = false;
    bool m_boardColours = false;
};

} // namespace ui
