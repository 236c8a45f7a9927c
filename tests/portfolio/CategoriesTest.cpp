#include "PortfolioFixture.h"
#include "core/PortfolioAnswer.h"
#include "net/AnswerReader.h"
#include "portfolio/DirectoryAddViewController.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"

#include <QLineEdit>
#include <QTest>

using portfolio::DirectoryAddViewController;
using portfolio::DirectoryMenuViewController;
using testsupport::PortfolioTest;

class CategoriesTest : public PortfolioTest {
protected:
    DirectoryMenuViewController& openList() {
        app().mainViewController()->openSection(QStringLiteral("btDanhmuc"));
        return *app().cachedScreen<DirectoryMenuViewController>();
    }

    QStringList categoryNames() {
        QStringList names;
        QStringList ids;
        db().getDirList(names, ids);
        return names;
    }
};

// ---- the answers -------------------------------------------------------------------------------

TEST_F(CategoriesTest, AListAnswerReplacesBothTablesAndSkipsOtherRecords) {
    addCompany(QStringLiteral("6"), QStringLiteral("AAA"));
    addCategory(QStringLiteral("9"), QStringLiteral("Cũ"));
    addHolding(QStringLiteral("9"), QStringLiteral("90"), QStringLiteral("6"), QStringLiteral("10"));
    const net::Answer answer(QStringLiteral("KTRPW:0:9000;12,Dài hạn;\n13,Lướt sóng;\n501,12,6,25.5,1000,3,,0.15;"
                                            "1,2,3;1,2,3,4,5,6,7;1,2,3,4,5,6,7,8,9"));
    core::replacePortfolioRecords(db(), answer);
    EXPECT_EQ(categoryNames(), (QStringList{QStringLiteral("Dài hạn"), QStringLiteral("Lướt sóng")}));
    EXPECT_EQ(db().getPortfolioFromPortDataId(QStringLiteral("501")),
              QStringList{QStringLiteral("AAA,6,Dài hạn,9000,25.5,3,,1000")});
    EXPECT_TRUE(db().getPortfolioFromPortDataId(QStringLiteral("90")).isEmpty());
    core::replacePortfolioRecords(db(), net::Answer(QStringLiteral("KTRPW:0:9000")));
    EXPECT_TRUE(categoryNames().isEmpty());
}

TEST_F(CategoriesTest, WithoutALoginTheListOpensTheLoginScreenAndBackLeavesIt) {
    DirectoryMenuViewController& list = openList();
    EXPECT_EQ(navigator().topController(), app().loginViewController());
    navigator().pop(false);
    EXPECT_EQ(navigator().topController(), app().mainViewController()) << "no loop back into the login screen";
    static_cast<void>(list);
}

TEST_F(CategoriesTest, ReloadAsksFirstThenReplacesTheList) {
    logIn();
    addCategory(QStringLiteral("9"), QStringLiteral("Cũ"));
    DirectoryMenuViewController& list = openList();
    EXPECT_EQ(list.dirListName(), QStringList{QStringLiteral("Cũ")});
    m_server.set("/KTRPW/portfolio.aspx", testsupport::answer("KTRPW:0:9000;\n12,Dài hạn;"));
    list.handleKey(Qt::Key_F5);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Cập nhật danh sách danh mục!"));
    alerts().press(1);
    ASSERT_TRUE(waitFor([&list] { return !list.isRequestOutstanding(); }));
    EXPECT_EQ(list.dirListName(), QStringList{QStringLiteral("Dài hạn")});
    EXPECT_EQ(list.tbView()->model()->rowCount(), 1);
}

TEST_F(CategoriesTest, DeleteAsksUnlessSwipedInTheEditingState) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    addCategory(QStringLiteral("13"), QStringLiteral("Lướt sóng"));
    DirectoryMenuViewController& list = openList();
    list.menuContextCallBack(3);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin chọn danh mục để thao tác!"));
    alerts().press(0);
    list.confirmDeleteDir();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin chọn danh mục cần xóa"));
    alerts().press(0);
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:0:9000"));
    list.selectRow(0);
    list.confirmDeleteDir();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xóa danh mục: Dài hạn !"));
    alerts().press(1);
    ASSERT_TRUE(waitFor([&list] { return list.dirListName().size() == 1; }));
    EXPECT_EQ(m_server.requestsWith("type=deletecat&portfolioid=12&"), 1);
    list.toggleEdit();
    Q_EMIT list.tbView()->deleteRequested(0);
    EXPECT_FALSE(alerts().isShowing());
    ASSERT_TRUE(waitFor([&list] { return list.dirListName().isEmpty(); }));
}

