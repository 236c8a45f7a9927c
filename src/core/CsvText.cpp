#include "core/CsvText.h"

#include <algorithm>

namespace core {

namespace {

// After a sign, what the screens show holds only digits, the grouping and decimal separators
// of either locale, signs, "%" and "/" ("+/-", "--" for no value). Without a letter or a
// bracket such a text can neither call a function nor read a cell, whatever a spreadsheet
// makes of it.
bool isPlainNumberTail(QStringView tail) {
    return std::all_of(tail.begin(), tail.end(), [](QChar c) {
        return c.isDigit() || c == u'.' || c == u',' || c == u'%' || c == u'-' || c == u'+' || c == u'/';
    });
}

bool wouldRunAsFormula(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    const QChar first = text.front();
    if (first == u'=' || first == u'@' || first == u'\t' || first == u'\r') {
        return true;
    }
    return (first == u'+' || first == u'-') && !isPlainNumberTail(QStringView(text).mid(1));
}

bool needsQuotes(const QString& text) {
    return text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
}

} // namespace

QString csvField(const QString& text) {
    QString field = wouldRunAsFormula(text) ? QLatin1Char('\'') + text : text;
    if (!needsQuotes(field)) {
        return field;
    }
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString csvRecord(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) {
        quoted.append(csvField(field));
    }
    return quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

QByteArray csvDocument(const QStringList& titles, const QList<QStringList>& rows) {
    QString text = csvRecord(titles);
    for (const QStringList& row : rows) {
        text += csvRecord(row);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace core
