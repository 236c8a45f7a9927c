#include "market/MarketResultLayout.h"

#include "market/BreadthStrip.h"
#include "shell/ActivityIndicator.h"
#include "shell/ScreenStyle.h"
#include "ui/Fonts.h"

#include <QLabel>
#include <QPushButton>

namespace market {

namespace {

constexpr int kColumnX = 4;
constexpr int kColumnWidth = 134;
constexpr int kRowHeight = 19;

// The name of the exchange, its company-list button and its four labels, from the top y.
MarketResultLabels buildExchangeColumn(QWidget* root, const QString& name, int top, QPushButton*& company) {
    QLabel* heading = shell::makeLabel(root, name, QRect(kColumnX, top, 60, kRowHeight), 13, true);
    heading->setStyleSheet(QStringLiteral("color: #f0c040; background: transparent;"));
    company = shell::makeBarButton(root, QStringLiteral("Công ty"), QRect(kColumnX + 66, top, 66, kRowHeight));
    MarketResultLabels labels;
    int y = top + kRowHeight + 3;
    const auto next = [root, &y](int pointSize) {
        QLabel* label =
            shell::makeLabel(root, QString(), QRect(kColumnX, y, kColumnWidth, kRowHeight + 1), pointSize, true);
        y += kRowHeight + 1;
        return label;
    };
    labels.point = next(15);
    labels.percent = next(13);
    labels.totalQuantity = next(14);
    labels.totalValue = next(14);
    return labels;
}

void buildTopBar(QWidget* root, ui::Scheduler& scheduler, MarketResultLayout& layout) {
    layout.btGoBack = shell::makeBarButton(root, QStringLiteral("◀ Trở về"), QRect(4, 3, 76, 24));
    QLabel* title = shell::makeLabel(root, QStringLiteral("KQGD"), QRect(88, 3, 52, 24), 14, true);
    title->setAlignment(Qt::AlignCenter);
    layout.lbDate = shell::makeLabel(root, QString(), QRect(144, 3, 80, 24), 13);
    layout.lbDate->setAlignment(Qt::AlignCenter);
    layout.actNetwork = new shell::ActivityIndicator(scheduler, root);
    layout.actNetwork->setGeometry(228, 5, 20, 20);
    layout.btHoSe = shell::makeBarButton(root, QStringLiteral("HoSE"), QRect(282, 3, 64, 24));
    layout.btHNX = shell::makeBarButton(root, QStringLiteral("HNX"), QRect(350, 3, 64, 24));
    layout.btMenu = shell::makeBarButton(root, QStringLiteral("☰"), QRect(420, 3, 56, 24));
}

void buildBottomBar(QWidget* root, MarketResultLayout& layout) {
    layout.lbUser = shell::makeLabel(root, QString(), QRect(kColumnX, 262, 200, 20), 13);
    layout.lbUser->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout.btHome = shell::makeBarButton(root, QStringLiteral("Trang chủ"), QRect(4, 288, 90, 28));
    layout.btReload = shell::makeBarButton(root, QStringLiteral("Tải lại"), QRect(100, 288, 80, 28));
    layout.btMovers = shell::makeBarButton(root, QStringLiteral("Nổi bật"), QRect(184, 288, 62, 28));
    layout.btMovers->setFont(ui::systemFont(11, true));
    layout.btBackDay = shell::makeBarButton(root, QStringLiteral("◀ Ngày trước"), QRect(250, 288, 110, 28));
    layout.btNextDay = shell::makeBarButton(root, QStringLiteral("Ngày sau ▶"), QRect(366, 288, 110, 28));
}

} // namespace

MarketResultLayout MarketResultLayout::build(QWidget* root, ui::Scheduler& scheduler) {
    MarketResultLayout layout;
    buildTopBar(root, scheduler, layout);
    layout.hose = buildExchangeColumn(root, QStringLiteral("HoSE"), 32, layout.btCompanyHoSE);
    layout.haSTC = buildExchangeColumn(root, QStringLiteral("HNX"), 150, layout.btCompanyHaSTC);
    buildBottomBar(root, layout);
    // Each strip lies in the gap under its panel, right of the label column; the lower one also
    // covers the foot of the day marker, which reaches below the panel.
    layout.hoseBreadth = new BreadthStrip(root);
    layout.hoseBreadth->setGeometry(140, 131, 336, 17);
    layout.haSTCBreadth = new BreadthStrip(root);
    layout.haSTCBreadth->setGeometry(140, 242, 336, 17);
    return layout;
}

} // namespace market
