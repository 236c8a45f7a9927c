#include "CompanyRealTimeFixture.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

using ui::RecordingCanvas;

namespace {

const QRectF kPanel(197, 30, 260, 100);

double hoseX(double minute) {
    return 199 + (minute - 30) * static_cast<double>(248.0F / 75.0F);
}

QStringList textsAfter(const RecordingCanvas& shown, const RecordingCanvas& plain) {
    QStringList texts;
    for (qsizetype i = plain.texts().size(); i < shown.texts().size(); ++i) {
        texts.append(shown.texts().at(i).text);
    }
    return texts;
}

} // namespace

class CompanyCrosshairTest : public CompanyRealTimeTest {
protected:
    RecordingCanvas draw() {
        RecordingCanvas canvas;
        m_screen->chartView()->render(canvas);
        return canvas;
    }
};

TEST_F(CompanyCrosshairTest, TheNearestMinuteShowsItsPriceChangeFromTheReferenceAndVolume) {
    storeQuote(QStringLiteral("20"));
    storePoint(40, 21, 100);
    storePoint(44, 19, 200);
    m_screen->displayInfo();
    const RecordingCanvas plain = draw();
    m_screen->chartView()->hoverAt(QPointF(hoseX(42.2), 90));
    const RecordingCanvas shown = draw();

    EXPECT_EQ(textsAfter(shown, plain), (QStringList{QStringLiteral("09:14"), QStringLiteral("19.00"),
                                                     QStringLiteral("-1.00 (-5.00%)"), QStringLiteral("KL: 200")}));
    EXPECT_NEAR(shown.strokes().constLast().points[0].x(), hoseX(44), 1e-3);
    const QRectF box = shown.fills().constLast().rect;
    EXPECT_TRUE(kPanel.contains(box));
    EXPECT_GT(box.left(), hoseX(44));

    m_screen->chartView()->hoverAt(QPointF(hoseX(41.8), 90));
    EXPECT_EQ(textsAfter(draw(), plain).mid(0, 3),
              (QStringList{QStringLiteral("09:10"), QStringLiteral("21.00"), QStringLiteral("+1.00 (+5.00%)")}));
}

TEST_F(CompanyCrosshairTest, AtTheCloseTheBoxStandsLeftOfTheLineInsideThePanel) {
    storeQuote(QStringLiteral("20"));
    storePoint(100, 20.25, 50);
    storePoint(105, 20.5, 300);
    m_screen->displayInfo();
    const RecordingCanvas plain = draw();
    m_screen->chartView()->hoverAt(QPointF(455, 40));
    const RecordingCanvas shown = draw();

    EXPECT_EQ(textsAfter(shown, plain).constFirst(), QStringLiteral("10:15"));
    const QRectF box = shown.fills().constLast().rect;
    EXPECT_TRUE(kPanel.contains(box));
    EXPECT_LT(box.right(), hoseX(105));
}
