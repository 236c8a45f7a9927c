#include "WorldFixture.h"
#include "ui/RecordingCanvas.h"
#include "world/ACBGoldViewController.h"
#include "world/GoldDayView.h"
#include "world/WorldGoldViewController.h"

using testsupport::WorldTest;
using ui::RecordingCanvas;
using world::ACBGoldViewController;
using world::GoldDayView;
using world::WorldGoldViewController;

namespace {

// The black panel between the quote labels and the hours.
const QRectF kGoldPanel(14, 104, 452, 130);

QStringList textsAfter(const RecordingCanvas& shown, const RecordingCanvas& plain) {
    QStringList texts;
    for (qsizetype i = plain.texts().size(); i < shown.texts().size(); ++i) {
        texts.append(shown.texts().at(i).text);
    }
    return texts;
}

RecordingCanvas render(world::GoldScreen& screen) {
    RecordingCanvas canvas;
    screen.chartView()->render(canvas);
    return canvas;
}

} // namespace

class GoldCrosshairTest : public WorldTest {
protected:
    void storeFeed(int feed, const std::vector<std::string>& records) {
        app().db()->addRealtimeGoldData(feed, QString::number(kToday), QString::fromStdString(body(0, kToday, records)),
                                        0);
    }
};

TEST_F(GoldCrosshairTest, TheBankChartShowsTheMinutePriceChangeFromYesterdayAndTheAmount) {
    storeFeed(ACBGoldViewController::kFeedId, {"1,480,41500,100", "1,600,41600,300", "1,720,41400,200",
                                               "1,-50,-0.12,720,41400,41450,153481.7,3701," + std::to_string(kToday)});
    auto& screen = open<ACBGoldViewController>();
    const RecordingCanvas plain = render(screen);
    screen.chartView()->hoverAt(QPointF(GoldDayView::xOfMinute(600) + 10, 150));
    const RecordingCanvas shown = render(screen);

    EXPECT_EQ(textsAfter(shown, plain), (QStringList{QStringLiteral("10:00"), QStringLiteral("41,600"),
                                                     QStringLiteral("+150 (+0.36%)"), QStringLiteral("KL: 300")}));
    const RecordingCanvas::Stroke& line = shown.strokes().constLast();
    EXPECT_NEAR(line.points[0].x(), GoldDayView::xOfMinute(600), 1e-6);
    EXPECT_EQ(line.points[0].y(), kGoldPanel.top());
    EXPECT_EQ(line.points[1].y(), kGoldPanel.bottom());
    EXPECT_TRUE(kGoldPanel.contains(shown.fills().constLast().rect));

    // Far right of the day's last quote the crosshair stays on it.
    screen.chartView()->hoverAt(QPointF(440, 200));
    EXPECT_EQ(textsAfter(render(screen), plain),
              (QStringList{QStringLiteral("12:00"), QStringLiteral("41,400"), QStringLiteral("-50 (-0.12%)"),
                           QStringLiteral("KL: 200")}));
}

TEST_F(GoldCrosshairTest, TheWorldChartHasNoAmountLine) {
    storeFeed(WorldGoldViewController::kFeedId,
              {"1,0,1570", "1,5,1590", "1,10,1580", "1,13.70,0.87,870,1580,1575,9000"});
    auto& screen = open<WorldGoldViewController>();
    const RecordingCanvas plain = render(screen);
    screen.chartView()->hoverAt(QPointF(GoldDayView::xOfMinute(5), 120));
    EXPECT_EQ(textsAfter(render(screen), plain),
              (QStringList{QStringLiteral("00:05"), QStringLiteral("1,590"), QStringLiteral("+15 (+0.95%)")}));
}
