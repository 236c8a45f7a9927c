#include "ui/TrendPalette.h"

#include "support/ColourVision.h"

#include <QColor>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

using testsupport::contrast;
using testsupport::deltaE;
using testsupport::Vision;
using ui::Color;
using ui::PriceLimits;
using ui::PriceMark;
using ui::Shade;
using ui::TrendColors;
using ui::TrendPalette;

namespace {

// Rise and fall must differ by far more than a just-noticeable difference (about 2.3): 40 is
// the gap between clearly different hues of one lightness.
constexpr double kDistinctDeltaE = 40;
constexpr double kReadableContrast = 4.5;
const Color kBlack{0, 0, 0};
// The screens' dark ground at its top, where the labels sit.
const Color kScreenGround{16.0 / 255, 24.0 / 255, 38.0 / 255};

const PriceLimits kLimits{25.0, 26.7, 23.3};

} // namespace

// ---- the colours --------------------------------------------------------------------------------

TEST(TrendColorsTest, WithBothOptionsOffTheColoursAreTheUsualOnes) {
    const TrendColors usual;
    EXPECT_EQ(usual.rise(), (Color{0, 1, 0}));
    EXPECT_EQ(usual.rise(Shade::Deep), (Color{0.13, 0.55, 0.13}));
    EXPECT_EQ(usual.fall(), (Color{1, 0, 0}));
    EXPECT_EQ(usual.fall(Shade::Deep), (Color{1, 0, 0}));
    EXPECT_EQ(usual.qRise(Shade::Deep), QColor::fromRgbF(0.13F, 0.55F, 0.13F));
    EXPECT_EQ(usual.qFall(), QColor(Qt::red));
    EXPECT_EQ(usual.qRise(), QColor(Qt::green));
    EXPECT_EQ(usual.bySign(0), usual.rise()) << "no change is a rise";
    EXPECT_EQ(usual.bySign(-0.01), usual.fall());
}

TEST(TrendColorsTest, TheColourSafePaletteIsBlueForRisesAndOrangeForFalls) {
    const TrendColors safe(true, false);
    EXPECT_EQ(safe.qRise().name(), QStringLiteral("#56b4e9"));
    EXPECT_EQ(safe.qRise(Shade::Deep).name(), QStringLiteral("#3a9ad9"));
    EXPECT_EQ(safe.qFall().name(), QStringLiteral("#e69f00"));
    EXPECT_EQ(safe.qFall(Shade::Deep).name(), QStringLiteral("#e69f00"));
}

// ---- the board ----------------------------------------------------------------------------------

TEST(PriceMarkTest, APriceAtItsLimitsTakesTheirMarksAndOtherwiseRisesOrFalls) {
    EXPECT_EQ(ui::priceMarkOf(26.7, kLimits), PriceMark::Ceiling);
    EXPECT_EQ(ui::priceMarkOf(23.3, kLimits), PriceMark::Floor);
    EXPECT_EQ(ui::priceMarkOf(25.0, kLimits), PriceMark::Reference);
    EXPECT_EQ(ui::priceMarkOf(26.69, kLimits), PriceMark::Rise);
    EXPECT_EQ(ui::priceMarkOf(25.01, kLimits), PriceMark::Rise);
    EXPECT_EQ(ui::priceMarkOf(24.99, kLimits), PriceMark::Fall);
    EXPECT_EQ(ui::priceMarkOf(23.31, kLimits), PriceMark::Fall);
}

TEST(PriceMarkTest, PricesAreComparedInHundredthsNotAsBinaryFractions) {
    // 0.1 + 0.2 is not 0.3 in binary; a price computed or read back that way still counts.
    EXPECT_EQ(ui::priceMarkOf(26.6 + 0.1, kLimits), PriceMark::Ceiling);
    EXPECT_EQ(ui::priceMarkOf(0.1 + 0.2, PriceLimits{0.3, 0.33, 0.27}), PriceMark::Reference);
    EXPECT_EQ(ui::priceMarkOf(23.299999999, kLimits), PriceMark::Floor);
    EXPECT_EQ(ui::priceMarkOf(25.004, kLimits), PriceMark::Reference);
}

TEST(TrendColorsTest, BoardMarksKeepTheirColoursAndRisesAndFallsFollowThePalette) {
    const TrendColors board(false, true);
    const TrendColors both(true, true);
    for (const TrendColors& colors : {board, both}) {
        EXPECT_EQ(colors.ofMark(PriceMark::Ceiling).toQColor().name(), QStringLiteral("#e040fb"));
        EXPECT_EQ(colors.ofMark(PriceMark::Floor).toQColor().name(), QStringLiteral("#00e5ff"));
        EXPECT_EQ(colors.ofMark(PriceMark::Reference).toQColor().name(), QStringLiteral("#ffd600"));
    }
    EXPECT_EQ(board.ofMark(PriceMark::Rise), (Color{0, 1, 0}));
    EXPECT_EQ(board.ofMark(PriceMark::Fall), (Color{1, 0, 0}));
    EXPECT_EQ(both.ofMark(PriceMark::Rise), TrendColors::safeRise(Shade::Bright));
    EXPECT_EQ(both.ofMark(PriceMark::Fall, Shade::Deep), TrendColors::safeFall());
}

