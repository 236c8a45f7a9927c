#pragma once

#include "SimTypes.h"

#include <functional>
#include <string>

namespace sim {

class AccountStore;
class PortfolioStore;
class Secrets;

/// Called with the address and text of every mail the service sends.
using MailListener = std::function<void(const std::string& email, const std::string& body)>;

/// login.aspx and Register.aspx. Registration takes no password: the service mails one to the
/// address given, as the real service does; the mail is kept in the state and passed to the
/// listener (corvastel-sim prints it).
class AccountPages final {
public:
    AccountPages(AccountStore& accounts, PortfolioStore& portfolios, Secrets& secrets);

    void setMailListener(MailListener listener) { m_mailListener = std::move(listener); }

    /// Header "KTRPW:0:<day>:<session>" with the user's categories and holdings.
    Response login(const Request& request, const SimTime& now);
    /// An answer the client splits at ":" only.
    Response registration(const Request& request);

private:
    void mailPassword(const std::string& name, const std::string& email, const std::string& password);

    AccountStore& m_accounts;
    PortfolioStore& m_portfolios;
    Secrets& m_secrets;
    MailListener m_mailListener;
};

} // namespace sim
