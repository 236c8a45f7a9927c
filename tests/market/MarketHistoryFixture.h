#pragma once

#include "market/MarketHistoryLabel.h"
#include "market/MarketHistoryView.h"
#include "market/MarketHistoryViewController.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/RecordingCanvas.h"
#include "ui/ViewController.h"

#include <QStringList>

namespace testsupport {

/// The history screen over a fresh store, on a navigation stack with a plain root screen. No
/// service is reached: the screen reads only what the overview stored.
class MarketHistoryTest : public ShellTest {
protected:
    static constexpr int kToday = 8000;

    void SetUp() override {
        ShellTest::SetUp();
        makeApp(QStringLiteral("http://127.0.0.1:9"));
        app().initMyDb();
        app().setCurrentDay(kToday);
        app().setCurrentHistoryDayView(kToday - 1);
        navigator().setRoot(&m_root);
    }

    market::MarketHistoryViewController& screen() { return *app().cachedScreen<market::MarketHistoryViewController>(); }

    /// Stores the answers of a day as the overview does, in order.
    void store(int day, const QStringList& answers) {
        for (qsizetype i = 0; i < answers.size(); ++i) {
            app().db()->addRealtimeData(QString::number(day), answers.at(i), static_cast<int>(i));
        }
    }

    /// An overview answer of the day made of the given records.
    static QString answerOf(int day, const QStringList& records) {
        return QStringLiteral("1:0:") + QString::number(day) + QLatin1Char(';') + records.join(QLatin1Char(';'));
    }

    /// Shows the screen, which loads its day.
    void open() { navigator().push(&screen(), false); }

    /// One redraw pass of the chart onto a recording surface.
    ui::RecordingCanvas redraw() {
        ui::RecordingCanvas canvas;
        screen().chartView()->render(canvas);
        return canvas;
    }

    ui::ViewController m_root;
};

} // namespace testsupport