// An answer that is neither a success nor a readable refusal keeps the category.
TEST_F(CategoriesTest, AnUnreadableDeleteAnswerIsAFailure) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    DirectoryMenuViewController& list = openList();
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("<html>502</html>"));
    list.selectRow(0);
    list.deleteDir();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Không xóa được danh mục!")));
    EXPECT_EQ(categoryNames(), QStringList{QStringLiteral("Dài hạn")});
}

TEST_F(CategoriesTest, TheMenuShowsTheLoginStateAndLogsOut) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    DirectoryMenuViewController& list = openList();
    list.goMenu();
    EXPECT_EQ(app().menu()->menuText().last(), QStringLiteral("Đăng xuất"));
    app().menu()->goBack();
    list.menuContextCallBack(4);
    EXPECT_FALSE(app().isAuthenticated());
    EXPECT_TRUE(categoryNames().isEmpty());
    EXPECT_EQ(navigator().topController(), app().mainViewController());
    app().menu()->buildMenu(QStringLiteral("DIRMENU"));
    EXPECT_EQ(app().menu()->menuText().last(), QStringLiteral("Đăng nhập"));
}

// ---- the form ----------------------------------------------------------------------------------

TEST_F(CategoriesTest, TheFormCreatesAndRenamesThenTheListIsFetchedAgain) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    DirectoryMenuViewController& list = openList();
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:0:9000;\n14,Mới & lạ"));
    m_server.set("/KTRPW/portfolio.aspx", testsupport::answer("KTRPW:0:9000;\n12,Dài hạn;\n14,Mới & lạ"));
    list.viewDirAdd();
    auto& form = *app().cachedScreen<DirectoryAddViewController>();
    ASSERT_EQ(navigator().topController(), &form);
    EXPECT_TRUE(form.txtName()->text().isEmpty());
    form.addDir();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin nhập tên danh mục!"));
    alerts().press(0);
    form.txtName()->setText(QStringLiteral("Mới & lạ"));
    form.addDir();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đã tạo danh mục!")));
    EXPECT_EQ(m_server.requestsWith("type=addcat&name=M%E1%BB%9Bi%20%26%20l%E1%BA%A1&"), 1);
    EXPECT_EQ(navigator().topController(), &list);
    ASSERT_TRUE(waitFor([&list] { return list.dirListName().size() == 2; }));
    alerts().press(0);
    list.selectRow(0);
    list.goEditDir();
    EXPECT_EQ(form.txtName()->text(), QStringLiteral("Dài hạn"));
    EXPECT_TRUE(form.editMode());
    EXPECT_EQ(form.pId(), QStringLiteral("12"));
}

TEST_F(CategoriesTest, ANameTheAnswersCannotCarryIsRefusedBeforeSending) {
    logIn();
    openList().viewDirAdd();
    auto& form = *app().cachedScreen<DirectoryAddViewController>();
    for (const char* name : {"A,B", "A;B", "A:B", "A\nB"}) {
        form.txtName()->setText(QString::fromUtf8(name));
        form.addDir();
        EXPECT_TRUE(alerts().currentMessage().startsWith(QStringLiteral("Tên danh mục không được chứa"))) << name;
        alerts().press(0);
    }
    EXPECT_EQ(form.txtName()->text(), QStringLiteral("A\nB")) << "what was typed stays";
    EXPECT_EQ(m_server.requestsWith("addcat"), 0);
}

TEST_F(CategoriesTest, ARefusedRenameSaysSoAndClosesTheForm) {
    logIn();
    addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
    DirectoryMenuViewController& list = openList();
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:1:9000:Không có danh mục"));
    list.selectRow(0);
    list.goEditDir();
    auto& form = *app().cachedScreen<DirectoryAddViewController>();
    form.txtName()->setText(QStringLiteral("Ngắn hạn"));
    form.addDir();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Không tạo/cập nhật được danh mục!")));
    EXPECT_EQ(navigator().topController(), &list);
    EXPECT_EQ(categoryNames(), QStringList{QStringLiteral("Dài hạn")});
}

TEST_F(CategoriesTest, TheFormStartsOnTheNameAndReturnSendsIt) {
    logIn();
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:0:9000;\n14,Quy mo"));
    openList().viewDirAdd();
    auto& form = *app().cachedScreen<DirectoryAddViewController>();
    EXPECT_EQ(form.view()->focusWidget(), form.txtName());
    QTest::keyClick(form.txtName(), Qt::Key_Return);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin nhập tên danh mục!"))
        << "the refusal stays up: the Return that sent the form does not answer it";
    alerts().press(0);
    QTest::keyClicks(form.txtName(), QStringLiteral("Quy mo"));
    QTest::keyClick(form.txtName(), Qt::Key_Return);
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đã tạo danh mục!")));
    EXPECT_EQ(m_server.requestsWith("type=addcat&name=Quy%20mo&"), 1);
}
