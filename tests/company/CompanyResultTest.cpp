#include "company/CompanyRealTimeViewcontroller.h"
#include "company/CompanyResultQuotes.h"
#include "company/CompanyResultView.h"
#include "company/CompanyResultViewController.h"
#include "company/QuotePanel.h"
#include "server/ScriptedServer.h"
#include "shell/ActivityIndicator.h"
#include "shell/MainViewController.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/RecordingCanvas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <cmath>

using company::CompanyResultView;
using company::CompanyResultViewController;
using company::QuotePanel;
using testsupport::answer;
using testsupport::droppedAnswer;
using ui::Color;
using ui::RecordingCanvas;

namespace {

constexpr double kTolerance = 1e-3;
const QString kCode = QStringLiteral("AAA");
const QString kId = QStringLiteral("7");

double xOf(int position) {
    return CompanyResultView::xOfPosition(position);
}

bool allPointsFinite(const RecordingCanvas& canvas) {
    for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
        for (const QPointF& point : stroke.points) {
            if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
                return false;
            }
        }
    }
    return true;
}

// Built by appending: GCC warns falsely about a literal added to a std::string at -O2.
std::string quoteRecord(int day, const char* price) {
    std::string record(1, '\n');
    record.append("7,2,150,").append(std::to_string(day)).append(",").append(price);
    return record.append(",-0.5,-2,3000,25,25.1,25.5,10,20,26.7,23.3,5,6;");
}

} // namespace

/// The application started without the version check, today fixed at day 9000, company AAA
/// (id 7) on HoSE, and helpers to store its quotes and to open the tab.
class CompanyResultTest : public testsupport::ShellTest {
protected:
    static constexpr int kToday = 9000;

    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        app().setCurrentDay(kToday);
        app().db()->updateCompanyList(QStringLiteral("2"), QString::number(kToday), kId, kCode,
                                      QStringLiteral("Công ty A"));
    }

    void storeQuote(int day, double price, double volume, const QString& change = QStringLiteral("0.5")) {
        app().db()->updateCompanyLastData(
            QStringLiteral("2"), QString::number(day), QStringLiteral("150"), change, QStringLiteral("2"), kId,
            QString::number(price, 'g', 12), QString::number(volume, 'g', 12), QStringLiteral("25"),
            QStringLiteral("25.1"), QStringLiteral("25.5"), QStringLiteral("10"), QStringLiteral("20"),
            QStringLiteral("26.7"), QStringLiteral("23.3"), QStringLiteral("5"), QStringLiteral("6"));
    }

    /// The tab as its host opens it, without the host.
    CompanyResultViewController& openTab(int day = kToday) {
        CompanyResultViewController& tab = screen();
        tab.setCode(kCode);
        tab.setDayView(day);
        tab.startLoad();
        return tab;
    }

    CompanyResultViewController& screen() { return *app().cachedScreen<CompanyResultViewController>(); }

    RecordingCanvas render() {
        RecordingCanvas canvas;
        screen().chartView()->render(canvas);
        return canvas;
    }

    QString shownPrice() { return screen().panel()->text(QuotePanel::Field::StockPoint); }

    static QList<RecordingCanvas::Stroke> bars(const RecordingCanvas& canvas) {
        QList<RecordingCanvas::Stroke> found;
        for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
            if (stroke.points.size() == 2 && stroke.points[0].y() == 122 &&
                stroke.points[0].x() == stroke.points[1].x() && stroke.color != Color::gray()) {
                found.append(stroke);
            }
        }
        return found;
    }

    static QList<RecordingCanvas::Stroke> lineSegments(const RecordingCanvas& canvas) {
        QList<RecordingCanvas::Stroke> found;
        for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
            if (stroke.color == Color::green() && stroke.points[0].x() != stroke.points[1].x()) {
                found.append(stroke);
            }
        }
        return found;
    }

    static QList<RecordingCanvas::Stroke> markers(const RecordingCanvas& canvas) {
        QList<RecordingCanvas::Stroke> found;
        for (const RecordingCanvas::Stroke& stroke : canvas.strokes()) {
            if (stroke.color == Color::gray()) {
                found.append(stroke);
            }
        }
        return found;
    }

    void swipe(double dx) {
        CompanyResultView* chart = screen().chartView();
        chart->touchesBegan(QPointF(300, 80));
        chart->touchesMoved(QPointF(300 + dx, 82));
        chart->touchesEnded(QPointF(300 + dx, 82));
    }

    sim::ScriptedServer m_server;
};

