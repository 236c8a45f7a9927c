#include "CompanyListFixture.h"
#include "company/CompanyListRow.h"
#include "company/CompanyListSource.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "company/DirectoryWarningViewController.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "ui/Color.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <utility>

using company::CompanyListRow;
using testsupport::CompanyListTest;

// ---- row texts -------------------------------------------------------------------------------

namespace {

/// The columns of the image where anything of that colour was painted, as [first, last].
std::pair<int, int> columnsOf(const QImage& image, QColor color) {
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace

TEST(CompanyListSourceTest, TheDisclosurePictureSitsInItsFrameAtAnyPixelDensity) {
    QPixmap picture(40, 40);
    picture.fill(Qt::magenta);
    picture.setDevicePixelRatio(2);
    company::CompanyListSource source(picture);
    source.setRowTexts({QStringLiteral("AAA,17,9000,12,0.5,0.4,1000,95")});
    QImage image(480, company::CompanyListSource::kRowHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    source.paintRow(painter, image.rect(), 0, false);
    painter.end();
    const auto [first, last] = columnsOf(image, Qt::magenta);
    const QRect frame = company::CompanyListSource::kDetailFrame;
    EXPECT_EQ(last - first + 1, 20) << "twenty points wide, not forty";
    EXPECT_GE(first, frame.left());
    EXPECT_LE(last, frame.right());
}

TEST(CompanyListRowTest, WholeNumbersShowOneDecimalAndPercentsRoundToOne) {
    EXPECT_EQ(company::numberText(12), QStringLiteral("12.0"));
    EXPECT_EQ(company::numberText(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(company::percentText(1.96), QStringLiteral("2.0"));
    EXPECT_EQ(company::percentText(-0.04), QStringLiteral("0.0"));
    EXPECT_EQ(company::percentText(0.25), QStringLiteral("0.3"));
    EXPECT_EQ(company::percentText(-0.25), QStringLiteral("-0.3"));
}

TEST(CompanyListRowTest, ARowReadsItsFieldsAndColoursByTheUnroundedSign) {
    const CompanyListRow row = CompanyListRow::fromText(QStringLiteral("AAA,17,9000,12,-0.5,-0.04,1000,95"));
    EXPECT_EQ(row.code, QStringLiteral("AAA"));
    EXPECT_EQ(row.companyId, QStringLiteral("17"));
    EXPECT_EQ(row.day, 9000);
    EXPECT_EQ(row.minute, 95);
    EXPECT_EQ(row.priceText, QStringLiteral("12.0"));
    EXPECT_EQ(row.changeText, QStringLiteral("-0.5"));
    EXPECT_EQ(row.percentText, QStringLiteral("0.0"));
    EXPECT_EQ(row.percentColor, ui::Color::red().toQColor());
    EXPECT_EQ(row.changeColor, ui::Color::red().toQColor());

    const CompanyListRow flat = CompanyListRow::fromText(QStringLiteral("BBB,18,9000,20.5,0,1.96,0,95"));
    EXPECT_EQ(flat.changeText, QStringLiteral("0.0"));
    EXPECT_EQ(flat.changeColor, ui::Color::green().toQColor());
    EXPECT_EQ(flat.percentText, QStringLiteral("2.0"));
    EXPECT_EQ(flat.percentColor, ui::Color::green().toQColor());
}

// ---- quote answers ---------------------------------------------------------------------------

TEST_F(CompanyListTest, QuotesAreStoredAndListedByCode) {
    addCompany(kHoSE, QStringLiteral("2"), QStringLiteral("VNM"));
    addCompany(kHoSE, QStringLiteral("1"), QStringLiteral("ACB"));
    addCompany(kHNX, QStringLiteral("3"), QStringLiteral("SHB"));
    list().parse_data(QString::fromStdString(
        quoteAnswer(kToday, quote("2", kHoSE, 90, kToday, "80", "1", "1.2") + ";" +
                                quote("1", kHoSE, 95, kToday, "25.5", "-0.5", "-1.9") + ";" +
                                quote("3", kHNX, 95, kToday, "9", "0", "0") + ";bad,record;\n")));
    EXPECT_EQ(list().lbDate()->text(), app().dateFromDay(kToday));

    open(kHoSE, kToday, true);
    ASSERT_EQ(list().source().rowCount(), 2);
    EXPECT_EQ(list().source().rows()[0].code, QStringLiteral("ACB"));
    EXPECT_EQ(list().source().rows()[0].priceText, QStringLiteral("25.5"));
    EXPECT_EQ(list().source().rows()[1].priceText, QStringLiteral("80.0"));
    // Today's live list shows the time of its latest quote.
    EXPECT_EQ(list().lbDate()->text(), app().timeFromLastUpdate(95));
    EXPECT_EQ(list().lbStock()->text(), QStringLiteral("HoSE"));
    EXPECT_EQ(list().companyList().first().split(u',').at(1), QStringLiteral("1"));
}

TEST_F(CompanyListTest, AnAnswerWithoutRecordsChangesOnlyTheDateAndTheListIsReRead) {
    addCompany(kHNX, QStringLiteral("3"), QStringLiteral("SHB"));
    storeQuote(kHNX, kToday - 1, "3", "9.5");
    m_server.set("/KTRPW/realtime.aspx", testsupport::answer("KTRPW:0:" + std::to_string(kToday) + ";"));
    // Nothing of today is stored, so the first look asks, as the reload does; a second reload
    // here would race it and count one request or two.
    open(kHNX, kToday, true);
    EXPECT_EQ(list().lbStock()->text(), QStringLiteral("HNX"));
    ASSERT_TRUE(list().isRequestOutstanding());
    ASSERT_TRUE(waitForAnswer());
    EXPECT_EQ(list().lbDate()->text(), app().dateFromDay(kToday - 1));
    ASSERT_EQ(list().source().rowCount(), 1);
    EXPECT_EQ(list().source().rows()[0].priceText, QStringLiteral("9.5"));
    EXPECT_EQ(requestsWith("type=2&StockID=1&lastupdate=0"), 1);
    EXPECT_FALSE(alerts().isShowing());
}

TEST_F(CompanyListTest, AnErrorStatusSwitchesLiveModeOffWithTheServersMessage) {
    m_server.set("/KTRPW/realtime.aspx", testsupport::answer("KTRPW:1:Hệ thống bận;"));
    open(kHoSE, kToday, true);
    list().toggleAnimation();
    EXPECT_TRUE(app().bRealTime());
    EXPECT_TRUE(list().liveRefresh().isAnimating());
    ASSERT_TRUE(waitForAnswer());
    ASSERT_TRUE(waitForAlert(QStringLiteral("Hệ thống bận")));
    EXPECT_FALSE(app().bRealTime());
    EXPECT_FALSE(list().liveRefresh().isAnimating());
    // The timer stays armed, but its ticks send nothing now.
    alerts().press(0);
    const int sent = requestsWith("type=2");
    scheduler().advance(app().timeRealtime() * 2);
    EXPECT_EQ(requestsWith("type=2"), sent);
}

TEST_F(CompanyListTest, AFailedTransferShowsTheStoredListWithoutAnAlert) {
    addCompany(kHoSE, QStringLiteral("1"), QStringLiteral("ACB"));
    storeQuote(kHoSE, kToday, "1", "25");
    m_server.set("/KTRPW/realtime.aspx", testsupport::droppedAnswer());
    open(kHoSE, kToday, true);
    list().reloadData();
    ASSERT_TRUE(waitForAnswer());
    EXPECT_EQ(list().source().rowCount(), 1);
    EXPECT_FALSE(alerts().isShowing());
}

// ---- opening a company -----------------------------------------------------------------------

TEST_F(CompanyListTest, APastDayListShowsThatDayAndOpensTheTradingResultsTab) {
    addCompany(kHoSE, QStringLiteral("1"), QStringLiteral("ACB"));
    storeQuote(kHoSE, kToday - 2, "1", "24");
    storeQuote(kHoSE, kToday, "1", "25");
    open(kHoSE, kToday - 1, false);
    ASSERT_EQ(list().source().rowCount(), 1);
    EXPECT_EQ(list().source().rows()[0].priceText, QStringLiteral("24.0"));
    EXPECT_EQ(list().lbDate()->text(), app().dateFromDay(kToday - 2));

    list().goComDetail(0);
    auto* detail = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    EXPECT_EQ(navigator().topController(), detail);
    EXPECT_EQ(list().stockCode(), QStringLiteral("ACB"));
    EXPECT_TRUE(detail->isResultTabShown());
}

TEST_F(CompanyListTest, TodaysListOpensTheRealTimeQuote) {
    addCompany(kHoSE, QStringLiteral("1"), QStringLiteral("ACB"));
    storeQuote(kHoSE, kToday, "1", "25");
    open(kHoSE, kToday, true);
    list().goComDetail(0);
    auto* detail = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    EXPECT_EQ(navigator().topController(), detail);
    EXPECT_FALSE(detail->isResultTabShown());
}

// ---- price warnings --------------------------------------------------------------------------

class CompanyWarningTest : public CompanyListTest {
protected:
    void SetUp() override {
        CompanyListTest::SetUp();
        app().db()->updatePorfilio(QStringLiteral("41"), QString::number(kToday), QStringLiteral("Dài hạn"));
        app().db()->updatePorfilio(QStringLiteral("42"), QString::number(kToday), QStringLiteral("Ngắn hạn"));
        m_server.set("/KTRPW/realtime.aspx", testsupport::answer(quoteAnswer(kToday, "")));
        // A quote of today is stored, so opening the list does not ask on its own: the tests
        // count every request and answer they cause.
        addCompany(kHoSE, QStringLiteral("1"), QStringLiteral("AAA"));
        storeQuote(kHoSE, kToday, "1", "20");
    }

    void logIn() {
        app().setSession(QStringLiteral("S1"));
        app().setUsername(QStringLiteral("lan"));
        app().setIsAuthenticated(true);
    }

    void answerOnce() {
        list().targetMethod();
        ASSERT_TRUE(waitForAnswer());
        // A warning request, if one went out, is answered before the next quote.
        ASSERT_TRUE(waitFor([this] { return !list().isRequestOutstanding(); }));
    }
};

TEST_F(CompanyWarningTest, ALoggedInUserIsCheckedAfterTheFirstAndEverySecondAnswer) {
    logIn();
    open(kHoSE, kToday, true);
    EXPECT_EQ(list().lbUser()->text(), QStringLiteral("[ lan ]"));
    list().toggleAnimation();
    ASSERT_TRUE(waitForAnswer());
    ASSERT_TRUE(waitFor([this] { return requestsWith("type=11") == 1; }));
    EXPECT_EQ(requestsWith("type=11&session=S1&portfolioids=41%2C42"), 1);
    answerOnce();
    answerOnce();
    ASSERT_TRUE(waitFor([this] { return requestsWith("type=11") == 2; }));
    EXPECT_EQ(requestsWith("type=2"), 3);
}

TEST_F(CompanyWarningTest, NoCheckWithoutALogin) {
    open(kHoSE, kToday, true);
    EXPECT_EQ(list().lbUser()->text(), QString());
    list().toggleAnimation();
    ASSERT_TRUE(waitForAnswer());
    answerOnce();
    answerOnce();
    EXPECT_EQ(requestsWith("type=2"), 3);
    EXPECT_EQ(requestsWith("type=11"), 0);
}

TEST_F(CompanyWarningTest, AFiveFieldRecordOpensTheWarningScreenWithTheWholeAnswer) {
    logIn();
    open(kHoSE, kToday, true);
    list().parse_data_warning(QByteArray("KTRPW:0:9000;\n;1,2,3;"));
    EXPECT_EQ(navigator().topController(), &list());
    list().parse_data_warning(QByteArray("KTRPW:0:9000;\n1,41,77,25.5,25.5;"));
    EXPECT_NE(dynamic_cast<company::DirectoryWarningViewController*>(navigator().topController()), nullptr);
}

// The check answers late on a slow link: by then the user may be on another section, which a
// warning screen must not cover.
TEST_F(CompanyWarningTest, AWarningArrivingAfterTheUserLeftTheListOpensNothing) {
    logIn();
    open(kHoSE, kToday, true);
    navigator().popToRoot(false);
    list().parse_data_warning(QByteArray("KTRPW:0:9000;\n1,41,77,25.5,25.5;"));
    EXPECT_EQ(navigator().topController(), static_cast<ui::ViewController*>(app().mainViewController()));
}

TEST_F(CompanyWarningTest, AnErrorStatusOfTheCheckSwitchesLiveModeOff) {
    open(kHoSE, kToday, true);
    list().toggleAnimation();
    ASSERT_TRUE(waitForAnswer());
    list().parse_data_warning(QByteArray("KTRPW:2:Phiên đăng nhập hết hạn;"));
    EXPECT_FALSE(app().bRealTime());
    EXPECT_FALSE(list().liveRefresh().isAnimating());
    EXPECT_TRUE(waitForAlert(QStringLiteral("Phiên đăng nhập hết hạn")));
}
