#include "InstalledTree.h"
#include "net/QtPrinters.h"

#include <QFileInfo>
#include <QImage>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace installtest {
namespace {

using InstallLayoutTest = InstalledTreeTest;

// Exactly the two programs and their desktop files: a test, benchmark or fuzz target, or an
// install rule brought in by a dependency, would end up in the package.
TEST_F(InstallLayoutTest, InstallsOnlyTheProgramsAndTheirDesktopFiles) {
    QStringList expected = {QStringLiteral("bin/corvastel"),
                            QStringLiteral("bin/corvastel-sim"),
                            desktopFile(),
                            metainfoFile(),
                            scalableIcon(),
                            QStringLiteral("share/doc/corvastel/copyright")};
    for (const int size : iconSizes()) {
        expected.append(themedIcon(size));
    }
    expected.sort();
    EXPECT_EQ(installedFiles(), expected) << installedFiles().join(QLatin1Char('\n')).toStdString();
}

TEST_F(InstallLayoutTest, InstalledProgramsRun) {
    for (const QString& program : {QStringLiteral("bin/corvastel"), QStringLiteral("bin/corvastel-sim")}) {
        EXPECT_TRUE(QFileInfo(installed(program)).isExecutable()) << program.toStdString();
    }
    const ProcessResult version = runProgram(installed(QStringLiteral("bin/corvastel")), {QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0) << version.output.toStdString();
    EXPECT_TRUE(version.output.startsWith(QStringLiteral("corvastel " CORVASTEL_VERSION)))
        << version.output.toStdString();

    const ProcessResult simHelp =
        runProgram(installed(QStringLiteral("bin/corvastel-sim")), {QStringLiteral("--help")});
    EXPECT_EQ(simHelp.exitCode, 0) << simHelp.output.toStdString();
    EXPECT_TRUE(simHelp.output.contains(QStringLiteral("corvastel-sim"))) << simHelp.output.toStdString();
}

// Each PNG is the icon drawn at its folder's size: a rounded tile leaves the corners clear and
// fills the middle.
TEST_F(InstallLayoutTest, ThemedIconsAreDrawnAtTheirFolderSize) {
    for (const int size : iconSizes()) {
        SCOPED_TRACE(size);
        const QImage icon(installed(themedIcon(size)));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

TEST_F(InstallLayoutTest, ScalableIconIsASquareSvg) {
    const QSvgRenderer renderer(installed(scalableIcon()));
    ASSERT_TRUE(renderer.isValid());
    const QRectF box = renderer.viewBoxF();
    EXPECT_GT(box.width(), 0);
    EXPECT_EQ(box.width(), box.height());
}

} // namespace
} // namespace installtest