// ---- chart ---------------------------------------------------------------------------------

TEST_F(CompanyResultTest, PositionsRunFromThirtyDaysAgoToToday) {
    EXPECT_NEAR(xOf(0), 198, kTolerance);
    EXPECT_NEAR(xOf(30), 198 + 248, kTolerance);
}

TEST_F(CompanyResultTest, FridayAndMondayStandAtNeighbouringPositions) {
    storeQuote(kToday - 6, 25, 100); // Friday
    storeQuote(kToday - 3, 26, 80);  // Monday
    storeQuote(kToday - 2, 24, 120); // Tuesday
    openTab(kToday - 2);
    const auto drawn = bars(render());
    ASSERT_EQ(drawn.size(), 3);
    EXPECT_NEAR(drawn[0].points[0].x(), xOf(28), kTolerance);
    EXPECT_NEAR(drawn[1].points[0].x(), xOf(27), kTolerance);
    EXPECT_NEAR(drawn[2].points[0].x(), xOf(26), kTolerance);
    EXPECT_EQ(screen().orderDays(), (QList<int>{kToday - 2, kToday - 3, kToday - 6}));
    EXPECT_EQ(screen().iDayCount(), kToday - 4);
}

TEST_F(CompanyResultTest, BarsCompareWithThePreviousTradingDayAndTheEarliestIsGreen) {
    storeQuote(kToday - 2, 25, 100);
    storeQuote(kToday - 1, 26, 80);
    storeQuote(kToday, 24, 120);
    openTab();
    const auto drawn = bars(render());
    ASSERT_EQ(drawn.size(), 3);
    EXPECT_EQ(drawn[0].color, Color::green()); // 120 >= 80
    EXPECT_EQ(drawn[1].color, Color::red());   // 80 < 100
    EXPECT_EQ(drawn[2].color, Color::green()); // the earliest compares with itself
    // The volume range runs from 0 over 50 points.
    EXPECT_NEAR(drawn[0].points[1].y(), 122 - 50, kTolerance);
    EXPECT_NEAR(drawn[1].points[1].y(), 122 - 80 / 2.4, 1e-2);
    EXPECT_EQ(drawn[0].width, 1);
}

TEST_F(CompanyResultTest, EarliestBarIsGreenEvenWhenItsVolumeIsTheLowest) {
    storeQuote(kToday - 1, 25, 10);
    storeQuote(kToday, 26, 500);
    openTab();
    const auto drawn = bars(render());
    ASSERT_EQ(drawn.size(), 2);
    EXPECT_EQ(drawn[1].color, Color::green());
}

TEST_F(CompanyResultTest, PriceLineJoinsTheDaysInGreenOverEightyPoints) {
    storeQuote(kToday - 2, 20, 100);
    storeQuote(kToday - 1, 30, 80);
    storeQuote(kToday, 25, 120);
    openTab();
    const RecordingCanvas canvas = render();
    const auto line = lineSegments(canvas);
    ASSERT_EQ(line.size(), 2);
    // Latest first: 25 today back to 30 yesterday, then to 20 the day before (range 20..30).
    EXPECT_NEAR(line[0].points[0].x(), xOf(30), kTolerance);
    EXPECT_NEAR(line[0].points[0].y(), 125 - 40, kTolerance);
    EXPECT_NEAR(line[0].points[1].x(), xOf(29), kTolerance);
    EXPECT_NEAR(line[0].points[1].y(), 125 - 80, kTolerance);
    EXPECT_NEAR(line[1].points[1].x(), xOf(28), kTolerance);
    EXPECT_NEAR(line[1].points[1].y(), 125, kTolerance);
    // A second redraw gives the same picture: no segment joins two passes.
    EXPECT_EQ(lineSegments(render()).size(), 2);
    QStringList labels;
    for (const RecordingCanvas::Text& text : canvas.texts()) {
        EXPECT_EQ(text.at.x(), 155);
        EXPECT_EQ(text.color, Color::white());
        labels << QStringLiteral("%1@%2").arg(text.text).arg(text.at.y());
    }
    EXPECT_EQ(labels,
              (QStringList{QStringLiteral(" 30.00@50"), QStringLiteral(" 25.00@85"), QStringLiteral(" 20.00@125")}));
}

