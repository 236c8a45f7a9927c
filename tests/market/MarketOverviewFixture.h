#pragma once

#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "server/ScriptedServer.h"
#include "shell/ShellFixture.h"
#include "ui/RecordingCanvas.h"

#include <QString>
#include <QStringList>

namespace testsupport {

/// Where the overview chart draws a minute: HoSE's panel spans minutes 30 to 105, HNX's 0 to 150,
/// both 248 points wide from x = 199.
inline float hoseX(int minute) {
    return 199 + static_cast<float>(minute - 30) * (248.0F / 75.0F);
}

inline float haSTCX(int minute) {
    return 199 + static_cast<float>(minute) * (248.0F / 150.0F);
}

/// A minute record of the overview's answer: exchange, minute, index value, bar value.
inline QString minuteRecord(int stockId, int minute, double point, double bar) {
    return QStringLiteral("\n%1,%2,%3,%4").arg(stockId).arg(minute).arg(point).arg(bar);
}

/// An index record of the overview's answer with the previous close `reference`.
inline QString indexRecord(int stockId, double reference, int day) {
    return QStringLiteral("\n%1,1,0.1,60,1000,%2,100,10,%3").arg(stockId).arg(reference).arg(day);
}

/// The market overview on a scripted service, fed its answers by hand.
class MarketOverviewTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        m_screen = app().cachedScreen<market::MarketInfoViewController>();
        m_screen->view();
    }

    /// Stores one answer of today's feed as a fresh answer would be.
    void receive(const QStringList& records) {
        QString text = QStringLiteral("KTRPW:0:%1;").arg(app().currentDay());
        for (const QString& record : records) {
            text += record + QLatin1Char(';');
        }
        m_screen->DidFinishRequest(text.toUtf8());
    }

    /// The chart as drawn now.
    ui::RecordingCanvas draw() {
        ui::RecordingCanvas canvas;
        m_screen->chartView()->render(canvas);
        return canvas;
    }

    sim::ScriptedServer m_server;
    market::MarketInfoViewController* m_screen = nullptr;
};

} // namespace testsupport
