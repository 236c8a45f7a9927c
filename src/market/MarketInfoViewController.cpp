#include "market/MarketInfoViewController.h"

#include "company/CompanyInfoViewController.h"
#include "market/MarketHistoryViewController.h"
#include "market/MarketInfoView.h"
#include "market/MarketResultViewController.h"
#include "net/AnswerReader.h"
#include "net/MyUrlRequest.h"
#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/LiveRefresh.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Artwork.h"
#include "ui/Fonts.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace market {

namespace {

// Minute records widen a panel's ranges only while the answer is inside that exchange's session.
constexpr int kHaSTCLastMinute = 150;
constexpr int kHoSEFirstMinute = 32;
constexpr int kHoSELastMinute = 105;
// The revision is a market minute; the session ends at 150 (11:00).
constexpr int kLastRevision = 150;

constexpr int kMinuteFields = 4;
constexpr int kIndexFields = 9;

void openCompanyList(shell::QRMInfoAppDelegate& app, int stockId) {
    auto* list = app.cachedScreen<company::CompanyInfoViewController>();
    list->setMarketStockId(stockId);
    list->setInfoDay(app.currentDay());
    list->setIsRealtime(true);
    app.navigator().push(list, true);
}

// Showing the screen has just read the day's stored answers into the application's list.
shell::LiveRefresh::Options refreshOptions(shell::QRMInfoAppDelegate& app) {
    shell::LiveRefresh::Options options;
    options.holdsCurrentDay = [&app] {
        return !app.realDataArr().isEmpty();
    };
    return options;
}

/// The records of an answer with this many fields, each as its text.
QStringList recordTexts(const net::Answer& answer, int fieldCount) {
    QStringList texts;
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == fieldCount) {
            texts.append(record.toStringList().join(u','));
        }
    }
    return texts;
}

/// Whether an answer brings no minute that the answer kept before it lacks, and the same index
/// records (the first minute of the day comes again until a later one moves the revision).
bool addsNothingTo(const QString& keptText, const QString& text) {
    const net::Answer answer(text);
    const net::Answer kept(keptText);
    const QStringList keptMinutes = recordTexts(kept, kMinuteFields);
    const QStringList minutes = recordTexts(answer, kMinuteFields);
    return std::all_of(minutes.begin(), minutes.end(),
                       [&keptMinutes](const QString& minute) { return keptMinutes.contains(minute); }) &&
           recordTexts(answer, kIndexFields) == recordTexts(kept, kIndexFields);
}

} // namespace

MarketInfoViewController::MarketInfoViewController(shell::QRMInfoAppDelegate& appDelegate)
    : m_delegate(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(
          appDelegate, *this, [this] { targetMethod(); }, refreshOptions(appDelegate))) {
    setScreenName(QStringLiteral("Thị trường"));
}

MarketInfoViewController::~MarketInfoViewController() = default;

// ---- layout ----------------------------------------------------------------------------------

void MarketInfoViewController::viewDidLoad() {
    m_live->stop();
}

MarketInfoView* MarketInfoViewController::chartView() {
    view();
    return m_chart;
}

// ---- appearance ------------------------------------------------------------------------------

void MarketInfoViewController::viewWillAppear(bool /*animated*/) {
    view();
    m_delegate.setILastRevision(0);
    m_titleLabel->setText(title());
    refreshUserLabel();
    if (m_timeLabel->text().isEmpty()) {
        m_timeLabel->setText(m_delegate.dateFromDay(m_delegate.currentDay()));
    }
    loadData();
}

void MarketInfoViewController::refreshUserLabel() {
    m_lbUser->setFont(ui::systemFont(13));
    m_lbUser->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lbUser->setText(m_delegate.userLabelText());
}

bool MarketInfoViewController::handleKey(int qtKey) {
    if (qtKey == Qt::Key_L) {
        toggleAnimation();
        return true;
    }
    return ui::ViewController::handleKey(qtKey);
}

void MarketInfoViewController::reloadScreen() {
    reloadData();
}

// ---- data ------------------------------------------------------------------------------------

void MarketInfoViewController::loadData() {
    view();
    QStringList& texts = m_delegate.realDataArr();
    texts = m_delegate.db()->getRealtimeData(m_delegate.currentDay());
    for (const QString& text : std::as_const(texts)) {
        m_bRealTime = false;
        parseMarKetInfo(text);
    }
    m_chart->setNeedsDisplay();
    if (!m_delegate.bRealTime()) {
        m_live->stop();
        return;
    }
    animationLoop();
    // The timer restarts even while an answer is still under way on a slow link: that answer
    // completes normally, and returning early here would leave the screen never refreshing.
    m_live->startRefresh();
    m_bRealTime = true;
    if (isRequestOutstanding()) {
        return;
    }
    sendRequest(m_delegate.iLastRevision());
}

void MarketInfoViewController::reloadData() {
    if (isRequestOutstanding()) {
        return;
    }
    m_order = 0;
    sendRequest(0);
}

void MarketInfoViewController::toggleAnimation() {
    m_delegate.setBRealTime(!m_delegate.bRealTime());
    m_order = 0;
    m_delegate.setILastRevision(0);
    loadData();
}

