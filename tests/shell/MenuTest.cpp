#include "ShellFixture.h"
#include "server/ScriptedServer.h"
#include "shell/ContextMenuParent.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/SettingViewController.h"
#include "store/myDb.h"

#include <QKeyEvent>
#include <QPushButton>

using testsupport::answer;
using testsupport::droppedAnswer;
using testsupport::ShellTest;

namespace {

class RecordingParent final : public shell::ContextMenuParent {
public:
    void menuContextCallBack(int item) override { items.append(item); }
    void subMenuContextCallBack(int row) override { rows.append(row); }
    QList<int> items;
    QList<int> rows;
};

} // namespace

class MenuTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        m_host.resize(480, 320);
    }

    void logIn(const QString& name) {
        app().setIsAuthenticated(true);
        app().setSession(QStringLiteral("s-1"));
        app().setUsername(name);
    }

    void addCategories(int count) {
        for (int i = 0; i < count; ++i) {
            app().db()->updatePorfilio(QString::number(i + 1), QStringLiteral("9000"),
                                       QStringLiteral("Danh mục %1").arg(i + 10));
        }
    }

    shell::ContextMenuViewController& openMenu(const QString& mode) {
        shell::ContextMenuViewController* menu = app().menu();
        menu->showOver(&m_parent, mode, &m_host);
        return *menu;
    }

    sim::ScriptedServer m_server;
    RecordingParent m_parent;
    QWidget m_host;
};

TEST_F(MenuTest, UserLabelShowsTheNameOnlyWhenLoggedInAndWanted) {
    shell::MainViewController* main = app().mainViewController();
    main->viewWillAppear(false);
    EXPECT_EQ(main->userLabelText(), QString());
    logIn(QStringLiteral("hung"));
    main->viewWillAppear(false);
    EXPECT_EQ(main->userLabelText(), QStringLiteral("[ hung ]"));
    app().setAccount_visible(0);
    main->viewWillAppear(false);
    EXPECT_EQ(main->userLabelText(), QString());
}

TEST_F(MenuTest, SectionsWithoutAScreenAreDisabledUntilOneIsRegistered) {
    shell::MainViewController* main = app().mainViewController();
    main->view();
    QPushButton* market = main->sectionButton(QStringLiteral("btCKVN"));
    ASSERT_NE(market, nullptr);
    EXPECT_FALSE(market->isEnabled());
    int opened = 0;
    main->setSectionAction(QStringLiteral("btCKVN"), [&opened] { ++opened; });
    EXPECT_TRUE(market->isEnabled());
    market->click();
    EXPECT_EQ(opened, 1);
}

TEST_F(MenuTest, GeneralItemsEndWithLoginOrLogout) {
    const QStringList loggedOut = openMenu(QString()).menuText();
    EXPECT_EQ(loggedOut,
              (QStringList{QStringLiteral("Cập nhật dữ liệu"), QStringLiteral("Trang chủ"), QStringLiteral("Tin tức"),
                           QStringLiteral("Theo dõi Chứng khoán"), QStringLiteral("Danh mục"),
                           QStringLiteral("Cấu hình"), QStringLiteral("Đăng nhập")}));
    EXPECT_EQ(app().menu()->menuTableHeight(), 27 * 7);
    logIn(QStringLiteral("hung"));
    EXPECT_EQ(openMenu(QStringLiteral("DIRMENU")).menuText().constLast(), QStringLiteral("Đăng xuất"));
    EXPECT_EQ(openMenu(QStringLiteral("DIRMENU")).menuText().size(), 5);
}

TEST_F(MenuTest, ModesListTheirItems) {
    EXPECT_EQ(openMenu(QStringLiteral("DSMACK")).menuText(), openMenu(QStringLiteral("COM_KQGD")).menuText());
    EXPECT_EQ(openMenu(QStringLiteral("WATCHLIST")).menuText().size(), 3);
    EXPECT_EQ(openMenu(QStringLiteral("PORTDATASCREEN")).menuText().at(4),
              QStringLiteral("Thêm vào Theo dõi Chứng khoán"));
    EXPECT_EQ(openMenu(QStringLiteral("DIRMENU")).menuText().constFirst(), QStringLiteral("Cập nhật dữ liệu"));
}

TEST_F(MenuTest, GeneralItemIsPassedToTheParentAndClosesTheMenu) {
    shell::ContextMenuViewController& menu = openMenu(QString());
    EXPECT_TRUE(menu.isShowing());
    menu.selectMenuRow(2);
    EXPECT_EQ(m_parent.items, QList<int>{2});
    EXPECT_FALSE(menu.isShowing());
}

