#include "MarketHistoryFixture.h"
#include "company/CompanyInfoViewController.h"

#include <QLabel>
#include <QPushButton>

using market::MarketHistoryView;
using testsupport::MarketHistoryTest;

namespace {

QString hoseRecord(int minute, double point, double bar) {
    return QStringLiteral("2,%1,%2,%3").arg(minute).arg(point).arg(bar);
}

QString haSTCRecord(int minute, double point, double bar) {
    return QStringLiteral("1,%1,%2,%3").arg(minute).arg(point).arg(bar);
}

} // namespace

// ---- day steps ------------------------------------------------------------------------------

TEST_F(MarketHistoryTest, ALaterDayFromTheDayBeforeTodayClosesTheScreenAndKeepsTheDay) {
    open();
    ASSERT_EQ(navigator().topController(), &screen());
    screen().goLeft();
    EXPECT_EQ(navigator().topController(), &m_root);
    EXPECT_EQ(app().currentHistoryDayView(), kToday - 1);
}

TEST_F(MarketHistoryTest, ALaterDayBeforeYesterdayShowsThatDay) {
    app().setCurrentHistoryDayView(kToday - 3);
    open();
    screen().goLeft();
    EXPECT_EQ(app().currentHistoryDayView(), kToday - 2);
    EXPECT_EQ(screen().lbDate()->text(), app().dateFromDay(kToday - 2));
    EXPECT_EQ(navigator().topController(), &screen());
}

TEST_F(MarketHistoryTest, EarlierDaysHaveNoLowerBound) {
    app().setCurrentHistoryDayView(1);
    open();
    screen().goRight();
    screen().goRight();
    EXPECT_EQ(app().currentHistoryDayView(), -1);
    EXPECT_EQ(screen().lbDate()->text(), app().dateFromDay(-1));
    EXPECT_EQ(navigator().topController(), &screen());
}

TEST_F(MarketHistoryTest, ShowsTheDayInTheSystemFont13) {
    open();
    EXPECT_EQ(screen().lbDate()->text(), app().dateFromDay(kToday - 1));
    EXPECT_EQ(screen().lbDate()->font().pixelSize(), 13);
}

TEST_F(MarketHistoryTest, RightArrowIsTheLaterDayLeftArrowTheEarlierAndEscapeGoesBack) {
    app().setCurrentHistoryDayView(kToday - 5);
    open();
    EXPECT_TRUE(screen().handleKey(Qt::Key_Left));
    EXPECT_EQ(app().currentHistoryDayView(), kToday - 6);
    EXPECT_TRUE(screen().handleKey(Qt::Key_Right));
    EXPECT_TRUE(screen().handleKey(Qt::Key_Right));
    EXPECT_EQ(app().currentHistoryDayView(), kToday - 4);
    EXPECT_TRUE(screen().handleKey(Qt::Key_Escape));
    EXPECT_EQ(navigator().topController(), &m_root);
    EXPECT_EQ(app().currentHistoryDayView(), kToday - 4);
}

TEST_F(MarketHistoryTest, TheDayButtonsStepTheDayAndTheCompanyButtonOpensTheList) {
    app().setCurrentHistoryDayView(kToday - 5);
    open();
    screen().rightButton()->click();
    EXPECT_EQ(app().currentHistoryDayView(), kToday - 6);
    screen().leftButton()->click();
    screen().leftButton()->click();
    EXPECT_EQ(app().currentHistoryDayView(), kToday - 4);
    ASSERT_TRUE(screen().companyButton()->isEnabled());
    auto* list = app().cachedScreen<company::CompanyInfoViewController>();
    list->setMarketStockId(1);
    screen().companyButton()->click();
    EXPECT_EQ(navigator().topController(), list);
    EXPECT_EQ(list->marketStockId(), 1);
}

TEST_F(MarketHistoryTest, ADayWithoutTextsShowsItsDateAndKeepsTheLabels) {
    const int day = kToday - 3;
    store(day, {answerOf(day, {hoseRecord(40, 500, 10), hoseRecord(41, 502.5, 12)})});
    app().setCurrentHistoryDayView(day);
    open();
    ASSERT_EQ(screen().hosePoint()->text(), QStringLiteral("502.50"));
    screen().goRight();
    EXPECT_EQ(screen().lbDate()->text(), app().dateFromDay(day - 1));
    EXPECT_EQ(screen().hosePoint()->text(), QStringLiteral("502.50"));
}