TEST_F(CompanyResultTest, GroundIsClearedToBlackFirst) {
    openTab();
    const RecordingCanvas canvas = render();
    ASSERT_EQ(canvas.fills().size(), 2);
    EXPECT_EQ(canvas.fills()[0].rect, QRectF(197, 30, 260, 100));
    EXPECT_EQ(canvas.fills()[1].rect, QRectF(140, 30, 55, 120));
    EXPECT_EQ(canvas.fills()[0].color, Color::black());
    EXPECT_TRUE(canvas.strokes().isEmpty());
    EXPECT_TRUE(canvas.texts().isEmpty());
}

TEST_F(CompanyResultTest, FlatRangesDrawAFlatLineAtTheBaseAndNoBars) {
    storeQuote(kToday - 1, 25, 0);
    storeQuote(kToday, 25, 0);
    openTab();
    const RecordingCanvas canvas = render();
    EXPECT_TRUE(allPointsFinite(canvas));
    EXPECT_TRUE(bars(canvas).isEmpty());
    const auto line = lineSegments(canvas);
    ASSERT_EQ(line.size(), 1);
    EXPECT_EQ(line[0].points[0].y(), 125);
    EXPECT_EQ(line[0].points[1].y(), 125);
    ASSERT_EQ(canvas.texts().size(), 2); // no middle label
    EXPECT_EQ(canvas.texts()[0].at.y(), 50);
    EXPECT_EQ(canvas.texts()[1].at.y(), 125);
}

TEST_F(CompanyResultTest, FlatPriceWithVolumesKeepsTheBars) {
    storeQuote(kToday - 1, 25, 10);
    storeQuote(kToday, 25, 20);
    openTab();
    const RecordingCanvas canvas = render();
    EXPECT_TRUE(allPointsFinite(canvas));
    EXPECT_EQ(bars(canvas).size(), 2);
    ASSERT_EQ(lineSegments(canvas).size(), 1);
    EXPECT_EQ(lineSegments(canvas)[0].points[0].y(), 125);
}

TEST_F(CompanyResultTest, MarkerStandsAtTheChosenDaysRowPosition) {
    storeQuote(kToday - 6, 25, 100);
    storeQuote(kToday - 3, 26, 80);
    storeQuote(kToday - 2, 24, 120);
    openTab(kToday - 6);
    const auto marker = markers(render());
    ASSERT_EQ(marker.size(), 1);
    // Two rows before the latest (position 28), not six days before today.
    EXPECT_NEAR(marker[0].points[0].x(), xOf(26), kTolerance);
    EXPECT_EQ(marker[0].points[0].y(), 122);
    EXPECT_EQ(marker[0].points[1].y(), 44);
    EXPECT_EQ(marker[0].width, 0.5);
}

TEST_F(CompanyResultTest, ChosenDayOutsideTheChartDrawsNoMarker) {
    storeQuote(kToday - 40, 22, 50);
    storeQuote(kToday - 2, 24, 120);
    openTab(kToday - 40);
    EXPECT_EQ(screen().dayView(), kToday - 40);
    EXPECT_EQ(shownPrice(), QStringLiteral("22"));
    EXPECT_TRUE(markers(render()).isEmpty());
}

// ---- panel and day steps -------------------------------------------------------------------

TEST_F(CompanyResultTest, PanelShowsTheLatestStoredDayNotAfterTheChosenOne) {
    storeQuote(kToday - 3, 26, 80, QStringLiteral("-1.5"));
    openTab(kToday);
    EXPECT_EQ(screen().dayView(), kToday - 3);
    EXPECT_EQ(screen().companyId(), kId);
    EXPECT_EQ(shownPrice(), QStringLiteral("26"));
    EXPECT_EQ(screen().panel()->text(QuotePanel::Field::Percent), QStringLiteral("-1.5(2%)"));
    EXPECT_EQ(screen().lbDate()->text(), app().dateFromDay(kToday - 3));
}

TEST_F(CompanyResultTest, DaySteppingUsesTheReversedNameReaders) {
    storeQuote(kToday - 6, 25, 100);
    storeQuote(kToday - 3, 26, 80);
    storeQuote(kToday - 2, 24, 120);
    CompanyResultViewController& tab = openTab(kToday - 3);

    tab.goNext();
    EXPECT_EQ(tab.dayView(), kToday - 6);
    EXPECT_EQ(shownPrice(), QStringLiteral("25"));
    tab.goNext(); // the earliest: nothing
    EXPECT_EQ(tab.dayView(), kToday - 6);

    tab.goPrev();
    EXPECT_EQ(tab.dayView(), kToday - 3);
    tab.goPrev();
    EXPECT_EQ(tab.dayView(), kToday - 2);
    EXPECT_EQ(shownPrice(), QStringLiteral("24"));
    tab.goPrev(); // past the latest: back to today, the panel as it was
    EXPECT_EQ(tab.dayView(), kToday);
    EXPECT_EQ(shownPrice(), QStringLiteral("24"));
}