TEST_F(MenuTest, LastGeneralItemLogsInOrOut) {
    openMenu(QString()).selectMenuRow(6);
    EXPECT_EQ(navigator().topController(), app().loginViewController());
    EXPECT_TRUE(m_parent.items.isEmpty());

    navigator().popToRoot(false);
    logIn(QStringLiteral("hung"));
    addCategories(1);
    openMenu(QString()).selectMenuRow(6);
    EXPECT_FALSE(app().isAuthenticated());
    EXPECT_TRUE(app().session().isEmpty());
    EXPECT_TRUE(app().username().isEmpty());
    QStringList names;
    QStringList ids;
    app().db()->getDirList(names, ids);
    EXPECT_TRUE(names.isEmpty());
    QStringList user;
    app().db()->getUserInfo(user);
    EXPECT_EQ(user, (QStringList{QString(), QString(), QString()}));
}

TEST_F(MenuTest, CategorySubListsWithAndWithoutCategories) {
    logIn(QStringLiteral("hung"));
    shell::ContextMenuViewController& menu = openMenu(QStringLiteral("DSMACK"));
    menu.selectMenuRow(0);
    EXPECT_TRUE(menu.isSubMenuShowing());
    EXPECT_TRUE(menu.subMenuText().isEmpty());
    EXPECT_EQ(menu.subMenuTableY(), 50);

    openMenu(QStringLiteral("DSMACK")).selectMenuRow(1);
    EXPECT_EQ(menu.subTableType(), QStringLiteral("LIST_DIR_MORE"));
    EXPECT_EQ(menu.subMenuText(), QStringList{QStringLiteral("Tạo mới danh mục")});
    EXPECT_EQ(menu.subMenuTableY(), 70);
}

TEST_F(MenuTest, LongSubListIsCutAt250) {
    logIn(QStringLiteral("hung"));
    addCategories(20);
    shell::ContextMenuViewController& menu = openMenu(QStringLiteral("WATCHLIST"));
    menu.selectMenuRow(0);
    EXPECT_EQ(menu.subMenuText().size(), 20);
    EXPECT_EQ(menu.subMenuText().constFirst(), QStringLiteral("Danh mục 10"));
    EXPECT_EQ(menu.subMenuTableHeight(), 250);
    menu.selectSubMenuRow(3);
    EXPECT_EQ(m_parent.rows, QList<int>{3});
    EXPECT_FALSE(menu.isShowing());
}

TEST_F(MenuTest, AddingToACategoryNeedsALogin) {
    shell::ContextMenuViewController& menu = openMenu(QStringLiteral("COM_KQGD"));
    int locks = 0;
    QObject::connect(&menu, &shell::ContextMenuViewController::companyLoginRequested, [&locks] { ++locks; });
    menu.selectMenuRow(1);
    EXPECT_FALSE(menu.isSubMenuShowing());
    EXPECT_FALSE(menu.isShowing());
    EXPECT_EQ(locks, 1);
    EXPECT_EQ(navigator().topController(), app().loginViewController());
}

TEST_F(MenuTest, HoldingActionsNeedASession) {
    openMenu(QStringLiteral("PORTDATASCREEN")).selectMenuRow(2);
    EXPECT_TRUE(m_parent.items.isEmpty());
    EXPECT_EQ(navigator().topController(), app().loginViewController());
    navigator().popToRoot(false);
    logIn(QStringLiteral("hung"));
    openMenu(QStringLiteral("PORTDATASCREEN")).selectMenuRow(2);
    EXPECT_EQ(m_parent.items, QList<int>{2});
}

TEST_F(MenuTest, ChoicesWithoutAParentAreIgnored) {
    shell::ContextMenuViewController& menu = openMenu(QString());
    menu.setParentDelegate(nullptr);
    menu.selectMenuRow(0);
    EXPECT_TRUE(menu.isShowing());
    menu.goLogin();
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

TEST_F(MenuTest, GeneralItemsLeadThroughTheMainMenu) {
    shell::MainViewController* main = app().mainViewController();
    main->gotoSetting();
    ASSERT_NE(navigator().topController(), main);
    main->performGeneralMenuItem(1);
    EXPECT_EQ(navigator().topController(), main);
    main->performGeneralMenuItem(5);
    EXPECT_NE(navigator().topController(), main);
    EXPECT_EQ(navigator().viewControllers().size(), 2);
    main->performGeneralMenuItem(0);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Cập nhật toàn bộ dữ liệu!"));
}

TEST_F(MenuTest, EscapeClosesTheMenuAndLeavesTheScreenBeneath) {
    app().mainViewController()->gotoSetting();
    auto* settings = dynamic_cast<shell::SettingViewController*>(navigator().topController());
    ASSERT_NE(settings, nullptr);
    settings->goMenu();
    ASSERT_TRUE(app().menu()->isShowing());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(settings->view()->window(), &escape);
    EXPECT_FALSE(app().menu()->isShowing());
    EXPECT_EQ(navigator().topController(), settings);
    QCoreApplication::sendEvent(settings->view()->window(), &escape);
    EXPECT_EQ(navigator().topController(), app().mainViewController()) << "then Escape goes back again";
}