TEST_F(MarketHistoryTest, ADayLaterThanEveryStoredDayShowsTheLatestStoredDayUnderItsOwnDate) {
    const int stored = kToday - 10;
    store(stored, {answerOf(stored, {haSTCRecord(20, 345.5, 3), haSTCRecord(21, 346, 4)})});
    open();
    EXPECT_EQ(screen().lbDate()->text(), app().dateFromDay(kToday - 1));
    EXPECT_EQ(screen().haSTCPoint()->text(), QStringLiteral("346.00"));
    EXPECT_EQ(screen().haSTCTotalQuantity()->text(), QStringLiteral("  4.00"));
}

TEST_F(MarketHistoryTest, ShowingAnotherDayForgetsTheMaximumBarsButKeepsTheMinima) {
    const int first = kToday - 3;
    const int second = kToday - 2;
    store(first, {answerOf(first, {hoseRecord(40, 500, 90), hoseRecord(41, 501, 30)})});
    app().db()->addRealtimeData(QString::number(second),
                                answerOf(second, {hoseRecord(40, 510, 40), hoseRecord(41, 512, 50)}), 2);
    app().setCurrentHistoryDayView(first);
    open();
    MarketHistoryView& chart = *screen().chartView();
    EXPECT_FLOAT_EQ(chart.maxHoSEHeight(), 90);
    screen().goLeft();
    EXPECT_FLOAT_EQ(chart.maxHoSEHeight(), 50);
    EXPECT_FLOAT_EQ(chart.minHoSEHeight(), 30);
    EXPECT_FLOAT_EQ(chart.minHoSEPoint(), 500);
    EXPECT_FLOAT_EQ(chart.maxHoSEPoint(), 512);
}

// ---- labels of the parse --------------------------------------------------------------------

TEST_F(MarketHistoryTest, TwoRisingHoSEMinutesShowTheRiseInGreen) {
    store(kToday - 1, {answerOf(kToday - 1, {hoseRecord(40, 500, 10), hoseRecord(41, 502.5, 12)})});
    open();
    EXPECT_EQ(screen().hosePoint()->text(), QStringLiteral("502.50"));
    EXPECT_EQ(screen().hosePoint()->color(), ui::Color::green());
    EXPECT_DOUBLE_EQ(screen().tmpHoPointVal(), 500);
    EXPECT_EQ(screen().hosePercent()->text(), QString::asprintf("+%6.2lf(%4.2lf%%)", 2.5, 0.5));
    EXPECT_EQ(screen().hosePercent()->color(), ui::Color::green());
    EXPECT_EQ(screen().hoseTotalQuantity()->text(), QStringLiteral(" 12.00"));
    // The fifth value of a minute record is missing and repeats the bar value.
    EXPECT_EQ(screen().hoseTotalValue()->text(), QStringLiteral(" 12.00"));

    redraw();
    EXPECT_EQ(screen().hosePercent()->text(), QStringLiteral("+  2.50(  0.50%)"));
    EXPECT_EQ(screen().hosePercent()->color(), MarketHistoryView::darkGreen());
}

TEST_F(MarketHistoryTest, AFallShowsRedLabelsInTheParseAndInTheDrawing) {
    store(kToday - 1, {answerOf(kToday - 1, {hoseRecord(40, 502.5, 10), hoseRecord(41, 500, 12)})});
    open();
    EXPECT_EQ(screen().hosePoint()->text(), QStringLiteral("500.00"));
    EXPECT_EQ(screen().hosePoint()->color(), ui::Color::red());
    EXPECT_EQ(screen().hosePercent()->text(), QString::asprintf("%6.2lf(%4.2lf%%)", -2.5, -2.5 * 100 / 502.5));
    EXPECT_EQ(screen().hosePercent()->color(), ui::Color::red());

    redraw();
    EXPECT_EQ(screen().hosePercent()->text(), QStringLiteral(" -2.50( -0.50%)"));
    EXPECT_EQ(screen().hosePercent()->color(), ui::Color::red());
}

