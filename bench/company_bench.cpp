// The company list's live refresh: one quote answer of a whole exchange parsed and written in
// one transaction, the list re-read, and the table's row texts built. A holdings screen's load:
// a category's holdings and their quotes of the day read and paired, and every cell built.
#include "BenchMain.h"
#include "BenchStore.h"
#include "company/CompanyListQuotes.h"
#include "company/CompanyListSource.h"
#include "net/AnswerReader.h"
#include "portfolio/HoldingColumns.h"
#include "portfolio/Holdings.h"
#include "store/myDb.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kCompanies = 350;
constexpr int kDay = 9000;
constexpr int kHoSE = 2;

QString quoteAnswer(int minute, int day = kDay) {
    QString text = QStringLiteral("0:%1:\n").arg(day);
    for (int id = 1; id <= kCompanies; ++id) {
        const double price = 10.0 + (id % 90) * 0.5 + minute * 0.1;
        text += QStringLiteral("%1,%2,%3,%4,%5,0.3,1.2,123400,%6,%6,%5,5000,4200,%7,%8,300,400;")
                    .arg(id)
                    .arg(kHoSE)
                    .arg(minute)
                    .arg(day)
                    .arg(price, 0, 'f', 1)
                    .arg(price - 0.3, 0, 'f', 1)
                    .arg(price * 1.07, 0, 'f', 1)
                    .arg(price * 0.93, 0, 'f', 1);
    }
    return text;
}

struct BenchStore : benchsupport::BenchStore {
    BenchStore() {
        for (int id = 1; id <= kCompanies; ++id) {
            db->updateCompanyList(QString::number(kHoSE), QString::number(kDay), QString::number(id),
                                  QStringLiteral("C%1").arg(id, 3, 10, QLatin1Char('0')), QStringLiteral("Company"));
        }
    }
};

void BM_CompanyListRefresh(benchmark::State& state) {
    BenchStore store;
    company::CompanyListSource source;
    int minute = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString text = quoteAnswer(minute++ % 150);
        state.ResumeTiming();
        const net::Answer answer(text);
        company::storeCompanyQuotes(*store.db, answer);
        source.setRowTexts(store.db->getCompanydata(kHoSE));
        benchmark::DoNotOptimize(source.rows().data());
    }
    state.counters["rows"] = double(source.rowCount());
}
BENCHMARK(BM_CompanyListRefresh)->Unit(benchmark::kMillisecond);

constexpr int kStoredDays = 60;
constexpr int kHoldings = 50;

// Sixty days of quotes of the whole exchange, and one category holding fifty of its companies.
struct HoldingsStore : BenchStore {
    HoldingsStore() {
        for (int day = kDay - kStoredDays + 1; day <= kDay; ++day) {
            company::storeCompanyQuotes(*db, net::Answer(quoteAnswer(150, day)));
        }
        db->updatePorfilio(QStringLiteral("1"), QString::number(kDay), QStringLiteral("Danh mục chính"));
        for (int holding = 1; holding <= kHoldings; ++holding) {
            db->updatePorfilioData(QStringLiteral("1"), QString::number(1000 + holding),
                                   QString::number(holding * (kCompanies / kHoldings)), QStringLiteral("25.5"),
                                   QStringLiteral("1000"), QStringLiteral("2"), QStringLiteral("1"),
                                   QStringLiteral("0.15"));
        }
    }
};

void BM_HoldingsScreenLoad(benchmark::State& state) {
    HoldingsStore store;
    portfolio::HoldingsModel model;
    for (auto _ : state) {
        model.load(*store.db, QStringLiteral("1"), kDay);
        for (const portfolio::HoldingRow& row : model.rows()) {
            for (const portfolio::HoldingColumn& column : portfolio::warningColumns()) {
                benchmark::DoNotOptimize(column.value(row));
            }
        }
    }
    state.counters["rows"] = double(model.rows().size());
}
BENCHMARK(BM_HoldingsScreenLoad)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return benchsupport::runWithApplication(argc, argv);
}
