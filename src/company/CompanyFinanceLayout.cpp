#include "company/CompanyFinanceLayout.h"

#include "shell/ActivityIndicator.h"
#include "shell/ScreenStyle.h"
#include "ui/Fonts.h"
#include "ui/HtmlView.h"
#include "ui/PageIndicator.h"

#include <QLabel>
#include <QPushButton>

#include <array>
#include <utility>

namespace company {

namespace {

const QString kNone = QStringLiteral("-");
const QColor kCodeColour(0xf0, 0xc0, 0x40);
constexpr int kQuoteRowY = 32;
constexpr int kRatioRowY = 58;

QLabel* makeCaption(QWidget* root, const QString& text, const QRect& frame) {
    QLabel* caption = shell::makeLabel(root, text, frame, 12);
    shell::setTextColor(caption, QColor(0x9a, 0xa7, 0xb8));
    return caption;
}

void buildQuoteRow(QWidget* root, ui::Scheduler& scheduler, CompanyFinanceLayout& layout) {
    layout.heading = buildCompanyHeading(root);
    layout.stockPoint = shell::makeLabel(root, kNone, QRect(116, kQuoteRowY, 70, 22), 13, true);
    layout.stockPoint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout.percent = shell::makeLabel(root, kNone, QRect(194, kQuoteRowY, 150, 22), 13, true);
    layout.lbFold = shell::makeLabel(root, QStringLiteral("Quỹ đầu tư"), QRect(346, kQuoteRowY, 100, 22), 13, true);
    shell::setTextColor(layout.lbFold, kCodeColour);
    layout.lbFold->hide();
    layout.actNetwork = new shell::ActivityIndicator(scheduler, root);
    layout.actNetwork->setGeometry(454, kQuoteRowY + 2, 18, 18);
}

void buildRatioRow(QWidget* root, CompanyFinanceLayout& layout) {
    const std::array<std::pair<QString, QLabel**>, 4> ratios{{{QStringLiteral("EPS"), &layout.eps},
                                                              {QStringLiteral("P/E"), &layout.pe},
                                                              {QStringLiteral("BV"), &layout.bv},
                                                              {QStringLiteral("P/B"), &layout.pb}}};
    int x = 6;
    for (const auto& [caption, label] : ratios) {
        makeCaption(root, caption, QRect(x, kRatioRowY, 32, 20));
        *label = shell::makeLabel(root, kNone, QRect(x + 32, kRatioRowY, 82, 20), 14, true);
        x += 118;
    }
}

// The older periods are to the left, as on a time line.
void buildStatementArea(QWidget* root, CompanyFinanceLayout& layout) {
    layout.webView = new ui::HtmlView(root);
    layout.webView->setGeometry(38, 84, 404, 178);
    layout.webView->setFont(ui::systemFont(12));
    layout.webView->setStyleSheet(QStringLiteral("background: black; color: white;"));
    layout.webView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout.webView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The page is paged by swipes: a drag across it must not select its text.
    layout.webView->setTextInteractionFlags(Qt::NoTextInteraction);
    layout.leftButton = shell::makeBarButton(root, QStringLiteral("◀"), QRect(4, 140, 30, 56));
    layout.leftButton->setToolTip(QStringLiteral("Kỳ trước"));
    layout.rightButton = shell::makeBarButton(root, QStringLiteral("▶"), QRect(446, 140, 30, 56));
    layout.rightButton->setToolTip(QStringLiteral("Kỳ sau"));
    layout.pageCtrl = new ui::PageIndicator(root);
    layout.pageCtrl->setGeometry(140, 264, 200, 18);
}

} // namespace

CompanyFinanceLayout CompanyFinanceLayout::build(QWidget* root, ui::Scheduler& scheduler) {
    CompanyFinanceLayout layout;
    buildQuoteRow(root, scheduler, layout);
    buildRatioRow(root, layout);
    buildStatementArea(root, layout);
    return layout;
}

} // namespace company
