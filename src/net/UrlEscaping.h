#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace net {

/// Percent-escapes a whole URL text in UTF-8: bytes that may not stand in a URL (blanks, control
/// characters, quotes, angle brackets, braces and every non-ASCII byte) become %XX; everything a
/// URL may hold, "%", "&", "=", "?", "/", "+" and "#" included, is left as it is, so values that
/// were encoded before are not encoded twice.
QByteArray escapeUrlText(const QString& url);

/// The URL a request is sent to: escapeUrlText() read leniently by QUrl.
QUrl escapedUrl(const QString& url);

} // namespace net
