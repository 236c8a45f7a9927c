#include "shell/LoginViewController.h"

#include "core/PortfolioAnswer.h"
#include "net/AnswerReader.h"
#include "net/MyUrlRequest.h"
#include "shell/FormFields.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/RegisterViewController.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <QCryptographicHash>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace shell {

namespace {

constexpr int kLoginKind = 5;
const QString kSavedPasswordMask = QStringLiteral("••••••");

} // namespace

LoginViewController::LoginViewController(QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Đăng nhập")) {
    setScreenName(QStringLiteral("Đăng nhập"));
}

LoginViewController::~LoginViewController() = default;

QString LoginViewController::md5(const QString& text) {
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

void LoginViewController::buildContent(QWidget* root) {
    makeLabel(root, QStringLiteral("Tên đăng nhập"), QRect(70, 70, 120, 28), 13, true);
    m_uname = makeField(root, QStringLiteral("Tên đăng nhập"), QRect(190, 70, 220, 30));
    makeLabel(root, QStringLiteral("Mật khẩu"), QRect(70, 112, 120, 28), 13, true);
    m_pass = makeField(root, QString(), QRect(190, 112, 220, 30));
    m_pass->setEchoMode(QLineEdit::Password);
    QPushButton* login = makeBarButton(root, QStringLiteral("Đăng nhập"), QRect(190, 160, 105, 32));
    connect(login, &QPushButton::clicked, this, &LoginViewController::sendLogin);
    QPushButton* reg = makeBarButton(root, QStringLiteral("Đăng ký"), QRect(305, 160, 105, 32));
    connectNavigation(reg, [this] { goToRegister(); });
    m_formFields = new FormFields(root, appDelegate().platform().hasOnScreenKeyboard);
    m_formFields->setFields({m_uname, m_pass}, login);
}

void LoginViewController::viewDidLoad() {
    m_imei = appDelegate().getUDID();
}

void LoginViewController::viewWillAppear(bool /*animated*/) {
    m_uname->setText(appDelegate().username());
    m_pass->clear();
    m_pass->setPlaceholderText(appDelegate().password().isEmpty() ? QStringLiteral("Mật khẩu") : kSavedPasswordMask);
}

void LoginViewController::viewDidAppear(bool /*animated*/) {
    m_formFields->focusFirst();
}

void LoginViewController::viewWillDisappear(bool /*animated*/) {
    m_formFields->lower();
}

QString LoginViewController::passwordDigest() const {
    if (!m_pass->text().isEmpty()) {
        return md5(m_pass->text());
    }
    const bool savedUser = !appDelegate().username().isEmpty() && m_uname->text() == appDelegate().username();
    return savedUser ? appDelegate().password() : QString();
}

void LoginViewController::sendLogin() {
    const QString digest = passwordDigest();
    if (m_uname->text().isEmpty() || digest.isEmpty()) {
        appDelegate().alerts().show(QString(), QStringLiteral("Chưa có tên/mật khẩu đăng nhập!"),
                                    {QStringLiteral("OK")});
        return;
    }
    if (!m_myUrlRequest) {
        m_myUrlRequest = appDelegate().makeRequest();
    }
    m_sentUsername = m_uname->text();
    m_sentDigest = digest;
    m_myUrlRequest->setMyReqType(kLoginKind);
    m_myUrlRequest->setDelegate(this);
    m_myUrlRequest->ResquestLink(appDelegate().endpoints().login(m_sentUsername, digest));
}

void LoginViewController::goToRegister() {
    appDelegate().navigator().push(appDelegate().registerViewController(), true);
}

void LoginViewController::DidFinishRequest(std::optional<QByteArray> data) {
    const net::Answer answer = data ? net::readAnswer(*data) : net::Answer();
    if (!data || answer.headerFieldCount() < 3 || !answer.hasStatus()) {
        appDelegate().alerts().show(QString(), QStringLiteral("Có lỗi dữ liệu xảy ra khi kêt nối!"),
                                    {QStringLiteral("OK")});
        return;
    }
    // A success without a session could never reach an account page: it is no login at all.
    if (!answer.isSuccess() || answer.headerField(3).trimmed().isEmpty()) {
        refuseLogin(answer.isSuccess() ? QString() : answer.headerText(3));
        return;
    }
    storeLogin(answer.text());
}

void LoginViewController::refuseLogin(const QString& message) {
    QRMInfoAppDelegate& app = appDelegate();
    app.setIsAuthenticated(false);
    app.setSession(QString());
    Q_EMIT app.loginStateChanged();
    const QString shown = message.trimmed().isEmpty() ? QStringLiteral("Có lỗi dữ liệu xảy ra khi kêt nối!") : message;
    app.alerts().show(QString(), shown, {QStringLiteral("OK")});
}

void LoginViewController::storeLogin(const QString& text) {
    const net::Answer answer(text);
    QRMInfoAppDelegate& app = appDelegate();
    app.setIsAuthenticated(true);
    app.setSession(answer.headerText(3));
    app.setUsername(m_sentUsername);
    app.setPassword(m_sentDigest);
    myDb& db = *app.db();
    db.setUserInfo(m_sentUsername, m_sentDigest, app.session());
    app.alerts().show(QString(), QStringLiteral("Đăng nhập thành công."), {QStringLiteral("OK")});
    core::replacePortfolioRecords(db, answer);
    Q_EMIT app.loginStateChanged();
    if (app.navigator().topController() == this) {
        app.navigator().pop(true);
    }
}

} // namespace shell
