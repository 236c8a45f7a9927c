#pragma once

#include <QDateTime>

#include <string>

namespace sim {

/// One plain-text mail: addresses, a UTF-8 subject and a UTF-8 body whose lines end with "\n".
struct MailMessage {
    std::string from;
    std::string to;
    std::string subject;
    std::string body;
};

/// The mail as an RFC 5322 message (From, To, Subject, Date, Message-ID and the MIME headers of
/// UTF-8 text sent as 8bit), the subject as RFC 2047 encoded words when it is not ASCII. Lines end
/// with "\n", as a Maildir keeps them.
std::string formatMessage(const MailMessage& mail, const QDateTime& date, const std::string& messageId);

/// A header value in RFC 2047 "B" encoded words when it holds anything but printable ASCII.
std::string encodedHeaderText(const std::string& text);

} // namespace sim
