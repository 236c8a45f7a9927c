#include "app/ScreenExportTargets.h"

#include "ui/Canvas.h"
#include "ui/ChartView.h"
#include "ui/RowSource.h"
#include "ui/RowTable.h"

#include <gtest/gtest.h>

using app::shownChart;
using app::shownTable;

namespace {

class BlankChart final : public ui::ChartView {
protected:
    void drawChart(ui::Canvas& /*canvas*/) override {}
};

class TitledRows final : public ui::RowSource {
public:
    explicit TitledRows(QStringList titles)
        : m_titles(std::move(titles)) {}
    int rowCount() const override { return 1; }
    int rowHeight(int /*row*/) const override { return 30; }
    void paintRow(QPainter& /*painter*/, const QRect& /*rect*/, int /*row*/, bool /*selected*/) const override {}
    QStringList columnTitles() const override { return m_titles; }

private:
    QStringList m_titles;
};

/// A chart screen (the root is the chart) with a table at the bottom.
struct ChartScreen {
    ChartScreen() {
        table->setGeometry(0, 200, 480, 100);
        table->setSource(&rows);
    }
    TitledRows rows{{QStringLiteral("Mã")}};
    BlankChart chart;
    ui::RowTable* table = new ui::RowTable(&chart);
};

} // namespace

TEST(ScreenExportTargetsTest, TheRootChartAndAShownTitledTableAreFound) {
    ChartScreen screen;
    EXPECT_EQ(shownChart(&screen.chart), &screen.chart);
    EXPECT_EQ(shownTable(&screen.chart), screen.table);
    screen.table->hide();
    EXPECT_EQ(shownTable(&screen.chart), nullptr);
    EXPECT_EQ(shownTable(nullptr), nullptr);
}

TEST(ScreenExportTargetsTest, RowsWithoutColumnTitlesAreNotATable) {
    ChartScreen screen;
    TitledRows untitled{{}};
    screen.table->setSource(&untitled);
    EXPECT_EQ(shownTable(&screen.chart), nullptr);
    screen.table->setSource(nullptr);
    EXPECT_EQ(shownTable(&screen.chart), nullptr);
}

// A tab laid over a chart screen hides the chart and its table; the tab's own table is the one
// the user sees.
TEST(ScreenExportTargetsTest, APageLaidOverTheWholeScreenHidesWhatIsUnderIt) {
    ChartScreen screen;
    auto* tab = new QWidget(&screen.chart);
    tab->setGeometry(0, 0, 480, 320);
    auto* tabTable = new ui::RowTable(tab);
    tabTable->setGeometry(0, 50, 480, 200);
    tabTable->setSource(&screen.rows);
    EXPECT_EQ(shownChart(&screen.chart), nullptr);
    EXPECT_EQ(shownTable(&screen.chart), tabTable);

    tab->hide();
    EXPECT_EQ(shownChart(&screen.chart), &screen.chart);
    EXPECT_EQ(shownTable(&screen.chart), screen.table);

    // A chart on the tab is found instead of the covered one.
    tab->show();
    auto* tabChart = new BlankChart;
    tabChart->setParent(tab);
    tabChart->setGeometry(0, 30, 480, 200);
    EXPECT_EQ(shownChart(&screen.chart), tabChart);
}

TEST(ScreenExportTargetsTest, OfTwoTablesTheOneOnTopIsTaken) {
    ChartScreen screen;
    auto* upper = new ui::RowTable(&screen.chart);
    upper->setGeometry(0, 40, 480, 100);
    upper->setSource(&screen.rows);
    EXPECT_EQ(shownTable(&screen.chart), upper);
    screen.table->raise();
    EXPECT_EQ(shownTable(&screen.chart), screen.table);
}

TEST(ScreenExportTargetsTest, FileNamesTakeTheClassInHyphenatedWords) {
    EXPECT_EQ(app::fileStemOfClass(QStringLiteral("company::CompanyInfoViewController")),
              QStringLiteral("company-info"));
    EXPECT_EQ(app::fileStemOfClass(QStringLiteral("company::CompanyRealTimeViewcontroller")),
              QStringLiteral("company-real-time"));
    EXPECT_EQ(app::fileStemOfClass(QStringLiteral("portfolio::PortfolioScreen3ViewController")),
              QStringLiteral("portfolio-screen3"));
    EXPECT_EQ(app::fileStemOfClass(QStringLiteral("world::ACBGoldViewController")), QStringLiteral("acb-gold"));
    EXPECT_EQ(app::fileStemOfClass(QStringLiteral("news::HeadNewsViewController")), QStringLiteral("head-news"));
    EXPECT_EQ(app::fileStemOfClass(QStringLiteral("ViewController")), QStringLiteral("man-hinh"));
}
