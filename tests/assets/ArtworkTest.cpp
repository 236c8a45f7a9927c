#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

const QString kPrefix = QStringLiteral(":/images/");

// The image names the screens ask for, without their extension.
QStringList namesTheScreensUse() {
    QStringList names = {"ckvn_ico", "cktg_ico", "vang_ico",      "tigia_ico",   "hh_ico",     "tt_ico",  "tdck_ico",
                         "dm_ico",   "bar_hl",   "AccDisclosure", "news_icon",   "Flag_US",    "Flag_UK", "Flag_DE",
                         "Flag_JA",  "Flag_HA",  "Flag_ST",       "Flag_AO",     "Flag_CN",    "dolla",   "euro",
                         "jen",      "pound",    "chf",           "hotimeChart", "hatimeChart"};
    for (int i = 0; i <= 36; ++i) {
        names << QStringLiteral("Frame%1").arg(i);
    }
    return names;
}

// The loader's rule: a PNG wins, else the SVG of the same base name.
QString resolve(const QString& base) {
    for (const char* extension : {".png", ".svg"}) {
        const QString path = kPrefix + base + QLatin1String(extension);
        if (QFile::exists(path)) {
            return path;
        }
    }
    return {};
}

QImage render(const QString& path, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

int paintedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

long long difference(const QImage& a, const QImage& b) {
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// (label, x) of every <text> of an SVG file.
std::vector<std::pair<QString, double>> textLabels(const QString& path) {
    std::vector<std::pair<QString, double>> labels;
    QXmlStreamReader xml(contents(path));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) {
            const double x = xml.attributes().value(QLatin1String("x")).toDouble();
            labels.emplace_back(xml.readElementText(), x);
        }
    }
    return labels;
}

// Market minute (since 08:30) of an "hh:mm" label.
int marketMinute(const QString& clock) {
    return clock.left(2).toInt() * 60 + clock.mid(3, 2).toInt() - (8 * 60 + 30);
}

} // namespace

TEST(ArtworkTest, EveryImageNameOfTheScreensResolves) {
    for (const QString& name : namesTheScreensUse()) {
        EXPECT_FALSE(resolve(name).isEmpty()) << name.toStdString();
    }
}

TEST(ArtworkTest, EveryPictureIsValidTinySvgThatPaintsSomething) {
    const QStringList files = QDir(kPrefix).entryList(QDir::Files);
    ASSERT_GE(files.size(), namesTheScreensUse().size());
    for (const QString& file : files) {
        const QString path = kPrefix + file;
        ASSERT_TRUE(file.endsWith(QLatin1String(".svg"))) << file.toStdString();
        QSvgRenderer renderer(path);
        EXPECT_TRUE(renderer.isValid()) << file.toStdString();
        EXPECT_FALSE(renderer.viewBoxF().isEmpty()) << file.toStdString();
        EXPECT_GT(paintedPixels(render(path, QSize(64, 64))), 0) << file.toStdString();
        // Qt's renderer ignores style sheets and filters, so a picture using them would look
        // different in the program than in a browser.
        const QByteArray text = contents(path);
        for (const char* unsupported : {"<style", "filter", "class=", "clipPath", "<image"}) {
            EXPECT_FALSE(text.contains(unsupported)) << file.toStdString() << " uses " << unsupported;
        }
    }
}

TEST(ArtworkTest, PicturesHaveTheSizesTheirPlacesExpect) {
    const auto viewBox = [](const QString& base) {
        return QSvgRenderer(resolve(base)).viewBoxF().size();
    };
    for (const char* icon :
         {"ckvn_ico", "cktg_ico", "vang_ico", "tigia_ico", "hh_ico", "tt_ico", "tdck_ico", "dm_ico"}) {
        EXPECT_EQ(viewBox(QLatin1String(icon)), QSizeF(64, 64)) << icon;
    }
    EXPECT_EQ(viewBox("AccDisclosure"), QSizeF(20, 20));
    EXPECT_EQ(viewBox("Frame0"), QSizeF(32, 32));
    EXPECT_EQ(viewBox("Frame36"), QSizeF(32, 32));
    EXPECT_EQ(viewBox("Flag_US"), QSizeF(30, 20));
    EXPECT_EQ(viewBox("hotimeChart"), QSizeF(280, 18));
    EXPECT_EQ(viewBox("hatimeChart"), QSizeF(280, 18));
}

TEST(ArtworkTest, LiveFramesMoveEveryStepAndLoopWithoutAJump) {
    std::vector<QImage> frames;
    for (int i = 0; i <= 36; ++i) {
        frames.push_back(render(resolve(QStringLiteral("Frame%1").arg(i)), QSize(64, 64)));
    }
    long long smallest = -1;
    long long largest = 0;
    for (int i = 0; i < 36; ++i) {
        const long long step = difference(frames[i], frames[i + 1]);
        EXPECT_GT(step, 0) << "frames " << i << " and " << i + 1 << " are identical";
        smallest = smallest < 0 ? step : std::min(smallest, step);
        largest = std::max(largest, step);
    }
    // The wrap from the last frame to the first must look like any other step.
    const long long wrap = difference(frames[36], frames[0]);
    EXPECT_GE(wrap, smallest * 2 / 3);
    EXPECT_LE(wrap, largest * 3 / 2);
    // And the animation is not a two-state blink: half a turn away looks far more different.
    EXPECT_GT(difference(frames[0], frames[18]), largest * 2);
}

// The axis pictures sit with their left edge at screen x 184, so a label for minute m must be
// centred on the chart's own x of m, shifted by 184.
TEST(ArtworkTest, TimeAxisLabelsSitOnTheChartsMinutePositions) {
    struct Axis {
        const char* name;
        std::function<double(int)> chartX;
        const char* first;
        const char* last;
    };
    const std::vector<Axis> axes = {
        {"hotimeChart", [](int m) { return 199 + (m - 30) * 248.0 / 75.0; }, "09:00", "10:15"},
        {"hatimeChart", [](int m) { return 199 + m * 248.0 / 150.0; }, "08:30", "11:00"},
    };
    for (const Axis& axis : axes) {
        const auto labels = textLabels(resolve(QLatin1String(axis.name)));
        ASSERT_GE(labels.size(), 4u) << axis.name;
        EXPECT_EQ(labels.front().first, QLatin1String(axis.first)) << axis.name;
        EXPECT_EQ(labels.back().first, QLatin1String(axis.last)) << axis.name;
        for (const auto& [label, x] : labels) {
            EXPECT_NEAR(x, axis.chartX(marketMinute(label)) - 184, 0.01) << axis.name << " " << label.toStdString();
        }
    }
}
