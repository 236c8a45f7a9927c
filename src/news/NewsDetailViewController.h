#pragma once

#include "news/NewsArticleScreen.h"

namespace news {

/// A headline's article page, pushed by the headline list. Its context menu leads through the
/// main menu to the other sections.
class NewsDetailViewController final : public NewsArticleScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewsDetailViewController)

public:
    explicit NewsDetailViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~NewsDetailViewController() override;

    /// Back to the main menu (without animation), then: 0 the full update, 2 the headlines,
    /// 3 the portfolios, 4 the settings; any other item stops at the main menu.
    void menuContextCallBack(int item) override;
};

} // namespace news
