#include "portfolio/Holdings.h"

#include "PortfolioFixture.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "portfolio/HoldingColumns.h"
#include "portfolio/PortfolioScreens.h"
#include "shell/ScreenMenu.h"
#include "ui/Alerts.h"
#include "ui/Color.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"

#include <QLabel>
#include <QPushButton>

using portfolio::HoldingCell;
using portfolio::HoldingRow;
using portfolio::HoldingsModel;
using portfolio::PortfolioScreen;
using testsupport::PortfolioTest;

namespace {

const QColor kRed = ui::Color::red().toQColor();
const QColor kGreen = ui::Color::green().toQColor();

HoldingRow held(const QString& paid, const QString& now, const QString& up = QStringLiteral("2"),
                const QString& down = QStringLiteral("1")) {
    HoldingRow row;
    row.code = QStringLiteral("AAA");
    row.price = paid;
    row.up = up;
    row.down = down;
    row.quantity = QStringLiteral("1000");
    row.quoted = !now.isEmpty();
    row.quotePrice = now;
    return row;
}

HoldingCell cell(const portfolio::HoldingColumns& columns, int column, const HoldingRow& row) {
    return columns.at(std::size_t(column)).value(row);
}

} // namespace

// ---- the values of the five screens ------------------------------------------------------------

TEST(HoldingColumnsTest, PercentAgainstThePurchasePrice) {
    const auto& price = portfolio::priceColumns();
    const HoldingCell same = cell(price, 3, held(QStringLiteral("25"), QStringLiteral("25")));
    EXPECT_EQ(same.text, QStringLiteral("+0"));
    EXPECT_EQ(same.color, kGreen);
    EXPECT_EQ(cell(price, 2, held(QStringLiteral("25"), QStringLiteral("25"))).color, kGreen);
    const HoldingCell loss = cell(price, 3, held(QStringLiteral("25"), QStringLiteral("20")));
    EXPECT_EQ(loss.text, QStringLiteral("-20"));
    EXPECT_EQ(loss.color, kRed);
    EXPECT_EQ(cell(price, 3, held(QStringLiteral("20"), QStringLiteral("25"))).text, QStringLiteral("+25"));
    // Bought at 0: there is no percent to show.
    EXPECT_EQ(cell(price, 3, held(QStringLiteral("0"), QStringLiteral("25"))).text, QStringLiteral("-"));
    EXPECT_EQ(cell(portfolio::profitColumns(), 4, held(QStringLiteral("25"), QStringLiteral("20"))).text,
              QStringLiteral("-5,000"));
}

TEST(HoldingColumnsTest, WarningStateAgainstTheThresholds) {
    const auto& warning = portfolio::warningColumns();
    const auto state = [&warning](const HoldingRow& row) {
        return cell(warning, 4, row).text;
    };
    // 0/0 at the purchase price: both tests hold and the upper one wins.
    EXPECT_EQ(state(held(QStringLiteral("25"), QStringLiteral("25"), QStringLiteral("0"), QStringLiteral("0"))),
              QStringLiteral("Trên"));
    EXPECT_EQ(state(held(QStringLiteral("25"), QStringLiteral("24"))), QStringLiteral("Dưới"));
    EXPECT_EQ(cell(warning, 4, held(QStringLiteral("25"), QStringLiteral("24"))).color, kRed);
    EXPECT_EQ(state(held(QStringLiteral("25"), QStringLiteral("27"))), QStringLiteral("Trên"));
    EXPECT_EQ(state(held(QStringLiteral("25"), QStringLiteral("25.5"))), QString());
    // An empty threshold warns of nothing on its side.
    EXPECT_EQ(state(held(QStringLiteral("25"), QStringLiteral("10"), QStringLiteral("2"), QString())), QString());
    EXPECT_EQ(state(held(QStringLiteral("25"), QStringLiteral("90"), QString(), QStringLiteral("1"))), QString());
    EXPECT_EQ(
        cell(portfolio::purchaseColumns(), 3, held(QStringLiteral("25"), {}, QStringLiteral("2"), QString())).text,
        QStringLiteral("-"));
}

TEST(HoldingColumnsTest, AHoldingWithoutAQuoteShowsItsOwnDataAndDashes) {
    const HoldingRow row = held(QStringLiteral("25"), QString());
    for (const auto* columns : {&portfolio::marketColumns(), &portfolio::priceColumns(), &portfolio::profitColumns(),
                                &portfolio::warningColumns()}) {
        EXPECT_EQ(cell(*columns, 0, row).text, QStringLiteral("AAA"));
        EXPECT_EQ(cell(*columns, 2, row).text, QStringLiteral("-"));
        EXPECT_EQ(cell(*columns, 3, row).text, QStringLiteral("-"));
    }
    EXPECT_EQ(cell(portfolio::purchaseColumns(), 1, row).text, QStringLiteral("25"));
}

// ---- the shared model --------------------------------------------------------------------------

