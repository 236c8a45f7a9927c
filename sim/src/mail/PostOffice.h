#pragma once

#include "mail/MailMessage.h"
#include "mail/Maildir.h"

#include <functional>
#include <optional>
#include <string>

namespace sim {

/// A mail the service sent: the address, the whole message, and its file in the Maildir (empty
/// when the service keeps no Maildir).
struct SentMail {
    std::string to;
    std::string message;
    std::string path;
};

/// Told of every mail the service sends (corvastel-sim prints them).
using MailListener = std::function<void(const SentMail& mail)>;

/// Sends the service's mails: into its Maildir when it has one, and to the listener.
class PostOffice final {
public:
    /// maildirRoot empty: no Maildir, mails only reach the listener.
    explicit PostOffice(const std::string& maildirRoot);

    void setListener(MailListener listener) { m_listener = std::move(listener); }

    /// Dates and sends one mail; false when the Maildir could not take it, so that the caller
    /// does not report as sent a mail nobody will ever read.
    bool send(const MailMessage& mail);

private:
    std::optional<Maildir> m_maildir;
    MailListener m_listener;
};

} // namespace sim
