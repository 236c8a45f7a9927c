#include "InstalledTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace installtest {

namespace {

constexpr int kProgramTimeoutMs = 60000;

} // namespace

ProcessResult runProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ProcessResult result;
    result.started = process.waitForStarted(kProgramTimeoutMs);
    if (!result.started) {
        return result;
    }
    if (!process.waitForFinished(kProgramTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

QString findTool(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

QMap<QString, QString> desktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return keys;
    }
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inEntry && equals > 0 && !line.startsWith(QLatin1Char('#'))) {
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return keys;
}

void InstalledTreeTest::SetUp() {
    TempDirTest::SetUp();
    const ProcessResult install = runProgram(
        QStringLiteral(CORVASTEL_CMAKE_COMMAND),
        {QStringLiteral("--install"), QStringLiteral(CORVASTEL_BUILD_DIR), QStringLiteral("--prefix"), prefix()});
    ASSERT_TRUE(install.started);
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
}

QStringList InstalledTreeTest::installedFiles() const {
    QStringList files;
    const QDir base(prefix());
    QDirIterator it(prefix(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(base.relativeFilePath(it.next()));
    }
    files.sort();
    return files;
}

} // namespace installtest
