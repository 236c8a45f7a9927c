#include "store/myDb.h"

#include "store/SchemaMigration.h"
#include "store/Statement.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcStore, "corvastel.store", QtCriticalMsg)

using store::SqlValue;
using store::Statement;
using store::StatementRun;

namespace {

const QString kWorkingFileName = QStringLiteral("corvasteldb.2.0.3.db");

} // namespace

myDb::myDb(QString dataDir, QString seedPath)
    : m_dataDir(std::move(dataDir))
    , m_seedPath(std::move(seedPath)) {}

myDb::~myDb() {
    m_statements.clear();
    sqlite3_close(m_database);
}

QString myDb::engineVersion() {
    return QString::fromLatin1(sqlite3_libversion());
}

QString myDb::dataFilePath() const {
    return QDir(m_dataDir).filePath(kWorkingFileName);
}

void myDb::initDb() {
    if (QFile::exists(dataFilePath())) {
        migrate();
        shrink();
    } else {
        copySeed();
    }
}

void myDb::migrate() {
    // A file that cannot be migrated now (locked by another program, disk full) stays as it
    // was and is tried again at the next start.
    if (open()) {
        store::addUniqueKeys(m_database);
        close();
    }
}

void myDb::copySeed() {
    QFile seed(m_seedPath);
    if (!seed.open(QIODevice::ReadOnly)) {
        qCWarning(lcStore) << "seed database missing:" << m_seedPath;
        return;
    }
    QDir().mkpath(m_dataDir);
    // The copy is written aside and put in place whole: a start killed halfway would otherwise
    // leave a file that later starts take for the store, with its tables missing for good.
    // The file will hold the user's saved login, so nobody else may read it, not even briefly:
    // its permissions are set before a byte goes in.
    QSaveFile working(dataFilePath());
    if (!working.open(QIODevice::WriteOnly) || !working.setPermissions(QFile::ReadOwner | QFile::WriteOwner) ||
        working.write(seed.readAll()) < 0 || !working.commit()) {
        qCWarning(lcStore) << "cannot create" << dataFilePath() << working.errorString();
        working.cancelWriting();
    }
}

