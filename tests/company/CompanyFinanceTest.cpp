#include "CompanyRealTimeFixture.h"
#include "company/CompanyFinancialNewsViewController.h"
#include "company/CompanyResultViewController.h"
#include "company/FinanceRatios.h"
#include "company/FinanceStatementPage.h"
#include "shell/LiveRefresh.h"
#include "shell/ScreenStyle.h"
#include "ui/HtmlView.h"
#include "ui/PageIndicator.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using company::CompanyFinancialNewsViewController;
using testsupport::answer;
using testsupport::droppedAnswer;

/// The finance tab laid over company 7's real-time screen, with helpers to store its figures.
class CompanyFinanceTest : public CompanyRealTimeTest {
protected:
    void SetUp() override {
        CompanyRealTimeTest::SetUp();
        db().updateCompanyList(exchange, dayText, QStringLiteral("8"), QStringLiteral("BID"),
                               QStringLiteral("Ngân hàng"));
    }

    myDb& db() { return *app().db(); }

    void storeRatios(const QString& id, const QString& eps, const QString& differ, const QString& percent,
                     const QString& layoutId = QStringLiteral("0")) {
        db().updateFinance(id, eps, QStringLiteral("7.5"), QStringLiteral("15000"), QStringLiteral("1.25"), layoutId,
                           QStringLiteral("20.5"), differ, percent, dayText);
    }

    /// A statement period whose figures tell it apart: TTS is quarter × 1000 + the year's last digits.
    void storePeriod(const QString& id, int quarter, int year, const QString& layoutId = QStringLiteral("0")) {
        db().updateFinanceData(id, QString::number(quarter), QString::number(year),
                               QString::number(quarter * 1000 + year % 100), QStringLiteral("2"), QStringLiteral("3"),
                               QStringLiteral("4"), layoutId);
    }

    CompanyFinancialNewsViewController& openTab(const QString& id = QStringLiteral("7")) {
        navigator().push(m_screen, false);
        m_screen->set_id(id);
        m_screen->tabCallBack(QStringLiteral("Taichinh"));
        auto* tab = app().existingScreen<CompanyFinancialNewsViewController>();
        EXPECT_EQ(m_screen->shownTab(), tab);
        return *tab;
    }

    QString tts(int quarter, int year) { return app().getDecimalString(quarter * 1000 + year % 100); }

    bool waitForTab(CompanyFinancialNewsViewController& tab) {
        return waitFor([&tab] { return !tab.isRequestOutstanding(); });
    }
};

// ---- the ratios ----------------------------------------------------------------------------------

TEST(FinanceRatios, PercentIsRoundedToTwoDecimalsWithTheChangesSign) {
    EXPECT_EQ(company::financePercentText(3), QStringLiteral("3.00"));
    EXPECT_EQ(company::financePercentText(2.456), QStringLiteral("2.46"));
    EXPECT_EQ(company::financePercentText(-0.001), QStringLiteral("0.00"));
    const company::FinanceRatios fall =
        company::FinanceRatios::fromRow(QStringLiteral("7,1234.9,7.5,15000,0,0,20.5,-0.5,2.456,9000"));
    EXPECT_TRUE(fall.isFall);
    EXPECT_EQ(fall.change, QStringLiteral("-0.5(2.46%)"));
    EXPECT_EQ(fall.eps, QStringLiteral("1,234"));
    EXPECT_EQ(fall.pb, QStringLiteral("-"));
    const company::FinanceRatios rise =
        company::FinanceRatios::fromRow(QStringLiteral("7,-5.7,0,15000,1.25,0,20.5,0,-3,9000"));
    EXPECT_FALSE(rise.isFall);
    EXPECT_EQ(rise.change, QStringLiteral("+0(+-3.00%)"));
    EXPECT_EQ(rise.eps, QStringLiteral("-5"));
    EXPECT_EQ(rise.pe, QStringLiteral("-"));
}

