#pragma once

#include "net/RequestDelegate.h"
#include "shell/BarScreen.h"

#include <memory>

class QLineEdit;

namespace net {
class MyUrlRequest;
}

namespace shell {

class FormFields;

/// Logs the user in with the name and the MD5 digest of the password. Only the digest is ever
/// kept on the device: a saved login shows a masked placeholder and sends the saved digest
/// unless a new password is typed.
class LoginViewController final : public BarScreen, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LoginViewController)

public:
    explicit LoginViewController(QRMInfoAppDelegate& appDelegate);
    ~LoginViewController() override;

    /// The lowercase hexadecimal MD5 digest of the text's UTF-8 bytes.
    static QString md5(const QString& text);

    void sendLogin();
    void goToRegister();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    QLineEdit* uname() const { return m_uname; }
    QLineEdit* pass() const { return m_pass; }

protected:
    void buildContent(QWidget* root) override;
    void viewDidLoad() override;

private:
    /// The digest to send: of the typed password, else the saved one for the saved user.
    QString passwordDigest() const;
    void storeLogin(const QString& text);
    /// Leaves the user logged out and says why (a data error when the service said nothing).
    void refuseLogin(const QString& message);

    std::unique_ptr<net::MyUrlRequest> m_myUrlRequest;
    QString m_imei;
    QString m_sentUsername;
    QString m_sentDigest;
    QLineEdit* m_uname = nullptr;
    QLineEdit* m_pass = nullptr;
    FormFields* m_formFields = nullptr;
};

} // namespace shell
