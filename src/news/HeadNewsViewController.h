#pragma once

#include "shell/LiveScreen.h"

#include <QString>

#include <memory>

namespace news {

class NewsDetailViewController;
class NewsListView;

/// The headline news: the stored headlines are listed as soon as the screen shows, and the
/// service is asked only when the user asks (the reload). Choosing a headline opens its article.
class HeadNewsViewController final : public shell::LiveScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HeadNewsViewController)

public:
    /// Kind tag of the list's requests.
    static constexpr int kRequestKind = 1;
    /// The store's id of the headlines.
    static inline const QString kHeadlineId = QStringLiteral(" ");

    explicit HeadNewsViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~HeadNewsViewController() override;

    /// Lists the stored headlines; asks nothing.
    void viewWillAppear(bool animated) override;

    /// Lists the stored headlines again, then asks the service.
    void startLoad();
    /// The reload key: as startLoad.
    void reload() override;
    /// Asks the service; this screen starts no refresh of its own.
    void targetMethod() override;
    /// Asks the service once (the screen has no live mode of its own).
    void toggleAnimation() override;
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void parseAndSaveToDb(const QString& text);

    /// Back to the main menu (without animation), then: 0 the full update without leaving the
    /// screen, 2 the headlines, 3 the watch list, 4 the portfolios, 5 the settings.
    void menuContextCallBack(int item) override;

    /// Opens the article of a stored news row over this screen.
    void openArticle(const QString& rowText);

    NewsListView* newsList();
    /// The article last opened, while it lives.
    NewsDetailViewController* article() const { return m_article.get(); }

protected:
    QWidget* loadView() override;

private:
    void showStoredNews();

    NewsListView* m_list = nullptr;
    // A new article for each headline chosen; the one before is off the stack by then.
    std::unique_ptr<NewsDetailViewController> m_article;
};

} // namespace news