TEST_F(CompanyFinanceTest, ShowsTheStoredRatiosInTheirColours) {
    storeRatios(QStringLiteral("7"), QStringLiteral("2500.7"), QStringLiteral("-0.5"), QStringLiteral("3"));
    storePeriod(QStringLiteral("7"), 1, 2026);
    CompanyFinancialNewsViewController& tab = openTab();
    EXPECT_EQ(tab.layout().heading.code->text(), QStringLiteral("ACB"));
    EXPECT_EQ(tab.layout().heading.exchange->text(), QStringLiteral("HoSE"));
    EXPECT_EQ(tab.layout().stockPoint->text(), QStringLiteral("20.5"));
    EXPECT_EQ(tab.layout().percent->text(), QStringLiteral("-0.5(3.00%)"));
    EXPECT_EQ(shell::textColor(tab.layout().percent), QColor(Qt::red));
    EXPECT_EQ(tab.layout().eps->text(), QStringLiteral("2,500"));
    EXPECT_EQ(tab.layout().pe->text(), QStringLiteral("7.5"));
    EXPECT_EQ(tab.layout().pb->text(), QStringLiteral("1.25"));
    EXPECT_EQ(tab.layout().bv->text(), QStringLiteral("15,000"));
    EXPECT_EQ(tab.lbDate()->text(), app().dateFromDay(day));
    EXPECT_FALSE(app().bRealTime());
    EXPECT_EQ(m_server.requestsWith("type=10"), 0);
}

