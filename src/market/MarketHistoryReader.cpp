#include "market/MarketHistoryReader.h"

#include "net/LenientNumbers.h"

#include <QStringView>

namespace market {

namespace {

constexpr int kHnx = 1;
constexpr int kHose = 2;
// A stored answer also holds the day's index records (nine values). Read as groups they would
// pass the change for a minute and the percent for an index value, and the labels and the HNX
// chart would show nonsense; only the minute records (four values, five at most) are read.
constexpr qsizetype kMostValuesOfAMinute = 5;

// The values of one record, read in order. Past the end, every read gives the last value read
// again: the phone read the record with one scan that left its last number in place.
class ValueCursor final {
public:
    explicit ValueCursor(QStringView record)
        : m_fields(record.split(QLatin1Char(','))) {}

    bool atEnd() const { return m_next >= m_fields.size(); }

    int nextInt() { return net::leadingInt(next()); }
    double nextDouble() { return net::leadingDouble(next()); }

private:
    QStringView next() {
        if (!atEnd()) {
            m_last = m_fields.at(m_next++);
        }
        return m_last;
    }

    QList<QStringView> m_fields;
    qsizetype m_next = 0;
    QStringView m_last;
};

bool takesValues(int stockId, MarketHistoryGroupShape shape) {
    return shape == MarketHistoryGroupShape::FiveValues || stockId == kHnx || stockId == kHose;
}

// Blanks and line breaks before a record's first value belong to the record separator.
QStringView trimmedStart(QStringView record) {
    qsizetype start = 0;
    while (start < record.size() && record.at(start).isSpace()) {
        ++start;
    }
    return record.mid(start);
}

void readRecord(QStringView record, MarketHistoryGroupShape shape, QList<MarketHistoryGroup>& groups) {
    ValueCursor values(record);
    while (!values.atEnd()) {
        MarketHistoryGroup group;
        group.stockId = values.nextInt();
        group.minute = values.nextInt();
        if (takesValues(group.stockId, shape)) {
            group.point = values.nextDouble();
            group.height = values.nextDouble();
            group.fifth = values.nextDouble();
        }
        groups.append(group);
    }
}

// The service may write the first record on the header's line, after a line break.
QStringView recordAfterHeader(QStringView header) {
    const qsizetype lineBreak = header.indexOf(QLatin1Char('\n'));
    return lineBreak < 0 ? QStringView() : header.sliced(lineBreak + 1);
}

} // namespace

QList<MarketHistoryGroup> readMarketHistoryGroups(const QString& text, MarketHistoryGroupShape shape) {
    QList<MarketHistoryGroup> groups;
    const QList<QStringView> records = QStringView(text).split(QLatin1Char(';'));
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QStringView record = trimmedStart(r == 0 ? recordAfterHeader(records.at(r)) : records.at(r));
        if (!record.isEmpty() && record.count(QLatin1Char(',')) < kMostValuesOfAMinute) {
            readRecord(record, shape, groups);
        }
    }
    return groups;
}

} // namespace market
