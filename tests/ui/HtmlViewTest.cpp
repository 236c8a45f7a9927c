#include "ui/HtmlView.h"

#include <QSignalSpy>

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
