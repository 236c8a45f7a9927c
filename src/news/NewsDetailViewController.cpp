#include "news/NewsDetailViewController.h"

#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"

namespace news {

NewsDetailViewController::NewsDetailViewController(shell::QRMInfoAppDelegate& appDelegate)
    : NewsArticleScreen(appDelegate) {
    setScreenName(QStringLiteral("Bài tin"));
}

NewsDetailViewController::~NewsDetailViewController() = default;

void NewsDetailViewController::menuContextCallBack(int item) {
    shell::MainViewController& menu = *appDelegate().mainViewController();
    appDelegate().navigator().popToRoot(false);
    switch (item) {
    case 0:
        menu.confirmUpdate();
        break;
    case 2:
        menu.openSection(QStringLiteral("btTin"));
        break;
    case 3:
        menu.openSection(QStringLiteral("btDanhmuc"));
        break;
    case 4:
        menu.gotoSetting();
        break;
    default:
        break;
    }
}

} // namespace news
