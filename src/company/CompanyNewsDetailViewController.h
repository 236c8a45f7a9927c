#pragma once

#include "news/NewsArticleScreen.h"

#include <QPointer>

namespace company {

class CompanyRealTimeViewcontroller;

/// A company news article, pushed over the company's screen while its news tab stays laid over
/// it. Home leaves the company altogether.
class CompanyNewsDetailViewController final : public news::NewsArticleScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyNewsDetailViewController)

public:
    explicit CompanyNewsDetailViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~CompanyNewsDetailViewController() override;

    void setRtController(CompanyRealTimeViewcontroller* host) { m_rtController = host; }
    CompanyRealTimeViewcontroller* rtController() const { return m_rtController; }

    /// Releases the company's screen and its tabs, then returns to the main menu.
    void goHome() override;

protected:
    void buildContent(QWidget* root) override;

private:
    QPointer<CompanyRealTimeViewcontroller> m_rtController;
};

} // namespace company