TEST_F(CompanyResultTest, ButtonsAndKeysStepTheDay) {
    storeQuote(kToday - 6, 25, 100);
    storeQuote(kToday - 3, 26, 80);
    CompanyResultViewController& tab = openTab(kToday - 3);
    tab.leftButton()->click();
    EXPECT_EQ(tab.dayView(), kToday - 6);
    tab.rightButton()->click();
    EXPECT_EQ(tab.dayView(), kToday - 3);

    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(tab.chartView(), &left);
    EXPECT_TRUE(left.isAccepted());
    EXPECT_EQ(tab.dayView(), kToday - 6);
    EXPECT_TRUE(tab.handleKey(Qt::Key_Right));
    EXPECT_EQ(tab.dayView(), kToday - 3);
}

TEST_F(CompanyResultTest, SwipesStepTheDayAndDoNothingAtTheEarliest) {
    storeQuote(kToday - 6, 25, 100);
    storeQuote(kToday - 3, 26, 80);
    CompanyResultViewController& tab = openTab(kToday - 3);
    swipe(60);
    EXPECT_EQ(tab.dayView(), kToday - 6);
    swipe(60); // the earliest stored day
    EXPECT_EQ(tab.dayView(), kToday - 6);
    EXPECT_EQ(shownPrice(), QStringLiteral("25"));
    swipe(-60);
    EXPECT_EQ(tab.dayView(), kToday - 3);
    swipe(10); // too short to be a swipe
    EXPECT_EQ(tab.dayView(), kToday - 3);
}

// ---- reload --------------------------------------------------------------------------------

TEST_F(CompanyResultTest, ReloadStoresTheQuotesAndRefreshesThePanel) {
    storeQuote(kToday, 24, 120);
    const std::string body =
        "KTRPW:0:" + std::to_string(kToday) + ";\n7,2,AAA,Công ty A;" + quoteRecord(kToday, "27.5") + "\n";
    m_server.set("/KTRPW/default.aspx", answer(body));
    CompanyResultViewController& tab = openTab();
    EXPECT_EQ(shownPrice(), QStringLiteral("24"));

    tab.reload();
    EXPECT_TRUE(tab.actNetwork()->isAnimating());
    ASSERT_TRUE(waitFor([&tab] { return !tab.actNetwork()->isAnimating(); }));
    EXPECT_EQ(m_server.requestTargets().back(), "/KTRPW/default.aspx?type=1&lastupdate=9000&imei=device-1");
    EXPECT_EQ(shownPrice(), QStringLiteral("27.5"));
    EXPECT_EQ(tab.panel()->text(QuotePanel::Field::Quantity), app().getDecimalString(3000));
    EXPECT_TRUE(tab.lbNetwork()->isHidden());
}

TEST_F(CompanyResultTest, FailedReloadShowsTheAlertAndStopsTheIndicator) {
    storeQuote(kToday, 24, 120);
    m_server.set("/KTRPW/default.aspx", droppedAnswer());
    CompanyResultViewController& tab = openTab();
    tab.reload();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_FALSE(tab.actNetwork()->isAnimating());
    EXPECT_EQ(shownPrice(), QStringLiteral("24"));
}

TEST_F(CompanyResultTest, LoadsAskedByOthersAreNotThisTabsBusiness) {
    storeQuote(kToday, 24, 120);
    CompanyResultViewController& tab = openTab();
    storeQuote(kToday, 28, 120);
    Q_EMIT app().companyResultsLoaded(true);
    EXPECT_EQ(shownPrice(), QStringLiteral("24"));
    tab.startLoad();
    EXPECT_EQ(shownPrice(), QStringLiteral("28"));
}

// ---- live refresh --------------------------------------------------------------------------

