#include "ui/HtmlView.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

using ui::HtmlView;

TEST(HtmlView, EscapesServiceTextAndKeepsLineBreaks) {
    EXPECT_EQ(HtmlView::escaped(QStringLiteral("<script>alert('x')</script> & \"Tỷ\"")),
              QStringLiteral("&lt;script&gt;alert('x')&lt;/script&gt; &amp; &quot;Tỷ&quot;"));
    EXPECT_EQ(HtmlView::escaped(QStringLiteral("một\nhai\r\nba")), QStringLiteral("một<br>hai<br>ba"));
    EXPECT_EQ(HtmlView::escaped(QString()), QString());
}

TEST(HtmlView, EscapedTextShowsAsTextNotMarkup) {
    HtmlView view;
    view.setHtml(QStringLiteral("<p>") + HtmlView::escaped(QStringLiteral("<b>A</b>\nB")) + QStringLiteral("</p>"));
    EXPECT_EQ(view.toPlainText(), QStringLiteral("<b>A</b>\nB"));
}

TEST(HtmlView, LinksAreReportedNotFollowed) {
    HtmlView view;
    view.setHtml(QStringLiteral("<a href=\"https://example.com/tin\">tin</a>"));
    QUrl handled;
    view.setLinkHandler([&](const QUrl& url) { handled = url; });
    QSignalSpy spy(&view, &HtmlView::linkActivated);
    EXPECT_FALSE(view.openLinks());
    Q_EMIT view.anchorClicked(QUrl(QStringLiteral("https://example.com/tin")));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(handled, QUrl(QStringLiteral("https://example.com/tin")));
    EXPECT_TRUE(view.source().isEmpty());
}

// A page never reaches outside itself: not even a picture on the local disk is read for it.
TEST(HtmlView, LoadsNoResource) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dot.png"));
    QImage dot(2, 2, QImage::Format_RGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(path));
    const QUrl url = QUrl::fromLocalFile(path);
    HtmlView view;
    view.setHtml(QStringLiteral("<img src=\"%1\">").arg(url.toString()));
    const QVariant loaded = view.document()->resource(QTextDocument::ImageResource, url);
    EXPECT_TRUE(loaded.value<QByteArray>().isEmpty());
    EXPECT_TRUE(loaded.value<QImage>().isNull());
}
