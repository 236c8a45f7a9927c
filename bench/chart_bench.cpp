// Redrawing the market overview from a whole morning of stored answers, reading one answer of
// the whole morning, and redrawing the bank gold chart from a whole day of stored answers.
#include "BenchMain.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "net/NetworkActivity.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/ManualScheduler.h"
#include "ui/Navigator.h"
#include "ui/QPainterCanvas.h"
#include "world/ACBGoldViewController.h"
#include "world/GoldDayView.h"

#include <QCoreApplication>
#include <QImage>
#include <QNetworkAccessManager>
#include <QPainter>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

constexpr int kLastMinute = 150;
constexpr int kHoSEFirst = 32;
constexpr int kHoSELast = 105;
constexpr int kMinutesPerDay = 1440;

// A smooth, deterministic index path and per-minute traded quantity for an exchange.
double indexAt(int stockId, int minute) {
    const double base = stockId == 2 ? 1150.0 : 225.0;
    return base * (1.0 + 0.004 * std::sin(minute / 9.0) + 0.0015 * std::cos(minute / 2.3));
}

double quantityAt(int stockId, int minute) {
    return (stockId == 2 ? 2.5 : 0.9) * (1.2 + std::sin(minute * 1.7) * std::cos(minute / 5.0));
}

bool trades(int stockId, int minute) {
    return stockId == 1 ? minute >= 0 && minute <= kLastMinute : minute >= kHoSEFirst && minute <= kHoSELast;
}

QString minuteRecord(int stockId, int minute) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(stockId)
        .arg(minute)
        .arg(indexAt(stockId, minute), 0, 'f', 2)
        .arg(quantityAt(stockId, minute), 0, 'f', 3);
}

QString indexRecord(int stockId, int revision, int day) {
    const int last = std::min(revision, stockId == 2 ? kHoSELast : kLastMinute);
    const double value = indexAt(stockId, std::max(last, stockId == 2 ? kHoSEFirst : 0));
    const double reference = indexAt(stockId, 0) * 0.999;
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9")
        .arg(stockId)
        .arg(value - reference, 0, 'f', 2)
        .arg(100 * (value - reference) / reference, 0, 'f', 2)
        .arg(revision)
        .arg(value, 0, 'f', 2)
        .arg(reference, 0, 'f', 2)
        .arg(1234.56 + revision, 0, 'f', 2)
        .arg(45.6 + revision / 10.0, 0, 'f', 2)
        .arg(day);
}

/// The answer the service gives at `now` to a client whose revision is `since` (-1: none), in
/// its layout: minutes in order, HNX before HoSE, then both index records, one record a line.
QString feedAnswer(int day, int since, int now) {
    QString text = QStringLiteral("KTRPW:0:%1").arg(day);
    for (int minute = since + 1; minute <= now; ++minute) {
        for (const int stockId : {1, 2}) {
            if (trades(stockId, minute)) {
                text += QStringLiteral(";\n") + minuteRecord(stockId, minute);
            }
        }
    }
    text += QStringLiteral(";\n") + indexRecord(1, now, day);
    text += QStringLiteral(";\n") + indexRecord(2, now, day);
    return text + QStringLiteral(";\n");
}

/// An application object on a temporary store, with the overview screen.
struct Overview {
    Overview() {
        stack = new QStackedWidget(&window);
        navigator = std::make_unique<ui::Navigator>(stack);
        alerts = std::make_unique<ui::Alerts>(&window);
        shell::AppEnvironment environment;
        environment.dataDir = dir.path();
        environment.network = &network;
        environment.activity = &activity;
        environment.scheduler = &scheduler;
        environment.alerts = alerts.get();
        environment.navigator = navigator.get();
        environment.platform.deviceId = QStringLiteral("bench");
        app = std::make_unique<shell::QRMInfoAppDelegate>(environment);
        app->initMyDb();
        app->caculateDay();
        screen = app->cachedScreen<market::MarketInfoViewController>();
        screen->view();
    }

