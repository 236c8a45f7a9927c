// Store throughput: one day of the full update against the same rows upserted with raw SQLite
// and against the raw SQLite insert rate, and the company screen's unbracketed intraday writes.
#include "BenchStore.h"
#include "core/EndOfDayApply.h"
#include "store/myDb.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <vector>

namespace {

constexpr int kCompanies = 1600;
constexpr int kHistoryDays = 60;
constexpr int kFirstDay = 9000;

QString text(qint64 value) {
    return QString::number(value);
}

QStringList quoteFields(int company, int day) {
    const double price = 10.0 + (company % 500) * 0.1 + (day % 7) * 0.1;
    return {text(company),
            text(1 + company % 2),
            QStringLiteral("150"),
            text(day),
            QString::number(price, 'f', 1),
            QStringLiteral("0.2"),
            QStringLiteral("1.5"),
            QStringLiteral("123400"),
            QString::number(price - 0.2, 'f', 1),
            QString::number(price - 0.1, 'f', 1),
            QString::number(price, 'f', 1),
            QStringLiteral("5000"),
            QStringLiteral("4200"),
            QString::number(price * 1.07, 'f', 1),
            QString::number(price * 0.93, 'f', 1),
            QStringLiteral("1200"),
            QStringLiteral("800")};
}

core::EndOfDayRecords dayRecords(int day) {
    core::EndOfDayRecords records;
    records.stamp = text(day);
    for (int company = 1; company <= kCompanies; ++company) {
        records.companies.push_back({text(company), text(1 + company % 2),
                                     QStringLiteral("C%1").arg(company, 4, 10, QLatin1Char('0')),
                                     QStringLiteral("Công ty Cổ phần số %1").arg(company)});
        records.quotes.push_back(quoteFields(company, day));
    }
    for (int exchange = 1; exchange <= 2; ++exchange) {
        records.indexDays.push_back({text(exchange), QStringLiteral("3.2"), QStringLiteral("0.31"),
                                     QStringLiteral("150"), QStringLiteral("1023.5"), QStringLiteral("1020.3"),
                                     QStringLiteral("4521.7"), QStringLiteral("152.3"), text(day)});
    }
    return records;
}

using benchsupport::BenchStore;

void BM_EodDayApply(benchmark::State& state) {
    BenchStore store;
    for (int day = kFirstDay; day < kFirstDay + kHistoryDays; ++day) {
        core::applyEndOfDayDay(*store.db, dayRecords(day), day, day == kFirstDay, 2);
    }
    int day = kFirstDay + kHistoryDays;
    for (auto _ : state) {
        state.PauseTiming();
        const core::EndOfDayRecords records = dayRecords(day);
        state.ResumeTiming();
        core::applyEndOfDayDay(*store.db, records, day, true, 2);
        ++day;
    }
    state.SetItemsProcessed(state.iterations() * (kCompanies + 2 + kCompanies));
}
BENCHMARK(BM_EodDayApply)->Unit(benchmark::kMillisecond)->Iterations(20);

/// A day's rows as UTF-8 texts, ready to bind: what the baseline writes, converted beforehand.
struct RawDay {
    std::vector<std::vector<QByteArray>> companies;
    std::vector<std::vector<QByteArray>> indexDays;
    std::vector<std::vector<QByteArray>> quotes;
};

std::vector<QByteArray> utf8(const QStringList& fields) {
    std::vector<QByteArray> texts;
    texts.reserve(static_cast<size_t>(fields.size()));
    for (const QString& field : fields) {
        texts.push_back(field.toUtf8());
    }
    return texts;
}

RawDay rawDay(int day) {
    const core::EndOfDayRecords records = dayRecords(day);
    RawDay raw;
    for (const QStringList& f : records.companies) {
        raw.companies.push_back(utf8({f.at(1), records.stamp, f.at(0), f.at(2), f.at(3)}));
    }
    for (const QStringList& f : records.indexDays) {
        raw.indexDays.push_back(utf8(f));
    }
    for (const QStringList& f : records.quotes) {
        // Column order: stockId, day, minute, updown, percent, id, price, ..., buy and sell residue.
        raw.quotes.push_back(utf8({f.at(1), f.at(3), f.at(2), f.at(5), f.at(6), f.at(0), f.at(4), f.at(7), f.at(8),
                                   f.at(9), f.at(10), f.at(11), f.at(12), f.at(13), f.at(14), f.at(16), f.at(15)}));
    }
    return raw;
}

void bindAndStep(sqlite3_stmt* statement, const std::vector<QByteArray>& values) {
    for (size_t i = 0; i < values.size(); ++i) {
        sqlite3_bind_text(statement, static_cast<int>(i) + 1, values[i].constData(), static_cast<int>(values[i].size()),
                          SQLITE_STATIC);
    }
    sqlite3_step(statement);
    sqlite3_reset(statement);
}

/// The seed's tables and indexes opened with raw SQLite and the store's settings, with one
/// prepared upsert per table.
class RawUpsertStore {
public:
    RawUpsertStore() {
        const QString file = QDir(m_dir.path()).filePath(QStringLiteral("raw.db"));
        QFile::copy(QStringLiteral(":/db.sqlite"), file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        sqlite3_open(QFile::encodeName(file).constData(), &m_db);
        sqlite3_exec(m_db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA cache_size=-32768;", nullptr,
                     nullptr, nullptr);
        m_company = prepare("insert into company (stockId,day,id,code,name) values (?,?,?,?,?) on conflict "
                            "(stockId,code) do update set day=excluded.day,id=excluded.id,name=excluded.name");
        m_index = prepare("insert into stockInfo (stockId,differ,percent,minute,point,yesterdaypoint,value,quantity,"
                          "day) values (?,?,?,?,?,?,?,?,?) on conflict (day,stockId) do update set "
                          "differ=excluded.differ,percent=excluded.percent,minute=excluded.minute,"
                          "point=excluded.point,yesterdaypoint=excluded.yesterdaypoint,value=excluded.value,"
                          "quantity=excluded.quantity");
        m_quote = prepare("insert into companydata (stockId,day,minute,updown,percent,id,price,quantity,refer,open,"
                          "close,bqBuy,bqSell,ceil,floor,buyResidue,sellResidue) values "
                          "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?) on conflict (day,id) do update set "
                          "stockId=excluded.stockId,minute=excluded.minute,updown=excluded.updown,"
                          "percent=excluded.percent,price=excluded.price,quantity=excluded.quantity,"
                          "refer=excluded.refer,open=excluded.open,close=excluded.close,bqBuy=excluded.bqBuy,"
                          "bqSell=excluded.bqSell,ceil=excluded.ceil,floor=excluded.floor,"
                          "buyResidue=excluded.buyResidue,sellResidue=excluded.sellResidue");
    }
    ~RawUpsertStore() {
        sqlite3_finalize(m_company);
        sqlite3_finalize(m_index);
        sqlite3_finalize(m_quote);
        sqlite3_close(m_db);
    }
    RawUpsertStore(const RawUpsertStore&) = delete;
    RawUpsertStore& operator=(const RawUpsertStore&) = delete;

    void write(const RawDay& day) {
        sqlite3_exec(m_db, "BEGIN EXCLUSIVE TRANSACTION", nullptr, nullptr, nullptr);
        for (const auto& row : day.companies) {
            bindAndStep(m_company, row);
        }
        for (const auto& row : day.indexDays) {
            bindAndStep(m_index, row);
        }
        for (const auto& row : day.quotes) {
            bindAndStep(m_quote, row);
        }
        sqlite3_exec(m_db, "COMMIT TRANSACTION", nullptr, nullptr, nullptr);
    }

private:
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
        return statement;
    }