TEST_F(MarketHistoryTest, TheFirstMinuteOfATextHasNoPreviousValueAndLeavesTheChangeLabel) {
    store(kToday - 1,
          {answerOf(kToday - 1, {hoseRecord(40, 500, 10)}), answerOf(kToday - 1, {hoseRecord(41, 502.5, 12)})});
    open();
    EXPECT_EQ(screen().hosePoint()->text(), QStringLiteral("502.50"));
    EXPECT_DOUBLE_EQ(screen().tmpHoPointVal(), 0);
    EXPECT_EQ(screen().hosePercent()->text(), QString());
}

TEST_F(MarketHistoryTest, TwoEqualHNXMinutesLeaveTheDrawnChangeLabelUnchanged) {
    store(kToday - 1,
          {answerOf(kToday - 1, {haSTCRecord(10, 345, 20), haSTCRecord(11, 345.67, 25), haSTCRecord(12, 345.67, 30)})});
    open();
    EXPECT_EQ(screen().haSTCPercent()->text(), QString::asprintf("+%6.2lf(%4.2lf%%)", 0.0, 0.0));
    redraw();
    // Minute 11 wrote its rise; the equal minute 12 left it.
    EXPECT_EQ(screen().haSTCPercent()->text(), QString::asprintf("+%6.2lf(%6.2lf%%)", 0.67, 0.67 * 100 / 345));
    EXPECT_EQ(screen().haSTCPercent()->color(), MarketHistoryView::darkGreen());
}

TEST_F(MarketHistoryTest, ARiseBelowOneHundredthReadsZeroInDarkGreen) {
    store(kToday - 1, {answerOf(kToday - 1, {haSTCRecord(10, 345, 20), haSTCRecord(11, 345.005, 25)})});
    open();
    redraw();
    EXPECT_EQ(screen().haSTCPercent()->text(), QStringLiteral("0(00.00%)"));
    EXPECT_EQ(screen().haSTCPercent()->color(), MarketHistoryView::darkGreen());
}

TEST_F(MarketHistoryTest, AFallBelowOneHundredthReadsZeroInDarkGreen) {
    store(kToday - 1, {answerOf(kToday - 1, {hoseRecord(40, 500, 20), hoseRecord(41, 499.995, 25)})});
    open();
    redraw();
    EXPECT_EQ(screen().hosePercent()->text(), QStringLiteral("0(00.00%)"));
    EXPECT_EQ(screen().hosePercent()->color(), MarketHistoryView::darkGreen());
}

TEST_F(MarketHistoryTest, AChangeOfExactlyOneHundredthIsShown) {
    store(kToday - 1, {answerOf(kToday - 1, {haSTCRecord(10, 500, 20), haSTCRecord(11, 500.01, 25)})});
    open();
    redraw();
    EXPECT_EQ(screen().haSTCPercent()->text(), QStringLiteral("+  0.01(  0.00%)"));
}

TEST_F(MarketHistoryTest, MinutesOutsideTheSessionsAreNotReadIntoTheRanges) {
    store(kToday - 1, {answerOf(kToday - 1, {hoseRecord(31, 900, 99), hoseRecord(40, 500, 10), hoseRecord(106, 100, 1),
                                             haSTCRecord(151, 900, 99), haSTCRecord(0, 345, 3)})});
    open();
    const MarketHistoryView& chart = *screen().chartView();
    EXPECT_FLOAT_EQ(chart.maxHoSEPoint(), 500);
    EXPECT_FLOAT_EQ(chart.minHoSEPoint(), 500);
    EXPECT_FLOAT_EQ(chart.maxHaSTCPoint(), 345);
    EXPECT_FLOAT_EQ(chart.maxHaSTCHeight(), 3);
    // The labels still show the last minute read, wherever it lies.
    EXPECT_EQ(screen().hosePoint()->text(), QStringLiteral("100.00"));
}

TEST_F(MarketHistoryTest, EveryGroupAdvancesTheRevision) {
    app().setILastRevision(0);
    store(kToday - 1, {answerOf(kToday - 1, {hoseRecord(40, 500, 10), haSTCRecord(12, 345, 3)})});
    open();
    EXPECT_EQ(app().iLastRevision(), 40);
}

TEST_F(MarketHistoryTest, TheBackActionGoesBackOneScreenAndKeepsTheDay) {
    app().setCurrentHistoryDayView(kToday - 5);
    open();
    screen().goHome();
    EXPECT_EQ(navigator().topController(), &m_root);
    EXPECT_EQ(app().currentHistoryDayView(), kToday - 5);
}
