#include "Maildir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUuid>

#include <unistd.h>

namespace sim {

namespace {

constexpr QFile::Permissions kOwnerFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kOwnerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QString qtPath(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

bool makeOwnerFolder(const QString& path) {
    QDir dir(path);
    if (dir.exists()) {
        return true;
    }
    return QDir().mkdir(path, kOwnerFolder);
}

// The host part of a Maildir name may hold neither "/" nor ":"; they are written as octal escapes.
QString hostPart() {
    QString host = QSysInfo::machineHostName();
    host.replace(u'/', QStringLiteral("\\057")).replace(u':', QStringLiteral("\\072"));
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

bool writeWhole(QFile& file, const std::string& message) {
    const auto size = static_cast<qint64>(message.size());
    return file.write(message.data(), size) == size && file.flush() && ::fsync(file.handle()) == 0;
}

} // namespace

Maildir::Maildir(std::string root)
    : m_root(std::move(root)) {}

bool Maildir::prepareFolders() const {
    const QString root = qtPath(m_root);
    const QFileInfo parent(QFileInfo(root).absolutePath());
    if (!parent.isDir() && !QDir().mkpath(parent.absoluteFilePath())) {
        return false;
    }
    return makeOwnerFolder(root) && makeOwnerFolder(root + QStringLiteral("/tmp")) &&
           makeOwnerFolder(root + QStringLiteral("/new")) && makeOwnerFolder(root + QStringLiteral("/cur"));
}

std::string Maildir::uniqueName() const {
    return QStringLiteral("%1.%2.%3")
        .arg(QDateTime::currentSecsSinceEpoch())
        .arg(QUuid::createUuid().toString(QUuid::Id128), hostPart())
        .toStdString();
}

std::string Maildir::deliver(const std::string& message) {
    if (!prepareFolders()) {
        return {};
    }
    const std::string name = uniqueName();
    const QString staged = qtPath(m_root + "/tmp/" + name);
    const QString delivered = qtPath(m_root + "/new/" + name);
    QFile file(staged);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerFile)) {
        return {};
    }
    if (!writeWhole(file, message)) {
        file.remove();
        return {};
    }
    file.close();
    if (!QFile::rename(staged, delivered)) {
        QFile::remove(staged);
        return {};
    }
    return QFile::encodeName(delivered).toStdString();
}

} // namespace sim
