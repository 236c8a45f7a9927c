#include "ui/Artwork.h"

#include "support/TempDir.h"
#include "ui/LiveModeButton.h"
#include "ui/PictureLabel.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QByteArray kSquareSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"10\">"
                              "<rect x=\"0\" y=\"0\" width=\"20\" height=\"10\" fill=\"#00ff00\"/></svg>";

class ArtworkTest : public testsupport::TempDirTest {
protected:
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path() + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

} // namespace

TEST_F(ArtworkTest, MissingOrBrokenArtworkGivesANullPixmap) {
    EXPECT_TRUE(ui::artwork(QStringLiteral("no-such-picture.png")).isNull());
    EXPECT_TRUE(ui::artwork(QString()).isNull());
    EXPECT_TRUE(ui::artworkIcon(QStringLiteral("no-such-picture.png")).isNull());
    write(QStringLiteral("broken.svg"), "not an svg at all");
    EXPECT_TRUE(ui::artworkFrom(path(), QStringLiteral("broken.png")).isNull());
    EXPECT_TRUE(ui::artworkFrom(path(), QStringLiteral("broken.svg")).isNull());
}

TEST_F(ArtworkTest, PngIsDrawnFromTheSvgOfTheSameNameWhenMissing) {
    write(QStringLiteral("Frame3.svg"), kSquareSvg);
    const QPixmap own = ui::artworkFrom(path(), QStringLiteral("Frame3.png"));
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(own.deviceIndependentSize().toSize(), QSize(20, 10));
    EXPECT_EQ(own.toImage().pixelColor(own.width() / 2, own.height() / 2), QColor(0, 255, 0));

    const QPixmap sized = ui::artworkFrom(path(), QStringLiteral("Frame3.png"), QSize(40, 20));
    EXPECT_EQ(sized.deviceIndependentSize().toSize(), QSize(40, 20));
}

TEST_F(ArtworkTest, ExistingPngWinsOverTheSvg) {
    QImage red(8, 8, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(path() + QStringLiteral("/bar_hl.png")));
    write(QStringLiteral("bar_hl.svg"), kSquareSvg);
    const QPixmap pixmap = ui::artworkFrom(path(), QStringLiteral("bar_hl.png"));
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(8, 8));
    EXPECT_EQ(pixmap.toImage().pixelColor(4, 4), QColor(255, 0, 0));
}

TEST(LiveModeButton, ShowsFramesWithinTheThirtySevenWithoutArtwork) {
    ui::LiveModeButton button;
    EXPECT_EQ(button.frame(), 0);
    button.showFrame(36);
    EXPECT_EQ(button.frame(), 36);
    button.showFrame(37);
    EXPECT_EQ(button.frame(), 0);
    button.showFrame(-1);
    EXPECT_EQ(button.frame(), 36);
}

namespace {

// Alternating one-pixel columns: any resampling through fewer pixels blends them.
QPixmap finePicture(int side, qreal ratio) {
    QImage image(side, side, QImage::Format_RGB32);
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            image.setPixelColor(x, y, x % 2 == 0 ? Qt::white : Qt::black);
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

TEST(PictureLabel, AZoomedLabelShowsItsFinePictureWithoutBlurring) {
    ui::PictureLabel label;
    label.resize(20, 20);
    label.setPixmap(finePicture(80, 4));
    // Drawn four times larger, as the window's zoom draws the screens.
    QImage zoomed(80, 80, QImage::Format_RGB32);
    zoomed.fill(Qt::red);
    {
        QPainter painter(&zoomed);
        painter.scale(4, 4);
        label.render(&painter);
    }
    for (int x = 10; x < 70; ++x) {
        ASSERT_EQ(zoomed.pixelColor(x, 40), x % 2 == 0 ? QColor(Qt::white) : QColor(Qt::black)) << "column " << x;
    }
}
