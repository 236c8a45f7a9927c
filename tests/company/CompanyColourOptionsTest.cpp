#include "CompanyListFixture.h"
#include "CompanyRealTimeFixture.h"
#include "company/CompanyListRow.h"
#include "company/CompanyListSource.h"
#include "company/CompanyResultView.h"
#include "company/CompanyResultViewController.h"
#include "company/DirectoryWarningRows.h"
#include "company/QuotePanel.h"
#include "support/TrendColourChecks.h"
#include "ui/TrendPalette.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using company::CompanyListRow;
using company::QuotePanel;
using testsupport::safeTrendMarks;
using testsupport::usualTrendMarks;
using ui::RecordingCanvas;
using ui::Shade;
using ui::TrendColors;

namespace {

const QColor kWhite(Qt::white);
const QColor kCeiling(0xE0, 0x40, 0xFB);
const QColor kFloor(0x00, 0xE5, 0xFF);
const QColor kReference(0xFF, 0xD6, 0x00);

const TrendColors kUsual;
const TrendColors kBoard(false, true);
const TrendColors kBoardSafe(true, true);

/// A list row at this price, change and percent, with the limits 25 / 26.7 / 23.3.
CompanyListRow rowAt(const char* price, const char* change, const char* percent) {
    CompanyListRow row =
        CompanyListRow::fromText(QStringLiteral("AAA,17,9000,%1,%2,%3,1000,95")
                                     .arg(QLatin1String(price), QLatin1String(change), QLatin1String(percent)));
    row.limits = ui::PriceLimits{25, 26.7, 23.3};
    return row;
}

bool sameColours(const CompanyListRow::Colours& colours, const QColor& price, const QColor& change,
                 const QColor& percent) {
    return colours.price.name() == price.name() && colours.change.name() == change.name() &&
           colours.percent.name() == percent.name();
}

bool allIn(const CompanyListRow::Colours& colours, const QColor& colour) {
    return sameColours(colours, colour, colour, colour);
}

// code, company id, exchange id, day, change, percent, company id, price, volume, reference,
// open, close, best bid, best ask, ceiling, floor, buy residue, sell residue
QStringList detailAt(const QString& price, const QString& change, const QString& ceiling = QStringLiteral("26.8")) {
    return {QStringLiteral("ACB"),
            QStringLiteral("7"),
            QStringLiteral("2"),
            QStringLiteral("15000"),
            change,
            QStringLiteral("1"),
            QStringLiteral("7"),
            price,
            QStringLiteral("1000"),
            QStringLiteral("25.1"),
            QStringLiteral("25.2"),
            QStringLiteral("25.4"),
            QStringLiteral("1500"),
            QStringLiteral("2500"),
            ceiling,
            QStringLiteral("23.4"),
            QStringLiteral("3000"),
            QStringLiteral("4000")};
}

} // namespace

// ---- list rows ----------------------------------------------------------------------------------

TEST(BoardColoursTest, ARowAtItsCeilingFloorOrReferenceTakesTheBoardColourInEveryFigure) {
    EXPECT_TRUE(allIn(rowAt("26.7", "1.7", "6.8").coloursIn(kBoard), kCeiling));
    EXPECT_TRUE(allIn(rowAt("23.3", "-1.7", "-6.8").coloursIn(kBoard), kFloor));
    EXPECT_TRUE(allIn(rowAt("25", "0", "0").coloursIn(kBoard), kReference));
    EXPECT_TRUE(allIn(rowAt("26.6", "1.6", "6.4").coloursIn(kBoard), QColor(Qt::green))) << "just below the ceiling";
    EXPECT_TRUE(allIn(rowAt("25.1", "0.1", "0.4").coloursIn(kBoard), QColor(Qt::green))) << "just above";
    EXPECT_TRUE(allIn(rowAt("24.9", "-0.1", "-0.4").coloursIn(kBoard), QColor(Qt::red))) << "just below";
    EXPECT_TRUE(allIn(rowAt("23.4", "-1.6", "-6.4").coloursIn(kBoard), QColor(Qt::red))) << "just above the floor";
}

TEST(BoardColoursTest, WithTheOptionOffOrNoLimitsARowKeepsTodaysRule) {
    // At the ceiling, but the price stays white and the change and percent go by their signs.
    EXPECT_TRUE(sameColours(rowAt("26.7", "1.7", "-0.01").coloursIn(kUsual), kWhite, Qt::green, Qt::red));
    EXPECT_TRUE(sameColours(rowAt("25", "0", "0").coloursIn(kUsual), kWhite, Qt::green, Qt::green));
    CompanyListRow unlimited = rowAt("26.7", "1.7", "6.8");
    unlimited.limits.reset();
    EXPECT_TRUE(sameColours(unlimited.coloursIn(kBoard), kWhite, Qt::green, Qt::green));
    const CompanyListRow unquoted = CompanyListRow::fromText(QStringLiteral("AAA,17,,,,,,"));
    EXPECT_TRUE(allIn(unquoted.coloursIn(kBoardSafe), kWhite));
}

