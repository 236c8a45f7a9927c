#include "MarketHistoryFixture.h"
#include "MarketOverviewFixture.h"
#include "MarketResultFixture.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "shell/ScreenStyle.h"
#include "support/TrendColourChecks.h"

#include <QLabel>

using market::MarketInfoViewController;
using testsupport::safeTrendMarks;
using testsupport::usualTrendMarks;
using ui::RecordingCanvas;
using ui::Shade;
using ui::TrendColors;

// ---- market overview ----------------------------------------------------------------------------

class MarketOverviewColoursTest : public testsupport::MarketOverviewTest {
protected:
    /// Stores one answer of today's feed: HNX minutes that rise then fall, and the index record of
    /// both exchanges with the given changes.
    void receive(const QString& hoseChange, const QString& haSTCChange) {
        const int day = app().currentDay();
        MarketOverviewTest::receive({QStringLiteral("\n1,10,250,2"), QStringLiteral("\n1,20,260,1"),
                                     QStringLiteral("\n1,30,240,3"), QStringLiteral("\n2,40,1000,2"),
                                     QStringLiteral("\n2,50,990,3"),
                                     QStringLiteral("\n1,%1,0.1,60,1000,255,100,10,%2").arg(haSTCChange).arg(day),
                                     QStringLiteral("\n2,%1,0.1,60,1000,995,100,10,%2").arg(hoseChange).arg(day)});
    }
};

TEST_F(MarketOverviewColoursTest, TheColourSafeChartDrawsNoRedOrGreen) {
    receive(QStringLiteral("-1"), QStringLiteral("1"));
    ASSERT_GT(usualTrendMarks(draw()), 0) << "the usual chart is red and green";
    app().setColourSafe(true);
    const RecordingCanvas canvas = draw();
    EXPECT_EQ(usualTrendMarks(canvas), 0);
    EXPECT_GT(safeTrendMarks(canvas), 4);
    app().setColourSafe(false);
    EXPECT_EQ(safeTrendMarks(draw()), 0) << "turned off, the usual colours come back";
}

// The labels were coloured when the answer arrived; the option recolours them with no request.
TEST_F(MarketOverviewColoursTest, TheIndexLabelsRecolourWhenTheOptionChanges) {
    receive(QStringLiteral("-1"), QStringLiteral("1"));
    EXPECT_EQ(shell::textColor(m_screen->hosePoint()), QColor(Qt::red));
    EXPECT_EQ(shell::textColor(m_screen->haSTCPercent()), QColor(Qt::green));
    const int requests = static_cast<int>(m_server.requestTargets().size());
    const QString text = m_screen->hosePercent()->text();

    app().setColourSafe(true);
    const TrendColors safe(true, false);
    EXPECT_EQ(shell::textColor(m_screen->hosePoint()), safe.qFall());
    EXPECT_EQ(shell::textColor(m_screen->hosePercent()), safe.qFall());
    EXPECT_EQ(shell::textColor(m_screen->haSTCPercent()), safe.qRise());
    EXPECT_EQ(m_screen->hosePercent()->text(), text);
    EXPECT_EQ(static_cast<int>(m_server.requestTargets().size()), requests);

    app().setColourSafe(false);
    EXPECT_EQ(shell::textColor(m_screen->hosePoint()), QColor(Qt::red));
}

// ---- trading results ----------------------------------------------------------------------------

using MarketResultColoursTest = testsupport::MarketResultTest;

TEST_F(MarketResultColoursTest, TheColourSafeChartAndLabelsDrawNoRedOrGreen) {
    store(kHoSE, kToday - 2, 500, 10);
    store(kHoSE, kToday - 1, 510, 12);
    store(kHoSE, kToday, 505, 11, QStringLiteral("-5"), QStringLiteral("-1"));
    store(kHNX, kToday - 1, 100, 5);
    store(kHNX, kToday, 104, 3);
    openScreen();
    ASSERT_GT(usualTrendMarks(render()), 0);
    EXPECT_EQ(shell::textColor(screen().hosePoint()), QColor(Qt::red));
    EXPECT_EQ(shell::textColor(screen().haSTCPercent()), shell::darkGreen());

    app().setColourSafe(true);
    const RecordingCanvas canvas = render();
    EXPECT_EQ(usualTrendMarks(canvas), 0);
    EXPECT_GT(safeTrendMarks(canvas), 4);
    const TrendColors safe(true, false);
    EXPECT_EQ(shell::textColor(screen().hosePoint()), safe.qFall(Shade::Deep));
    EXPECT_EQ(shell::textColor(screen().haSTCPercent()), safe.qRise(Shade::Deep));
}

// ---- history ------------------------------------------------------------------------------------

using MarketHistoryColoursTest = testsupport::MarketHistoryTest;

TEST_F(MarketHistoryColoursTest, TheColourSafeChartAxesAndLabelsDrawNoRedOrGreen) {
    store(kToday - 1, {answerOf(kToday - 1, {QStringLiteral("2,40,500,10"), QStringLiteral("1,10,345,20"),
                                             QStringLiteral("2,41,502.5,12"), QStringLiteral("1,11,346,25")}),
                       answerOf(kToday - 1, {QStringLiteral("2,42,501,11"), QStringLiteral("1,12,340,15")})});
    open();
    ASSERT_GT(usualTrendMarks(redraw()), 0);

    app().setColourSafe(true);
    const RecordingCanvas canvas = redraw();
    EXPECT_EQ(usualTrendMarks(canvas), 0);
    EXPECT_GT(safeTrendMarks(canvas), 4);
    for (market::MarketHistoryLabel* label : {screen().hosePoint(), screen().hosePercent(), screen().haSTCPercent()}) {
        EXPECT_FALSE(testsupport::isUsualTrendColour(label->color())) << label->text().toStdString();
    }
}
