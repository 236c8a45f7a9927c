#include "company/WarningNoticeText.h"

#include "company/DirectoryWarningRecords.h"
#include "core/CalendarHelpers.h"
#include "store/myDb.h"

#include <QStringList>

namespace company {

namespace {

// A notice bubble shows a few lines; the warning screen lists them all.
constexpr std::size_t kListedNotices = 4;

QString thresholdName(WarningLevel level) {
    return level == WarningLevel::Above ? QStringLiteral("ngưỡng trên") : QStringLiteral("ngưỡng dưới");
}

QString noticeLine(const DirectoryWarningRow& row) {
    return QStringLiteral("%1 (%2): giá %3 đã chạm %4 %5")
        .arg(row.code, row.category, core::getDecimalString(row.currentPrice), thresholdName(row.priceLevel),
             core::getDecimalString(row.thresholdPrice));
}

} // namespace

std::vector<WarningNotice> readWarningNotices(const QByteArray& answer, myDb& db) {
    std::vector<WarningNotice> notices;
    for (const QString& record : readWarningRecords(answer)) {
        const QString holdingId = warningHoldingId(record);
        DirectoryWarningRow row = makeWarningRow(record, db.getPortfolioFromPortDataId(holdingId).value(0));
        if (row.code.isEmpty() || row.priceLevel == WarningLevel::None) {
            continue;
        }
        notices.push_back({holdingId, std::move(row)});
    }
    return notices;
}

QString warningNoticeKey(const WarningNotice& notice) {
    const QString side = notice.row.priceLevel == WarningLevel::Above ? QStringLiteral("up") : QStringLiteral("down");
    return notice.holdingId + QLatin1Char('|') + side + QLatin1Char('|') +
           QString::number(notice.row.thresholdPrice, 'g', 15);
}

QString warningNoticeTitle() {
    return QStringLiteral("Cảnh báo giá");
}

QString warningNoticeBody(const std::vector<WarningNotice>& notices) {
    QStringList lines;
    for (std::size_t i = 0; i < notices.size() && i < kListedNotices; ++i) {
        lines.append(noticeLine(notices[i].row));
    }
    if (notices.size() > kListedNotices) {
        lines.append(QStringLiteral("… và %1 cảnh báo khác").arg(notices.size() - kListedNotices));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace company
