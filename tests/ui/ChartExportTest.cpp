#include "ui/ChartExport.h"

#include "ui/ChartView.h"
#include "ui/RecordingCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

using ui::Color;
using ui::RecordingCanvas;

namespace {

const QColor kBackground(0x10, 0x20, 0x40);

/// A chart of a 300×200 view: a diagonal white line, a red block and a label.
class SampleChart final : public ui::ChartView {
public:
    SampleChart() {
        resize(300, 200);
        setChartBackground(kBackground);
    }

protected:
    void drawChart(ui::Canvas& canvas) override {
        canvas.setLineWidth(2);
        canvas.setStrokeColor(Color::white());
        canvas.beginPath();
        canvas.moveTo(10, 10);
        canvas.addLineTo(110, 90);
        canvas.strokePath();
        canvas.setFillColor(1, 0, 0, 1);
        canvas.fillRect(200, 120, 40, 30);
        ui::drawChartText(canvas, QStringLiteral("Chỉ số <HNX>"), 20, 180);
    }
};

/// The drawing of an SVG picture: what lies between its opening and closing tags.
QString svgBody(const QString& svg) {
    const qsizetype start = svg.indexOf(QLatin1String("\">\n")) + 3;
    return svg.mid(start, svg.lastIndexOf(QLatin1String("</svg>")) - start);
}

} // namespace

TEST(ChartExportTest, TheSvgIsTheViewsSizeWithTheBackgroundFirstThenTheChart) {
    SampleChart chart;
    RecordingCanvas plain;
    chart.render(plain);
    const QString svg = ui::chartSvg(chart);

    EXPECT_TRUE(svg.contains(QLatin1String("width=\"300\" height=\"200\" viewBox=\"0 0 300 200\"")))
        << svg.toStdString();
    const QString background = QStringLiteral(
        "<rect x=\"0\" y=\"0\" width=\"300\" height=\"200\" fill=\"rgb(16,32,64)\" fill-opacity=\"1\"/>\n");
    EXPECT_EQ(svgBody(svg), background + svgBody(plain.toSvg(300, 200)));
    EXPECT_TRUE(svg.contains(QLatin1String("<polyline points=\"10,10 110,90\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("Chỉ số &lt;HNX&gt;")));
}

TEST(ChartExportTest, ThePictureIsTheViewsSizeTimesTheScaleOverTheBackground) {
    SampleChart chart;
    const QImage image = ui::chartImage(chart);
    ASSERT_EQ(image.size(), QSize(600, 400));
    EXPECT_EQ(image.pixelColor(2, 398), kBackground);
    // The red block, at twice its place.
    EXPECT_EQ(image.pixelColor(440, 270), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(398, 270), kBackground);
    // The line is drawn antialiased: along it some pixels are part line, part background.
    int blended = 0;
    for (int x = 30; x < 210; ++x) {
        const int y = 20 + (x - 20) * 160 / 200;
        for (int dy = -4; dy <= 4; ++dy) {
            const QColor pixel = image.pixelColor(x, y + dy);
            blended += pixel != kBackground && pixel != QColor(Qt::white) ? 1 : 0;
        }
    }
    EXPECT_GT(blended, 0);
    EXPECT_EQ(ui::chartImage(chart, 1.5).size(), QSize(450, 300));
    EXPECT_TRUE(ui::chartImage(chart, 0).isNull());
}
