#include "news/HeadNewsViewController.h"

#include "net/Endpoints.h"
#include "news/NewsAnswer.h"
#include "news/NewsDetailViewController.h"
#include "news/NewsListView.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

namespace news {

namespace {

constexpr int kListTop = 32;
constexpr int kBottomBarY = 290;
constexpr int kLastGeneralItem = 5;

} // namespace

HeadNewsViewController::HeadNewsViewController(shell::QRMInfoAppDelegate& appDelegate)
    : LiveScreen(appDelegate) {
    setScreenName(QStringLiteral("Tin tức"));
}

HeadNewsViewController::~HeadNewsViewController() = default;

QWidget* HeadNewsViewController::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    buildLiveBar(root, QStringLiteral("Tin tức"));
    // Nothing here refreshes by itself: the reload asks, so the live-mode button would mislead.
    bar().live->hide();
    m_list = new NewsListView(root, QStringLiteral("Chưa có tin nào được lưu.\nNhấn \"Tải lại\" để tải tin mới."));
    m_list->setGeometry(0, kListTop, 480, kBottomBarY - 4 - kListTop);
    connect(m_list, &NewsListView::articleChosen, this, &HeadNewsViewController::openArticle);
    QPushButton* home = shell::makeBarButton(root, QStringLiteral("Trang chủ"), QRect(4, kBottomBarY, 76, 26));
    connectNavigation(home, [this] { goHome(); });
    QPushButton* reloadButton = shell::makeBarButton(root, QStringLiteral("Tải lại"), QRect(83, kBottomBarY, 76, 26));
    connect(reloadButton, &QPushButton::clicked, this, &HeadNewsViewController::startLoad);
    setUserLabel(shell::makeLabel(root, QString(), QRect(316, kBottomBarY, 160, 26), 13));
    return root;
}

NewsListView* HeadNewsViewController::newsList() {
    view();
    return m_list;
}

void HeadNewsViewController::viewWillAppear(bool /*animated*/) {
    beginAppearance();
    showStoredNews();
}

void HeadNewsViewController::showStoredNews() {
    newsList()->showRows(appDelegate().db()->getCompanyNews(kHeadlineId));
}

// ---- requests --------------------------------------------------------------------------------

void HeadNewsViewController::startLoad() {
    showStoredNews();
    targetMethod();
}

void HeadNewsViewController::reload() {
    startLoad();
}

void HeadNewsViewController::targetMethod() {
    sendRequest(appDelegate().endpoints().headlineNews(), kRequestKind);
}

void HeadNewsViewController::toggleAnimation() {
    targetMethod();
}

void HeadNewsViewController::DidFinishRequest(std::optional<QByteArray> data) {
    stopIndicator();
    if (data) {
        parseAndSaveToDb(QString::fromUtf8(*data));
        return;
    }
    appDelegate().showConnectionError();
    showStoredNews();
}

// An error status changes nothing; a success answer, even one without a headline, lists what the
// store holds.
void HeadNewsViewController::parseAndSaveToDb(const QString& text) {
    if (storeNewsAnswer(*appDelegate().db(), text).success) {
        showStoredNews();
    }
}

// ---- navigation ------------------------------------------------------------------------------

void HeadNewsViewController::openArticle(const QString& rowText) {
    if (navigationController() != nullptr && navigationController()->topController() != this) {
        return;
    }
    m_article = std::make_unique<NewsDetailViewController>(appDelegate());
    m_article->setNews(rowText);
    appDelegate().navigator().push(m_article.get(), true);
}

void HeadNewsViewController::menuContextCallBack(int item) {
    if (item >= 0 && item <= kLastGeneralItem) {
        appDelegate().mainViewController()->performGeneralMenuItem(item);
    } else {
        appDelegate().navigator().popToRoot(false);
    }
}

} // namespace news
