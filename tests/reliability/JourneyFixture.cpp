#include "JourneyFixture.h"

#include "StoreChecks.h"
#include "core/CalendarHelpers.h"
#include "market/TradingCalendar.h"
#include "server/Clock.h"
#include "server/QueryParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>

#include <cstdio>

namespace reliability {

namespace {

/// The latest trading day up to today.
QDate latestTradingDay() {
    QDate day = QDate::currentDate();
    while (!sim::market::isTradingDay(static_cast<int>(QDate(2000, 1, 1).daysTo(day)))) {
        day = day.addDays(-1);
    }
    return day;
}

sim::FaultCounts servedSince(const sim::FaultCounts& before, const sim::FaultCounts& now) {
    return {now.requests - before.requests, now.drops - before.drops, now.errors - before.errors,
            now.garbage - before.garbage};
}

} // namespace

void JourneyTest::SetUp() {
    ShellTest::SetUp();
    const QDate day = latestTradingDay();
    const QDateTime morning = sim::Clock::vietnamTime(day, marketStart());
    sim::ServiceOptions options;
    options.clockStart = morning;
    m_service = std::make_unique<sim::Service>(options);
    m_service->clock().setFixed(morning);
    ASSERT_TRUE(m_service->start());
    m_preferences.values[QStringLiteral("Realtime")] = 1;
    m_preferences.values[QStringLiteral("TheodoiCK")] = 1;
    m_transferTimeoutMs = kJourneyTransferTimeoutMs;
    startQuietly(m_service->baseUrl());
    m_tradingDay = core::dayNumberOf(QDateTime(day, QTime(12, 0)));
    app().setCurrentDay(m_tradingDay);
}

void JourneyTest::moveMarketTo(QTime time) {
    m_service->clock().setFixed(sim::Clock::vietnamTime(m_service->clock().nowDateTime().date(), time));
}

void JourneyTest::TearDown() {
    ShellTest::TearDown();
    // The service stops once its connections are closed; a kept-alive one would hold it for the
    // server's keep-alive time.
    network().clearConnectionCache();
    QCoreApplication::processEvents();
    m_service.reset();
}

void JourneyTest::refreshOnce(const JourneyScreen& screen) {
    m_service->clock().advance(static_cast<qint64>(screen.period));
    screen.refresh();
    ASSERT_TRUE(waitFor([&screen] { return !screen.busy(); })) << screen.name.toStdString();
}

int JourneyTest::alertsWaiting() {
    return alerts().queuedCount() + (alerts().isShowing() ? 1 : 0);
}

QStringList JourneyTest::labelTexts(ui::ViewController& screen) {
    QStringList texts;
    for (const QLabel* label : screen.view()->findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    return texts;
}

QString JourneyTest::serviceTime() const {
    return m_service->clock()
        .nowDateTime()
        .toOffsetFromUtc(sim::Clock::kVietnamOffset)
        .toString(QStringLiteral("HH:mm"));
}

QString JourneyTest::dbPath() {
    return app().db()->dataFilePath();
}

void JourneyTest::runJourney(const JourneyScreen& screen, int refreshes) {
    QElapsedTimer wall;
    wall.start();
    const sim::FaultCounts before = m_service->faults().counts();
    JourneyFigures figures;
    for (; figures.refreshes < refreshes; ++figures.refreshes) {
        const sim::FaultRates rates = badSpellAt(figures.refreshes);
        m_service->faults().setRates(rates);
        figures.timeOuts += rates.latencyMs > kJourneyTransferTimeoutMs ? 1 : 0;
        refreshOnce(screen);
        ASSERT_LE(alertsWaiting(), 1) << "refresh " << figures.refreshes << ": "
                                      << alerts().currentMessage().toStdString() << " with " << alerts().queuedCount()
                                      << " waiting";
    }
    figures.served = servedSince(before, m_service->faults().counts());
    m_service->faults().setRates({});
    while (alerts().isShowing()) {
        alerts().press(0);
    }
    expectFreshWithinTwoRefreshes(screen);
    expectSoundStore();
    figures.seconds = static_cast<double>(wall.elapsed()) / 1000.0;
    report(screen, figures);
}

bool JourneyTest::showsFresh(const JourneyScreen& screen) {
    return screen.fresh ? screen.fresh() : screen.shown().contains(serviceTime());
}

net::Answer JourneyTest::serviceAnswer(const std::string& pageAndQuery) {
    const auto request = sim::requestFromTarget("/KTRPW/" + pageAndQuery);
    return request ? net::readAnswer(QByteArray::fromStdString(m_service->handle(*request).body)) : net::Answer();
}

void JourneyTest::expectFreshWithinTwoRefreshes(const JourneyScreen& screen) {
    // A minute on, so that what the screen shows can only come from an answer after the spell.
    m_service->clock().advance(60);
    for (int refresh = 0; refresh < 2 && !showsFresh(screen); ++refresh) {
        refreshOnce(screen);
    }
    EXPECT_TRUE(showsFresh(screen)) << screen.name.toStdString() << " shows " << screen.shown().join(u'|').toStdString()
                                    << " at " << serviceTime().toStdString();
    EXPECT_FALSE(alerts().isShowing()) << alerts().currentMessage().toStdString();
}

void JourneyTest::expectSoundStore() {
    EXPECT_EQ(integrityOf(dbPath()), QStringLiteral("ok"));
    const QStringList junk = junkValuesIn(dbPath());
    EXPECT_TRUE(junk.isEmpty()) << junk.size() << " junk values, first: " << junk.value(0).toStdString();
}

void JourneyTest::report(const JourneyScreen& screen, const JourneyFigures& figures) {
    const sim::FaultCounts& served = figures.served;
    std::printf("[journey] %-18s refreshes %d requests %lld dropped %lld errors %lld garbage %lld time-outs %d "
                "time %.1f s\n",
                screen.name.toUtf8().constData(), figures.refreshes, served.requests, served.drops, served.errors,
                served.garbage, figures.timeOuts, figures.seconds);
    RecordProperty("refreshes", figures.refreshes);
    RecordProperty("requests", static_cast<int>(served.requests));
    RecordProperty("dropped", static_cast<int>(served.drops));
    RecordProperty("errors", static_cast<int>(served.errors));
    RecordProperty("garbage", static_cast<int>(served.garbage));
    RecordProperty("timeOuts", figures.timeOuts);
}

} // namespace reliability
