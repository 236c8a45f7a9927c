#include "news/NewsArticleScreen.h"

#include "core/Platform.h"
#include "news/NewsArticlePage.h"
#include "news/NewsItem.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/HtmlView.h"

namespace news {

NewsArticleScreen::NewsArticleScreen(shell::QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Tin tức")) {}

NewsArticleScreen::~NewsArticleScreen() = default;

void NewsArticleScreen::buildContent(QWidget* root) {
    m_webView = new ui::HtmlView(root);
    m_webView->setGeometry(0, 36, 480, 284);
    m_webView->setStyleSheet(QStringLiteral("background: black;"));
    m_webView->setLinkHandler([this](const QUrl& url) {
        core::LinkOpener* links = appDelegate().platform().links;
        if (links != nullptr && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))) {
            links->openLink(url);
        }
    });
    m_webView->hide();
}

ui::HtmlView* NewsArticleScreen::webView() {
    view();
    return m_webView;
}

void NewsArticleScreen::viewWillAppear(bool /*animated*/) {
    view();
    if (m_news.isEmpty()) {
        return;
    }
    m_webView->setHtml(articlePage(NewsItem::fromRow(m_news)));
    m_webView->show();
}

} // namespace news
