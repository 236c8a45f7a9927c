#include "PortfolioFixture.h"
#include "portfolio/AddToDirectoryViewController.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "shell/LoginViewController.h"
#include "shell/ScreenMenu.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using portfolio::AddToDirectoryViewController;
using portfolio::HoldingDraft;
using testsupport::PortfolioTest;

class HoldingFormTest : public PortfolioTest {
protected:
    void SetUp() override {
        PortfolioTest::SetUp();
        logIn();
        addCompany(QStringLiteral("6"), QStringLiteral("AAA"));
        addCategory(QStringLiteral("12"), QStringLiteral("Dài hạn"));
        m_server.set("/KTRPW/Portfolio.aspx",
                     testsupport::answer("KTRPW:0:9000;\n12,Dài hạn;\n501,12,6,25.5,1000,3,,0.15"));
    }

    AddToDirectoryViewController& open(const HoldingDraft& draft, bool editMode) {
        m_form = std::make_unique<AddToDirectoryViewController>(app());
        m_form->setHolding(draft, editMode);
        navigator().push(m_form.get(), false);
        return *m_form;
    }

    static void fill(AddToDirectoryViewController& form, const QString& category) {
        form.txtPortfolio()->setText(category);
        form.txtPrice()->setText(QStringLiteral("25.5"));
        form.txtQuantity()->setText(QStringLiteral("1000"));
        form.txtUp()->setText(QStringLiteral("3"));
        form.txtDown()->clear();
        form.txtFee()->setText(QStringLiteral("0.15"));
    }

    static HoldingDraft stockAAA(const QString& category = QString()) {
        HoldingDraft draft;
        draft.companyId = QStringLiteral("6");
        draft.code = QStringLiteral("AAA");
        draft.categoryId = category;
        return draft;
    }

    std::unique_ptr<AddToDirectoryViewController> m_form;
};

// A known name (exactly as stored) adds to that category; any other asks for a new one, and an
// empty lower threshold goes as an empty value.
TEST_F(HoldingFormTest, AddsToAKnownCategoryOrToANewOne) {
    AddToDirectoryViewController& form = open(stockAAA(), false);
    EXPECT_EQ(form.lbCode()->text(), QStringLiteral("AAA"));
    EXPECT_TRUE(form.lbSuaDanhmuc()->isHidden());
    fill(form, QStringLiteral("dài hạn"));
    form.addCode();
    ASSERT_TRUE(waitForRequests("type=addcatdata&name=d%C3%A0i%20h%E1%BA%A1n&companyid=6&price=25.5&volume=1000"
                                "&over=3&under=&fee=0.15&"));
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đã câp nhật!")));
    alerts().press(0);
    open(stockAAA(), false);
    fill(*m_form, QStringLiteral("Dài hạn"));
    m_form->addCode();
    ASSERT_TRUE(waitForRequests("type=add&portfolioid=12&companyid=6&"));
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đã câp nhật!")));
    EXPECT_EQ(db().getPortfolioFromPortDataId(QStringLiteral("501")).size(), 1);
}

TEST_F(HoldingFormTest, MissingFieldsAndUnsendableNamesAreRefusedBeforeSending) {
    AddToDirectoryViewController& form = open(stockAAA(), false);
    fill(form, QStringLiteral("Mới"));
    form.txtUp()->clear();
    form.addCode();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin nhập đủ dữ liệu!"));
    alerts().press(0);
    fill(form, QStringLiteral("Mới, lạ"));
    form.addCode();
    EXPECT_TRUE(alerts().currentMessage().startsWith(QStringLiteral("Tên danh mục không được chứa")));
    alerts().press(0);
    EXPECT_EQ(form.txtPortfolio()->text(), QStringLiteral("Mới, lạ"));
    EXPECT_EQ(m_server.requestsWith("Portfolio.aspx"), 0);
}

TEST_F(HoldingFormTest, NumberFieldsTakeNumbersOnly) {
    AddToDirectoryViewController& form = open(stockAAA(), false);
    form.txtPrice()->clear();
    QTest::keyClicks(form.txtPrice(), QStringLiteral("2a5.5.1x"));
    EXPECT_EQ(form.txtPrice()->text(), QStringLiteral("25.51"));
    form.txtQuantity()->clear();
    QTest::keyClicks(form.txtQuantity(), QStringLiteral("1.000"));
    EXPECT_EQ(form.txtQuantity()->text(), QStringLiteral("1000"));
}

TEST_F(HoldingFormTest, ACategoryGivenByTheOpenerIsFixed) {
    AddToDirectoryViewController& form = open(stockAAA(QStringLiteral("12")), false);
    EXPECT_EQ(form.txtPortfolio()->text(), QStringLiteral("Dài hạn"));
    EXPECT_FALSE(form.txtPortfolio()->isEnabled());
    AddToDirectoryViewController& free = open(stockAAA(), false);
    EXPECT_TRUE(free.txtPortfolio()->isEnabled());
    free.toggleCategoryList();
    ASSERT_TRUE(free.tbView()->isShowing());
    free.chooseCategory(0);
    EXPECT_EQ(free.txtPortfolio()->text(), QStringLiteral("Dài hạn"));
}

