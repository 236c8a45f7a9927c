#include "JourneyFixture.h"
#include "StoreChecks.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "market/Market.h"
#include "market/MarketInfoViewController.h"
#include "store/myDb.h"

#include <QElapsedTimer>

#include <cstdio>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define CORVASTEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVASTEL_ASAN 1
#endif
#endif

using reliability::JourneyScreen;

namespace {

// The session from the open (08:30) to the close of HNX (11:00) and its last minute.
constexpr int kFirstHourSeconds = 3600;
constexpr int kDaySeconds = 151 * 60;
constexpr int kDayMinutes = 151;

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

} // namespace

// A screen left in live mode through a whole trading day, refreshing every second.
class SoakTest : public reliability::JourneyTest {
protected:
    QTime marketStart() const override { return {8, 30}; }

    /// Runs the day; the store's rows of the day in `table` (filed under `day`) must not outnumber
    /// its minutes.
    void runDay(const JourneyScreen& screen, const QString& table, int day) {
        QElapsedTimer wall;
        wall.start();
        std::size_t firstHour = 0;
        for (int second = 1; second <= kDaySeconds; ++second) {
            refreshOnce(screen);
            ASSERT_LE(alertsWaiting(), 0) << "second " << second << ": " << alerts().currentMessage().toStdString();
            if (second == kFirstHourSeconds) {
                firstHour = heapInUse();
            }
        }
        const std::size_t endOfDay = heapInUse();
        const int rows = reliability::rowsOfDay(dbPath(), table, QStringLiteral("day"), day);
        std::printf("[soak] %-18s refreshes %d heap first hour %zu end of day %zu %s rows %d minutes %d time %.1f s\n",
                    screen.name.toUtf8().constData(), kDaySeconds, firstHour, endOfDay, table.toUtf8().constData(),
                    rows, kDayMinutes, static_cast<double>(wall.elapsed()) / 1000.0);
        EXPECT_GT(rows, 0);
        EXPECT_LE(rows, kDayMinutes);
#ifndef CORVASTEL_ASAN
        EXPECT_LE(static_cast<double>(endOfDay), 1.1 * static_cast<double>(firstHour));
#endif
    }
};

TEST_F(SoakTest, OverviewThroughADay) {
    app().setBRealTime(true);
    runDay(pushed(QStringLiteral("overview"), *app().cachedScreen<market::MarketInfoViewController>()),
           QStringLiteral("realtime"), app().dateDiffFromNow());
}

TEST_F(SoakTest, CompanyRealTimeThroughADay) {
    const sim::Company& company = service().market().companies().front();
    app().db()->updateCompanyList(QString::number(company.stockId), QString::number(tradingDay()),
                                  QString::number(company.id), QString::fromStdString(company.code),
                                  QString::fromStdString(company.name));
    auto& screen = *app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    screen.setCode(QString::fromStdString(company.code));
    screen.set_id(QString::number(company.id));
    runDay(pushed(QStringLiteral("company real-time"), screen), QStringLiteral("realtime_company"), tradingDay());
}
