#include "net/UrlEscaping.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using net::escapeUrlText;

TEST(UrlEscaping, EscapesBlanksAndNonAsciiAsUtf8) {
    EXPECT_EQ(escapeUrlText(QStringLiteral("http://h/p?name=Việt Nam")),
              QByteArray("http://h/p?name=Vi%E1%BB%87t%20Nam"));
    EXPECT_EQ(escapeUrlText(QStringLiteral("a\"<>{}|\\^`b")), QByteArray("a%22%3C%3E%7B%7D%7C%5C%5E%60b"));
}

TEST(UrlEscaping, LeavesWhatAUrlMayHold) {
    const QString url = QStringLiteral("http://h:80/KTRPW/p.aspx?a=1&b=%26x+y#f~_.-!*'()$,;:@[]");
    EXPECT_EQ(escapeUrlText(url), url.toUtf8());
}

TEST(UrlEscaping, QUrlKeepsEncodedDelimitersEncoded) {
    const QUrl url = net::escapedUrl(QStringLiteral("http://127.0.0.1:1/KTRPW/p.aspx?name=A%26B%3D1%20100%25+x y"));
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.toEncoded(), QByteArray("http://127.0.0.1:1/KTRPW/p.aspx?name=A%26B%3D1%20100%25+x%20y"));
}

} // namespace
