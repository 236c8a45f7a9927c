#include "company/CompanyResultLayout.h"

#include "company/QuotePanel.h"
#include "shell/ActivityIndicator.h"
#include "shell/ScreenStyle.h"

#include <QLabel>
#include <QPushButton>

namespace company {

namespace {

constexpr int kPanelTop = 152;

void buildTopBar(QWidget* root, CompanyResultLayout& layout) {
    layout.btGoBack = shell::makeBarButton(root, QStringLiteral("◀ Trở về"), QRect(4, 3, 72, 24));
    layout.btRt = shell::makeBarButton(root, QStringLiteral("Trực tuyến"), QRect(80, 3, 84, 24));
    QLabel* title = shell::makeLabel(root, QStringLiteral("KQGD"), QRect(168, 3, 56, 24), 14, true);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: #f0c040; background: transparent;"));
    layout.btTC = shell::makeBarButton(root, QStringLiteral("Tài chính"), QRect(228, 3, 80, 24));
    layout.btTin = shell::makeBarButton(root, QStringLiteral("Tin tức"), QRect(312, 3, 70, 24));
    // The financial statements and the company news tabs come with their own screens.
    layout.btTC->setEnabled(false);
    layout.btTin->setEnabled(false);
    layout.lbDate = shell::makeLabel(root, QString(), QRect(386, 3, 90, 24), 13);
    layout.lbDate->setAlignment(Qt::AlignCenter);
}

// Left of the chart: the network state and the two day steps.
void buildSideColumn(QWidget* root, ui::Scheduler& scheduler, CompanyResultLayout& layout) {
    layout.lbNetwork = shell::makeLabel(root, QString(), QRect(4, 36, 110, 20), 12);
    layout.lbNetwork->hide();
    layout.actNetwork = new shell::ActivityIndicator(scheduler, root);
    layout.actNetwork->setGeometry(116, 36, 20, 20);
    QLabel* steps = shell::makeLabel(root, QStringLiteral("Ngày giao dịch"), QRect(4, 76, 132, 20), 12);
    steps->setAlignment(Qt::AlignCenter);
    layout.leftButton = shell::makeBarButton(root, QStringLiteral("◀"), QRect(4, 100, 64, 26));
    layout.rightButton = shell::makeBarButton(root, QStringLiteral("▶"), QRect(72, 100, 64, 26));
}

void buildBottomBar(QWidget* root, CompanyResultLayout& layout) {
    layout.btHome = shell::makeBarButton(root, QStringLiteral("Trang chủ"), QRect(4, 288, 90, 28));
    layout.btReload = shell::makeBarButton(root, QStringLiteral("Tải lại"), QRect(100, 288, 80, 28));
    layout.btCategory = shell::makeBarButton(root, QStringLiteral("Danh mục"), QRect(330, 288, 96, 28));
    layout.btMenu = shell::makeBarButton(root, QStringLiteral("☰"), QRect(432, 288, 44, 28));
    // The category, watch-list and context menus are all category and watch-list actions,
    // which come with the portfolio and watch-list screens.
    layout.btCategory->setEnabled(false);
    layout.btMenu->setEnabled(false);
}

} // namespace

CompanyResultLayout CompanyResultLayout::build(QWidget* root, ui::Scheduler& scheduler) {
    CompanyResultLayout layout;
    buildTopBar(root, layout);
    buildSideColumn(root, scheduler, layout);
    layout.panel = new QuotePanel(root);
    layout.panel->move(0, kPanelTop);
    buildBottomBar(root, layout);
    return layout;
}

} // namespace company
