#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sim {

class StateDatabase;

/// What a registration attempt came to.
enum class RegisterOutcome {
    Created,
    AlreadyRegistered, ///< the same name with the same e-mail: the password is mailed again
    NameUsed,
    EmailUsed,
};

/// Users, their login sessions and the mails the service "sends" them.
class AccountStore final {
public:
    explicit AccountStore(StateDatabase& db);

    RegisterOutcome registerUser(const std::string& name, const std::string& email, const std::string& passwordMd5);
    std::optional<std::string> emailOf(const std::string& name) const;
    void setPasswordMd5(const std::string& name, const std::string& passwordMd5);

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
