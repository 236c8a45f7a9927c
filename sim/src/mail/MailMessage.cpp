#include "MailMessage.h"

#include <QByteArray>
#include <QLocale>

#include <algorithm>

namespace sim {

namespace {

// An encoded word may be 75 characters long: "=?UTF-8?B?" and "?=" leave 63 for the base64 text,
// that is 45 bytes of UTF-8, never split inside a character.
constexpr std::size_t kBytesPerWord = 45;

bool isPrintableAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

std::size_t characterStart(const std::string& text, std::size_t at) {
    while (at > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0U) == 0x80U) {
        --at;
    }
    return at;
}

std::string dateText(const QDateTime& date) {
    // Qt leaves out the optional day of the week; mail readers like to show it.
    return QLocale::c().toString(date, QStringLiteral("ddd, ")).toStdString() +
           date.toString(Qt::RFC2822Date).toStdString();
}

} // namespace

std::string encodedHeaderText(const std::string& text) {
    if (isPrintableAscii(text)) {
        return text;
    }
    std::string encoded;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.size(), start + kBytesPerWord);
        end = end == text.size() ? end : characterStart(text, end);
        const QByteArray chunk = QByteArray::fromStdString(text.substr(start, end - start)).toBase64();
        encoded += (start == 0 ? "" : "\n ") + std::string("=?UTF-8?B?") + chunk.toStdString() + "?=";
        start = end;
    }
    return encoded;
}

std::string formatMessage(const MailMessage& mail, const QDateTime& date, const std::string& messageId) {
    std::string message;
    message += "From: " + mail.from + "\n";
    message += "To: " + mail.to + "\n";
    message += "Subject: " + encodedHeaderText(mail.subject) + "\n";
    message += "Date: " + dateText(date) + "\n";
    message += "Message-ID: <" + messageId + ">\n";
    message += "MIME-Version: 1.0\n";
    message += "Content-Type: text/plain; charset=UTF-8\n";
    message += "Content-Transfer-Encoding: 8bit\n";
    message += "\n";
    message += mail.body;
    if (!mail.body.empty() && mail.body.back() != '\n') {
        message += "\n";
    }
    return message;
}

} // namespace sim
