#pragma once

#include <QString>
#include <QStringList>

namespace news {

/// One stored news item, read from the store's row text "day,minute,id,title,text".
struct NewsItem {
    int day = 0;
    /// Clock minute of the item, counted from 00:00.
    int minute = 0;
    /// "0" for a headline.
    QString companyId;
    QString title;
    /// The article: lines separated by "\n", the first one its headline.
    QString text;

    /// A row text of the store. The service never sends a comma inside a field; should a stored
    /// text hold one, the article keeps it rather than losing what follows.
    static NewsItem fromRow(const QString& row);

    /// "HH:mm - dd/MM/yy": the time first, then the date.
    QString timeAndDate() const;
    QStringList lines() const { return text.split(QLatin1Char('\n')); }
};

} // namespace news
