#pragma once

#include "market/MarketResultView.h"
#include "market/MarketResultViewController.h"
#include "server/ScriptedServer.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/RecordingCanvas.h"

#include <QList>

namespace testsupport {

/// The application started without the version check (the update question declined), today
/// fixed at day 9000, and helpers to store end-of-day rows and to open the results screen.
class MarketResultTest : public ShellTest {
protected:
    static constexpr int kToday = 9000;
    static constexpr int kHoSE = 2;
    static constexpr int kHNX = 1;

    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        app().setCurrentDay(kToday);
        app().setCurrentMarketResultDayView(kToday);
    }

    /// One stored end-of-day row of an exchange.
    void store(int stockId, int day, double point, double quantity, const QString& differ = QStringLiteral("1.5"),
               const QString& percent = QStringLiteral("0.3"), double value = 1250.5) {
        app().db()->updateStockInfo(QString::number(stockId), differ, percent, QStringLiteral("150"),
                                    QString::number(point, 'g', 12), QString::number(point - 1, 'g', 12),
                                    QString::number(value, 'g', 12), QString::number(quantity, 'g', 12),
                                    QString::number(day));
    }

    /// The screen, pushed over the main menu (which shows it and loads it).
    market::MarketResultViewController& openScreen(int chosenDay = kToday) {
        app().setCurrentMarketResultDayView(chosenDay);
        auto* screen = app().cachedScreen<market::MarketResultViewController>();
        navigator().push(screen, false);
        return *screen;
    }

    market::MarketResultViewController& screen() { return *app().cachedScreen<market::MarketResultViewController>(); }

    bool screenIsShown() { return navigator().topController() == &screen(); }

    ui::RecordingCanvas render() {
        ui::RecordingCanvas canvas;
        screen().chartView()->render(canvas);
        return canvas;
    }

    /// The vertical bars drawn from a panel's floor (y 122 for HoSE, 238 for HNX).
    static QList<ui::RecordingCanvas::Stroke> barsFrom(const ui::RecordingCanvas& canvas, double floorY) {
        QList<ui::RecordingCanvas::Stroke> bars;
        for (const ui::RecordingCanvas::Stroke& stroke : canvas.strokes()) {
            if (stroke.points.size() == 2 && stroke.points[0].y() == floorY &&
                stroke.points[0].x() == stroke.points[1].x()) {
                bars.append(stroke);
            }
        }
        return bars;
    }

    static QList<ui::RecordingCanvas::Stroke> strokesIn(const ui::RecordingCanvas& canvas, const ui::Color& color) {
        QList<ui::RecordingCanvas::Stroke> found;
        for (const ui::RecordingCanvas::Stroke& stroke : canvas.strokes()) {
            if (stroke.color == color) {
                found.append(stroke);
            }
        }
        return found;
    }

    sim::ScriptedServer m_server;
};

} // namespace testsupport