class HoldingsModelTest : public PortfolioTest {
protected:
    void SetUp() override {
        PortfolioTest::SetUp();
        addCompany(QStringLiteral("6"), QStringLiteral("AAA"));
        addCompany(QStringLiteral("7"), QStringLiteral("BBB"));
        addCompany(QStringLiteral("8"), QStringLiteral("CCC"));
        addCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
        addHolding(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("6"), QStringLiteral("20"));
        addHolding(QStringLiteral("1"), QStringLiteral("11"), QStringLiteral("7"), QStringLiteral("30"));
        addHolding(QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("8"), QStringLiteral("40"));
        storeQuote(kToday - 1, QStringLiteral("6"), QStringLiteral("19"));
        storeQuote(kToday, QStringLiteral("6"), QStringLiteral("21"));
        storeQuote(kToday, QStringLiteral("8"), QStringLiteral("42"));
    }
};

// BBB has no quote today: it must not take CCC's price, nor CCC fall off the end.
TEST_F(HoldingsModelTest, EachHoldingIsPairedWithItsOwnQuote) {
    HoldingsModel model;
    model.load(db(), QStringLiteral("1"), kToday);
    ASSERT_EQ(model.rows().size(), 3U);
    EXPECT_EQ(model.rows()[0].quotePrice, QStringLiteral("21"));
    EXPECT_EQ(model.rows()[1].code, QStringLiteral("BBB"));
    EXPECT_FALSE(model.rows()[1].quoted);
    EXPECT_EQ(model.rows()[1].holdingId, QStringLiteral("11"));
    EXPECT_EQ(model.rows()[2].code, QStringLiteral("CCC"));
    EXPECT_EQ(model.rows()[2].quotePrice, QStringLiteral("42"));
    EXPECT_EQ(model.quoteDay(), kToday);
}

TEST_F(HoldingsModelTest, ScreensPageTheDayAndStopAtTheEnds) {
    PortfolioScreen& screen = *portfolio::holdingsScreen(app(), 3);
    screen.setCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
    navigator().push(&screen, false);
    EXPECT_EQ(screen.infoDay(), kToday);
    EXPECT_EQ(screen.lbDanhmuc()->text(), QStringLiteral(" Dài hạn"));
    EXPECT_EQ(screen.lbDate()->text(), app().dateFromDay(kToday));
    screen.goPrev();
    EXPECT_EQ(screen.infoDay(), kToday) << "no later day";
    screen.handleKey(Qt::Key_Left);
    EXPECT_EQ(screen.infoDay(), kToday - 1);
    EXPECT_EQ(screen.model().rows()[0].quotePrice, QStringLiteral("19"));
    EXPECT_FALSE(screen.model().rows()[2].quoted);
    screen.goNext();
    EXPECT_EQ(screen.infoDay(), kToday - 1) << "no earlier day";
    screen.handleKey(Qt::Key_Right);
    EXPECT_EQ(screen.infoDay(), kToday);
}

TEST_F(HoldingsModelTest, ActionsNeedARowAndDeleteAsksFirst) {
    logIn();
    PortfolioScreen& screen = *portfolio::holdingsScreen(app(), 1);
    screen.setCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
    navigator().push(&screen, false);
    screen.menuContextCallBack(1);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin chọn cổ phiếu!"));
    alerts().press(0);
    screen.selectRow(2);
    EXPECT_TRUE(screen.tbMenu()->isShowing());
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:0:9000"));
    screen.menuContextCallBack(1);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xóa mã CK CCC khỏi danh mục?"));
    alerts().press(1);
    ASSERT_TRUE(waitFor([&screen] { return screen.model().rows().size() == 2; }));
    EXPECT_EQ(m_server.requestsWith("type=delete&portfoliodataid=12&"), 1);
}

// In the editing state a row is deleted at once, without a question.
TEST_F(HoldingsModelTest, EditingStateDeletesWithoutAsking) {
    logIn();
    PortfolioScreen& screen = *portfolio::holdingsScreen(app(), 1);
    screen.setCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
    navigator().push(&screen, false);
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:0:9000"));
    screen.toggleEdit();
    ASSERT_TRUE(screen.tbView()->isEditing());
    Q_EMIT screen.tbView()->deleteRequested(1);
    EXPECT_FALSE(alerts().isShowing());
    ASSERT_TRUE(waitForRequests("portfoliodataid=11"));
    ASSERT_TRUE(waitFor([&screen] { return screen.model().rows().size() == 2; }));
}

TEST_F(HoldingsModelTest, TheFiveScreensSwitchThroughTheCategoryList) {
    auto* directory = app().cachedScreen<portfolio::DirectoryMenuViewController>();
    logIn();
    PortfolioScreen& first = *portfolio::holdingsScreen(app(), 1);
    first.setCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
    navigator().push(directory, false);
    navigator().push(&first, false);
    const int depth = int(navigator().viewControllers().size());
    for (int screen = 2; screen <= 5; ++screen) {
        directory->setPId(QStringLiteral("1"));
        directory->gotoScreen(screen);
        auto* shown = dynamic_cast<PortfolioScreen*>(navigator().topController());
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->screenNumber(), screen);
        EXPECT_EQ(shown->model().rows().size(), 3U);
        EXPECT_EQ(int(navigator().viewControllers().size()), depth) << "one holdings screen at a time";
    }
}
