#include "AccountStore.h"

#include "accounts/StateDatabase.h"
#include "accounts/Statement.h"

#include <algorithm>
#include <cctype>

namespace sim {

namespace {

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

AccountStore::AccountStore(StateDatabase& db)
    : m_db(db) {}

RegisterOutcome AccountStore::registerUser(const std::string& name, const std::string& email,
                                           const std::string& passwordMd5) {
    Statement byName(m_db.handle(), "SELECT 1 FROM users WHERE name = ?");
    byName.bind(1, name);
    if (byName.step()) {
        return RegisterOutcome::NameUsed;
    }
    Statement byEmail(m_db.handle(), "SELECT 1 FROM users WHERE lower(email) = lower(?)");
    byEmail.bind(1, email);
    if (byEmail.step()) {
        return RegisterOutcome::EmailUsed;
    }
    Statement insert(m_db.handle(), "INSERT INTO users (name, email, md5) VALUES (?, ?, ?)");
    insert.bind(1, name).bind(2, email).bind(3, lowercase(passwordMd5)).run();
    return RegisterOutcome::Created;
}

void AccountStore::removeUser(const std::string& name) {
    Statement remove(m_db.handle(), "DELETE FROM users WHERE name = ?");
    remove.bind(1, name).run();
}

std::optional<long long> AccountStore::checkLogin(const std::string& name, const std::string& passwordMd5) const {
    Statement query(m_db.handle(), "SELECT id, md5 FROM users WHERE name = ?");
    query.bind(1, name);
    if (!query.step() || query.text(1) != lowercase(passwordMd5)) {
        return std::nullopt;
    }
    return query.integer(0);
}

void AccountStore::openSession(long long userId, const std::string& token) {
    Statement insert(m_db.handle(), "INSERT OR REPLACE INTO sessions (token, user_id) VALUES (?, ?)");
    insert.bind(1, token).bind(2, userId).run();
}

std::optional<long long> AccountStore::userOfSession(const std::string& token) const {
    Statement query(m_db.handle(), "SELECT user_id FROM sessions WHERE token = ?");
    query.bind(1, token);
    if (!query.step()) {
        return std::nullopt;
    }
    return query.integer(0);
}

long long AccountStore::sessionCount() const {
    Statement query(m_db.handle(), "SELECT count(*) FROM sessions");
    return query.step() ? query.integer(0) : 0;
}

void AccountStore::addMail(const std::string& email, const std::string& body) {
    Statement insert(m_db.handle(), "INSERT INTO mails (email, body) VALUES (?, ?)");
    insert.bind(1, email).bind(2, body).run();
}

std::vector<std::string> AccountStore::mailsTo(const std::string& email) const {
    Statement query(m_db.handle(), "SELECT body FROM mails WHERE lower(email) = lower(?) ORDER BY id");
    query.bind(1, email);
    std::vector<std::string> bodies;
    while (query.step()) {
        bodies.push_back(query.text(0));
    }
    return bodies;
}

} // namespace sim