// The tick does not wait for an answer still under way: the request object drops it.
void MarketInfoViewController::targetMethod() {
    if (!m_delegate.bRealTime()) {
        return;
    }
    m_bRealTime = true;
    sendRequest(m_delegate.iLastRevision());
}

void MarketInfoViewController::sendRequest(int revision) {
    if (!m_myUrlRequest) {
        m_myUrlRequest = m_delegate.makeRequest();
    }
    m_myUrlRequest->setMyReqType(kRequestKind);
    m_myUrlRequest->setDelegate(this);
    m_myUrlRequest->ResquestLink(m_delegate.endpoints().marketRealtime(revision));
    startIndicator();
}

void MarketInfoViewController::startIndicator() {
    view();
    m_actNetwork->startAnimating();
}

void MarketInfoViewController::stopIndicator() {
    if (m_actNetwork) {
        m_actNetwork->stopAnimating();
    }
}

bool MarketInfoViewController::isRequestOutstanding() const {
    return m_actNetwork && m_actNetwork->isAnimating();
}

void MarketInfoViewController::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    stopIndicator();
    m_lbUser->show();
    if (!data) {
        m_delegate.showConnectionError();
        stopIndicator();
        return;
    }
    // Only the minute and index records are kept: a malformed record mixed into the answer would
    // otherwise be stored and read again at every redraw of the day.
    const QString text = net::readAnswer(*data).textKeeping({kMinuteFields, kIndexFields});
    // Live mode asks more often than the market moves: an answer that repeats the last one kept
    // is neither kept nor stored, or a day at a short period would keep thousands of them and
    // read them all again at every redraw.
    if (!m_delegate.realDataArr().isEmpty() && addsNothingTo(m_delegate.realDataArr().constLast(), text)) {
        return;
    }
    m_delegate.realDataArr().append(text);
    parseMarKetInfo(text);
    if (m_isErr) {
        m_delegate.realDataArr().removeLast();
        return;
    }
    m_delegate.db()->addRealtimeData(QString::number(m_delegate.dateDiffFromNow()), text, m_order);
    ++m_order;
    m_chart->setNeedsDisplay();
}

void MarketInfoViewController::parseMarKetInfo(const QString& text) {
    chartView();
    const net::Answer answer(text);
    if (answer.headerFieldCount() < 2) {
        m_isErr = true;
        return;
    }
    m_isErr = answer.status() != 0;
    int day = net::leadingInt(answer.headerField(2));
    int lastHaSTCMinute = 0;
    int lastHoSEMinute = 0;
    bool sawMinutes = false;
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == kMinuteFields) {
            const int id = record.intAt(0);
            if (id == MarketInfoView::kHaSTC) {
                lastHaSTCMinute = record.intAt(1);
            } else if (id == MarketInfoView::kHoSE) {
                lastHoSEMinute = record.intAt(1);
            }
            widenRanges(record, lastHaSTCMinute, lastHoSEMinute);
            sawMinutes = true;
        } else if (record.size() == kIndexFields) {
            const int id = record.intAt(0);
            if (id == MarketInfoView::kHoSE) {
                fillLabels({m_hosePoint, m_hosePercent, m_hoseTotalQuantity, m_hoseTotalValue}, record);
                day = record.intAt(8);
                m_chart->setYesterdayHoPoint(static_cast<float>(record.doubleAt(5)));
            } else if (id == MarketInfoView::kHaSTC) {
                fillLabels({m_haSTCPoint, m_haSTCPercent, m_haSTCTotalQuantity, m_haSTCTotalValue}, record);
                day = record.intAt(8);
                m_chart->setYesterdayHaPoint(static_cast<float>(record.doubleAt(5)));
            }
            applyRevision(record.intAt(3), sawMinutes, day);
        }
    }
}

// The session test uses the later of the two exchanges' last minutes in this answer.
void MarketInfoViewController::widenRanges(const net::RecordView& record, int lastHaSTCMinute, int lastHoSEMinute) {
    const int id = record.intAt(0);
    const int latest = std::max(lastHaSTCMinute, lastHoSEMinute);
    const auto barValue = static_cast<float>(record.doubleAt(3));
    const auto indexValue = static_cast<float>(record.doubleAt(2));
    if (id == MarketInfoView::kHaSTC && latest >= 0 && latest <= kHaSTCLastMinute) {
        m_chart->widenHaSTC(barValue, indexValue);
    } else if (id == MarketInfoView::kHoSE && latest >= kHoSEFirstMinute && latest <= kHoSELastMinute) {
        m_chart->widenHoSE(barValue, indexValue);
    }
}

