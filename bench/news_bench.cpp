// What a news list's reload and an article cost: a 20-item news answer stored in one transaction,
// the list's rows rebuilt (titles wrapped) and painted; an article page and a statement table
// page built and laid out in their views.
#include "BenchMain.h"
#include "BenchStore.h"
#include "company/FinanceStatementPage.h"
#include "news/NewsAnswer.h"
#include "news/NewsArticlePage.h"
#include "news/NewsItem.h"
#include "news/NewsRows.h"
#include "store/myDb.h"
#include "ui/HtmlView.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

constexpr int kItems = 20;
constexpr int kDay = 9000;

QString newsAnswer(int round) {
    QString text = QStringLiteral("KTRPW:0:%1;").arg(kDay);
    for (int i = 0; i < kItems; ++i) {
        text += QStringLiteral("\n%1,%2,0,Công ty Cổ phần Xăng dầu Tân Tạo thông báo ngày đăng ký cuối cùng trả cổ "
                               "tức đợt %3,Tiêu đề của tin %3\nCổ tức năm 2025 được trả bằng tiền mặt.\nTỷ lệ thực "
                               "hiện là 20 phần trăm mệnh giá cho mỗi cổ phiếu.;")
                    .arg(kDay)
                    .arg(600 + i)
                    .arg(round * kItems + i);
    }
    return text;
}

using benchsupport::BenchStore;

void BM_NewsReload(benchmark::State& state) {
    BenchStore store;
    news::NewsRows rows;
    QImage surface(480, 2000, QImage::Format_ARGB32_Premultiplied);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString text = newsAnswer(round++);
        state.ResumeTiming();
        news::storeNewsAnswer(*store.db, text);
        rows.setRows(store.db->getCompanyNews(QStringLiteral(" ")));
        QPainter painter(&surface);
        int top = 0;
        for (int row = 0; row < rows.rowCount(); ++row) {
            rows.paintRow(painter, QRect(0, top, 480, rows.rowHeight(row)), row, false);
            top += rows.rowHeight(row);
        }
    }
    state.counters["rows"] = double(rows.rowCount());
}
BENCHMARK(BM_NewsReload)->Unit(benchmark::kMillisecond);

void BM_ArticlePageShow(benchmark::State& state) {
    ui::HtmlView view;
    view.resize(480, 284);
    const news::NewsItem item = news::NewsItem::fromRow(
        QStringLiteral("%1,600,0,Tiêu đề,Công ty Cổ phần Xăng dầu Tân Tạo thông báo ngày đăng ký cuối cùng\nCổ tức "
                       "năm 2025 được trả bằng tiền mặt.\nTỷ lệ thực hiện là 20 phần trăm mệnh giá.")
            .arg(kDay));
    for (auto _ : state) {
        view.setHtml(news::articlePage(item));
        benchmark::DoNotOptimize(view.document()->size());
    }
}
BENCHMARK(BM_ArticlePageShow)->Unit(benchmark::kMicrosecond);

void BM_StatementPageShow(benchmark::State& state) {
    ui::HtmlView view;
    view.resize(404, 178);
    const company::StatementPeriod right =
        company::StatementPeriod::fromRow(QStringLiteral("7,3,2026,321221053,28329666,12289765,2308557,2"));
    const company::StatementPeriod left =
        company::StatementPeriod::fromRow(QStringLiteral("7,2,2026,318937179,28511193,11829310,3052861,2"));
    for (auto _ : state) {
        view.setHtml(company::statementPage(company::StatementLayout::Bank, right, left));
        benchmark::DoNotOptimize(view.document()->size());
    }
}
BENCHMARK(BM_StatementPageShow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return benchsupport::runWithApplication(argc, argv);
}