TEST(BoardColoursTest, WithTheColourSafeOptionRisesAndFallsAreBlueAndOrangeButTheMarksStay) {
    EXPECT_TRUE(allIn(rowAt("26.7", "1.7", "6.8").coloursIn(kBoardSafe), kCeiling));
    EXPECT_TRUE(allIn(rowAt("25", "0", "0").coloursIn(kBoardSafe), kReference));
    EXPECT_TRUE(allIn(rowAt("25.5", "0.5", "2").coloursIn(kBoardSafe), kBoardSafe.qRise()));
    EXPECT_TRUE(allIn(rowAt("24.5", "-0.5", "-2").coloursIn(kBoardSafe), kBoardSafe.qFall()));
    const TrendColors safe(true, false);
    EXPECT_TRUE(sameColours(rowAt("26.7", "1.7", "-1").coloursIn(safe), kWhite, safe.qRise(), safe.qFall()));
}

// ---- the company list screen --------------------------------------------------------------------

using CompanyListColoursTest = testsupport::CompanyListTest;

// The fixture's quotes have the reference 20, the ceiling 21.4 and the floor 18.6.
TEST_F(CompanyListColoursTest, TheListReadsTheLimitsFromTheStoreAndPaintsInTheBoardColours) {
    addCompany(kHoSE, QStringLiteral("2"), QStringLiteral("VNM"));
    addCompany(kHoSE, QStringLiteral("3"), QStringLiteral("ACB"));
    storeQuote(kHoSE, kToday, "2", "21.4", "1.4", "7");
    storeQuote(kHoSE, kToday, "3", "18.6", "-1.4", "-7");
    open(kHoSE, kToday, false);
    const company::CompanyListSource& source = list().source();
    ASSERT_EQ(source.rowCount(), 2);
    ASSERT_TRUE(source.rows()[0].limits.has_value());
    EXPECT_DOUBLE_EQ(source.rows()[0].limits->reference, 20);
    EXPECT_DOUBLE_EQ(source.rows()[0].limits->ceiling, 21.4);
    EXPECT_DOUBLE_EQ(source.rows()[0].limits->floor, 18.6);

    QImage image(480, company::CompanyListSource::kRowHeight, QImage::Format_RGB32);
    const auto paintFirstRow = [&] {
        image.fill(Qt::black);
        QPainter painter(&image);
        source.paintRow(painter, image.rect(), 0, false);
    };
    const auto holds = [&image](const QColor& colour) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    paintFirstRow();
    EXPECT_FALSE(holds(kFloor)) << "ACB (at the floor) is first, painted as usual";
    app().setBoardColours(true);
    paintFirstRow();
    EXPECT_TRUE(holds(kFloor)) << "the option shows at the next paint, without reading again";
}

// ---- the quote panel ----------------------------------------------------------------------------

TEST(QuotePanelColoursTest, TheBoardColoursThePriceAndChangeByTheLimits) {
    ui::TrendPalette palette;
    palette.setBoardColours(true);
    QuotePanel panel;
    panel.setTrendPalette(&palette);
    const auto shown = [&panel](const QString& price, const QString& change) {
        panel.display(detailAt(price, change));
        EXPECT_EQ(panel.color(QuotePanel::Field::Percent), panel.color(QuotePanel::Field::StockPoint));
        return panel.color(QuotePanel::Field::StockPoint).name();
    };
    EXPECT_EQ(shown(QStringLiteral("26.8"), QStringLiteral("1.7")), kCeiling.name());
    EXPECT_EQ(shown(QStringLiteral("23.4"), QStringLiteral("-1.7")), kFloor.name());
    EXPECT_EQ(shown(QStringLiteral("25.1"), QStringLiteral("0")), kReference.name());
    EXPECT_EQ(shown(QStringLiteral("25.2"), QStringLiteral("0.1")), QuotePanel::riseColor().name());
    EXPECT_EQ(shown(QStringLiteral("25.0"), QStringLiteral("-0.1")), QuotePanel::fallColor().name());
    // A quote without a ceiling keeps the usual rule.
    panel.display(detailAt(QStringLiteral("26.8"), QStringLiteral("1.7"), QStringLiteral("0")));
    EXPECT_EQ(panel.color(QuotePanel::Field::StockPoint), QuotePanel::riseColor());
}

