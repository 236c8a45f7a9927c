#include "InstalledTree.h"
#include "net/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

namespace installtest {
namespace {

struct Metainfo {
    QString id;
    QString launchable;
    QString stockIcon;
    QString projectLicense;
    QString newestRelease;
    bool hasContentRating = false;
};

Metainfo readMetainfo(const QString& path) {
    Metainfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return info;
    }
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        const QString type = xml.attributes().value(QStringLiteral("type")).toString();
        if (name == QStringLiteral("release") && info.newestRelease.isEmpty()) {
            info.newestRelease = xml.attributes().value(QStringLiteral("version")).toString();
        } else if (name == QStringLiteral("content_rating")) {
            info.hasContentRating = true;
        } else if (name == QStringLiteral("id") && info.id.isEmpty()) {
            info.id = xml.readElementText();
        } else if (name == QStringLiteral("launchable") && type == QStringLiteral("desktop-id")) {
            info.launchable = xml.readElementText();
        } else if (name == QStringLiteral("icon") && type == QStringLiteral("stock")) {
            info.stockIcon = xml.readElementText();
        } else if (name == QStringLiteral("project_license")) {
            info.projectLicense = xml.readElementText();
        }
    }
    return info;
}

bool hasNonAscii(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0x7f; });
}

using DesktopIntegrationTest = InstalledTreeTest;

// The launcher starts the installed program, finds the themed icon and matches the window Qt
// opens (its class is the application name, "corvastel") to the launcher.
TEST_F(DesktopIntegrationTest, DesktopEntryPointsAtTheInstalledProgramAndIcon) {
    const QMap<QString, QString> entry = desktopEntry(installed(desktopFile()));
    ASSERT_FALSE(entry.isEmpty());
    const QString program = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/") + program)).isExecutable()) << program.toStdString();
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), appId());
    EXPECT_EQ(entry.value(QStringLiteral("StartupWMClass")), QStringLiteral("corvastel"));
    EXPECT_EQ(entry.value(QStringLiteral("Terminal")), QStringLiteral("false"));
    EXPECT_EQ(entry.value(QStringLiteral("Categories")), QStringLiteral("Office;Finance;"));
}

TEST_F(DesktopIntegrationTest, DesktopEntryIsTranslatedIntoVietnamese) {
    const QMap<QString, QString> entry = desktopEntry(installed(desktopFile()));
    for (const char* key : {"GenericName", "Comment"}) {
        const QString english = entry.value(QString::fromLatin1(key));
        const QString vietnamese = entry.value(QStringLiteral("%1[vi]").arg(QLatin1String(key)));
        EXPECT_FALSE(english.isEmpty()) << key;
        EXPECT_TRUE(hasNonAscii(vietnamese)) << key << ": " << vietnamese.toStdString();
    }
}

// A version bump must come with its release entry, and the metainfo must name the desktop file
// and icon under the names they are installed with.
TEST_F(DesktopIntegrationTest, MetainfoDescribesThisReleaseAndItsDesktopFile) {
    const Metainfo info = readMetainfo(installed(metainfoFile()));
    EXPECT_EQ(info.id, appId());
    EXPECT_EQ(info.newestRelease, QStringLiteral(CORVASTEL_VERSION));
    EXPECT_EQ(QStringLiteral("share/applications/") + info.launchable, desktopFile());
    EXPECT_EQ(info.stockIcon, appId());
    EXPECT_EQ(info.projectLicense, QStringLiteral("MIT"));
    EXPECT_TRUE(info.hasContentRating);
}

TEST_F(DesktopIntegrationTest, DesktopFilePassesDesktopFileValidate) {
    const QString validator = findTool(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty()) {
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian package desktop-file-utils)";
    }
    const ProcessResult result = runProgram(validator, {installed(desktopFile())});
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_TRUE(result.output.trimmed().isEmpty()) << result.output.toStdString();
}

// validate-tree also checks that the desktop file the metainfo launches is installed beside it.
TEST_F(DesktopIntegrationTest, InstalledTreePassesAppStreamValidation) {
    const QString validator = findTool(QStringLiteral("appstreamcli"));
    if (validator.isEmpty()) {
        GTEST_SKIP() << "appstreamcli is not installed (Debian package appstream)";
    }
    const ProcessResult result =
        runProgram(validator, {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), root()});
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_FALSE(result.output.contains(QStringLiteral("W: "))) << result.output.toStdString();
    EXPECT_FALSE(result.output.contains(QStringLiteral("E: "))) << result.output.toStdString();
}

} // namespace
} // namespace installtest
