#pragma once

#include "shell/BarScreen.h"

#include <QString>

namespace ui {
class HtmlView;
}

namespace news {

/// An article page under the common top bar: the news item given by its list, built into its
/// page each time the screen is about to appear.
class NewsArticleScreen : public shell::BarScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewsArticleScreen)

public:
    ~NewsArticleScreen() override;

    /// One stored news row text, as the list holds it.
    void setNews(const QString& news) { m_news = news; }
    const QString& news() const { return m_news; }

    /// Builds and shows the page; nothing without a news item.
    void viewWillAppear(bool animated) override;

    ui::HtmlView* webView();

protected:
    explicit NewsArticleScreen(shell::QRMInfoAppDelegate& appDelegate);

    void buildContent(QWidget* root) override;

private:
    QString m_news;
    ui::HtmlView* m_webView = nullptr;
};

} // namespace news
