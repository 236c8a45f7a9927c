#pragma once

#include "net/AnswerReader.h"
#include "server/FaultInjector.h"
#include "server/Service.h"
#include "shell/ShellFixture.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace reliability {

/// One live screen as a journey drives it: how a refresh starts, whether its answer is still
/// awaited, what the screen shows, and whether that is the service's answer of now (empty: the
/// screen shows the market's time now).
struct JourneyScreen {
    QString name;
    std::function<void()> refresh;
    std::function<bool()> busy;
    std::function<QStringList()> shown;
    std::function<bool()> fresh = {};
    /// Seconds of the market between two refreshes: the live refresh's period.
    double period = 1;
};

/// What one journey went through, counted by the service (time-outs by the journey: the service
/// only sees a slow answer).
struct JourneyFigures {
    int refreshes = 0;
    int timeOuts = 0;
    sim::FaultCounts served;
    double seconds = 0;
};

/// The faults of the bad spell: dropped connections, error answers, garbage mixed into good
/// answers, and a little latency on every answer.
inline sim::FaultRates badSpell() {
    return sim::FaultRates{3, 0.1, 0.1, 0.2};
}

/// The client's limit on a transfer in the journeys, well above what an answer takes on this
/// machine even under the sanitizers, and the latency of the bad spell's slow answers beyond it.
inline constexpr int kJourneyTransferTimeoutMs = 400;
inline constexpr int kSlowAnswerMs = 700;
/// Every this many refreshes of the bad spell, the answer comes too late and the transfer times out.
inline constexpr int kTimeOutEvery = 50;

/// The rates of one refresh of the bad spell.
inline sim::FaultRates badSpellAt(int refresh) {
    sim::FaultRates rates = badSpell();
    if (refresh % kTimeOutEvery == kTimeOutEvery - 1) {
        rates.latencyMs = kSlowAnswerMs;
    }
    return rates;
}

/// The whole application on the built-in service, its market clock frozen inside the session of
/// the latest trading day and moved along with the manual scheduler, refreshing every second.
class JourneyTest : public testsupport::ShellTest {
protected:
    static constexpr int kRefreshes = 1000;

    void SetUp() override;
    void TearDown() override;

    /// Where the market clock starts on the trading day (Vietnam's time).
    virtual QTime marketStart() const { return {9, 30}; }

    /// A screen whose live refresh comes from the scheduler at this period (the preferences set
    /// the live screens' to one second). A failed answer may switch live mode off; the user then
    /// switches it on again, which asks at once.
    template <typename Screen> JourneyScreen tracked(const QString& name, Screen& screen, double period = 1) {
        return JourneyScreen{name,
                             [this, &screen, period] {
                                 if constexpr (requires { screen.toggleAnimation(); }) {
                                     if (!app().bRealTime()) {
                                         screen.toggleAnimation();
                                         return;
                                     }
                                 } else {
                                     static_cast<void>(screen); // a screen without live mode
                                 }
                                 scheduler().advance(period);
                             },
                             [&screen] { return screen.isRequestOutstanding(); },
                             [&screen] { return labelTexts(screen); },
                             {},
                             period};
    }

    /// The screen pushed and its first answer awaited.
    template <typename Screen> JourneyScreen pushed(const QString& name, Screen& screen) {
        navigator().push(&screen, false);
        JourneyScreen journey = tracked(name, screen);
        EXPECT_TRUE(waitFor([&journey] { return !journey.busy(); }));
        return journey;
    }

    /// Drives the screen through the bad spell, ends it, and checks what a user would see and
    /// what the store keeps.
    void runJourney(const JourneyScreen& screen, int refreshes = kRefreshes);

    /// A refresh and the wait for its answer; the market moves on by the refresh period first.
    void refreshOnce(const JourneyScreen& screen);
    /// Alerts up or waiting.
    int alertsWaiting();
    /// The texts of every label of a screen's view.
    static QStringList labelTexts(ui::ViewController& screen);
    /// The market's time now, as the screens show it ("HH:MM").
    QString serviceTime() const;

    /// Sets the market clock to this time of the trading day.
    void moveMarketTo(QTime time);
    QString dbPath();
    /// The service's answer of now to a request, straight from its pages (no faults).
    net::Answer serviceAnswer(const std::string& pageAndQuery);
    sim::Service& service() { return *m_service; }
    int tradingDay() const { return m_tradingDay; }

private:
    bool showsFresh(const JourneyScreen& screen);
    void expectFreshWithinTwoRefreshes(const JourneyScreen& screen);
    void expectSoundStore();
    void report(const JourneyScreen& screen, const JourneyFigures& figures);

    std::unique_ptr<sim::Service> m_service;
    int m_tradingDay = 0;
};

} // namespace reliability
