#include "world/GoldScreen.h"

#include "net/AnswerReader.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/Transaction.h"
#include "store/myDb.h"
#include "ui/Fonts.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace world {

namespace {

const QString kDarkText = QStringLiteral("color: #1b2430; background: transparent;");
const QString kGreyText = QStringLiteral("color: #8c8c8c; background: transparent;");
constexpr int kAxisY = 236;
constexpr int kBottomBarY = 264;

} // namespace

GoldScreen::GoldScreen(shell::QRMInfoAppDelegate& appDelegate, int feedId, Look look)
    : LiveScreen(appDelegate)
    , m_feedId(feedId)
    , m_look(std::move(look)) {}

GoldScreen::~GoldScreen() = default;

// ---- layout ----------------------------------------------------------------------------------

// The chart is the root, so chart coordinates are screen coordinates: a white band on top holds
// the bar and the title, the black panel below holds the quote, the chart and the buttons.
QWidget* GoldScreen::loadView() {
    m_chart = makeChart();
    m_chart->resize(480, 320);
    m_chart->setDelegate(this);
    m_chart->setTrendPalette(&appDelegate().palette());
    buildLiveBar(m_chart, m_look.heading);
    bar().heading->setFont(ui::systemFont(16, true));
    bar().heading->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    bar().date->setStyleSheet(kDarkText);

    m_switch = shell::makeBarButton(m_chart, m_look.switchCaption, QRect(4, 32, 120, 24));
    m_switch->setFont(ui::systemFont(14, true));
    connectNavigation(m_switch, [this] { goOtherGold(); });
    QLabel* user = shell::makeLabel(m_chart, QString(), QRect(130, 34, 170, 20), 13);
    user->setStyleSheet(kDarkText);
    setUserLabel(user);
    QLabel* unit = shell::makeLabel(m_chart, m_look.unit, QRect(64, 84, 150, 18), 11);
    unit->setStyleSheet(kGreyText);
    m_lbPercent =
        makeQuoteLabel(m_chart, QRect(330, 84, 146, 18), appDelegate().palette().colors().qFall(), Qt::AlignRight);
    buildQuoteLabels(m_chart);
    buildTimeAxis(m_chart);
    buildBottomBar(m_chart);
    return m_chart;
}

QLabel* GoldScreen::makeQuoteLabel(QWidget* root, const QRect& frame, const QColor& color, Qt::Alignment alignment) {
    QLabel* label = shell::makeLabel(root, QString(), frame, 14, true);
    label->setAlignment(alignment | Qt::AlignVCenter);
    shell::setTextColor(label, color);
    return label;
}

// The hours under the chart, centred on their x.
void GoldScreen::buildTimeAxis(QWidget* root) {
    constexpr int kHours[] = {0, 6, 12, 18, 24};
    constexpr int kHalfWidth = 18;
    for (const int hour : kHours) {
        const int x = static_cast<int>(GoldDayView::xOfMinute(hour * 60));
        QLabel* label = shell::makeLabel(root, QStringLiteral("%1h").arg(hour),
                                         QRect(x - kHalfWidth, kAxisY, 2 * kHalfWidth, 16), 10);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(kGreyText);
    }
}

void GoldScreen::buildBottomBar(QWidget* root) {
    QPushButton* home = shell::makeBarButton(root, QStringLiteral("Trang chủ"), QRect(64, kBottomBarY, 90, 26));
    connectNavigation(home, [this] { goHome(); });
    QPushButton* reloadButton = shell::makeBarButton(root, QStringLiteral("Tải lại"), QRect(160, kBottomBarY, 80, 26));
    connect(reloadButton, &QPushButton::clicked, this, &GoldScreen::reload);
}

GoldDayView* GoldScreen::chartView() {
    view();
    return m_chart;
}

// ---- appearance ------------------------------------------------------------------------------

void GoldScreen::viewWillAppear(bool /*animated*/) {
    beginAppearance();
    appDelegate().setILastRevisionWorldGold(0);
    startLoad();
}

bool GoldScreen::holdsCurrentDay() const {
    if (m_texts.isEmpty()) {
        return false;
    }
    const net::Answer first(m_texts.constFirst());
    return net::leadingInt(first.headerField(2)) == appDelegate().currentDay();
}

// ---- data ------------------------------------------------------------------------------------

void GoldScreen::startLoad() {
    view();
    if (appDelegate().bRealTime()) {
        if (isRequestOutstanding()) {
            return;
        }
        liveRefresh().animationLoop();
        liveRefresh().startRefresh();
        requestSince(appDelegate().iLastRevisionWorldGold());
    } else {
        liveRefresh().stop();
    }
    prepareToDisplay();
}

void GoldScreen::prepareToDisplay() {
    view();
    shell::QRMInfoAppDelegate& app = appDelegate();
    m_texts = app.db()->getRealtimeGoldData(m_feedId);
    app.realDataArrGold() = m_texts;
    if (m_texts.isEmpty()) {
        storedDataShown();
        return;
    }
    m_quoteSource.clear();
    m_dateMinute = -1;
    for (const QString& text : std::as_const(m_texts)) {
        parseToGetInfo(text);
    }
    showLatest();
    m_chart->setNeedsDisplay();
    storedDataShown();
}

