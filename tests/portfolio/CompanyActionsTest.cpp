#include "PortfolioFixture.h"
#include "company/CompanyInfoViewController.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "company/CompanyResultViewController.h"
#include "portfolio/AddToDirectoryViewController.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "portfolio/PortfolioScreens.h"
#include "portfolio/WatchListViewController.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/ScreenMenu.h"
#include "shell/StockActions.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"

#include <QLineEdit>

using company::CompanyInfoViewController;
using company::CompanyRealTimeViewcontroller;
using testsupport::PortfolioTest;

class CompanyActionsTest : public PortfolioTest {
protected:
    void SetUp() override {
        PortfolioTest::SetUp();
        addCompany(QStringLiteral("6"), QStringLiteral("AAA"));
        storeQuote(kToday, QStringLiteral("6"), QStringLiteral("12"));
    }

    CompanyInfoViewController& openList() {
        auto* list = app().cachedScreen<CompanyInfoViewController>();
        list->setMarketStockId(2);
        list->setInfoDay(kToday);
        list->setIsRealtime(false);
        navigator().push(list, false);
        return *list;
    }

    CompanyRealTimeViewcontroller& openCompany() {
        auto* detail = app().cachedScreen<CompanyRealTimeViewcontroller>();
        detail->setCode(QStringLiteral("AAA"));
        detail->set_id(QStringLiteral("6"));
        navigator().push(detail, false);
        return *detail;
    }
};

TEST_F(CompanyActionsTest, TheListAddsTheChosenStockToTheWatchListOnce) {
    CompanyInfoViewController& list = openList();
    list.actions()->loadMenu_ADD_WATCHLIST();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin vui lòng chọn mã chứng khoán!?"));
    alerts().press(0);
    Q_EMIT list.tbView()->rowSelected(0);
    ASSERT_EQ(list.stockCode(), QStringLiteral("AAA"));
    for (const char* expected :
         {"Đã thêm mã CK AAA vào danh sách theo dõi", "Mã CK AAA đã tồn tại ở danh sách theo dõi"}) {
        list.actions()->loadMenu_ADD_WATCHLIST();
        EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Thêm mã CK AAA vào danh sách theo dõi"));
        alerts().press(1);
        EXPECT_EQ(alerts().currentMessage(), QString::fromUtf8(expected));
        alerts().press(0);
    }
    EXPECT_EQ(db().getCompanyWatchList(), QStringLiteral("6"));
    list.actions()->menuContextCallBack(3);
    EXPECT_EQ(navigator().topController(), app().cachedScreen<portfolio::WatchListViewController>());
    EXPECT_EQ(navigator().viewControllers().size(), 2) << "opened from the main menu";
}

TEST_F(CompanyActionsTest, TheListsCategoryMenuOpensACategoryOrAddsToOne) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    CompanyInfoViewController& list = openList();
    list.actions()->loadMenu_DIR_LIST();
    ASSERT_TRUE(list.actions()->categoryMenu()->isShowing());
    EXPECT_EQ(list.actions()->menuText(), QStringList{QStringLiteral("Dài hạn")});
    list.actions()->loadMenu_DIR_LIST();
    EXPECT_FALSE(list.actions()->categoryMenu()->isShowing()) << "a second press closes it";
    Q_EMIT list.tbView()->rowSelected(0);
    list.actions()->loadMenu_DIR_LIST_MORE();
    list.actions()->categoryMenuChosen(1);
    auto* form = dynamic_cast<portfolio::AddToDirectoryViewController*>(navigator().topController());
    ASSERT_NE(form, nullptr) << "the last row, a new category";
    EXPECT_EQ(form->draft().code, QStringLiteral("AAA"));
    EXPECT_EQ(form->draft().companyId, QStringLiteral("6"));
    EXPECT_TRUE(form->pId().isEmpty());
    navigator().pop(false);
    list.actions()->loadMenu_DIR_LIST();
    list.actions()->categoryMenuChosen(0);
    auto* first = dynamic_cast<portfolio::PortfolioScreen*>(navigator().topController());
    ASSERT_NE(first, nullptr) << "the category's holdings open through the category list";
    EXPECT_EQ(first->screenNumber(), 1);
    EXPECT_EQ(first->pName(), QStringLiteral("Dài hạn"));
    EXPECT_EQ(navigator().viewControllers().at(1), app().cachedScreen<portfolio::DirectoryMenuViewController>());
}

TEST_F(CompanyActionsTest, TheContextMenuReadsItsOwnCategoryList) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    addCategory(QStringLiteral("13"), QStringLiteral("Lướt sóng"));
    CompanyInfoViewController& list = openList();
    Q_EMIT list.tbView()->rowSelected(0);
    list.goMenu();
    shell::ContextMenuViewController& menu = *app().menu();
    menu.selectMenuRow(1);
    ASSERT_EQ(menu.subMenuText().size(), 3);
    menu.selectSubMenuRow(1);
    auto* form = dynamic_cast<portfolio::AddToDirectoryViewController*>(navigator().topController());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->pId(), QStringLiteral("13"));
    EXPECT_EQ(form->txtPortfolio()->text(), QStringLiteral("Lướt sóng"));
    EXPECT_FALSE(form->txtPortfolio()->isEnabled());
}

TEST_F(CompanyActionsTest, ACompanyTabKeepsItsPlaceWhileAnotherScreenIsPushed) {
    CompanyRealTimeViewcontroller& detail = openCompany();
    detail.goKQGD();
    auto* tab = dynamic_cast<company::CompanyResultViewController*>(detail.shownTab());
    ASSERT_NE(tab, nullptr);
    tab->bottomBar().btCategory->click();
    ASSERT_TRUE(tab->actions()->actionMenu()->isShowing());
    EXPECT_EQ(tab->actions()->actionMenu()->rows().size(), 4);
    // "Danh mục" without a login: the login screen, and the tab is still there on the way back.
    Q_EMIT tab->actions()->actionMenu()->rowChosen(0);
    EXPECT_EQ(navigator().topController(), app().loginViewController());
    navigator().pop(false);
    EXPECT_EQ(detail.shownTab(), tab);
    tab->actions()->menuContextCallBack(2);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Thêm mã CK AAA vào danh sách theo dõi"));
}

TEST_F(CompanyActionsTest, TheRealTimeScreensCategoryOpensOverIt) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    CompanyRealTimeViewcontroller& detail = openCompany();
    detail.actions()->loadMenu();
    Q_EMIT detail.actions()->actionMenu()->rowChosen(0);
    ASSERT_TRUE(detail.actions()->categoryMenu()->isShowing());
    Q_EMIT detail.actions()->categoryMenu()->rowChosen(0);
    auto* first = dynamic_cast<portfolio::PortfolioScreen*>(navigator().topController());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(navigator().viewControllers().at(1), &detail) << "pushed over the company, not from the main menu";
}
