#include "shell/LiveBar.h"

#include "shell/ActivityIndicator.h"
#include "shell/LiveRefresh.h"
#include "shell/ScreenStyle.h"
#include "ui/LiveModeButton.h"

#include <QLabel>
#include <QPushButton>

namespace shell {

LiveBar buildLiveBar(QWidget* root, ui::Scheduler& scheduler, LiveRefresh& refresh, const QString& heading) {
    LiveBar bar;
    bar.back = makeBarButton(root, QStringLiteral("◀ Trở về"), QRect(4, 3, 76, 24));
    bar.live = new ui::LiveModeButton(root);
    bar.live->setGeometry(86, 1, 28, 28);
    bar.live->setToolTip(QStringLiteral("Trực tuyến"));
    refresh.setButton(bar.live);
    bar.activity = new ActivityIndicator(scheduler, root);
    bar.activity->setGeometry(120, 6, 18, 18);
    bar.heading = makeLabel(root, heading, QRect(144, 3, 150, 24), 15, true);
    bar.heading->setAlignment(Qt::AlignCenter);
    bar.date = makeLabel(root, QString(), QRect(296, 3, 116, 24), 13, true);
    bar.date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar.menu = makeBarButton(root, QStringLiteral("☰"), QRect(420, 3, 54, 24));
    return bar;
}

} // namespace shell
