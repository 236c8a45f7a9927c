#include "net/UrlEscaping.h"

namespace net {
namespace {

bool mustEscape(unsigned char byte) {
    if (byte <= 0x20 || byte >= 0x7F) {
        return true;
    }
    switch (byte) {
    case '"':
    case '<':
    case '>':
    case '\\':
    case '^':
    case '`':
    case '{':
    case '|':
    case '}':
        return true;
    default:
        return false;
    }
}

} // namespace

QByteArray escapeUrlText(const QString& url) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    const QByteArray utf8 = url.toUtf8();
    QByteArray escaped;
    escaped.reserve(utf8.size() + utf8.size() / 2);
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (mustEscape(byte)) {
            escaped.append('%');
            escaped.append(hexDigits[byte >> 4]);
            escaped.append(hexDigits[byte & 0x0F]);
        } else {
            escaped.append(c);
        }
    }
    return escaped;
}

QUrl escapedUrl(const QString& url) {
    return QUrl::fromEncoded(escapeUrlText(url), QUrl::TolerantMode);
}

} // namespace net
