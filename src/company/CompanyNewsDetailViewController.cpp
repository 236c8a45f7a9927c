#include "company/CompanyNewsDetailViewController.h"

#include "company/CompanyRealTimeViewcontroller.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"

#include <QPushButton>

namespace company {

CompanyNewsDetailViewController::CompanyNewsDetailViewController(shell::QRMInfoAppDelegate& appDelegate)
    : NewsArticleScreen(appDelegate) {
    setScreenName(QStringLiteral("Tin công ty"));
}

CompanyNewsDetailViewController::~CompanyNewsDetailViewController() = default;

void CompanyNewsDetailViewController::buildContent(QWidget* root) {
    NewsArticleScreen::buildContent(root);
    // A company's article has no menu of its own: back and home lead on.
    menuButton()->hide();
}

void CompanyNewsDetailViewController::goHome() {
    if (m_rtController) {
        m_rtController->setBLockView(false);
        m_rtController->removeViews();
    }
    appDelegate().navigator().popToRoot(true);
}

} // namespace company
