#include "world/ACBGoldViewController.h"

#include "core/CalendarHelpers.h"
#include "net/AnswerReader.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Fonts.h"
#include "world/ACBGoldView.h"
#include "world/GoldPremiumQuotes.h"
#include "world/WorldGoldViewController.h"

#include <QLabel>

#include <cmath>

namespace world {

namespace {

constexpr int kMinuteFields = 4;
constexpr int kQuoteFields = 9;

// A caption of the white band, dark on white.
void addCaption(QWidget* root, const QString& text, const QRect& frame) {
    QLabel* caption = shell::makeLabel(root, text, frame, 12);
    caption->setStyleSheet(QStringLiteral("color: #4a5568; background: transparent;"));
}

} // namespace

ACBGoldViewController::ACBGoldViewController(shell::QRMInfoAppDelegate& appDelegate)
    : GoldScreen(appDelegate, kFeedId,
                 Look{QStringLiteral("Giá vàng ACB"), QStringLiteral("Vàng thế giới"),
                      QStringLiteral("Giá (nghìn đồng/lượng)")}) {
    setScreenName(QStringLiteral("Giá vàng ACB"));
}

ACBGoldViewController::~ACBGoldViewController() = default;

GoldDayView* ACBGoldViewController::makeChart() {
    m_view = new ACBGoldView;
    return m_view;
}

ACBGoldView* ACBGoldViewController::goldView() {
    view();
    return m_view;
}

void ACBGoldViewController::buildQuoteLabels(QWidget* root) {
    addCaption(root, QStringLiteral("Giá trị (tr.đ)"), QRect(4, 58, 90, 20));
    m_lbValue = makeQuoteLabel(root, QRect(94, 58, 110, 20), QColor(0x1b, 0x24, 0x30), Qt::AlignLeft);
    addCaption(root, QStringLiteral("Khối lượng (lượng)"), QRect(210, 58, 120, 20));
    m_lbQuantity = makeQuoteLabel(root, QRect(330, 58, 146, 20), QColor(0x1b, 0x24, 0x30), Qt::AlignLeft);
    m_lbPrice = makeQuoteLabel(root, QRect(214, 84, 110, 18), Qt::white, Qt::AlignRight);
    lbPercent()->setFont(ui::systemFont(14));
    // Under the chart's panel, on the white band.
    m_lbPremium = shell::makeLabel(root, QString(), QRect(8, 301, 468, 18), 12, true);
    m_lbPremium->setStyleSheet(QStringLiteral("color: #1b2430; background: transparent;"));
}

QString ACBGoldViewController::requestUrl(int revision) const {
    return appDelegate().endpoints().bankGold(revision);
}

// Minute record: id, minute, price, bar value. Quote record: id, change, percent, minute, price,
// previous day's price, traded value, traded amount, day.
void ACBGoldViewController::widenWithMinute(const net::Answer& /*answer*/, const net::RecordView& minute) {
    m_view->widenHeight(minute.doubleAt(3));
    m_view->widenPrice(minute.doubleAt(2));
}

double ACBGoldViewController::barValueOf(const net::RecordView& minute) const {
    return minute.doubleAt(3);
}

void ACBGoldViewController::markQuoteTime(const net::RecordView& quote) {
    markTime(quote.intAt(8), quote.intAt(3));
}

int ACBGoldViewController::minuteFieldCount() const {
    return kMinuteFields;
}

int ACBGoldViewController::quoteFieldCount() const {
    return kQuoteFields;
}

void ACBGoldViewController::showQuote(const net::RecordView& quote) {
    m_lbValue->setText(core::getDecimalString(std::trunc(quote.doubleAt(6))));
    m_lbQuantity->setText(core::getDecimalString(quote.doubleAt(7)));
    m_lbPrice->setText(core::getDecimalString(quote.doubleAt(4)));
    const double change = quote.doubleAt(1);
    showChange(change, core::wholeNumberText(change), quote.text(2));
}

void ACBGoldViewController::showPremium() {
    view();
    myDb& db = *appDelegate().db();
    const QDateTime now = m_clock();
    const std::optional<GoldPremium> premium =
        goldPremium(latestBankGold(storedTexts()),
                    latestWorldGold(db.getRealtimeGoldData(WorldGoldViewController::kFeedId)),
                    bankDollarRate(db.getExchange(0)), now);
    m_lbPremium->setText(goldPremiumText(premium, now));
}

void ACBGoldViewController::goWorldGold() {
    goOtherGold();
}

ui::ViewController* ACBGoldViewController::otherGoldScreen() {
    return appDelegate().cachedScreen<WorldGoldViewController>();
}

} // namespace world