bool myDb::openHandle() {
    if (m_database) {
        return true;
    }
    const QByteArray path = QFile::encodeName(dataFilePath());
    if (sqlite3_open_v2(path.constData(), &m_database, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        qCWarning(lcStore) << "cannot open" << dataFilePath() << sqlite3_errmsg(m_database);
        sqlite3_close(m_database);
        m_database = nullptr;
        return false;
    }
    // Write-ahead logging: a batch commit then costs no file sync of its own, which keeps the
    // day-by-day import and the screens' unbracketed writes fast; a crash can lose the last
    // commits but never corrupts the file.
    // A page cache large enough for the quote tables and their indexes spares the import from
    // re-reading pages the operating system already holds.
    sqlite3_exec(m_database, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA cache_size=-32768;", nullptr,
                 nullptr, nullptr);
    return true;
}

bool myDb::open() {
    if (m_isOpen) {
        return true;
    }
    if (!openHandle()) {
        return false;
    }
    m_isOpen = true;
    return true;
}

bool myDb::close() {
    if (m_isNeedClose && m_isOpen) {
        m_isOpen = false;
    }
    return true;
}

bool myDb::execute(const QString& sql) {
    Statement* statement = prepared(sql);
    if (!statement) {
        return false;
    }
    StatementRun run(*statement);
    statement->bind({});
    statement->step();
    return statement->isDone();
}

bool myDb::beginTransactionWithDatabase() {
    m_isNeedClose = false;
    return m_isOpen && execute(QStringLiteral("BEGIN EXCLUSIVE TRANSACTION"));
}

bool myDb::endTransactionWithDatabase() {
    m_isNeedClose = true;
    if (m_isOpen && execute(QStringLiteral("COMMIT TRANSACTION"))) {
        close();
        return true;
    }
    return false;
}

bool myDb::rollbackTransactionWithDatabase() {
    m_isNeedClose = true;
    const bool rolledBack = isInTransaction() && execute(QStringLiteral("ROLLBACK TRANSACTION"));
    close();
    return rolledBack;
}

bool myDb::isInTransaction() const {
    return m_database && sqlite3_get_autocommit(m_database) == 0;
}

Statement* myDb::prepared(const QString& sql) {
    auto found = m_statements.find(sql);
    if (found != m_statements.end()) {
        return found->second.get();
    }
    auto statement = std::make_unique<Statement>(m_database, sql);
    if (!statement->isValid()) {
        return nullptr;
    }
    return m_statements.emplace(sql, std::move(statement)).first->second.get();
}

bool myDb::query(const QString& sql, std::initializer_list<SqlValue> values) {
    if (!open()) {
        return false;
    }
    bool done = false;
    if (Statement* statement = prepared(sql)) {
        StatementRun run(*statement);
        if (statement->bind(values)) {
            statement->step();
            done = statement->isDone();
        }
    }
    close();
    return done;
}

// A savepoint rather than a transaction: outside one it commits on release, inside one it nests,
// so the caller's transaction still decides whether anything lands.
bool myDb::writeTogether(const std::function<bool()>& writes) {
    if (!open() || !execute(QStringLiteral("SAVEPOINT write_together"))) {
        close();
        return false;
    }
    const bool written = writes();
    if (!written) {
        execute(QStringLiteral("ROLLBACK TO write_together"));
    }
    const bool released = execute(QStringLiteral("RELEASE write_together"));
    close();
    return written && released;
}

void myDb::shrink() {
    query(QStringLiteral("vacuum"));
}

QStringList myDb::readRows(const QString& sql, std::initializer_list<SqlValue> values) {
    QStringList rows;
    if (!open()) {
        return rows;
    }
    if (Statement* statement = prepared(sql)) {
        StatementRun run(*statement);
        if (statement->bind(values)) {
            const int columns = statement->columnCount();
            while (statement->step()) {
                QString row = statement->text(0);
                for (int column = 1; column < columns; ++column) {
                    row += QLatin1Char(',') + statement->text(column);
                }
                rows.append(row);
            }
        }
    }
    close();
    return rows;
}

QStringList myDb::readColumns(const QString& sql, std::initializer_list<SqlValue> values) {
    QStringList texts;
    if (!open()) {
        return texts;
    }
    if (Statement* statement = prepared(sql)) {
        StatementRun run(*statement);
        if (statement->bind(values)) {
            const int columns = statement->columnCount();
            while (statement->step()) {
                for (int column = 0; column < columns; ++column) {
                    texts.append(statement->text(column));
                }
            }
        }
    }
    close();
    return texts;
}

std::optional<QString> myDb::readLast(const QString& sql, std::initializer_list<SqlValue> values) {
    std::optional<QString> last;
    if (!open()) {
        return last;
    }
    if (Statement* statement = prepared(sql)) {
        StatementRun run(*statement);
        if (statement->bind(values)) {
            while (statement->step()) {
                last = statement->text(0);
            }
        }
    }
    close();
    return last;
}

int myDb::readLastInt(const QString& sql, std::initializer_list<SqlValue> values) {
    return readLast(sql, values).value_or(QString()).toInt();
}

// ---- settings and user ------------------------------------------------------------------------

QStringList myDb::getSetting() {
    return readRows(
        QStringLiteral("select account_visible,check_version,update_type,dir_warning,day_store from setting"), {});
}

void myDb::setSetting(int accountVisible, int check, const QString& updateType, int dirWarning, int day_store) {
    query(QStringLiteral("update setting set account_visible=?1,check_version=?2,update_type=?3,dir_warning=?4,"
                         "day_store=?5"),
          {qint64{accountVisible}, qint64{check}, updateType, qint64{dirWarning}, qint64{day_store}});
}

void myDb::getUserInfo(QStringList& info) {
    const QStringList user = readColumns(QStringLiteral("select username,password,session from tb_user"), {});
    if (user.size() < 3) {
        info << QString(QLatin1String("")) << QString(QLatin1String("")) << QString(QLatin1String(""));
        return;
    }
    info << user.mid(user.size() - 3);
}

void myDb::setUserInfo(const QString& username, const QString& password, const QString& session) {
    // An insert failing after the delete would log the user out.
    writeTogether([this, &username, &password, &session] {
        return query(QStringLiteral("delete from tb_user")) &&
               query(QStringLiteral("insert into tb_user(username,password,session) values (?1,?2,?3)"),
                     {username, password, session});
    });
}

// ---- purge ------------------------------------------------------------------------------------

void myDb::removeCache(int today) {
    const int keptDays = readLastInt(QStringLiteral("select day_store from setting"), {});
    const qint64 cutOff = today - keptDays;
    const qint64 day = today;
    query(QStringLiteral("delete from company where day<?1"), {cutOff});
    query(QStringLiteral("delete from stockInfo where day>?1"), {day});
    query(QStringLiteral("delete from companydata where day<?1"), {cutOff});
    query(QStringLiteral("delete from companyrealtimedata where day<?1"), {day});
    query(QStringLiteral("delete from news where day<?1"), {day});
    query(QStringLiteral("delete from portfolio where day<?1"), {cutOff});
    // The market overview's answers are the market history screen's only source, and its purpose
    // is an earlier day: they are kept as long as the end-of-day history.
    query(QStringLiteral("delete from realtime where day<?1"), {cutOff});
    query(QStringLiteral("delete from realtime_exchange where day<?1"), {day});
    query(QStringLiteral("delete from realtime_gold where day<?1"), {day});
    query(QStringLiteral("delete from realtime_goods where day<?1"), {day});
    query(QStringLiteral("delete from realtime_worldstock where day<?1"), {day});
    query(QStringLiteral("delete from stockinfo where day<?1"), {cutOff});
    query(QStringLiteral("delete from finance where day<?1"), {day - 1});
    query(QStringLiteral("delete from realtime_company where day<?1"), {day});
}

void myDb::makePorfolioEmpty() {
    query(QStringLiteral("delete from portfolio"));
    query(QStringLiteral("delete from portfoliodata"));
}

// ---- diagnostics ------------------------------------------------------------------------------

QList<QPair<QString, int>> myDb::tableRowCounts() {
    QList<QPair<QString, int>> counts;
    const QStringList tables =
        readRows(QStringLiteral("select name from sqlite_master where type='table' order by name"), {});
    for (const QString& table : tables) {
        // Table names come from the file's own catalogue, quoted as identifiers.
        QString quoted = table;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        counts.append({table, readLastInt(QStringLiteral("select count(*) from \"") + quoted + QLatin1Char('"'), {})});
    }
    return counts;
}
