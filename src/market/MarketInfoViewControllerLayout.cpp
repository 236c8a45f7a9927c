// The overview's layout: the exchange labels on the left of the chart panels, the bars of
// buttons above and below them.
#include "company/CompanyInfoViewController.h"
#include "market/MarketHistoryViewController.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "market/MarketResultViewController.h"
#include "net/AnswerReader.h"
#include "net/MyUrlRequest.h"
#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LiveBar.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Artwork.h"
#include "ui/Color.h"
#include "ui/Fonts.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"
#include "ui/PictureLabel.h"
#include "ui/PlainLabel.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace market {

namespace {

// A label of the exchange blocks: no style sheet, so that its colour is its palette's.
QLabel* makeValueLabel(QWidget* parent, const QRect& geometry, int points) {
    QLabel* label = ui::plainLabel(parent);
    label->setGeometry(geometry);
    label->setFont(ui::systemFont(points, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

QWidget* MarketInfoViewController::loadView() {
    // The chart is the root, so chart coordinates are screen coordinates; the controls sit on it
    // outside the panels.
    auto* chart = new MarketInfoView;
    chart->resize(480, 320);
    chart->setDelegate(this);
    chart->setTrendPalette(&m_delegate.palette());
    m_chart = chart;
    buildTopBar(chart);
    buildExchangeLabels(chart);
    buildTimeAxes(chart);
    buildBottomBar(chart);
    m_lbUser = shell::makeLabel(chart, QString(), QRect(6, 262, 200, 20), 13);
    return chart;
}

void MarketInfoViewController::buildTopBar(QWidget* root) {
    const shell::LiveBar bar = shell::buildLiveBar(root, m_delegate.scheduler(), *m_live, QString());
    m_btGoBack = bar.back;
    connectNavigation(m_btGoBack, [this] { goHome(); });
    m_releadBt = bar.live;
    connect(m_releadBt, &QPushButton::clicked, this, &MarketInfoViewController::toggleAnimation);
    m_actNetwork = bar.activity;
    m_titleLabel = bar.heading;
    m_timeLabel = bar.date;
    connectNavigation(bar.menu, [this] { goMenu(); });
}

void MarketInfoViewController::buildExchangeLabels(QWidget* root) {
    // HoSE beside the top panel, HNX beside the bottom one, left of the value-label column.
    const auto block = [root](const QString& name, int top, QLabel*& point, QLabel*& percent, QLabel*& quantity,
                              QLabel*& value) {
        QLabel* heading = shell::makeLabel(root, name, QRect(6, top, 130, 18), 13, true);
        heading->setStyleSheet(QStringLiteral("color: #ffd54a; background: transparent;"));
        point = makeValueLabel(root, QRect(6, top + 19, 130, 22), 14);
        percent = makeValueLabel(root, QRect(6, top + 42, 130, 18), 12);
        quantity = makeValueLabel(root, QRect(6, top + 61, 130, 18), 12);
        value = makeValueLabel(root, QRect(6, top + 80, 130, 18), 12);
    };
    block(QStringLiteral("HoSE"), 32, m_hosePoint, m_hosePercent, m_hoseTotalQuantity, m_hoseTotalValue);
    block(QStringLiteral("HNX"), 150, m_haSTCPoint, m_haSTCPercent, m_haSTCTotalQuantity, m_haSTCTotalValue);
}

// The trading-hours captions: pictures whose ticks line up with the panels' minute positions
// when their left edge is at x 184, just under each panel's bar base.
void MarketInfoViewController::buildTimeAxes(QWidget* root) {
    const auto axis = [root](const QString& name, int top) {
        auto* label = new ui::PictureLabel(root);
        label->setGeometry(184, top, 280, 18);
        label->setPixmap(ui::artwork(name, QSize(280, 18)));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    };
    axis(QStringLiteral("hotimeChart.png"), 124);
    axis(QStringLiteral("hatimeChart.png"), 240);
}

void MarketInfoViewController::buildBottomBar(QWidget* root) {
    constexpr int kTop = 290;
    constexpr int kWidth = 76;
    constexpr int kStep = 79;
    int x = 4;
    const auto next = [&x, root](const QString& caption) {
        QPushButton* button = shell::makeBarButton(root, caption, QRect(x, kTop, kWidth, 26));
        x += kStep;
        return button;
    };
    m_btHome = next(QStringLiteral("Trang chủ"));
    connectNavigation(m_btHome, [this] { goMainMenu(); });
    m_btReload = next(QStringLiteral("Tải lại"));
    connect(m_btReload, &QPushButton::clicked, this, &MarketInfoViewController::reloadData);
    m_btBackDay = next(QStringLiteral("Lịch sử"));
    connectNavigation(m_btBackDay, [this] { goHistory(); });
    QPushButton* results = next(QStringLiteral("KQGD"));
    connectNavigation(results, [this] { goMarketResult(); });
    QPushButton* hose = next(QStringLiteral("CP HoSE"));
    connectNavigation(hose, [this] { goCompanyInfoHoSE(); });
    QPushButton* haSTC = next(QStringLiteral("CP HNX"));
    connectNavigation(haSTC, [this] { goCompanyInfoHaSTC(); });
}

} // namespace market