    /// One bank gold answer a minute from 00:00 to 24:00, each holding the minute since the one
    /// before and the quote, stored as the gold screen stores them.
    void storeGoldDay() {
        const int day = app->currentDay();
        for (int minute = 0; minute < kMinutesPerDay; ++minute) {
            const double price = 41500 + 120 * std::sin(minute / 47.0) + 35 * std::cos(minute / 5.3);
            const int amount = 40 + (minute * 37) % 260;
            const QString text = QStringLiteral("KTRPW:0:%1;\n1,%2,%3,%4;\n1,-20,-0.05,%2,%3,41520,%5,%6,%1;\n")
                                     .arg(day)
                                     .arg(minute)
                                     .arg(price, 0, 'f', 0)
                                     .arg(amount)
                                     .arg(1000.0 + minute * 7, 0, 'f', 1)
                                     .arg(minute * 3);
            app->db()->addRealtimeGoldData(world::ACBGoldViewController::kFeedId, QString::number(day), text, minute);
        }
    }

    /// One answer a minute from 08:30 to 11:00, each stored as the overview stores it.
    void storeMorning() {
        const int day = app->currentDay();
        for (int minute = 0; minute <= kLastMinute; ++minute) {
            app->db()->addRealtimeData(QString::number(day), feedAnswer(day, minute - 1, minute), minute);
        }
        screen->loadData();
    }

    QTemporaryDir dir;
    QNetworkAccessManager network;
    net::NetworkActivity activity;
    ui::ManualScheduler scheduler;
    QWidget window;
    QStackedWidget* stack = nullptr;
    std::unique_ptr<ui::Navigator> navigator;
    std::unique_ptr<ui::Alerts> alerts;
    std::unique_ptr<shell::QRMInfoAppDelegate> app;
    market::MarketInfoViewController* screen = nullptr;
};

void BM_MarketOverviewRedraw(benchmark::State& state) {
    Overview overview;
    overview.storeMorning();
    if (overview.app->realDataArr().size() != kLastMinute + 1) {
        state.SkipWithError("the morning was not stored");
        return;
    }
    QImage image(960, 640, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.scale(2, 2);
        painter.fillRect(QRect(0, 0, 480, 320), Qt::black);
        ui::QPainterCanvas canvas(painter);
        overview.screen->chartView()->render(canvas);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_MarketOverviewRedraw)->Unit(benchmark::kMillisecond);

// The crosshair following the pointer over the overview shown on screen: a move repaints the
// crosshair over the chart as last drawn, without a redraw from the store.
void BM_MarketOverviewCrosshairMove(benchmark::State& state) {
    Overview overview;
    overview.storeMorning();
    market::MarketInfoView* chart = overview.screen->chartView();
    QWidget* const host = chart->parentWidget();
    chart->setParent(nullptr);
    chart->show();
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        chart->hoverAt(QPointF(200 + (step++ % 250), 80));
        QCoreApplication::processEvents();
    }
    chart->hide();
    chart->setParent(host);
}
BENCHMARK(BM_MarketOverviewCrosshairMove)->Unit(benchmark::kMicrosecond);

void BM_MarketAnswerParse(benchmark::State& state) {
    Overview overview;
    const QString text = feedAnswer(overview.app->currentDay(), -1, kLastMinute);
    for (auto _ : state) {
        overview.screen->parseMarKetInfo(text);
    }
    if (overview.screen->isErr()) {
        state.SkipWithError("the answer did not read as a success");
    }
    state.SetBytesProcessed(state.iterations() * text.size() * qint64(sizeof(QChar)));
}
BENCHMARK(BM_MarketAnswerParse)->Unit(benchmark::kMicrosecond);

void BM_GoldDayRedraw(benchmark::State& state) {
    Overview overview;
    overview.storeGoldDay();
    auto* gold = overview.app->cachedScreen<world::ACBGoldViewController>();
    gold->view();
    QImage image(960, 640, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        gold->prepareToDisplay();
        QPainter painter(&image);
        painter.scale(2, 2);
        painter.fillRect(QRect(0, 0, 480, 320), Qt::white);
        ui::QPainterCanvas canvas(painter);
        gold->chartView()->render(canvas);
    }
    if (gold->storedTexts().size() != kMinutesPerDay) {
        state.SkipWithError("the day was not stored");
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_GoldDayRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return benchsupport::runWithApplication(argc, argv);
}