void MarketInfoViewController::fillLabels(const ExchangeLabels& labels, const net::RecordView& record) {
    labels.point->setFont(ui::systemFont(14, true));
    labels.point->setText(record.text(4));
    labels.quantity->setFont(ui::systemFont(12, true));
    labels.quantity->setText(QStringLiteral("%1 %2").arg(record.text(7), QStringLiteral("Tr.")));
    const bool fall = record.doubleAt(1) < 0;
    const ui::Trend trend = fall ? ui::Trend::Fall : ui::Trend::Rise;
    shell::setTrendColor(labels.point, m_delegate.palette(), trend, ui::Shade::Bright);
    shell::setTrendColor(labels.percent, m_delegate.palette(), trend, ui::Shade::Bright);
    labels.percent->setText(fall ? QStringLiteral("%1(%2%)").arg(record.text(1), record.text(2))
                                 : QStringLiteral("+%1(+%2%)").arg(record.text(1), record.text(2)));
    labels.percent->setFont(ui::systemFont(12, true));
    labels.value->setFont(ui::systemFont(12, true));
    labels.value->setText(
        QStringLiteral("%1 %2").arg(m_delegate.getDecimalString(record.doubleAt(6)), QStringLiteral("Tỷ.")));
}

// A replayed answer sets the revision back to 0, so the first request after a replay asks for
// the whole day. An index record of another day starts the stored day afresh.
void MarketInfoViewController::applyRevision(int revision, bool sawMinutes, int day) {
    if (sawMinutes) {
        if (m_bRealTime) {
            if (revision >= m_delegate.iLastRevision()) {
                m_delegate.setILastRevision(revision);
            }
        } else {
            m_delegate.setILastRevision(0);
        }
        if (m_delegate.iLastRevision() >= kLastRevision) {
            m_delegate.setILastRevision(kLastRevision);
        }
    }
    if (day == m_delegate.currentDay()) {
        m_timeLabel->setText(m_delegate.timeFromLastUpdate(revision));
    } else {
        m_delegate.setILastRevision(0);
        m_timeLabel->setText(m_delegate.dateFromDay(day));
        m_order = 0;
    }
}

void MarketInfoViewController::parseForDraw() {
    QStringList& texts = m_delegate.realDataArr();
    texts = m_delegate.db()->getRealtimeData(m_delegate.currentDay());
    if (texts.isEmpty()) {
        return;
    }
    MarketInfoView& chart = *m_chart;
    chart.setYHoSE_Scale((chart.maxHoSEHeight() - chart.minHoSEHeight()) / 40);
    chart.setYHaSTC_Scale((chart.maxHaSTCHeight() - chart.minHaSTCHeight()) / 40);
    chart.setYHoSE_PointScale((chart.maxHoSEPoint() - chart.minHoSEPoint()) / 80);
    chart.setYHaSTC_PointScale((chart.maxHaSTCPoint() - chart.minHaSTCPoint()) / 80);
    chart.setPreHoSEMinute(30);
    chart.setPreHoSEPoint(0);
    chart.setPreHaSTCMinute(0);
    chart.setPreHaSTCPoint(0);
    for (const QString& text : std::as_const(texts)) {
        ParseText(text);
    }
}

// Each exchange's minute records are drawn by their own minute, inside its session.
void MarketInfoViewController::ParseText(const QString& text) {
    if (m_delegate.realDataArr().isEmpty()) {
        return;
    }
    const net::Answer answer(text);
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() != kMinuteFields) {
            continue;
        }
        const int id = record.intAt(0);
        const int minute = record.intAt(1);
        if (id == MarketInfoView::kHaSTC && minute >= 0 && minute <= kHaSTCLastMinute) {
            m_chart->drawBar(MarketInfoView::kHaSTC, minute, record.doubleAt(3), record.doubleAt(2));
        } else if (id == MarketInfoView::kHoSE && minute > kHoSEFirstMinute - 1 && minute <= kHoSELastMinute) {
            m_chart->drawBar(MarketInfoView::kHoSE, minute, record.doubleAt(3), record.doubleAt(2));
        }
    }
}

void MarketInfoViewController::animationLoop() {
    m_live->animationLoop();
}

void MarketInfoViewController::changeImages() {
    m_live->changeImages();
}

int MarketInfoViewController::animationCount() const {
    return m_live->animationCount();
}

// ---- navigation ------------------------------------------------------------------------------

void MarketInfoViewController::goHome() {
    m_delegate.navigator().pop(true);
}

void MarketInfoViewController::goMainMenu() {
    m_delegate.navigator().popToRoot(true);
}

void MarketInfoViewController::goMenu() {
    m_delegate.menu()->showOver(this, QString(), view());
}

// Today's list of the exchange, live refresh available.
void MarketInfoViewController::goCompanyInfoHoSE() {
    openCompanyList(m_delegate, company::CompanyInfoViewController::kHoSE);
}

void MarketInfoViewController::goCompanyInfoHaSTC() {
    openCompanyList(m_delegate, company::CompanyInfoViewController::kHNX);
}

void MarketInfoViewController::goHistory() {
    m_delegate.navigator().push(m_delegate.cachedScreen<MarketHistoryViewController>(), true);
}

void MarketInfoViewController::goMarketResult() {
    m_delegate.navigator().push(m_delegate.cachedScreen<MarketResultViewController>(), true);
}

void MarketInfoViewController::menuContextCallBack(int item) {
    m_delegate.mainViewController()->performGeneralMenuItem(item);
}

} // namespace market
