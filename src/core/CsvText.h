#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace core {

/// One field as CSV (RFC 4180): quoted when it holds a comma, a quote, CR or LF, its quotes
/// doubled. A text that a spreadsheet would run as a formula (it starts with "=", "@", a tab or
/// CR, or with "+" or "-" followed by more than digits, separators, signs, "%" and "/") gets a
/// leading apostrophe first, so a name from the service cannot become a formula; numbers such
/// as "-1.5", "+25" or "-5,000", the heading "+/-" and the dashes that stand for no value are
/// left alone.
QString csvField(const QString& text);

/// One record: the fields joined by commas, ended by CRLF.
QString csvRecord(const QStringList& fields);

/// A whole table: the titles as the header record, then the rows, in UTF-8 behind a byte-order
/// mark, so that spreadsheet programs read the Vietnamese letters.
QByteArray csvDocument(const QStringList& titles, const QList<QStringList>& rows);

} // namespace core