void GoldScreen::showLatest() {
    if (!m_quoteSource.isEmpty()) {
        const net::Answer answer(m_quoteSource);
        const std::vector<net::RecordView> records = answer.allRecords();
        const auto latest = std::find_if(records.rbegin(), records.rend(), [this](const net::RecordView& record) {
            return record.size() == quoteFieldCount();
        });
        if (latest != records.rend()) {
            showQuote(*latest);
        }
    }
    if (m_dateMinute >= 0) {
        const shell::QRMInfoAppDelegate& app = appDelegate();
        lbDate()->setText(m_dateDay == app.currentDay() ? app.timeFromMinuteFrom0h00(m_dateMinute)
                                                        : app.dateFromDay(m_dateDay));
    }
}

void GoldScreen::reload() {
    if (isRequestOutstanding()) {
        return;
    }
    appDelegate().setILastRevisionWorldGold(0);
    m_order = 0;
    requestSince(0);
}

void GoldScreen::targetMethod() {
    requestSince(appDelegate().iLastRevisionWorldGold());
}

void GoldScreen::toggleAnimation() {
    m_order = 0;
    appDelegate().setILastRevisionWorldGold(0);
    appDelegate().setBRealTime(!appDelegate().bRealTime());
    startLoad();
}

void GoldScreen::requestSince(int revision) {
    LiveScreen::sendRequest(requestUrl(revision), kRequestKind);
}

void GoldScreen::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    stopIndicator();
    if (data) {
        storeAnswer(QString::fromUtf8(*data));
    } else {
        appDelegate().showConnectionError();
    }
    prepareToDisplay();
}

// Only a success is kept, under the day its header names, and only its minute and quote records:
// a malformed record mixed into the answer would otherwise be read again with every stored day.
void GoldScreen::storeAnswer(const QString& text) {
    const net::Answer answer(text);
    m_isErr = answer.headerFieldCount() < 2 || !answer.isSuccess();
    if (m_isErr) {
        return;
    }
    myDb& db = *appDelegate().db();
    store::Transaction transaction(db);
    const QString kept = answer.textKeeping({minuteFieldCount(), quoteFieldCount()});
    if (db.addRealtimeGoldData(m_feedId, answer.headerText(2), kept, m_order) && transaction.commit()) {
        ++m_order;
    }
}

void GoldScreen::parseToGetInfo(const QString& text) {
    view();
    const net::Answer answer(text);
    setErr(!answer.isSuccess());
    if (isErr()) {
        return;
    }
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == minuteFieldCount()) {
            widenWithMinute(answer, record);
        } else if (record.size() == quoteFieldCount()) {
            noteQuote(text);
            m_chart->setYesterdayPoint(static_cast<float>(std::fabs(record.doubleAt(5))));
            markQuoteTime(record);
        }
    }
}

// Minute records hold the minute in field 1 and the price in field 2.
void GoldScreen::ParseText(const QString& text) {
    const net::Answer answer(text);
    if (!answer.isSuccess()) {
        setErr(true);
        return;
    }
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == minuteFieldCount()) {
            m_chart->drawBar(record.intAt(1), barValueOf(record), record.doubleAt(2));
        }
    }
}

void GoldScreen::parseForDraw() {
    if (m_texts.isEmpty()) {
        return;
    }
    m_chart->updateScales();
    for (const QString& text : std::as_const(m_texts)) {
        ParseText(text);
    }
}

void GoldScreen::markTime(int day, int minute) {
    if (day == appDelegate().currentDay()) {
        appDelegate().setILastRevisionWorldGold(minute);
    }
    m_dateDay = day;
    m_dateMinute = minute;
}

ui::Trend GoldScreen::showChange(double change, const QString& changeText, const QString& percentText) {
    const bool rise = change > 0;
    const ui::Trend trend = rise ? ui::Trend::Rise : ui::Trend::Fall;
    m_lbPercent->setText(rise ? QStringLiteral("+%1(+%2%)").arg(changeText, percentText)
                              : QStringLiteral("%1(%2%)").arg(changeText, percentText));
    shell::setTrendColor(m_lbPercent, appDelegate().palette(), trend, ui::Shade::Deep);
    return trend;
}

// ---- navigation ------------------------------------------------------------------------------

void GoldScreen::goOtherGold() {
    ui::Navigator& navigator = appDelegate().navigator();
    ui::ViewController* other = otherGoldScreen();
    const QList<ui::ViewController*> stack = navigator.viewControllers();
    if (stack.size() >= 2 && stack.at(stack.size() - 2) == other) {
        navigator.pop(false);
    } else {
        navigator.push(other, false);
    }
}

// The update question stops this screen's refresh first: the update replaces the store.
void GoldScreen::menuContextCallBack(int item) {
    if (item == 0) {
        appDelegate().setBRealTime(false);
        if (updateStopsAnimation()) {
            liveRefresh().stop();
        } else {
            liveRefresh().stopRefresh();
        }
    }
    LiveScreen::menuContextCallBack(item);
}

} // namespace world
