#include "FakeSaveLocationChooser.h"
#include "app/ScreenExport.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "shell/ShellFixture.h"
#include "ui/RecordingCanvas.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The market overview with both exchanges' minutes of today, and the export of the window's
/// screens into a fresh folder.
class MarketChartExportTest : public testsupport::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(m_out.isValid());
        startQuietly(m_server.baseUrl());
        m_export =
            std::make_unique<app::ScreenExport>(navigator(), alerts(), m_chooser, [] { return QDate(2024, 3, 5); });
        QString feed = QStringLiteral("KTRPW:0:%1;").arg(app().currentDay());
        for (const char* record : {"1,10,250,2", "1,20,260,1", "1,30,255,3", "2,40,1000,2", "2,50,990,3"}) {
            feed += QLatin1Char('\n') + QLatin1String(record) + QLatin1Char(';');
        }
        m_server.set("/KTRPW/realtime.aspx", testsupport::answer(feed.toStdString()));
        m_screen = app().cachedScreen<market::MarketInfoViewController>();
        navigator().push(m_screen, false);
        ASSERT_TRUE(waitFor([this] { return !m_screen->isRequestOutstanding(); }));
    }

    /// Saves the chart under `name`; the path it went to.
    QString saveAs(const QString& name) {
        m_chooser.answer = QDir(m_out.path()).filePath(name);
        m_export->exportChart();
        return m_chooser.answer;
    }

    sim::ScriptedServer m_server;
    market::MarketInfoViewController* m_screen = nullptr;
    testsupport::FakeSaveLocationChooser m_chooser;
    std::unique_ptr<app::ScreenExport> m_export;
    QTemporaryDir m_out;
};

/// What an SVG picture draws, between its opening and closing tags.
QString svgDrawing(const QString& svg) {
    const qsizetype start = svg.indexOf(QLatin1String("\">\n")) + 3;
    return svg.mid(start, svg.lastIndexOf(QLatin1String("</svg>")) - start);
}

QString withoutStrokeColours(QString svg) {
    static const QRegularExpression colour(QStringLiteral(R"re( stroke="rgb\([0-9,]*\)")re"));
    return svg.remove(colour);
}

} // namespace

TEST_F(MarketChartExportTest, TheSvgHoldsTheChartsStrokesOverItsBackground) {
    const QString path = saveAs(QStringLiteral("thi-truong.svg"));
    EXPECT_EQ(m_chooser.lastTitle, QStringLiteral("Xuất biểu đồ ra tệp ảnh"));
    EXPECT_EQ(m_chooser.lastSuggestedName, QStringLiteral("corvastel-market-info-2024-03-05.svg"));
    EXPECT_EQ(m_chooser.lastFilters,
              (QStringList{QStringLiteral("Ảnh SVG (*.svg)"), QStringLiteral("Ảnh PNG (*.png)")}));
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Đã lưu biểu đồ vào %1.").arg(QDir::toNativeSeparators(path)));

    const QString svg = QString::fromUtf8(contentsOf(path));
    ui::RecordingCanvas canvas;
    m_screen->chartView()->render(canvas);
    ASSERT_GT(canvas.strokes().size(), 4);
    EXPECT_EQ(svg.count(QStringLiteral("<polyline")), canvas.strokes().size());
    // The overview colours its first bar by the last one of the drawing before, so only the
    // geometry is the same from one drawing to the next.
    EXPECT_TRUE(withoutStrokeColours(svg).contains(withoutStrokeColours(svgDrawing(canvas.toSvg(480, 320)))));
    const QColor background = m_screen->chartView()->chartBackground();
    EXPECT_TRUE(
        svg.contains(QStringLiteral("\">\n<rect x=\"0\" y=\"0\" width=\"480\" height=\"320\" fill=\"rgb(%1,%2,%3)\"")
                         .arg(background.red())
                         .arg(background.green())
                         .arg(background.blue())));
}

TEST_F(MarketChartExportTest, ThePngIsTwiceTheScreenAndShowsTheChart) {
    const QString path = saveAs(QStringLiteral("thi-truong.png"));
    QImage image;
    ASSERT_TRUE(image.loadFromData(contentsOf(path), "PNG"));
    ASSERT_EQ(image.size(), QSize(960, 640));
    const QColor background = m_screen->chartView()->chartBackground();
    int drawn = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            drawn += image.pixelColor(x, y).rgb() != background.rgb() ? 1 : 0;
        }
    }
    EXPECT_GT(drawn, 100);
}

TEST_F(MarketChartExportTest, ANameWithoutExtensionIsSvgAndAnotherTypeIsRefused) {
    EXPECT_TRUE(contentsOf(saveAs(QStringLiteral("bieu-do"))).startsWith("<?xml"));
    const QString path = saveAs(QStringLiteral("bieu-do.jpg"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Không lưu được biểu đồ vào %1: chỉ lưu được ảnh SVG hoặc PNG.")
                                             .arg(QDir::toNativeSeparators(path)));
}

TEST_F(MarketChartExportTest, ACancelWritesNothingAndSaysNothing) {
    alerts().press(0);
    ASSERT_FALSE(alerts().isShowing());
    m_export->exportChart();
    EXPECT_EQ(m_chooser.asked, 1);
    EXPECT_TRUE(QDir(m_out.path()).isEmpty());
    EXPECT_FALSE(alerts().isShowing());
}
