#include "AccountPages.h"

#include "accounts/AccountAnswer.h"
#include "accounts/AccountStore.h"
#include "accounts/Messages.h"
#include "accounts/PasswordMail.h"
#include "accounts/PortfolioStore.h"
#include "accounts/Secrets.h"
#include "accounts/TextChecks.h"
#include "mail/PostOffice.h"

namespace sim {

namespace {

std::string registerAnswer(int status, const char* message) {
    return std::string(kHeaderTag) + ":" + std::to_string(status) + ":0:" + message;
}

// Names and addresses travel in answers and in the mail the service sends: no separators, no
// blanks, no control characters (a header could be forged with them), and readable UTF-8.
bool isAcceptableName(const std::string& name) {
    return !name.empty() && name.size() <= 64 && isFieldSafe(name) && name.find(' ') == std::string::npos &&
           isPrintableUtf8(name);
}

bool isAcceptableEmail(const std::string& email) {
    const auto at = email.find('@');
    return at != std::string::npos && at > 0 && email.find('.', at) != std::string::npos && email.size() <= 128 &&
           isFieldSafe(email) && email.find(' ') == std::string::npos && isPrintableUtf8(email);
}

} // namespace

AccountPages::AccountPages(AccountStore& accounts, PortfolioStore& portfolios, Secrets& secrets, PostOffice& postOffice)
    : m_accounts(accounts)
    , m_portfolios(portfolios)
    , m_secrets(secrets)
    , m_postOffice(postOffice) {}

Response AccountPages::login(const Request& request, const SimTime& now) {
    const std::string* name = request.param("username");
    const std::string* pass = request.param("pass");
    const auto userId = (name && pass) ? m_accounts.checkLogin(*name, *pass) : std::nullopt;
    if (!userId) {
        return {errorAnswer(false, messages::kWrongLogin)};
    }
    const std::string token = m_secrets.sessionToken();
    m_accounts.openSession(*userId, token);
    AccountAnswer answer(now.day, token);
    for (const auto& category : m_portfolios.categories(*userId)) {
        answer.add(category);
    }
    for (const auto& holding : m_portfolios.holdingsOfUser(*userId)) {
        answer.add(holding);
    }
    return {answer.text()};
}

Response AccountPages::registration(const Request& request) {
    const std::string* name = request.param("username");
    const std::string* email = request.param("email");
    if (!name || !email || !isAcceptableName(*name) || !isAcceptableEmail(*email)) {
        return {registerAnswer(1, messages::kRegisterFailed)};
    }
    const std::string password = m_secrets.password();
    switch (m_accounts.registerUser(*name, *email, md5Hex(password))) {
    case RegisterOutcome::Created:
        // An account whose password never reached its owner can never be used, and its name
        // would stay taken: it is undone and the registration reported as failed.
        if (!mailPassword(*name, *email, password)) {
            m_accounts.removeUser(*name);
            return {registerAnswer(1, messages::kRegisterFailed)};
        }
        return {registerAnswer(0, messages::kRegisterDone)};
    case RegisterOutcome::NameUsed:
        // Anyone can type a name and its address: a second registration must not reset the
        // owner's password, so it is refused like any taken name.
        return {registerAnswer(1, messages::kRegisterNameUsed)};
    case RegisterOutcome::EmailUsed:
        return {registerAnswer(1, messages::kRegisterEmailUsed)};
    }
    return {registerAnswer(1, messages::kRegisterFailed)};
}

bool AccountPages::mailPassword(const std::string& name, const std::string& email, const std::string& password) {
    const MailMessage mail = passwordMail(name, email, password);
    if (!m_postOffice.send(mail)) {
        return false;
    }
    m_accounts.addMail(email, mail.body);
    return true;
}

} // namespace sim
