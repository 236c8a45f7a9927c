#pragma once

#include "support/TempDir.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace installtest {

struct ProcessResult {
    bool started = false;
    int exitCode = -1;
    QString output;
};

/// Runs a program to its end (a minute at most) and collects what it printed on both channels.
ProcessResult runProgram(const QString& program, const QStringList& arguments);

/// The path of a program on PATH, or an empty string when it is not installed.
QString findTool(const QString& name);

/// The keys of a desktop file's [Desktop Entry] group, translations ("Comment[vi]") included.
QMap<QString, QString> desktopEntry(const QString& path);

/// A fresh `cmake --install` of the build tree into <temporary folder>/usr, as a package would lay it out.
class InstalledTreeTest : public testsupport::TempDirTest {
protected:
    void SetUp() override;

    QString root() const { return path(); }
    QString prefix() const { return path() + QStringLiteral("/usr"); }
    QString installed(const QString& relative) const { return prefix() + QLatin1Char('/') + relative; }
    /// Every installed file, relative to the prefix, sorted.
    QStringList installedFiles() const;

    static QString appId() { return QStringLiteral(CORVASTEL_APP_ID); }
    static QString desktopFile() { return QStringLiteral("share/applications/%1.desktop").arg(appId()); }
    static QString metainfoFile() { return QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId()); }
    static QString themedIcon(int size) {
        return QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId());
    }
    static QString scalableIcon() { return QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(appId()); }
    /// The pixel sizes the desktop's icon theme is given, besides the scalable picture.
    static QList<int> iconSizes() { return {16, 24, 32, 48, 64, 128, 256}; }
};

} // namespace installtest
