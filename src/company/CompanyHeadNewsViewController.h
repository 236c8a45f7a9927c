#pragma once

#include "company/CompanyTabScreen.h"

#include <QString>

#include <memory>

class QLabel;

namespace news {
class NewsListView;
}
namespace shell {
class LiveRefresh;
}

namespace company {

class CompanyNewsDetailViewController;

/// The news tab ("Tintuc") of a company: its 20 latest news items from the store, newest first.
/// The reload asks the service once; in live mode it asks every refresh period. Choosing an item
/// opens its article over the company's screen.
class CompanyHeadNewsViewController final : public CompanyTabScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyHeadNewsViewController)

public:
    explicit CompanyHeadNewsViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~CompanyHeadNewsViewController() override;

    void set_id(const QString& id) { m_id = id; }
    const QString& _id() const { return m_id; }

    /// What the host does when it lays the tab over itself: startLoad; with nothing stored for the
    /// company, one request.
    void reload();
    /// Lists the stored news; in live mode starts the refresh and asks at once.
    void startLoad();
    /// The refresh tick: asks the service whatever the live mode.
    void targetMethod();
    /// Asks the service once.
    void toggleAnimation();
    void refreshFromService() override { toggleAnimation(); }
    /// Switches live mode and starts again (the live-mode button and L).
    void switchLiveMode();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void parseAndSaveToDb(const QString& text);

    /// Opens the article of a stored news row over the company's screen.
    void openArticle(const QString& rowText);

    bool handleKey(int qtKey) override;
    void stopTimers() override;

    news::NewsListView* newsList();
    QLabel* stock();
    shell::LiveRefresh& liveRefresh() const { return *m_live; }
    /// The article last opened, while it lives.
    CompanyNewsDetailViewController* article() const { return m_article.get(); }

protected:
    QWidget* loadView() override;

private:
    void showStoredNews();
    void sendRequest();

    std::unique_ptr<shell::LiveRefresh> m_live;
    QString m_id;
    CompanyHeading m_heading;
    news::NewsListView* m_list = nullptr;
    // A new article for each item chosen; the one before is off the stack by then.
    std::unique_ptr<CompanyNewsDetailViewController> m_article;
};

} // namespace company
