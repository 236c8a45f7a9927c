#include "news/NewsItem.h"

#include "core/CalendarHelpers.h"
#include "net/LenientNumbers.h"

namespace news {

namespace {

constexpr qsizetype kTitleField = 3;
constexpr qsizetype kTextField = 4;

} // namespace

NewsItem NewsItem::fromRow(const QString& row) {
    const QStringList fields = row.split(QLatin1Char(','));
    NewsItem item;
    item.day = net::leadingInt(fields.value(0));
    item.minute = net::leadingInt(fields.value(1));
    item.companyId = fields.value(2);
    item.title = fields.value(kTitleField);
    item.text = fields.mid(kTextField).join(QLatin1Char(','));
    return item;
}

QString NewsItem::timeAndDate() const {
    return QStringLiteral("%1 - %2").arg(core::timeFromMinuteFrom0h00(minute), core::dateFromDay(day));
}

} // namespace news
