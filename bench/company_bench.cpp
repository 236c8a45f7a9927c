// The company list's live refresh: one quote answer of a whole exchange parsed and written in
// one transaction, the list re-read, and the table's row texts built. The same list sorted and
// filtered as the user clicks a heading or types. A holdings screen's load: a category's
// holdings and their quotes of the day read and paired, and every cell built.
#include "BenchMain.h"
#include "BenchStore.h"
#include "company/CompanyListQuotes.h"
#include "company/CompanyListSource.h"
#include "net/AnswerReader.h"
#include "portfolio/HoldingColumns.h"
#include "portfolio/Holdings.h"
#include "store/myDb.h"
#include "ui/OrderedSource.h"

#include <benchmark/benchmark.h>

#include <array>

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

// Names as the exchange lists them: most with diacritics, which the filter folds.
QString companyName(int id) {
    switch (id % 4) {
    case 0:
        return QStringLiteral("Ngân hàng TMCP Đông Á số %1").arg(id);
    case 1:
        return QStringLiteral("Công ty Cổ phần Đầu tư Phước Hòa %1").arg(id);
    case 2:
        return QStringLiteral("Tập đoàn Thép Việt %1").arg(id);
    default:
        return QStringLiteral("Vinacomin Coal %1").arg(id);
    }
}

// One look of each kind the user asks for: a text column, figures both ways, a typed filter with
// and without accents, then the rows on show written out as the table and a copy read them.
void BM_SortFilterCompanyList(benchmark::State& state) {
    BenchStore store;
    company::storeCompanyQuotes(*store.db, net::Answer(quoteAnswer(100)));
    for (int id = 1; id <= kCompanies; ++id) {
        store.db->updateCompanyList(QString::number(kHoSE), QString::number(kDay), QString::number(id),
                                    QStringLiteral("C%1").arg(id, 3, 10, QLatin1Char('0')), companyName(id));
    }
    company::CompanyListSource source;
    source.setRowTexts(store.db->getCompanydata(kHoSE));
    source.setNames(store.db->getCompanyNames());
    ui::OrderedSource shown(source, source);
    const std::array<ui::RowOrderState, 4> looks{
        {{company::CompanyListSource::kCodeColumn, true, QString()},
         {company::CompanyListSource::kPriceColumn, false, QString()},
         {company::CompanyListSource::kPercentColumn, true, QStringLiteral("ngan")},
         {company::CompanyListSource::kVolumeColumn, false, QStringLiteral("Phước")}}};
    std::size_t look = 0;
    for (auto _ : state) {
        shown.rebuild(looks.at(look++ % looks.size()));
        for (int row = 0; row < shown.rowCount(); ++row) {
            benchmark::DoNotOptimize(shown.rowTexts(row));
        }
    }
    state.counters["rows"] = double(source.rowCount());
}
BENCHMARK(BM_SortFilterCompanyList)->Unit(benchmark::kMillisecond);

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
