#include "PortfolioFixture.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "portfolio/AddToDirectoryViewController.h"
#include "portfolio/PortfolioScreens.h"
#include "portfolio/WatchListViewController.h"
#include "shell/MainViewController.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "ui/RowOrder.h"
#include "ui/RowTable.h"

using portfolio::PortfolioScreen;
using portfolio::WatchListViewController;
using testsupport::PortfolioTest;

namespace {

QStringList shownCodes(const ui::RowTable& table) {
    QStringList codes;
    for (int row = 0; row < table.source()->rowCount(); ++row) {
        codes.append(table.source()->rowTexts(row).value(0));
    }
    return codes;
}

// Holdings AAA (21 today), BBB (no quote) and CCC (42) in one category.
class HoldingsOrderTest : public PortfolioTest {
protected:
    void SetUp() override {
        PortfolioTest::SetUp();
        db().updateCompanyList(QStringLiteral("2"), QString::number(kToday), QStringLiteral("6"), QStringLiteral("AAA"),
                               QStringLiteral("Điện lực Phả Lại"));
        addCompany(QStringLiteral("7"), QStringLiteral("BBB"));
        addCompany(QStringLiteral("8"), QStringLiteral("CCC"));
        addCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
        addHolding(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("6"), QStringLiteral("20"));
        addHolding(QStringLiteral("1"), QStringLiteral("11"), QStringLiteral("7"), QStringLiteral("30"));
        addHolding(QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("8"), QStringLiteral("40"));
        storeQuote(kToday, QStringLiteral("6"), QStringLiteral("21"));
        storeQuote(kToday, QStringLiteral("8"), QStringLiteral("42"));
        logIn();
    }

    PortfolioScreen& openScreen(int number) {
        PortfolioScreen& screen = *portfolio::holdingsScreen(app(), number);
        screen.setCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
        navigator().push(&screen, false);
        return screen;
    }
};

} // namespace

TEST_F(HoldingsOrderTest, SortedRowsAreTappedDeletedAndEditedAsTheHoldingShown) {
    PortfolioScreen& screen = openScreen(1);
    screen.order().sortBy(1);
    screen.order().sortBy(1);
    // Falling price; the holding without a quote stays last.
    EXPECT_EQ(shownCodes(*screen.tbView()), (QStringList{"CCC", "AAA", "BBB"}));

    Q_EMIT screen.tbView()->rowSelected(0);
    EXPECT_EQ(screen.selectedRow(), 2);
    Q_EMIT screen.tbView()->rowSelected(0);

    screen.toggleEdit();
    Q_EMIT screen.tbView()->moveRequested(1);
    auto* form = dynamic_cast<portfolio::AddToDirectoryViewController*>(navigator().topController());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->draft().code, QStringLiteral("AAA"));
    navigator().pop(false);

    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:0:9000"));
    Q_EMIT screen.tbView()->deleteRequested(0);
    ASSERT_TRUE(waitForRequests("portfoliodataid=12"));
    ASSERT_TRUE(waitFor([&screen] { return screen.model().rows().size() == 2; }));
    EXPECT_EQ(shownCodes(*screen.tbView()), (QStringList{"AAA", "BBB"}));
}

TEST_F(HoldingsOrderTest, TheDisclosureAndEnterOpenTheFilteredHoldingsCompany) {
    PortfolioScreen& screen = openScreen(3);
    EXPECT_TRUE(screen.handleTyping(QStringLiteral("phả"), Qt::NoModifier));
    EXPECT_EQ(shownCodes(*screen.tbView()), QStringList{"AAA"});
    Q_EMIT screen.tbView()->detailRequested(0);
    auto* detail = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    EXPECT_EQ(navigator().topController(), detail);
    EXPECT_EQ(detail->code(), QStringLiteral("AAA"));
    navigator().pop(false);
    // "dien" finds "Điện"; Escape then clears it and stays on the screen.
    screen.order().setFilter(QString());
    for (const QString& letter : {QStringLiteral("d"), QStringLiteral("i"), QStringLiteral("e")}) {
        screen.handleTyping(letter, Qt::NoModifier);
    }
    EXPECT_TRUE(screen.handleKey(Qt::Key_Return));
    EXPECT_EQ(detail->code(), QStringLiteral("AAA"));
    navigator().pop(false);
    EXPECT_TRUE(screen.handleKey(Qt::Key_Escape));
    EXPECT_EQ(navigator().topController(), &screen);
    EXPECT_EQ(screen.tbView()->source()->rowCount(), 3);
}

// Each of the five screens keeps its own order for the run, whichever way the user comes back.
TEST_F(HoldingsOrderTest, EachScreenRemembersItsOwnOrder) {
    PortfolioScreen& first = openScreen(1);
    first.order().sortBy(0);
    first.order().sortBy(0);
    EXPECT_EQ(shownCodes(*first.tbView()), (QStringList{"CCC", "BBB", "AAA"}));
    navigator().pop(false);
    PortfolioScreen& second = openScreen(2);
    EXPECT_EQ(shownCodes(*second.tbView()), (QStringList{"AAA", "BBB", "CCC"}));
    navigator().pop(false);
    EXPECT_EQ(&openScreen(1), &first);
    EXPECT_EQ(shownCodes(*first.tbView()), (QStringList{"CCC", "BBB", "AAA"}));
}

// ---- the watch list --------------------------------------------------------------------------

TEST_F(HoldingsOrderTest, TheWatchListRemovesTheStockChosenInItsFilteredOrder) {
    db().addWatchList(QStringLiteral("6"), QStringLiteral("AAA"));
    db().addWatchList(QStringLiteral("7"), QStringLiteral("BBB"));
    db().addWatchList(QStringLiteral("8"), QStringLiteral("CCC"));
    app().mainViewController()->openSection(QStringLiteral("btTheodoi"));
    WatchListViewController& list = *app().cachedScreen<WatchListViewController>();
    list.order().sortBy(1);
    EXPECT_EQ(shownCodes(*list.tbView()), (QStringList{"AAA", "CCC", "BBB"}));
    list.order().sortBy(1);
    EXPECT_EQ(shownCodes(*list.tbView()), (QStringList{"CCC", "AAA", "BBB"}));
    list.handleTyping(QStringLiteral("ccc"), Qt::NoModifier);
    EXPECT_EQ(shownCodes(*list.tbView()), QStringList{"CCC"});

    Q_EMIT list.tbView()->rowSelected(0);
    EXPECT_EQ(list.stockCode(), QStringLiteral("CCC"));
    list.loadMenu_DEL_WATCHLIST();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xóa mã CK CCC vào danh sách theo dõi"));
    alerts().press(1);
    alerts().press(0);
    EXPECT_TRUE(shownCodes(*list.tbView()).isEmpty());
    EXPECT_EQ(list.source().rowCount(), 2);
}
