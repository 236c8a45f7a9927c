#pragma once

#include "net/RequestDelegate.h"
#include "shell/BarScreen.h"

class QLineEdit;

namespace shell {

class FormFields;

/// Asks the service for an account for a user name and an e-mail address.
class RegisterViewController final : public BarScreen, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RegisterViewController)

public:
    explicit RegisterViewController(QRMInfoAppDelegate& appDelegate);
    ~RegisterViewController() override;

    void sendRegister();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    /// The user's message for a registration answer, and whether dismissing it returns to the
    /// main menu.
    static std::pair<QString, bool> messageFor(const std::optional<QByteArray>& data);

    QLineEdit* uname() const { return m_uname; }
    QLineEdit* email() const { return m_email; }

protected:
    void buildContent(QWidget* root) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    QLineEdit* m_uname = nullptr;
    QLineEdit* m_email = nullptr;
    FormFields* m_formFields = nullptr;
};

} // namespace shell
