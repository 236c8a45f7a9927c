#include "company/CompanyTabBar.h"

#include "shell/ScreenStyle.h"
#include "ui/LiveModeButton.h"

#include <QLabel>
#include <QPushButton>

#include <array>

namespace company {

namespace {

struct TabSlot {
    CompanyTab tab;
    const char16_t* name;
    QRect frame;
};

const std::array<TabSlot, 4> kSlots{{
    {CompanyTab::RealTime, u"Trực tuyến", QRect(80, 3, 84, 24)},
    {CompanyTab::Results, u"KQGD", QRect(168, 3, 56, 24)},
    {CompanyTab::Finance, u"Tài chính", QRect(228, 3, 80, 24)},
    {CompanyTab::News, u"Tin tức", QRect(312, 3, 70, 24)},
}};

constexpr int kBottomY = 288;

// The field of a bar that holds a tab's button (const or not, as the bar is).
template <typename Bar> auto& slotOf(Bar& bar, CompanyTab tab) {
    switch (tab) {
    case CompanyTab::RealTime:
        return bar.btRt;
    case CompanyTab::Results:
        return bar.btKQGD;
    case CompanyTab::Finance:
        return bar.btTC;
    case CompanyTab::News:
        break;
    }
    return bar.btTin;
}

} // namespace

QPushButton* CompanyTabBar::button(CompanyTab tab) const {
    return slotOf(*this, tab);
}

CompanyTabBar buildCompanyTabBar(QWidget* root, CompanyTab shown) {
    CompanyTabBar bar;
    bar.btGoBack = shell::makeBarButton(root, QStringLiteral("◀ Trở về"), QRect(4, 3, 72, 24));
    for (const TabSlot& slot : kSlots) {
        if (slot.tab == shown) {
            bar.title = shell::makeLabel(root, QString::fromUtf16(slot.name), slot.frame, 14, true);
            bar.title->setAlignment(Qt::AlignCenter);
            shell::setTextColor(bar.title, QColor(0xf0, 0xc0, 0x40));
            continue;
        }
        slotOf(bar, slot.tab) = shell::makeBarButton(root, QString::fromUtf16(slot.name), slot.frame);
    }
    bar.lbDate = shell::makeLabel(root, QString(), QRect(386, 3, 90, 24), 13);
    bar.lbDate->setAlignment(Qt::AlignCenter);
    return bar;
}

CompanyHeading buildCompanyHeading(QWidget* root) {
    constexpr int kTop = 32;
    CompanyHeading heading;
    heading.code = shell::makeLabel(root, QStringLiteral("-"), QRect(6, kTop, 58, 22), 16, true);
    shell::setTextColor(heading.code, QColor(0xf0, 0xc0, 0x40));
    heading.exchange = shell::makeLabel(root, QString(), QRect(66, kTop, 48, 22), 12);
    shell::setTextColor(heading.exchange, QColor(0x9a, 0xa7, 0xb8));
    return heading;
}

void CompanyHeading::show(const QString& companyCode, const QString& stockMark) const {
    constexpr int kHoSE = 2;
    code->setText(companyCode);
    exchange->setText(stockMark.toInt() == kHoSE ? QStringLiteral("HoSE") : QStringLiteral("HNX"));
}

CompanyTabBottomBar buildCompanyTabBottomBar(QWidget* root, bool withLiveButton) {
    CompanyTabBottomBar bar;
    bar.btHome = shell::makeBarButton(root, QStringLiteral("Trang chủ"), QRect(4, kBottomY, 90, 28));
    bar.btReload = shell::makeBarButton(root, QStringLiteral("Tải lại"), QRect(100, kBottomY, 80, 28));
    if (withLiveButton) {
        bar.live = new ui::LiveModeButton(root);
        bar.live->setGeometry(186, kBottomY, 28, 28);
        bar.live->setToolTip(QStringLiteral("Trực tuyến"));
    }
    bar.btCategory = shell::makeBarButton(root, QStringLiteral("Danh mục"), QRect(330, kBottomY, 96, 28));
    bar.btMenu = shell::makeBarButton(root, QStringLiteral("☰"), QRect(432, kBottomY, 44, 28));
    return bar;
}

} // namespace company
