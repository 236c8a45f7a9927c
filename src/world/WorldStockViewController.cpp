#include "world/WorldStockViewController.h"

#include "core/CalendarHelpers.h"
#include "net/RecordView.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Artwork.h"
#include "ui/Fonts.h"
#include "ui/PictureLabel.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace world {

namespace {

PriceRowLayout rowLayout() {
    PriceRowLayout layout;
    layout.rowHeight = 33;
    layout.image = QRect(10, 7, 34, 20);
    layout.name = QRect(55, 10, 120, 15);
    layout.figures = {QRect(180, 10, 80, 15), QRect(265, 10, 75, 15), QRect(355, 10, 80, 15)};
    return layout;
}

// The change and the percent: "--" for no change, else as the service wrote it, red for a fall.
PriceCell changeCell(const QString& stored, const ui::TrendColors& colors) {
    if (isZeroText(stored)) {
        return {QStringLiteral("--"), colors.qRise()};
    }
    return {stored, colors.qBySign(numberOf(stored))};
}

} // namespace

const QString WorldStockViewController::kEurope = QStringLiteral("Europe");
const QString WorldStockViewController::kOcean = QStringLiteral("Ocean");

WorldStockViewController::WorldStockViewController(shell::QRMInfoAppDelegate& appDelegate)
    : PriceListScreen(appDelegate, QStringLiteral("Chứng khoán TG"), rowLayout())
    , m_continent(kEurope) {
    setScreenName(QStringLiteral("Chứng khoán thế giới"));
}

WorldStockViewController::~WorldStockViewController() = default;

QString WorldStockViewController::flagOf(int id) {
    switch (id) {
    case 1:
    case 2:
    case 3:
        return QStringLiteral("Flag_US.png");
    case 4:
        return QStringLiteral("Flag_UK.png");
    case 5:
        return QStringLiteral("Flag_DE.png");
    case 6:
        return QStringLiteral("Flag_JA.png");
    case 7:
        return QStringLiteral("Flag_HA.png");
    case 8:
        return QStringLiteral("Flag_ST.png");
    case 9:
        return QStringLiteral("Flag_AO.png");
    case 10:
        return QStringLiteral("Flag_CN.png");
    default:
        return {};
    }
}

// Values are shown with two decimals when the service sent one ("234.5" reads "234.50"); a
// whole value keeps its text, since a "0" after it would multiply it by ten.
QString WorldStockViewController::valueText(const QString& stored) {
    QString text = core::getDecimalString(numberOf(stored));
    const QString point = QLocale().decimalPoint();
    const qsizetype at = text.indexOf(point);
    if (at >= 0 && text.size() - at - point.size() == 1) {
        return text + QLatin1Char('0');
    }
    return text;
}

void WorldStockViewController::buildContent(QWidget* root) {
    const PriceRowLayout layout = rowLayout();
    m_groupLabel = shell::makeLabel(root, QString(), QRect(4, 32, 50, 18), 12, true);
    m_groupLabel->setStyleSheet(QStringLiteral("color: #ffd54a; background: transparent;"));
    m_ck_ca = new ui::PictureLabel(root);
    m_ck_ca->setGeometry(52, 31, 20, 20);
    m_ck_ca->setPixmap(ui::artwork(QStringLiteral("ck_ca.png"), QSize(20, 20)));
    const QStringList titles{QStringLiteral("Chỉ số"), QStringLiteral("Điểm"), QStringLiteral("+/-"),
                             QStringLiteral("%")};
    addColumnHeading(root, titles.at(0), layout.name.translated(20, 0), Qt::AlignLeft, 0);
    addColumnHeading(root, titles.at(1), layout.figures.at(0), Qt::AlignRight, 1);
    addColumnHeading(root, titles.at(2), layout.figures.at(1), Qt::AlignRight, 2);
    addColumnHeading(root, titles.at(3), layout.figures.at(2), Qt::AlignRight, 3);
    setColumnTitles(titles);
    m_btEU = addBottomButton(root, QStringLiteral("Âu - Mỹ"), 2);
    m_btOc = addBottomButton(root, QStringLiteral("Châu Á"), 2);
    connect(m_btEU, &QPushButton::clicked, this, &WorldStockViewController::toggleEU);
    connect(m_btOc, &QPushButton::clicked, this, &WorldStockViewController::toggleOC);
    m_btEU->hide();
    m_ck_ca->hide();
    m_groupLabel->setText(QStringLiteral("Âu - Mỹ"));
}

void WorldStockViewController::toggleEU() {
    if (m_continent == kEurope) {
        return;
    }
    showGroup(kEurope);
}

void WorldStockViewController::toggleOC() {
    if (m_continent == kOcean) {
        return;
    }
    showGroup(kOcean);
}

// Only the switch to the other group is on show.
void WorldStockViewController::showGroup(const QString& continent) {
    view();
    m_continent = continent;
    const bool europe = continent == kEurope;
    m_btEU->setFont(ui::systemFont(14, true));
    m_btOc->setFont(ui::systemFont(14, true));
    m_btEU->setVisible(!europe);
    m_btOc->setVisible(europe);
    m_ck_ca->setVisible(!europe);
    m_groupLabel->setText(europe ? QStringLiteral("Âu - Mỹ") : QStringLiteral("Châu Á"));
    showStoredRows();
}

QStringList WorldStockViewController::readStoredRows() {
    return appDelegate().db()->getWorldStock(m_continent == kEurope ? 0 : 1);
}

// Only the second row says when the data are from: the store lists the newest first, and the
// first row may be an index that has just opened.
std::vector<PriceRow> WorldStockViewController::buildRows(const QStringList& stored) {
    std::vector<PriceRow> rows;
    rows.reserve(static_cast<std::size_t>(stored.size()));
    const shell::QRMInfoAppDelegate& app = appDelegate();
    const ui::TrendColors& colors = app.palette().colors();
    for (qsizetype r = 0; r < stored.size(); ++r) {
        const StoredPrice price = readStoredPrice(stored.at(r));
        if (r == 1) {
            lbDate()->setText(price.day == app.currentDay() ? app.timeFromMinuteFrom0h00(price.minute)
                                                            : app.dateFromDay(price.day));
        }
        PriceRow row{
            flagOf(price.id),
            price.name,
            {PriceCell{valueText(price.values.at(0))}, changeCell(price.values.at(1), colors), changeCell(price.values.at(2), colors)}};
        row.numbers = {figureNumber(price.values.at(0)), figureNumber(price.values.at(1)),
                       figureNumber(price.values.at(2))};
        rows.push_back(std::move(row));
    }
    return rows;
}

QString WorldStockViewController::requestUrl() const {
    return appDelegate().endpoints().worldIndices();
}

// Record: id, day, minute, value, change, percent.
bool WorldStockViewController::storeRecord(myDb& db, const net::RecordView& record) {
    return db.updateWorldStock(record.text(0), record.text(1), record.text(2), record.text(3), record.text(4),
                               record.text(5));
}

} // namespace world
