#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sim {

class StateDatabase;

/// What a registration attempt came to.
enum class RegisterOutcome {
    Created,
    NameUsed, ///< whatever the e-mail: a registration never touches an existing account
    EmailUsed,
};

/// Users, their login sessions and the mails the service "sends" them.
class AccountStore final {
public:
    explicit AccountStore(StateDatabase& db);

    RegisterOutcome registerUser(const std::string& name, const std::string& email, const std::string& passwordMd5);
    /// Takes back a registration that could not be completed (the user has nothing else yet).
    void removeUser(const std::string& name);

    /// The user id when the name exists and the digest matches (digests compared in lowercase).
    std::optional<long long> checkLogin(const std::string& name, const std::string& passwordMd5) const;

    void openSession(long long userId, const std::string& token);
    std::optional<long long> userOfSession(const std::string& token) const;
    long long sessionCount() const;

    void addMail(const std::string& email, const std::string& body);
    std::vector<std::string> mailsTo(const std::string& email) const;

private:
    StateDatabase& m_db;
};

} // namespace sim
