#include "shell/RegisterViewController.h"

#include "net/AnswerReader.h"
#include "net/MyUrlRequest.h"
#include "shell/FormFields.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace shell {

namespace {

constexpr int kRegistrationKind = 17;

const QString kRefused = QStringLiteral("Không đăng kí được");

// The service's English refusals, as the user reads them.
QString translatedRefusal(const QString& field) {
    if (field == QLatin1String("User name was used;\n")) {
        return QStringLiteral("Tên người dùng đã tồn tại.");
    }
    if (field == QLatin1String("Email was used;\n")) {
        return QStringLiteral("Email đã tồn tại.");
    }
    if (field == QLatin1String("Register failed;\n")) {
        return QStringLiteral("Không đăng kí được.");
    }
    if (field == QLatin1String("Register successfully;\n")) {
        return QStringLiteral("Đăng kí thành công.");
    }
    return field;
}

} // namespace

RegisterViewController::RegisterViewController(QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Đăng ký")) {
    setScreenName(QStringLiteral("Đăng ký"));
}

RegisterViewController::~RegisterViewController() = default;

void RegisterViewController::buildContent(QWidget* root) {
    makeLabel(root, QStringLiteral("Tên đăng nhập"), QRect(70, 70, 120, 28), 13, true);
    m_uname = makeField(root, QStringLiteral("Tên đăng nhập"), QRect(190, 70, 220, 30));
    makeLabel(root, QStringLiteral("Email"), QRect(70, 112, 120, 28), 13, true);
    m_email = makeField(root, QStringLiteral("ten@vidu.vn"), QRect(190, 112, 220, 30));
    QPushButton* send = makeBarButton(root, QStringLiteral("Đăng ký"), QRect(190, 160, 220, 32));
    connect(send, &QPushButton::clicked, this, &RegisterViewController::sendRegister);
    makeLabel(root, QStringLiteral("Mật khẩu sẽ được gửi tới địa chỉ email của bạn."), QRect(70, 205, 340, 40), 11)
        ->setWordWrap(true);
    m_formFields = new FormFields(root, appDelegate().platform().hasOnScreenKeyboard);
    m_formFields->setFields({m_uname, m_email}, send);
}

void RegisterViewController::viewDidAppear(bool /*animated*/) {
    m_formFields->focusFirst();
}

void RegisterViewController::viewWillDisappear(bool /*animated*/) {
    m_formFields->lower();
}

void RegisterViewController::sendRegister() {
    if (m_uname->text().isEmpty() || m_email->text().isEmpty()) {
        appDelegate().alerts().show(QString(), QStringLiteral("Chưa có tên/Email!"), {QStringLiteral("OK")});
        return;
    }
    net::MyUrlRequest& request = appDelegate().ensureMyUrlRequest();
    request.setMyReqType(kRegistrationKind);
    request.setDelegate(this);
    request.ResquestLink(appDelegate().endpoints().registration(m_uname->text(), m_email->text()));
}

std::pair<QString, bool> RegisterViewController::messageFor(const std::optional<QByteArray>& data) {
    if (!data) {
        return {kRefused, true};
    }
    const QStringList fields = net::splitColonOnly(QString::fromUtf8(*data));
    const int status = fields.size() < 2 ? net::Answer::kNoStatus : net::statusOf(fields.at(1));
    if (status == net::Answer::kNoStatus) {
        return {kRefused, true};
    }
    if (status == 0) {
        return {QStringLiteral("Đăng ký thành công"), false};
    }
    const QString refusal = translatedRefusal(fields.value(3));
    return {refusal.trimmed().isEmpty() ? kRefused : refusal, false};
}

void RegisterViewController::DidFinishRequest(std::optional<QByteArray> data) {
    const auto [message, backToMenu] = messageFor(data);
    appDelegate().alerts().show(QString(), message, {QStringLiteral("OK")}, [this, backToMenu = backToMenu](int) {
        if (backToMenu) {
            appDelegate().navigator().popToRoot(true);
        }
    });
}

} // namespace shell
