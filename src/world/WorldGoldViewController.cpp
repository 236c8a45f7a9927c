#include "world/WorldGoldViewController.h"

#include "net/AnswerReader.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "world/ACBGoldViewController.h"
#include "world/WorldGoldView.h"

#include <QLabel>

#include <cmath>

namespace world {

namespace {

constexpr int kMinuteFields = 3;
constexpr int kQuoteFields = 7;

} // namespace

WorldGoldViewController::WorldGoldViewController(shell::QRMInfoAppDelegate& appDelegate)
    : GoldScreen(
          appDelegate, kFeedId,
          Look{QStringLiteral("Giá vàng thế giới"), QStringLiteral("Vàng ACB"), QStringLiteral("Giá (USD/ounce)")}) {}

WorldGoldViewController::~WorldGoldViewController() = default;

GoldDayView* WorldGoldViewController::makeChart() {
    m_view = new WorldGoldView;
    return m_view;
}

WorldGoldView* WorldGoldViewController::goldView() {
    view();
    return m_view;
}

void WorldGoldViewController::buildQuoteLabels(QWidget* root) {
    m_lbValue = makeQuoteLabel(root, QRect(214, 84, 110, 18), Qt::red, Qt::AlignRight);
}

QString WorldGoldViewController::requestUrl(int revision) const {
    return appDelegate().endpoints().worldGold(revision);
}

// Minute record: id, minute, price. Quote record: id, change, percent, -, price, previous day's
// price, -. The time comes from the minutes, under the header's day.
void WorldGoldViewController::parseToGetInfo(const QString& text) {
    view();
    const net::Answer answer(text);
    setErr(!answer.isSuccess());
    if (isErr()) {
        return;
    }
    const int day = net::leadingInt(answer.headerField(2));
    GoldQuote& shown = quote();
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == kMinuteFields) {
            markTime(day, record.intAt(1));
            m_view->widenPrice(record.doubleAt(2));
        } else if (record.size() == kQuoteFields) {
            shown.seen = true;
            setChange(record.doubleAt(1), record.text(1), record.text(2));
            shown.price = core::getDecimalString(record.doubleAt(4));
            m_view->setYesterdayPoint(static_cast<float>(std::fabs(record.doubleAt(5))));
        }
    }
}

void WorldGoldViewController::showQuote(const GoldQuote& quote) {
    m_lbValue->setText(quote.price);
    lbPercent()->setText(quote.percent);
    shell::setTextColor(m_lbValue, quote.color);
    shell::setTextColor(lbPercent(), quote.color);
}

void WorldGoldViewController::ParseText(const QString& text) {
    const net::Answer answer(text);
    if (!answer.isSuccess()) {
        setErr(true);
        return;
    }
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == kMinuteFields) {
            m_view->drawBar(record.intAt(1), 0, record.doubleAt(2));
        }
    }
}

void WorldGoldViewController::goACB() {
    goOtherGold();
}

ui::ViewController* WorldGoldViewController::otherGoldScreen() {
    return appDelegate().cachedScreen<ACBGoldViewController>();
}

} // namespace world