TEST_F(CompanyResultTest, LiveRefreshAsksForTheCompanyNowAndAtEveryPeriod) {
    storeQuote(kToday, 24, 120);
    m_server.set("/KTRPW/realtime.aspx", answer("KTRPW:0:0;"));
    CompanyResultViewController& tab = openTab();
    app().setILastRevision(42);
    tab.initTimer();
    EXPECT_TRUE(tab.isRefreshing());
    ASSERT_TRUE(waitFor([&tab] { return !tab.actNetwork()->isAnimating(); }));
    EXPECT_EQ(m_server.requestTargets().back(), "/KTRPW/realtime.aspx?type=9&companyid=7&lastupdate=42&imei=device-1");
    const std::size_t sent = m_server.requestTargets().size();
    scheduler().advance(app().timeRealtime());
    ASSERT_TRUE(waitFor([this, sent] { return m_server.requestTargets().size() == sent + 1; }));
    tab.goRealtime();
    EXPECT_FALSE(tab.isRefreshing());
}

TEST_F(CompanyResultTest, FailedRefreshShowsTheAlert) {
    m_server.set("/KTRPW/realtime.aspx", droppedAnswer());
    CompanyResultViewController& tab = openTab();
    tab.targetMethod();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_FALSE(tab.actNetwork()->isAnimating());
}

TEST_F(CompanyResultTest, RefreshStoresOnlyTheQuoteRecords) {
    const QString text = QStringLiteral("KTRPW:1:x;\n7,150,25,100;") +
                         QString::fromStdString(quoteRecord(kToday, "25")) + QStringLiteral("1,2,3;\n");
    EXPECT_EQ(company::storeRealtimeQuotes(*app().db(), text), 1);
    EXPECT_EQ(company::storeRealtimeQuotes(*app().db(), QStringLiteral("KTRPW:0:0;\n")), 0);
}

TEST_F(CompanyResultTest, AQuoteOnTheHeadersLineIsStoredToo) {
    QString quote = QString::fromStdString(quoteRecord(kToday, "26"));
    quote.remove(QLatin1Char(';'));
    const QString joined = QStringLiteral("KTRPW:0:%1").arg(kToday) + quote + QStringLiteral(";\n");
    EXPECT_EQ(company::storeRealtimeQuotes(*app().db(), joined), 1);
}

// ---- tabs ----------------------------------------------------------------------------------

TEST_F(CompanyResultTest, TheTabButtonsAreAllLive) {
    CompanyResultViewController& tab = openTab();
    for (QPushButton* button : {tab.btTC(), tab.btTin(), tab.btCategory(), tab.btMenu(), tab.btRt(), tab.btReload()}) {
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
    }
}

TEST_F(CompanyResultTest, TabButtonsTakeTheViewOffTheHostAndCallItBack) {
    storeQuote(kToday, 24, 120);
    auto* host = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    host->setCode(kCode);
    host->set_id(kId);
    navigator().push(host, false);
    host->goKQGD();
    CompanyResultViewController& tab = screen();
    EXPECT_EQ(tab.rtController(), host);
    EXPECT_EQ(tab.view()->parentWidget(), host->view());
    EXPECT_EQ(shownPrice(), QStringLiteral("24"));

    tab.btRt()->click();
    EXPECT_EQ(tab.view()->parentWidget(), nullptr);
    EXPECT_EQ(navigator().topController(), host);

    host->goKQGD();
    tab.btGoBack()->click();
    EXPECT_EQ(tab.view()->parentWidget(), nullptr);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

TEST_F(CompanyResultTest, HomeReturnsToTheMainMenu) {
    auto* host = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    host->setCode(kCode);
    navigator().push(host, false);
    host->goKQGD();
    screen().btHome()->click();
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

// ---- crosshair -----------------------------------------------------------------------------

TEST_F(CompanyResultTest, TheCrosshairShowsTheDaysDatePriceChangeFromTheDayBeforeAndVolume) {
    storeQuote(kToday - 6, 25, 100);
    storeQuote(kToday - 3, 26, 80);
    openTab(kToday - 3);
    const RecordingCanvas plain = render();
    screen().chartView()->hoverAt(QPointF(xOf(29) + 2, 60));
    const RecordingCanvas shown = render();

    QStringList texts;
    for (qsizetype i = plain.texts().size(); i < shown.texts().size(); ++i) {
        texts.append(shown.texts().at(i).text);
    }
    // Monday stands next to Friday: its change is against Friday's price.
    EXPECT_EQ(texts, (QStringList{app().dateFromDay(kToday - 3), QStringLiteral("26.00"),
                                  QStringLiteral("+1.00 (+4.00%)"), QStringLiteral("KL: 80")}));
    EXPECT_TRUE(QRectF(197, 30, 260, 100).contains(shown.fills().constLast().rect));
}
