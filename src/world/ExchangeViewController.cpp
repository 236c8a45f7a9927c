#include "world/ExchangeViewController.h"

#include "core/CalendarHelpers.h"
#include "net/RecordView.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Fonts.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace world {

namespace {

PriceRowLayout rowLayout() {
    PriceRowLayout layout;
    layout.rowHeight = 40;
    layout.image = QRect(8, 6, 26, 24);
    layout.name = QRect(45, 11, 90, 15);
    layout.figures = {QRect(150, 11, 70, 15), QRect(260, 11, 70, 15), QRect(360, 11, 80, 15)};
    return layout;
}

// The bank quotes a reference rate where the world pairs have a price.
QStringList columnTitles(bool world) {
    return {world ? QStringLiteral("Tỷ giá thế giới") : QStringLiteral("Tỷ giá ACB"),
            world ? QStringLiteral("Giá") : QStringLiteral("Tham chiếu"), QStringLiteral("Mua"), QStringLiteral("Bán")};
}

} // namespace

const QString ExchangeViewController::kACB = QStringLiteral("ACB");
const QString ExchangeViewController::kWorld = QStringLiteral("World");

ExchangeViewController::ExchangeViewController(shell::QRMInfoAppDelegate& appDelegate)
    : PriceListScreen(appDelegate, QStringLiteral("Tỷ giá"), rowLayout())
    , m_continent(kACB) {
    setScreenName(QStringLiteral("Tỷ giá"));
}

ExchangeViewController::~ExchangeViewController() = default;

QString ExchangeViewController::iconOf(int id) {
    switch (id) {
    case 9:
    case 13:
    case 15:
    case 16:
        return QStringLiteral("dolla.png");
    case 10:
        return QStringLiteral("euro.png");
    case 11:
        return QStringLiteral("jen.png");
    case 12:
        return QStringLiteral("pound.png");
    case 14:
        return QStringLiteral("chf.png");
    default:
        return {};
    }
}

void ExchangeViewController::buildContent(QWidget* root) {
    const PriceRowLayout layout = rowLayout();
    const QStringList bank = columnTitles(false);
    const QStringList world = columnTitles(true);
    m_bankHeadings = {
        addColumnHeading(root, bank.at(0), QRect(8, 0, 130, 0), Qt::AlignLeft, 0),
        addColumnHeading(root, bank.at(1), layout.figures.at(0).adjusted(-30, 0, 0, 0), Qt::AlignRight, 1),
        addColumnHeading(root, bank.at(2), layout.figures.at(1), Qt::AlignRight, 2),
        addColumnHeading(root, bank.at(3), layout.figures.at(2), Qt::AlignRight, 3)};
    m_worldHeadings = {addColumnHeading(root, world.at(0), QRect(8, 0, 130, 0), Qt::AlignLeft, 0),
                       addColumnHeading(root, world.at(1), layout.figures.at(0), Qt::AlignRight, 1),
                       addColumnHeading(root, world.at(2), layout.figures.at(1), Qt::AlignRight, 2),
                       addColumnHeading(root, world.at(3), layout.figures.at(2), Qt::AlignRight, 3)};
    setColumnTitles(columnTitles(m_continent == kWorld));
    m_btEU = addBottomButton(root, QStringLiteral("ACB"), 2);
    m_btOc = addBottomButton(root, QStringLiteral("Thế giới"), 2);
    connect(m_btEU, &QPushButton::clicked, this, &ExchangeViewController::toggleEU);
    connect(m_btOc, &QPushButton::clicked, this, &ExchangeViewController::toggleOC);
    m_btEU->hide();
    for (QLabel* heading : m_worldHeadings) {
        heading->hide();
    }
}

void ExchangeViewController::toggleEU() {
    view();
    m_btEU->setFont(ui::systemFont(14, true));
    m_btOc->setFont(ui::systemFont(14, true));
    if (m_continent != kACB) {
        showGroup(kACB);
    }
}

void ExchangeViewController::toggleOC() {
    view();
    m_btEU->setFont(ui::systemFont(14, true));
    m_btOc->setFont(ui::systemFont(14, true));
    if (m_continent != kWorld) {
        showGroup(kWorld);
    }
}

void ExchangeViewController::showGroup(const QString& continent) {
    m_continent = continent;
    const bool world = continent == kWorld;
    for (QLabel* heading : m_worldHeadings) {
        heading->setVisible(world);
    }
    for (QLabel* heading : m_bankHeadings) {
        heading->setVisible(!world);
    }
    m_btEU->setVisible(world);
    m_btOc->setVisible(!world);
    setColumnTitles(columnTitles(world));
    showStoredRows();
}

QStringList ExchangeViewController::readStoredRows() {
    return appDelegate().db()->getExchange(m_continent == kACB ? 0 : 1);
}

// The bank's rates are numbers to group; the world pairs keep the digits the service sent.
QString ExchangeViewController::rateText(const QString& stored) const {
    if (isZeroText(stored)) {
        return QStringLiteral("-");
    }
    return m_continent == kACB ? core::getDecimalString(numberOf(stored)) : stored;
}

// The label takes the latest minute seen so far, or the date of a row from an earlier day;
// the first row leaves it alone.
std::vector<PriceRow> ExchangeViewController::buildRows(const QStringList& stored) {
    std::vector<PriceRow> rows;
    rows.reserve(static_cast<std::size_t>(stored.size()));
    const shell::QRMInfoAppDelegate& app = appDelegate();
    for (qsizetype r = 0; r < stored.size(); ++r) {
        const StoredPrice price = readStoredPrice(stored.at(r));
        m_minute = std::max(m_minute, price.minute);
        if (r > 0) {
            lbDate()->setText(price.day < app.currentDay() ? app.dateFromDay(price.day)
                                                           : app.timeFromMinuteFrom0h00(m_minute));
        }
        PriceRow row{iconOf(price.id),
                     price.name,
                     {PriceCell{rateText(price.values.at(0))}, PriceCell{rateText(price.values.at(1))},
                      PriceCell{rateText(price.values.at(2))}}};
        // A rate of zero shows "-": there is no rate to order by.
        for (std::size_t i = 0; i < row.numbers.size(); ++i) {
            const QString& value = price.values.at(i);
            row.numbers.at(i) = isZeroText(value) ? std::nullopt : figureNumber(value);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

QString ExchangeViewController::requestUrl() const {
    return appDelegate().endpoints().exchangeRates();
}

// Record: day, minute, id, reference price, buying rate, selling rate.
bool ExchangeViewController::storeRecord(myDb& db, const net::RecordView& record) {
    return db.updateExchange(record.text(2), record.text(0), record.text(1), record.text(3), record.text(4),
                             record.text(5));
}

} // namespace world
