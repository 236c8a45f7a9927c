#pragma once

#include "SimTypes.h"

#include <string>

namespace sim {

class AccountStore;
class PortfolioStore;
class PostOffice;
class Secrets;

/// login.aspx and Register.aspx. Registration takes no password: the service mails one to the
/// address given, as the real service does, through its post office (a Maildir in the data
/// folder); the mail body is also kept in the state.
class AccountPages final {
public:
    AccountPages(AccountStore& accounts, PortfolioStore& portfolios, Secrets& secrets, PostOffice& postOffice);

    /// Header "KTRPW:0:<day>:<session>" with the user's categories and holdings.
    Response login(const Request& request, const SimTime& now);
    /// An answer the client splits at ":" only.
    Response registration(const Request& request);

private:
    /// False when the mail could not be delivered.
    bool mailPassword(const std::string& name, const std::string& email, const std::string& password);

    AccountStore& m_accounts;
    PortfolioStore& m_portfolios;
    Secrets& m_secrets;
    PostOffice& m_postOffice;
};

} // namespace sim
