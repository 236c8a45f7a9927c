#include "ShellFixture.h"
#include "server/EmbeddedService.h"
#include "server/ScriptedServer.h"
#include "server/Service.h"
#include "shell/FormFields.h"
#include "shell/KeyboardLift.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/RegisterViewController.h"
#include "store/myDb.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

using shell::LoginViewController;
using shell::RegisterViewController;
using testsupport::answer;
using testsupport::droppedAnswer;
using testsupport::ShellTest;

namespace {

const std::string kLoginPath = "/KTRPW/login.aspx";
const QString kDemoDigest = QStringLiteral("fe01ce2a7fbac8fafaed7c982a04e229");

} // namespace

class AccountTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
    }

    LoginViewController& openLogin(const QString& name, const QString& password) {
        app().mainViewController()->goLogin();
        LoginViewController& login = *app().loginViewController();
        login.uname()->setText(name);
        login.pass()->setText(password);
        return login;
    }

    sim::ScriptedServer m_server;
};

TEST_F(AccountTest, DigestIsTheLowercaseHexMd5OfTheUtf8Bytes) {
    EXPECT_EQ(LoginViewController::md5(QStringLiteral("demo")), kDemoDigest);
    EXPECT_EQ(LoginViewController::md5(QString()), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    EXPECT_EQ(LoginViewController::md5(QStringLiteral("mật")), QStringLiteral("e55f947021686a7b58acc2655e83d575"));
}

TEST_F(AccountTest, EmptyPasswordIsRefusedWithoutAsking) {
    openLogin(QStringLiteral("hung"), QString()).sendLogin();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Chưa có tên/mật khẩu đăng nhập!"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_server.requestTargets().empty());
}

TEST_F(AccountTest, SuccessfulLoginKeepsOnlyTheDigestAndTheAnswersPortfolios) {
    app().db()->updatePorfilio(QStringLiteral("99"), QStringLiteral("1"), QStringLiteral("cũ"));
    m_server.set(kLoginPath, answer("KTRPW:0:9000:session-42;\n1,Dài hạn;\n2,Lướt sóng;\n10,1,7,25.5,1000,30,20,0.15;"
                                    "\n11,1,8,12,500,14,10,0.15;\n12,2,9,40,100,45,35,0.15;\n"));
    openLogin(QStringLiteral("hung"), QStringLiteral("demo")).sendLogin();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đăng nhập thành công.")));
    EXPECT_EQ(m_server.requestTargets().back(),
              "/KTRPW/login.aspx?username=hung&pass=" + kDemoDigest.toStdString() + "&imei=device-1");
    EXPECT_TRUE(app().isAuthenticated());
    EXPECT_EQ(app().session(), QStringLiteral("session-42"));
    EXPECT_EQ(app().username(), QStringLiteral("hung"));
    QStringList user;
    app().db()->getUserInfo(user);
    EXPECT_EQ(user, (QStringList{QStringLiteral("hung"), kDemoDigest, QStringLiteral("session-42")}));
    QStringList names;
    QStringList ids;
    app().db()->getDirList(names, ids);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Dài hạn"), QStringLiteral("Lướt sóng")}));
    EXPECT_EQ(ids, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    app().db()->updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"),
                                  QStringLiteral("AAA"), {});
    EXPECT_EQ(app().db()->getPortfolioFromPortDataId(QStringLiteral("10")),
              QStringList{QStringLiteral("AAA,7,Dài hạn,9000,25.5,30,20,1000")});
    EXPECT_EQ(navigator().topController(), app().mainViewController());
    alerts().press(0);
    app().mainViewController()->viewWillAppear(false);
    EXPECT_EQ(app().mainViewController()->userLabelText(), QStringLiteral("[ hung ]"));
}

TEST_F(AccountTest, SavedDigestIsSentWhenNoNewPasswordIsTyped) {
    app().setUsername(QStringLiteral("hung"));
    app().setPassword(kDemoDigest);
    m_server.set(kLoginPath, answer("KTRPW:0:9000:s;"));
    LoginViewController& login = openLogin(QStringLiteral("hung"), QString());
    EXPECT_TRUE(login.pass()->text().isEmpty());
    EXPECT_FALSE(login.pass()->placeholderText().contains(QStringLiteral("demo")));
    login.sendLogin();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đăng nhập thành công.")));
    EXPECT_EQ(m_server.requestTargets().back(),
              "/KTRPW/login.aspx?username=hung&pass=" + kDemoDigest.toStdString() + "&imei=device-1");
}

TEST_F(AccountTest, FailedLoginClearsAnEarlierSession) {
    app().setIsAuthenticated(true);
    app().setSession(QStringLiteral("earlier"));
    m_server.set(kLoginPath, answer("KTRPW:1:0:Sai tên đăng nhập hoặc mật khẩu;"));
    openLogin(QStringLiteral("hung"), QStringLiteral("sai")).sendLogin();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Sai tên đăng nhập hoặc mật khẩu")));
    EXPECT_FALSE(app().isAuthenticated());
    EXPECT_TRUE(app().session().isNull());
    EXPECT_EQ(navigator().topController(), app().loginViewController());
}

TEST_F(AccountTest, UnreadableLoginAnswerIsADataError) {
    m_server.set(kLoginPath, answer("KTRPW:0;"));
    openLogin(QStringLiteral("hung"), QStringLiteral("x")).sendLogin();
    EXPECT_TRUE(waitForAlert(QStringLiteral("Có lỗi dữ liệu xảy ra khi kêt nối!")));
    m_server.set(kLoginPath, droppedAnswer());
    alerts().press(0);
    app().loginViewController()->sendLogin();
    EXPECT_TRUE(waitForAlert(QStringLiteral("Có lỗi dữ liệu xảy ra khi kêt nối!")));
    EXPECT_FALSE(app().isAuthenticated());
}

// A proxy's error page has colons too; neither it nor a success without a session logs anyone in.
TEST_F(AccountTest, AnAnswerWithoutStatusOrSessionLogsNobodyIn) {
    const std::pair<const char*, const char*> cases[] = {
        {"<html><body>Service Unavailable: the server is down: retry</body></html>",
         "Có lỗi dữ liệu xảy ra khi kêt nối!"},
        {"<html><body>Error: 502: Bad Gateway</body></html>", "Có lỗi dữ liệu xảy ra khi kêt nối!"},
        {"KTRPW:OK:3650:tok;", "Có lỗi dữ liệu xảy ra khi kêt nối!"},
        {"KTRPW:0:3650:;", "Có lỗi dữ liệu xảy ra khi kêt nối!"},
    };
    for (const auto& [body, message] : cases) {
        m_server.set(kLoginPath, answer(body));
        openLogin(QStringLiteral("hung"), QStringLiteral("x")).sendLogin();
        ASSERT_TRUE(waitForAlert(QString::fromUtf8(message))) << body;
        EXPECT_FALSE(app().isAuthenticated()) << body;
        EXPECT_TRUE(app().session().isEmpty()) << body;
        alerts().press(0);
        navigator().popToRoot(false);
    }
}

TEST(RegistrationMessages, EveryAnswerHasItsMessage) {
    const auto message = [](const char* body) {
        return RegisterViewController::messageFor(QByteArray(body));
    };
    EXPECT_EQ(RegisterViewController::messageFor(std::nullopt),
              std::make_pair(QStringLiteral("Không đăng kí được"), true));
    EXPECT_EQ(message("lỗi"), std::make_pair(QStringLiteral("Không đăng kí được"), true));
    EXPECT_EQ(message("<html>Service Unavailable: down: retry</html>"),
              std::make_pair(QStringLiteral("Không đăng kí được"), true));
    EXPECT_EQ(message("<html>Error: 500: Internal</html>"),
              std::make_pair(QStringLiteral("Không đăng kí được"), false));
    EXPECT_EQ(message("KTRPW:0:0:;"), std::make_pair(QStringLiteral("Đăng ký thành công"), false));
    EXPECT_EQ(message("KTRPW:1:0:User name was used;\n"),
              std::make_pair(QStringLiteral("Tên người dùng đã tồn tại."), false));
    EXPECT_EQ(message("KTRPW:1:0:Email was used;\n"), std::make_pair(QStringLiteral("Email đã tồn tại."), false));
    EXPECT_EQ(message("KTRPW:1:0:Register failed;\n"), std::make_pair(QStringLiteral("Không đăng kí được."), false));
    EXPECT_EQ(message("KTRPW:1:0:Register successfully;\n"),
              std::make_pair(QStringLiteral("Đăng kí thành công."), false));
    EXPECT_EQ(message("KTRPW:1:0:Máy chủ bận"), std::make_pair(QStringLiteral("Máy chủ bận"), false));
}

TEST_F(AccountTest, RegistrationNeedsNameAndEmail) {
    app().mainViewController()->goLogin();
    app().loginViewController()->goToRegister();
    RegisterViewController& reg = *app().registerViewController();
    reg.uname()->setText(QStringLiteral("an"));
    reg.sendRegister();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Chưa có tên/Email!"));
}

TEST_F(AccountTest, FailedRegistrationReturnsToTheMainMenu) {
    m_server.set("/KTRPW/Register.aspx", droppedAnswer());
    app().mainViewController()->goLogin();
    app().loginViewController()->goToRegister();
    RegisterViewController& reg = *app().registerViewController();
    reg.uname()->setText(QStringLiteral("an"));
    reg.email()->setText(QStringLiteral("an@vidu.vn"));
    reg.sendRegister();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Không đăng kí được")));
    EXPECT_EQ(navigator().topController(), &reg);
    alerts().press(0);
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

class ServiceAccountTest : public ShellTest {};

TEST_F(ServiceAccountTest, DemoUserLogsInAgainstTheBuiltInService) {
    const std::unique_ptr<sim::Service> service = sim::startEmbeddedService(std::string());
    ASSERT_NE(service, nullptr);
    startQuietly(service->baseUrl());
    app().mainViewController()->goLogin();
    LoginViewController& login = *app().loginViewController();
    login.uname()->setText(QStringLiteral("demo"));
    login.pass()->setText(QStringLiteral("demo"));
    login.sendLogin();
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đăng nhập thành công.")));
    EXPECT_TRUE(app().isAuthenticated());
    EXPECT_FALSE(app().session().isEmpty());
    QStringList names;
    QStringList ids;
    app().db()->getDirList(names, ids);
    EXPECT_EQ(names.size(), 2);
    EXPECT_TRUE(names.contains(QStringLiteral("Ngân hàng & Quỹ 100%")));
}

// A phone's keyboard covers the lower half of a form, so the form moves up while a field is
// edited; the desktop has no such keyboard and must keep the top bar in view.
TEST(KeyboardLiftTest, TheFormMovesUpOnlyWhereAKeyboardCoversIt) {
    for (const bool phone : {false, true}) {
        QWidget screen;
        auto* field = new QLineEdit(&screen);
        auto* form = new shell::FormFields(&screen, phone);
        form->setFields({field}, nullptr);
        QFocusEvent focusIn(QEvent::FocusIn);
        QCoreApplication::sendEvent(field, &focusIn);
        EXPECT_EQ(screen.y(), phone ? shell::KeyboardLift::kLift : 0) << (phone ? "phone" : "desktop");
        Q_EMIT field->returnPressed();
        EXPECT_EQ(screen.y(), 0);
    }
}

// ---- the keys of the forms -----------------------------------------------------------------------

TEST_F(AccountTest, TheLoginFormStartsOnTheNameAndReturnGoesOnToThePassword) {
    app().mainViewController()->goLogin();
    LoginViewController& login = *app().loginViewController();
    EXPECT_EQ(login.view()->focusWidget(), login.uname());
    QTest::keyClick(login.uname(), Qt::Key_Tab);
    EXPECT_EQ(login.view()->focusWidget(), login.pass());
    QTest::keyClick(login.pass(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(login.view()->focusWidget(), login.uname());
    login.uname()->setText(QStringLiteral("hung"));
    QTest::keyClick(login.uname(), Qt::Key_Return);
    EXPECT_EQ(login.view()->focusWidget(), login.pass());
    EXPECT_FALSE(alerts().isShowing()) << "Return in the name field does not send the form";
}

TEST_F(AccountTest, ReturnInThePasswordLogsIn) {
    m_server.set(kLoginPath, answer("KTRPW:0:9000:s;"));
    LoginViewController& login = openLogin(QStringLiteral("hung"), QString());
    QTest::keyClick(login.pass(), Qt::Key_Return);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Chưa có tên/mật khẩu đăng nhập!"));
    alerts().press(0);
    QTest::keyClicks(login.pass(), QStringLiteral("demo"));
    QTest::keyClick(login.pass(), Qt::Key_Return);
    ASSERT_TRUE(waitForAlert(QStringLiteral("Đăng nhập thành công.")));
    EXPECT_EQ(m_server.requestTargets().back(),
              "/KTRPW/login.aspx?username=hung&pass=" + kDemoDigest.toStdString() + "&imei=device-1");
}

TEST_F(AccountTest, TheRegistrationFormStartsOnTheNameAndReturnInTheEmailSends) {
    app().mainViewController()->goLogin();
    app().loginViewController()->goToRegister();
    RegisterViewController& reg = *app().registerViewController();
    EXPECT_EQ(reg.view()->focusWidget(), reg.uname());
    QTest::keyClick(reg.uname(), Qt::Key_Return);
    EXPECT_EQ(reg.view()->focusWidget(), reg.email());
    EXPECT_FALSE(alerts().isShowing());
    QTest::keyClick(reg.email(), Qt::Key_Tab);
    EXPECT_EQ(reg.view()->focusWidget(), reg.uname());
    QTest::keyClick(reg.email(), Qt::Key_Return);
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Chưa có tên/Email!"));
}
