#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <map>
#include <string>

namespace simtest {

/// A mail file read back: its header fields (folded lines joined) and its body.
struct ReadMail {
    std::map<std::string, std::string> headers;
    std::string body;
};

inline ReadMail parseMail(const std::string& text) {
    ReadMail mail;
    const auto blank = text.find("\n\n");
    const std::string head = text.substr(0, blank);
    mail.body = blank == std::string::npos ? std::string() : text.substr(blank + 2);
    std::string last;
    std::size_t start = 0;
    while (start < head.size()) {
        const auto end = std::min(head.find('\n', start), head.size());
        const std::string line = head.substr(start, end - start);
        if (!line.empty() && line.front() == ' ' && !last.empty()) {
            mail.headers[last] += line;
        } else if (const auto colon = line.find(": "); colon != std::string::npos) {
            last = line.substr(0, colon);
            mail.headers[last] = line.substr(colon + 2);
        }
        start = end + 1;
    }
    return mail;
}

/// A header value with its RFC 2047 "B" encoded words decoded (the only kind the service writes).
inline std::string decodedHeader(const std::string& value) {
    if (value.find("=?UTF-8?B?") == std::string::npos) {
        return value;
    }
    std::string decoded;
    for (auto at = value.find("=?UTF-8?B?"); at != std::string::npos; at = value.find("=?UTF-8?B?", at)) {
        const auto start = at + 10;
        const auto end = value.find("?=", start);
        decoded += QByteArray::fromBase64(QByteArray::fromStdString(value.substr(start, end - start))).toStdString();
        at = end + 2;
    }
    return decoded;
}

/// The files of one Maildir subfolder, by name.
inline QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

inline std::string fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

} // namespace simtest
