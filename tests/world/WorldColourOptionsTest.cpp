#include "WorldFixture.h"
#include "shell/ScreenStyle.h"
#include "support/TrendColourChecks.h"
#include "ui/RecordingCanvas.h"
#include "world/ACBGoldViewController.h"
#include "world/GoodsViewController.h"
#include "world/WorldGoldViewController.h"

#include <QLabel>

using testsupport::answer;
using testsupport::safeTrendMarks;
using testsupport::usualTrendMarks;
using ui::RecordingCanvas;
using ui::Shade;
using ui::TrendColors;
using world::ACBGoldViewController;
using world::WorldGoldViewController;

namespace {

const TrendColors kSafe(true, false);

RecordingCanvas render(world::GoldScreen& screen) {
    RecordingCanvas canvas;
    screen.chartView()->render(canvas);
    return canvas;
}

} // namespace

class WorldColourOptionsTest : public testsupport::WorldTest {
protected:
    void storeGold(int feedId, const std::vector<std::string>& records) {
        app().db()->addRealtimeGoldData(feedId, QString::number(kToday),
                                        QString::fromStdString(body(0, kToday, records)), 0);
    }
};

TEST_F(WorldColourOptionsTest, TheColourSafeBankGoldChartDrawsNoRedOrGreen) {
    // Bars up then down, the price above then below the previous day's 41450.
    storeGold(ACBGoldViewController::kFeedId, {"1,480,41500,100", "1,600,41600,300", "1,720,41400,200",
                                               "1,-50,-0.12,720,41400,41450,153481.7,3701," + std::to_string(kToday)});
    auto& screen = open<ACBGoldViewController>();
    ASSERT_GT(usualTrendMarks(render(screen)), 0);
    EXPECT_EQ(shell::textColor(screen.lbPercent()), QColor(Qt::red));

    app().setColourSafe(true);
    const RecordingCanvas canvas = render(screen);
    EXPECT_EQ(usualTrendMarks(canvas), 0);
    EXPECT_GT(safeTrendMarks(canvas), 3);
    EXPECT_EQ(shell::textColor(screen.lbPercent()), kSafe.qFall(Shade::Deep));
}

TEST_F(WorldColourOptionsTest, TheColourSafeWorldGoldChartAndLabelsDrawNoRedOrGreen) {
    storeGold(WorldGoldViewController::kFeedId,
              {"1,0,1570", "1,5,1590", "1,10,1560", "1,13.70,0.87,870,1580,1575,9000"});
    auto& screen = open<WorldGoldViewController>();
    ASSERT_GT(usualTrendMarks(render(screen)), 0);
    EXPECT_EQ(shell::textColor(screen.lbValue()), shell::darkGreen());

    app().setColourSafe(true);
    const RecordingCanvas canvas = render(screen);
    EXPECT_EQ(usualTrendMarks(canvas), 0);
    EXPECT_GT(safeTrendMarks(canvas), 1);
    EXPECT_EQ(shell::textColor(screen.lbValue()), kSafe.qRise(Shade::Deep));
    EXPECT_EQ(shell::textColor(screen.lbPercent()), kSafe.qRise(Shade::Deep));
}

TEST_F(WorldColourOptionsTest, APriceListIsBuiltAgainInTheNewColoursWithoutARequest) {
    app().db()->updateGoods(QStringLiteral("4"), QString::number(kToday), QStringLiteral("600"),
                            QStringLiteral("1671.99"), QStringLiteral("-3"), QStringLiteral("-0.2"));
    auto& screen = open<world::GoodsViewController>();
    ASSERT_TRUE(waitFor([&screen] { return !screen.isRequestOutstanding(); }));
    ASSERT_EQ(screen.rows().size(), 1U);
    EXPECT_EQ(screen.rows().at(0).figures.at(1).color, QColor(Qt::red));
    const int requests = requestsWith("realtime.aspx");

    app().setColourSafe(true);
    ASSERT_EQ(screen.rows().size(), 1U);
    EXPECT_EQ(screen.rows().at(0).figures.at(1).color, kSafe.qFall());
    EXPECT_EQ(screen.rows().at(0).figures.at(2).color, kSafe.qFall());
    EXPECT_EQ(requestsWith("realtime.aspx"), requests);
}
