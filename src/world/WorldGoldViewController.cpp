#include "world/WorldGoldViewController.h"

#include "net/AnswerReader.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "world/ACBGoldViewController.h"
#include "world/WorldGoldView.h"

#include <QLabel>

namespace world {

namespace {

constexpr int kMinuteFields = 3;
constexpr int kQuoteFields = 7;

} // namespace

WorldGoldViewController::WorldGoldViewController(shell::QRMInfoAppDelegate& appDelegate)
    : GoldScreen(
          appDelegate, kFeedId,
          Look{QStringLiteral("Giá vàng thế giới"), QStringLiteral("Vàng ACB"), QStringLiteral("Giá (USD/ounce)")}) {
    setScreenName(QStringLiteral("Giá vàng thế giới"));
}

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
    m_lbValue = makeQuoteLabel(root, QRect(214, 84, 110, 18), appDelegate().palette().colors().qFall(), Qt::AlignRight);
}

QString WorldGoldViewController::requestUrl(int revision) const {
    return appDelegate().endpoints().worldGold(revision);
}

// Minute record: id, minute, price. Quote record: id, change, percent, -, price, previous day's
// price, -. The time comes from the minutes, under the header's day.
void WorldGoldViewController::widenWithMinute(const net::Answer& answer, const net::RecordView& minute) {
    markTime(net::leadingInt(answer.headerField(2)), minute.intAt(1));
    m_view->widenPrice(minute.doubleAt(2));
}

int WorldGoldViewController::minuteFieldCount() const {
    return kMinuteFields;
}

int WorldGoldViewController::quoteFieldCount() const {
    return kQuoteFields;
}

void WorldGoldViewController::showQuote(const net::RecordView& quote) {
    const ui::Trend trend = showChange(quote.doubleAt(1), quote.text(1), quote.text(2));
    m_lbValue->setText(core::getDecimalString(quote.doubleAt(4)));
    shell::setTrendColor(m_lbValue, appDelegate().palette(), trend, ui::Shade::Deep);
}

void WorldGoldViewController::goACB() {
    goOtherGold();
}

ui::ViewController* WorldGoldViewController::otherGoldScreen() {
    return appDelegate().cachedScreen<ACBGoldViewController>();
}

} // namespace world
