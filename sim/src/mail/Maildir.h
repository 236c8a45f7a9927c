#pragma once

#include <string>

namespace sim {

/// A Maildir (tmp, new and cur under one folder) that the service delivers its mails into, the
/// way mail readers expect: each message written whole into tmp, then renamed into new, so a
/// reader never sees half a message. The folders and files are for their owner only: the mails
/// carry passwords.
class Maildir final {
public:
    explicit Maildir(std::string root);

    const std::string& root() const { return m_root; }

    /// Stores one message; its path under new/, or empty when it could not be stored.
    std::string deliver(const std::string& message);

private:
    bool prepareFolders() const;
    std::string uniqueName() const;

    std::string m_root;
};

} // namespace sim
