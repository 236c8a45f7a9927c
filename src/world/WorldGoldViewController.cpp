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
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == kMinuteFields) {
            markTime(day, record.intAt(1));
            m_view->widenPrice(record.doubleAt(2));
        } else if (record.size() == kQuoteFields) {
            noteQuote(text);
            m_view->setYesterdayPoint(static_cast<float>(std::fabs(record.doubleAt(5))));
        }
    }
}

int WorldGoldViewController::quoteFieldCount() const {
    return kQuoteFields;
}

void WorldGoldViewController::showQuote(const net::RecordView& quote) {
    const QColor color = showChange(quote.doubleAt(1), quote.text(1), quote.text(2));
    m_lbValue->setText(core::getDecimalString(quote.doubleAt(4)));
    shell::setTextColor(m_lbValue, color);
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