TEST_F(CompanyFinanceTest, WithoutStatementsTheLabelsShowDashesAndThePageStaysEmpty) {
    storeRatios(QStringLiteral("7"), QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"));
    CompanyFinancialNewsViewController& tab = openTab();
    EXPECT_EQ(tab.layout().eps->text(), QStringLiteral("-"));
    EXPECT_EQ(tab.pageText(), company::emptyStatementPage());
    EXPECT_EQ(tab.layout().pageCtrl->numberOfPages(), 0);
}

// ---- the statements --------------------------------------------------------------------------------

TEST_F(CompanyFinanceTest, ThreePeriodsMakeOnePageAndTheStepStopsAtTheLastPair) {
    storeRatios(QStringLiteral("7"), QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"));
    storePeriod(QStringLiteral("7"), 5, 2025);
    storePeriod(QStringLiteral("7"), 1, 2026);
    storePeriod(QStringLiteral("7"), 4, 2025);
    CompanyFinancialNewsViewController& tab = openTab();
    EXPECT_EQ(tab.layout().pageCtrl->numberOfPages(), 1);
    EXPECT_EQ(tab.postion(), 0);
    // The newer period on the right, the older on the left.
    const QString page = tab.layout().webView->toPlainText();
    EXPECT_LT(page.indexOf(QStringLiteral("Năm 2025")), page.indexOf(QStringLiteral("Quý 1/2026")));
    EXPECT_LT(page.indexOf(tts(5, 2025)), page.indexOf(tts(1, 2026)));
    tab.goFoward();
    EXPECT_EQ(tab.postion(), 1);
    const QString next = tab.layout().webView->toPlainText();
    EXPECT_LT(next.indexOf(QStringLiteral("Quý 4/2025")), next.indexOf(QStringLiteral("Năm 2025")));
    tab.goPrev();
    EXPECT_EQ(tab.postion(), 0);
}

TEST_F(CompanyFinanceTest, ABankWithOnePeriodKeepsItsOwnLabels) {
    storeRatios(QStringLiteral("8"), QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"),
                QStringLiteral("2"));
    storePeriod(QStringLiteral("8"), 3, 2026, QStringLiteral("2"));
    CompanyFinancialNewsViewController& tab = openTab(QStringLiteral("8"));
    const QString page = tab.layout().webView->toPlainText();
    EXPECT_TRUE(page.contains(QStringLiteral("Vốn và các quỹ(Tr.)")));
    EXPECT_TRUE(page.contains(QStringLiteral("Quý 3/2026")));
    EXPECT_TRUE(page.contains(QStringLiteral(" - ")));
    EXPECT_TRUE(tab.layout().lbFold->isHidden());
}

TEST_F(CompanyFinanceTest, AFundShowsItsLabelsAndMark) {
    storeRatios(QStringLiteral("7"), QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"),
                QStringLiteral("3"));
    storePeriod(QStringLiteral("7"), 2, 2026, QStringLiteral("3"));
    storePeriod(QStringLiteral("7"), 1, 2026, QStringLiteral("3"));
    CompanyFinancialNewsViewController& tab = openTab();
    EXPECT_TRUE(tab.layout().webView->toPlainText().contains(QStringLiteral("Giá trị của 1 đơn vị quỹ (Tr.)")));
    EXPECT_FALSE(tab.layout().lbFold->isHidden());
}

// Paged to the end of one company, the tab must still show the next company's newest periods.
TEST_F(CompanyFinanceTest, AnotherCompanyStartsAtItsNewestPeriods) {
    for (const QString& id : {QStringLiteral("7"), QStringLiteral("8")}) {
        storeRatios(id, QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"));
    }
    for (int quarter = 1; quarter <= 4; ++quarter) {
        storePeriod(QStringLiteral("7"), quarter, 2025);
        storePeriod(QStringLiteral("7"), quarter, 2026);
    }
    storePeriod(QStringLiteral("8"), 1, 2026);
    storePeriod(QStringLiteral("8"), 2, 2026);
    CompanyFinancialNewsViewController& tab = openTab();
    tab.goFoward();
    tab.goFoward();
    tab.goFoward();
    EXPECT_EQ(tab.postion(), 6);
    EXPECT_TRUE(tab.layout().webView->toPlainText().contains(QStringLiteral("Quý 1/2025")));
    m_screen->tabCallBack(QStringLiteral("RealTime"));
    m_screen->set_id(QStringLiteral("8"));
    m_screen->tabCallBack(QStringLiteral("Taichinh"));
    EXPECT_EQ(tab.postion(), 0);
    EXPECT_TRUE(tab.layout().webView->toPlainText().contains(QStringLiteral("Quý 2/2026")));
}

TEST_F(CompanyFinanceTest, StoredTextIsEscapedInThePage) {
    storeRatios(QStringLiteral("7"), QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"));
    db().updateFinanceData(QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("<b>2026</b>"), QStringLiteral("1"),
                           QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("0"));
    CompanyFinancialNewsViewController& tab = openTab();
    EXPECT_FALSE(tab.pageText().contains(QStringLiteral("<b>2026")));
    EXPECT_TRUE(tab.layout().webView->toPlainText().contains(QStringLiteral("Quý 1/<b>2026</b>")));
}

TEST_F(CompanyFinanceTest, PagesByButtonsKeysSwipesAndTheIndicator) {
    storeRatios(QStringLiteral("7"), QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"));
    for (int quarter = 1; quarter <= 4; ++quarter) {
        storePeriod(QStringLiteral("7"), quarter, 2025);
        storePeriod(QStringLiteral("7"), quarter, 2026);
    }
    CompanyFinancialNewsViewController& tab = openTab();
    EXPECT_EQ(tab.layout().pageCtrl->numberOfPages(), 4);
    tab.layout().leftButton->click();
    EXPECT_EQ(tab.postion(), 2);
    EXPECT_EQ(tab.layout().pageCtrl->currentPage(), 1);
    tab.layout().rightButton->click();
    EXPECT_EQ(tab.postion(), 0);
    // The host passes the keys to the tab laid over it.
    EXPECT_TRUE(m_screen->handleKey(Qt::Key_Left));
    EXPECT_EQ(tab.postion(), 2);
    EXPECT_TRUE(m_screen->handleKey(Qt::Key_Right));
    EXPECT_EQ(tab.postion(), 0);
    // A swipe to the left brings the older periods.
    QWidget* page = tab.layout().webView->viewport();
    QTest::mousePress(page, Qt::LeftButton, {}, QPoint(300, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 52), page->mapToGlobal(QPointF(200, 52)), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(page, &move);
    QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(200, 52));
    EXPECT_EQ(tab.postion(), 2);
    // A tap on the indicator right of its bright dot asks for the next page: one step.
    ui::PageIndicator* dots = tab.layout().pageCtrl;
    QTest::mouseClick(dots, Qt::LeftButton, {}, QPoint(dots->width() - 2, dots->height() / 2));
    EXPECT_EQ(tab.postion(), 4);
}

// ---- the service -------------------------------------------------------------------------------

// A company never looked at asks once; the reload asks again.
TEST_F(CompanyFinanceTest, AFirstVisitAsksAndShowsTheStoredAnswer) {
    m_server.set("/KTRPW/realtime.aspx?type=10&companyid=7&imei=device-1",
                 answer("KTRPW:0:9000;\n7,1500,9.5,20000,1.5,2,25.5,1.5,6.3," + dayText.toStdString() +
                        ";\n7,2,2026,900,80,70,6,2;\n7,1,2026,800,80,70,5,2;\n7,2,2026,bad;\n"));
    CompanyFinancialNewsViewController& tab = openTab();
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(m_server.requestsWith("type=10"), 1);
    EXPECT_EQ(tab.layout().eps->text(), QStringLiteral("1,500"));
    EXPECT_EQ(tab.layout().percent->text(), QStringLiteral("+1.5(+6.3%)"));
    const QString page = tab.layout().webView->toPlainText();
    EXPECT_TRUE(page.contains(QStringLiteral("Tổng thu nhập(Tr.)")));
    EXPECT_LT(page.indexOf(QStringLiteral("800")), page.indexOf(QStringLiteral("900")));
    tab.bottomBar().btReload->click();
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(m_server.requestsWith("type=10"), 2);
}

TEST_F(CompanyFinanceTest, ErrorsAndFailuresKeepTheStoredFigures) {
    storeRatios(QStringLiteral("7"), QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"));
    storePeriod(QStringLiteral("7"), 1, 2026);
    CompanyFinancialNewsViewController& tab = openTab();
    m_server.set("/KTRPW/realtime.aspx?type=10&companyid=7&imei=device-1",
                 answer("KTRPW:1:Lỗi;\n7,1,2,3,4,0,6,7,8,9000;"));
    tab.reloadFinanceData();
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(tab.layout().eps->text(), QStringLiteral("2,500"));
    m_server.set("/KTRPW/realtime.aspx?type=10&companyid=7&imei=device-1", droppedAnswer());
    tab.reloadFinanceData();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Lỗi kết nối dữ liệu")));
    EXPECT_EQ(tab.layout().eps->text(), QStringLiteral("2,500"));
    EXPECT_TRUE(tab.layout().webView->toPlainText().contains(QStringLiteral("Quý 1/2026")));
}

TEST_F(CompanyFinanceTest, OneReloadAtATimeAndLiveModeAsksEveryPeriod) {
    storeRatios(QStringLiteral("7"), QStringLiteral("2500"), QStringLiteral("0.5"), QStringLiteral("3"));
    m_server.set("/KTRPW/realtime.aspx?type=10&companyid=7&imei=device-1", answer("KTRPW:0:9000;\n"));
    CompanyFinancialNewsViewController& tab = openTab();
    tab.reloadFinanceData();
    tab.reloadFinanceData();
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(m_server.requestsWith("type=10"), 1);
    EXPECT_TRUE(m_screen->handleKey(Qt::Key_L));
    EXPECT_TRUE(app().bRealTime());
    ASSERT_TRUE(waitForTab(tab));
    scheduler().advance(app().timeRealtime());
    ASSERT_TRUE(waitForTab(tab));
    EXPECT_EQ(m_server.requestsWith("type=10"), 3);
    // Leaving the tab stops its refresh.
    tab.tabBar().btRt->click();
    EXPECT_FALSE(tab.liveRefresh().isRefreshing());
}

// An answer for a company the user has left is stored, but the tab keeps its own company.
TEST_F(CompanyFinanceTest, ALateAnswerForAnotherCompanyIsNotShownInItsPlace) {
    storeRatios(QStringLiteral("8"), QStringLiteral("900"), QStringLiteral("0.5"), QStringLiteral("3"));
    storePeriod(QStringLiteral("8"), 1, 2026);
    CompanyFinancialNewsViewController& tab = openTab(QStringLiteral("8"));
    tab.parseAndSaveToDb(
        QStringLiteral("KTRPW:0:9000;\n7,1500,9.5,20000,1.5,0,25.5,1.5,6.3,9000;\n7,1,2026,1,2,3,4,0;"));
    EXPECT_EQ(tab._id(), QStringLiteral("8"));
    EXPECT_EQ(tab.layout().heading.code->text(), QStringLiteral("BID"));
    EXPECT_EQ(tab.layout().eps->text(), QStringLiteral("900"));
    EXPECT_EQ(db().getFincance(QStringLiteral("7")).size(), 1);
}

// ---- the tabs ------------------------------------------------------------------------------------

TEST_F(CompanyFinanceTest, OneTabAtATimeIsLaidOverTheHost) {
    CompanyFinancialNewsViewController& finance = openTab();
    m_screen->tabCallBack(QStringLiteral("KQGD"));
    EXPECT_TRUE(m_screen->isResultTabShown());
    EXPECT_FALSE(finance.isShownOver(m_screen->view()));
    finance.tabBar().btKQGD->click();
    app().existingScreen<company::CompanyResultViewController>()->btTC()->click();
    EXPECT_EQ(m_screen->shownTab(), &finance);
    finance.tabBar().btTin->click();
    EXPECT_NE(m_screen->shownTab(), &finance);
    EXPECT_NE(m_screen->shownTab(), nullptr);
    m_screen->tabCallBack(QStringLiteral("RealTime"));
    EXPECT_EQ(m_screen->shownTab(), nullptr);
    m_screen->tabCallBack(QStringLiteral("Taichinh"));
    finance.tabBar().btGoBack->click();
    EXPECT_NE(navigator().topController(), m_screen);
    EXPECT_EQ(m_screen->shownTab(), nullptr);
}