TEST(QuotePanelColoursTest, TheShownQuoteIsRecolouredWhenThePaletteChanges) {
    ui::TrendPalette palette;
    QuotePanel panel;
    panel.setTrendPalette(&palette);
    panel.display(detailAt(QStringLiteral("26.8"), QStringLiteral("1.7")));
    EXPECT_EQ(panel.color(QuotePanel::Field::StockPoint), QuotePanel::riseColor()) << "off: today's rule";
    palette.setColourSafe(true);
    EXPECT_EQ(panel.color(QuotePanel::Field::StockPoint), TrendColors(true, false).qRise(Shade::Deep));
    palette.setBoardColours(true);
    EXPECT_EQ(panel.color(QuotePanel::Field::Percent).name(), kCeiling.name());
    palette.setBoardColours(false);
    palette.setColourSafe(false);
    EXPECT_EQ(panel.color(QuotePanel::Field::Percent), QuotePanel::riseColor());
}

// ---- charts -------------------------------------------------------------------------------------

using CompanyRealTimeColoursTest = CompanyRealTimeTest;

TEST_F(CompanyRealTimeColoursTest, TheColourSafeIntradayChartDrawsNoRedOrGreen) {
    storeQuote(QStringLiteral("20"));
    // Above, below, back above the reference: every kind of segment and bar.
    storePoint(40, 21, 100);
    storePoint(44, 19, 200);
    storePoint(48, 21.5, 150);
    storePoint(52, 22, 300);
    m_screen->displayInfo();
    RecordingCanvas usual;
    m_screen->chartView()->render(usual);
    ASSERT_GT(usualTrendMarks(usual), 0);

    app().setColourSafe(true);
    RecordingCanvas canvas;
    m_screen->chartView()->render(canvas);
    EXPECT_EQ(usualTrendMarks(canvas), 0);
    EXPECT_GT(safeTrendMarks(canvas), 6);
    // The quote (no change) was shown before the option changed, and follows it.
    EXPECT_EQ(m_screen->quotePanel()->color(QuotePanel::Field::StockPoint),
              TrendColors(true, false).qRise(Shade::Deep));
}

class CompanyResultColoursTest : public testsupport::ShellTest {
protected:
    static constexpr int kToday = 9000;

    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        app().setCurrentDay(kToday);
        app().db()->updateCompanyList(QStringLiteral("2"), QString::number(kToday), QStringLiteral("7"),
                                      QStringLiteral("AAA"), QStringLiteral("Công ty A"));
    }

    void storeQuote(int day, const QString& price, const QString& volume) {
        app().db()->updateCompanyLastData(QStringLiteral("2"), QString::number(day), QStringLiteral("150"),
                                          QStringLiteral("0.5"), QStringLiteral("2"), QStringLiteral("7"), price,
                                          volume, QStringLiteral("25"), QStringLiteral("25.1"), QStringLiteral("25.5"),
                                          QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("26.7"),
                                          QStringLiteral("23.3"), QStringLiteral("5"), QStringLiteral("6"));
    }

    sim::ScriptedServer m_server;
};

TEST_F(CompanyResultColoursTest, TheColourSafeResultsChartDrawsNoRedOrGreen) {
    storeQuote(kToday - 2, QStringLiteral("25"), QStringLiteral("100"));
    storeQuote(kToday - 1, QStringLiteral("25.5"), QStringLiteral("80"));
    storeQuote(kToday, QStringLiteral("26"), QStringLiteral("120"));
    auto& tab = *app().cachedScreen<company::CompanyResultViewController>();
    tab.setCode(QStringLiteral("AAA"));
    tab.setDayView(kToday);
    tab.startLoad();
    RecordingCanvas usual;
    tab.chartView()->render(usual);
    ASSERT_GT(usualTrendMarks(usual), 0);

    app().setColourSafe(true);
    RecordingCanvas canvas;
    tab.chartView()->render(canvas);
    EXPECT_EQ(usualTrendMarks(canvas), 0);
    EXPECT_GT(safeTrendMarks(canvas), 3);
}

// ---- price warnings -----------------------------------------------------------------------------

TEST(WarningRowColoursTest, ThresholdColoursComeFromThePalette) {
    using company::DirectoryWarningRows;
    using company::WarningLevel;
    const TrendColors safe(true, false);
    EXPECT_EQ(DirectoryWarningRows::priceColor(WarningLevel::Above, safe), safe.qRise(Shade::Deep));
    EXPECT_EQ(DirectoryWarningRows::priceColor(WarningLevel::Below, safe), safe.qFall(Shade::Deep));
    EXPECT_EQ(DirectoryWarningRows::priceColor(WarningLevel::None, safe), kWhite);
    company::DirectoryWarningRow falling;
    falling.percentFalls = true;
    EXPECT_EQ(DirectoryWarningRows::percentColor(falling, safe), safe.qFall(Shade::Deep));
    EXPECT_EQ(DirectoryWarningRows::percentColor(falling), QColor(Qt::red)) << "the usual colours by default";
}