    QTemporaryDir m_dir;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_company = nullptr;
    sqlite3_stmt* m_index = nullptr;
    sqlite3_stmt* m_quote = nullptr;
};

// The ceiling for BM_EodDayApply: the same rows into the same tables and indexes, over the same
// 60 days of history, one prepared upsert per row and one transaction, values already UTF-8.
void BM_SameRowsUpsert(benchmark::State& state) {
    RawUpsertStore store;
    for (int day = kFirstDay; day < kFirstDay + kHistoryDays; ++day) {
        store.write(rawDay(day));
    }
    int day = kFirstDay + kHistoryDays;
    for (auto _ : state) {
        state.PauseTiming();
        const RawDay rows = rawDay(day);
        state.ResumeTiming();
        store.write(rows);
        ++day;
    }
    state.SetItemsProcessed(state.iterations() * (kCompanies + 2 + kCompanies));
}
BENCHMARK(BM_SameRowsUpsert)->Unit(benchmark::kMillisecond)->Iterations(20);

// The SQLite ceiling on this machine: one prepared INSERT of 17 bound texts, one transaction.
void BM_RawInsert(benchmark::State& state) {
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("raw.db")));
    sqlite3* db = nullptr;
    sqlite3_open(path.constData(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr, nullptr);
    sqlite3_exec(db,
                 "create table quotes (c0 text,c1 text,c2 text,c3 text,c4 text,c5 text,c6 text,c7 text,c8 text,"
                 "c9 text,c10 text,c11 text,c12 text,c13 text,c14 text,c15 text,c16 text)",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "insert into quotes values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    const int rows = kCompanies + 2 + kCompanies;
    int day = kFirstDay;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<QByteArray> values;
        for (int row = 0; row < rows; ++row) {
            for (const QString& field : quoteFields(row % kCompanies + 1, day)) {
                values.push_back(field.toUtf8());
            }
        }
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN EXCLUSIVE TRANSACTION", nullptr, nullptr, nullptr);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < 17; ++column) {
                const QByteArray& value = values[static_cast<size_t>(row * 17 + column)];
                sqlite3_bind_text(insert, column + 1, value.constData(), static_cast<int>(value.size()), SQLITE_STATIC);
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_exec(db, "COMMIT TRANSACTION", nullptr, nullptr, nullptr);
        ++day;
    }
    sqlite3_finalize(insert);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_RawInsert)->Unit(benchmark::kMillisecond)->Iterations(20);

// The company screen stores one intraday answer: 150 minutes, each its own unbracketed write.
void BM_IntradayPoints(benchmark::State& state) {
    BenchStore store;
    // Close the start-up transaction as the program does, so writes run outside any transaction.
    store.db->open();
    store.db->beginTransactionWithDatabase();
    store.db->open();
    store.db->endTransactionWithDatabase();
    int day = kFirstDay;
    for (auto _ : state) {
        for (int minute = 0; minute < 150; ++minute) {
            store.db->updateMinuteCompanyData(QStringLiteral("42"), text(day), text(minute),
                                              QString::number(25.0 + minute * 0.1, 'f', 1), text(1000 + minute));
        }
        ++day;
    }
    state.SetItemsProcessed(state.iterations() * 150);
}
BENCHMARK(BM_IntradayPoints)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

BENCHMARK_MAIN();
