#include "company/CompanyResultLayout.h"

#include "company/QuotePanel.h"
#include "shell/ActivityIndicator.h"
#include "shell/ScreenStyle.h"

#include <QLabel>
#include <QPushButton>

namespace company {

namespace {

constexpr int kPanelTop = 152;

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

} // namespace

CompanyResultLayout CompanyResultLayout::build(QWidget* root, ui::Scheduler& scheduler) {
    CompanyResultLayout layout;
    buildSideColumn(root, scheduler, layout);
    layout.panel = new QuotePanel(root);
    layout.panel->move(0, kPanelTop);
    return layout;
}

} // namespace company