// The service's refusal of an edit changes nothing: the store keeps the old holding and the form
// keeps what was typed.
TEST_F(HoldingFormTest, AnEditTheServiceRefusesChangesNothing) {
    addHolding(QStringLiteral("12"), QStringLiteral("501"), QStringLiteral("6"), QStringLiteral("20"));
    HoldingDraft draft{QStringLiteral("6"),   QStringLiteral("AAA"), QStringLiteral("12"),
                       QStringLiteral("501"), QStringLiteral("20"),  QStringLiteral("1000"),
                       QStringLiteral("2"),   QStringLiteral("1"),   QStringLiteral("0.15")};
    AddToDirectoryViewController& form = open(draft, true);
    EXPECT_FALSE(form.lbSuaDanhmuc()->isHidden());
    EXPECT_EQ(form.txtPrice()->text(), QStringLiteral("20"));
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:1:9000:Không có mã này"));
    form.txtPrice()->setText(QStringLiteral("22"));
    form.addCode();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Không cập nhật được dữ liệu!")));
    EXPECT_EQ(m_server.requestsWith("type=edit&portfoliodataid=501&portfolioid=12&companyid=6&price=22&"), 1);
    EXPECT_EQ(db().getPortfolioFromPortDataId(QStringLiteral("501")).value(0).section(u',', 4, 4),
              QStringLiteral("20"));
    EXPECT_EQ(navigator().topController(), &form);
    alerts().press(0);
    m_server.set("/KTRPW/Portfolio.aspx", testsupport::answer("KTRPW:0:9000"));
    form.addCode();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đã câp nhật!")));
    EXPECT_EQ(db().getPortfolioFromPortDataId(QStringLiteral("501")).value(0).section(u',', 4, 4),
              QStringLiteral("22"));
}

TEST_F(HoldingFormTest, WithoutALoginTheLoginScreenOpens) {
    app().setIsAuthenticated(false);
    AddToDirectoryViewController& form = open(stockAAA(), false);
    fill(form, QStringLiteral("Dài hạn"));
    form.addCode();
    EXPECT_EQ(navigator().topController(), app().loginViewController());
}

// The answer may come after the user went back: it must not take the screen now shown away.
TEST_F(HoldingFormTest, ALateAnswerLeavesTheScreenTheUserWentBackTo) {
    auto& under = *app().cachedScreen<portfolio::DirectoryMenuViewController>();
    navigator().push(&under, false);
    AddToDirectoryViewController& form = open(stockAAA(), false);
    fill(form, QStringLiteral("Dài hạn"));
    form.addCode();
    navigator().pop(false);
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đã câp nhật!")));
    EXPECT_EQ(navigator().topController(), &under);
}

// ---- the keys of the form ------------------------------------------------------------------------

TEST_F(HoldingFormTest, TabGoesThroughTheFieldsInReadingOrderFromTheFirstOneThatCanBeEdited) {
    AddToDirectoryViewController& form = open(stockAAA(), false);
    QWidget* root = form.view();
    EXPECT_EQ(root->focusWidget(), form.txtPortfolio());
    const QList<QLineEdit*> order{form.txtPortfolio(), form.txtPrice(), form.txtQuantity(),
                                  form.txtUp(),        form.txtDown(),  form.txtFee()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(order.at(i), Qt::Key_Tab);
        EXPECT_EQ(root->focusWidget(), order.at((i + 1) % order.size())) << i;
    }
    navigator().pop(false);

    // A category given by the opener cannot be changed: the price is the first field then.
    AddToDirectoryViewController& fixed = open(stockAAA(QStringLiteral("12")), false);
    EXPECT_EQ(fixed.view()->focusWidget(), fixed.txtPrice());
    QTest::keyClick(fixed.txtPrice(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(fixed.view()->focusWidget(), fixed.txtFee());
}

TEST_F(HoldingFormTest, ReturnMovesToTheNextFieldAndInTheFeeSendsTheForm) {
    AddToDirectoryViewController& form = open(stockAAA(), false);
    form.toggleCategoryList();
    ASSERT_TRUE(form.tbView()->isShowing());
    QTest::keyClick(form.txtPortfolio(), Qt::Key_Return);
    EXPECT_EQ(form.view()->focusWidget(), form.txtPrice());
    EXPECT_FALSE(form.tbView()->isShowing()) << "Return closes the category list";
    EXPECT_FALSE(alerts().isShowing());
    QTest::keyClick(form.txtFee(), Qt::Key_Return);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Xin nhập đủ dữ liệu!"));
    alerts().press(0);
    fill(form, QStringLiteral("Dài hạn"));
    QTest::keyClick(form.txtFee(), Qt::Key_Return);
    ASSERT_TRUE(waitForRequests("type=add&portfolioid=12&companyid=6&"));
}
