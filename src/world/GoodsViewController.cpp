#include "world/GoodsViewController.h"

#include "core/CalendarHelpers.h"
#include "net/RecordView.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"

#include <QLabel>

#include <algorithm>

namespace world {

namespace {

PriceRowLayout rowLayout() {
    PriceRowLayout layout;
    layout.rowHeight = 33;
    layout.name = QRect(15, 10, 130, 15);
    layout.figures = {QRect(150, 10, 70, 15), QRect(232, 10, 100, 15), QRect(345, 10, 85, 15)};
    layout.boldFigures = true;
    return layout;
}

// No change reads "--" in both columns, in the colour of a rise.
PriceRow goodsRow(const StoredPrice& price, const ui::TrendColors& colors) {
    const QString& value = price.values.at(0);
    const QString& change = price.values.at(1);
    const bool unchanged = isZeroText(change);
    const QColor color = colors.qBySign(numberOf(change));
    const QString priceText = isZeroText(value) ? QStringLiteral("--") : core::getDecimalString(numberOf(value));
    return PriceRow{QString(),
                    price.name,
                    {PriceCell{priceText}, PriceCell{unchanged ? QStringLiteral("--") : change, color},
                     PriceCell{unchanged ? QStringLiteral("--") : price.values.at(2), color}}};
}

} // namespace

GoodsViewController::GoodsViewController(shell::QRMInfoAppDelegate& appDelegate)
    : PriceListScreen(appDelegate, QStringLiteral("Hàng hóa"), rowLayout()) {
    setScreenName(QStringLiteral("Hàng hóa"));
}

GoodsViewController::~GoodsViewController() = default;

void GoodsViewController::buildContent(QWidget* root) {
    const PriceRowLayout layout = rowLayout();
    const QStringList titles{QStringLiteral("Hàng hóa"), QStringLiteral("Giá"), QStringLiteral("+/-"),
                             QStringLiteral("%")};
    addColumnHeading(root, titles.at(0), layout.name, Qt::AlignLeft, 0);
    addColumnHeading(root, titles.at(1), layout.figures.at(0), Qt::AlignRight, 1);
    addColumnHeading(root, titles.at(2), layout.figures.at(1), Qt::AlignRight, 2);
    addColumnHeading(root, titles.at(3), layout.figures.at(2), Qt::AlignRight, 3);
    setColumnTitles(titles);
}

QStringList GoodsViewController::readStoredRows() {
    return appDelegate().db()->getGoods();
}

// Each row compares its day with the row two places above and the later one is the day shown;
// the last row builds the label.
std::vector<PriceRow> GoodsViewController::buildRows(const QStringList& stored) {
    std::vector<PriceRow> rows;
    std::vector<int> days;
    rows.reserve(static_cast<std::size_t>(stored.size()));
    const shell::QRMInfoAppDelegate& app = appDelegate();
    for (const QString& text : stored) {
        const StoredPrice price = readStoredPrice(text);
        const int twoAbove = days.size() >= 2 ? days.at(days.size() - 2) : 0;
        const int shownDay = std::max(price.day, twoAbove);
        days.push_back(price.day);
        lbDate()->setText(shownDay == app.currentDay() ? app.timeFromMinuteFrom0h00(price.minute)
                                                       : app.dateFromDay(shownDay));
        PriceRow row = goodsRow(price, app.palette().colors());
        // A price of zero shows "--": there is no price to order by. No change is a change of 0.
        row.numbers = {isZeroText(price.values.at(0)) ? std::nullopt : figureNumber(price.values.at(0)),
                       figureNumber(price.values.at(1)), figureNumber(price.values.at(2))};
        rows.push_back(std::move(row));
    }
    return rows;
}

QString GoodsViewController::requestUrl() const {
    return appDelegate().endpoints().commodities();
}

// Record: day, minute, id, price, change, percent. Each price is stored under its own day.
bool GoodsViewController::storeRecord(myDb& db, const net::RecordView& record) {
    return db.updateGoods(record.text(2), record.text(0), record.text(1), record.text(3), record.text(4),
                          record.text(5));
}

} // namespace world