// ---- colour vision --------------------------------------------------------------------------------

TEST(ColourVisionTest, TheSafePaletteStaysDistinctAndReadableWithoutRedOrGreenCones) {
    const TrendColors safe(true, false);
    for (const Vision vision : {Vision::Normal, Vision::Deuteranopia, Vision::Protanopia}) {
        for (const Shade shade : {Shade::Bright, Shade::Deep}) {
            const Color rise = safe.rise(shade);
            const Color fall = safe.fall(shade);
            EXPECT_GT(deltaE(rise, fall, vision), kDistinctDeltaE) << int(vision) << " shade " << int(shade);
            for (const Color& ground : {kBlack, kScreenGround}) {
                EXPECT_GE(contrast(rise, ground, vision), kReadableContrast) << int(vision) << " " << int(shade);
                EXPECT_GE(contrast(fall, ground, vision), kReadableContrast) << int(vision) << " " << int(shade);
            }
        }
    }
}

// The same measures reject the usual colours, so they do measure what a colour-blind user sees.
TEST(ColourVisionTest, TheUsualRedAndGreenFailTheSameChecks) {
    const TrendColors usual;
    EXPECT_GT(deltaE(usual.rise(), usual.fall(), Vision::Normal), kDistinctDeltaE);
    EXPECT_LT(deltaE(usual.rise(), usual.fall(), Vision::Deuteranopia), kDistinctDeltaE);
    EXPECT_LT(deltaE(usual.rise(Shade::Deep), usual.fall(), Vision::Deuteranopia), kDistinctDeltaE);
    EXPECT_LT(deltaE(usual.rise(Shade::Deep), usual.fall(), Vision::Protanopia), kDistinctDeltaE);
    EXPECT_LT(contrast(usual.fall(), kBlack, Vision::Protanopia), kReadableContrast);
    EXPECT_LT(contrast(usual.rise(Shade::Deep), kScreenGround, Vision::Normal), kReadableContrast);
}

TEST(ColourVisionTest, TheSimulationMatchesKnownValues) {
    // Pure red seen without red cones is a dark olive: about 11% of its luminance.
    EXPECT_NEAR(testsupport::luminance(testsupport::seenAs(Color{1, 0, 0}, Vision::Protanopia)), 0.114, 0.001);
    // Grey stays grey: each matrix row sums to 1.
    const auto grey = testsupport::seenAs(Color{0.5, 0.5, 0.5}, Vision::Deuteranopia);
    EXPECT_NEAR(grey[0], grey[1], 1e-4);
    EXPECT_NEAR(grey[1], grey[2], 1e-4);
    EXPECT_NEAR(deltaE(Color{1, 1, 1}, Color{0, 0, 0}, Vision::Normal), 100, 0.01);
}

// ---- the palette object ---------------------------------------------------------------------------

TEST(TrendPaletteTest, ChangingAnOptionAnnouncesItOnce) {
    TrendPalette palette;
    QSignalSpy changed(&palette, &TrendPalette::changed);
    palette.setColourSafe(true);
    palette.setColourSafe(true);
    palette.setBoardColours(true);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(palette.colors().colourSafe());
    EXPECT_TRUE(palette.colors().boardColours());
    palette.setColourSafe(false);
    EXPECT_FALSE(palette.colourSafe());
    EXPECT_TRUE(palette.boardColours()) << "the other option stays";
    EXPECT_EQ(ui::colorsOf(nullptr).rise(), (Color{0, 1, 0}));
}

TEST(TrendPaletteTest, AFollowerIsRecolouredAtEachChangeAndTheLastFollowWins) {
    TrendPalette palette;
    QLabel label;
    int applied = 0;
    Color last;
    const auto follow = [&](ui::Trend trend) {
        ui::followPalette(&label, palette, [&, trend](const TrendColors& colors) {
            ++applied;
            last = colors.of(trend);
        });
    };
    follow(ui::Trend::Rise);
    follow(ui::Trend::Fall);
    EXPECT_EQ(applied, 2) << "each follow colours at once";
    palette.setColourSafe(true);
    EXPECT_EQ(applied, 3) << "one link to the palette, not two";
    EXPECT_EQ(last, TrendColors::safeFall());
    ui::stopFollowingPalette(&label);
    palette.setColourSafe(false);
    EXPECT_EQ(applied, 3);
}
