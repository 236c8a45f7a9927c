#pragma once

// A working store made from the real seed, for the benchmarks that write to the store.
#include "store/myDb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace benchsupport {

/// A working store made from the real seed in a temporary folder.
struct BenchStore {
    QTemporaryDir dir;
    std::unique_ptr<myDb> db;

    BenchStore() {
        const QString seed = QDir(dir.path()).filePath(QStringLiteral("seed.sqlite"));
        QFile::copy(QStringLiteral(":/db.sqlite"), seed);
        QFile::setPermissions(seed, QFile::ReadOwner | QFile::WriteOwner);
        db = std::make_unique<myDb>(dir.path(), seed);
        db->initDb();
    }
};

} // namespace benchsupport
