#include "core/CalendarHelpers.h"
#include "core/StartupStore.h"
#include "store/myDb.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString defaultDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void printStore(myDb& db, QTextStream& out) {
    const QStringList setting = db.getSetting();
    out << "setting (account_visible,check_version,update_type,dir_warning,day_store): "
        << (setting.isEmpty() ? QStringLiteral("none") : setting.constFirst()) << '\n';
    for (const auto& [table, rows] : db.tableRowCounts()) {
        out << table << ": " << rows << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvastel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Corvastel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVASTEL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Corvastel: Vietnamese stock-market information (HoSE, HNX, world markets, gold, rates)."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Folder of the working database (default: %1).").arg(defaultDataDir()), QStringLiteral("DIR"),
        defaultDataDir());
    parser.addOption(dataDir);
    parser.process(app);

    myDb db(parser.value(dataDir));
    core::prepareStoreAtStartup(db, core::dateDiffFromNow());

    QTextStream out(stdout);
    out << "working database: " << db.dataFilePath() << '\n';
    printStore(db, out);
    return 0;
}
