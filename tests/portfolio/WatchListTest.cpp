#include "PortfolioFixture.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "company/DirectoryWarningViewController.h"
#include "portfolio/WatchListViewController.h"
#include "shell/LiveRefresh.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/ScreenMenu.h"
#include "shell/StockActions.h"
#include "ui/Alerts.h"
#include "ui/ManualScheduler.h"
#include "ui/Navigator.h"

using portfolio::WatchListViewController;
using testsupport::PortfolioTest;

namespace {

std::string quoteAnswer(const std::string& id, const std::string& price) {
    return "KTRPW:0:9000;\n" + id + ",2,150,9000," + price + ",0.5,2.1,12000,20,20.1,21,19.9,20.2,21.4,18.6,300,400;";
}

} // namespace

class WatchListTest : public PortfolioTest {
protected:
    void SetUp() override {
        PortfolioTest::SetUp();
        addCompany(QStringLiteral("6"), QStringLiteral("AAA"));
        addCompany(QStringLiteral("7"), QStringLiteral("BBB"));
        storeQuote(kToday, QStringLiteral("6"), QStringLiteral("12"));
    }

    WatchListViewController& open() {
        app().mainViewController()->openSection(QStringLiteral("btTheodoi"));
        return *app().cachedScreen<WatchListViewController>();
    }

    void watch(const QString& id, const QString& code) { db().addWatchList(id, code); }
};

TEST_F(WatchListTest, AnEmptyListAsksNothingEvenInLiveMode) {
    WatchListViewController& list = open();
    list.toggleAnimation();
    EXPECT_FALSE(list.liveRefresh().isRefreshing());
    list.reloadData();
    EXPECT_FALSE(list.isRequestOutstanding());
    EXPECT_EQ(m_server.requestsWith("type=12"), 0);
    EXPECT_EQ(list.source().rowCount(), 0);
}

// A stock without any stored quote is listed all the same, with dashes.
TEST_F(WatchListTest, EveryWatchedStockIsListedWithItsLatestQuote) {
    watch(QStringLiteral("6"), QStringLiteral("AAA"));
    watch(QStringLiteral("7"), QStringLiteral("BBB"));
    WatchListViewController& list = open();
    ASSERT_EQ(list.source().rowCount(), 2);
    EXPECT_EQ(list.source().row(0)->priceText, QStringLiteral("12.0"));
    EXPECT_EQ(list.source().row(1)->code, QStringLiteral("BBB"));
    EXPECT_EQ(list.source().row(1)->priceText, QStringLiteral("-"));
}

TEST_F(WatchListTest, LiveModeRefreshesOnItsOwnPeriodAndChecksWarningsEverySecondAnswer) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    watch(QStringLiteral("6"), QStringLiteral("AAA"));
    m_server.set("/KTRPW/realtime.aspx", testsupport::answer(quoteAnswer("6", "13")));
    WatchListViewController& list = open();
    list.toggleAnimation();
    ASSERT_TRUE(waitForRequests("type=12", 1));
    EXPECT_EQ(m_server.requestsWith("companyids=6"), 1);
    ASSERT_TRUE(waitForRequests("type=11", 1)) << "the first answer is followed by a check";
    ASSERT_TRUE(waitFor([&list] { return !list.isRequestOutstanding(); }));
    EXPECT_EQ(list.source().row(0)->priceText, QStringLiteral("13.0"));
    scheduler().advance(app().timeTheodoiCK() + 0.01);
    ASSERT_TRUE(waitForRequests("type=12", 2));
    ASSERT_TRUE(waitFor([&list] { return !list.isRequestOutstanding(); }));
    EXPECT_EQ(m_server.requestsWith("type=11"), 1) << "the second answer is not followed by one";
    scheduler().advance(app().timeTheodoiCK() + 0.01);
    ASSERT_TRUE(waitForRequests("type=12", 3));
    ASSERT_TRUE(waitForRequests("type=11", 2)) << "the third is";
}

TEST_F(WatchListTest, RemovingAsksAndNoKeepsTheStock) {
    watch(QStringLiteral("6"), QStringLiteral("AAA"));
    WatchListViewController& list = open();
    list.loadMenu_DEL_WATCHLIST();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin vui lòng chọn mã chứng khoán!?"));
    alerts().press(0);
    list.menuContextCallBack(2);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin vui lòng chọn mã chứng khoán!"));
    alerts().press(0);
    list.selectRow(0);
    list.menuContextCallBack(2);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xóa mã CK AAA khỏi danh sách theo dõi"));
    alerts().press(0);
    EXPECT_EQ(list.source().rowCount(), 1);
    list.selectRow(0);
    list.loadMenu_DEL_WATCHLIST();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xóa mã CK AAA vào danh sách theo dõi"));
    alerts().press(1);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Đã xóa mã CK AAA vào danh sách theo dõi"));
    EXPECT_EQ(list.source().rowCount(), 0);
}

// Never switched to live mode: the user came for the day's results.
TEST_F(WatchListTest, AStockOpensOnItsResultsUnlessLiveModeWasOn) {
    watch(QStringLiteral("6"), QStringLiteral("AAA"));
    WatchListViewController& list = open();
    list.goComDetail(0);
    auto* detail = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    ASSERT_EQ(navigator().topController(), detail);
    EXPECT_EQ(detail->code(), QStringLiteral("AAA"));
    EXPECT_TRUE(detail->isResultTabShown());
}

TEST_F(WatchListTest, TheCategoryMenusNeedALoginAndAChosenStock) {
    watch(QStringLiteral("6"), QStringLiteral("AAA"));
    WatchListViewController& list = open();
    list.actions().loadMenu_DIR_LIST_MORE();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin vui lòng chọn mã chứng khoán!?"));
    alerts().press(0);
    list.actions().loadMenu_DIR_LIST();
    EXPECT_EQ(navigator().topController(), app().loginViewController());
    navigator().pop(false);
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    list.selectRow(0);
    list.actions().loadMenu_DIR_LIST_MORE();
    ASSERT_TRUE(list.actions().categoryMenu()->isShowing());
    EXPECT_EQ(list.actions().menuText(), (QStringList{QStringLiteral("Dài hạn"), QStringLiteral("Tạo mới danh mục")}));
    EXPECT_EQ(list.actions().categoryMenu()->geometry().bottom() + 1, 265);
}
