#pragma once

#include <QByteArray>
#include <QStringList>

namespace company {

/// The warning records of a price-warnings answer, each exactly as received (a leading line
/// break included): every record of five fields. An unreadable header or an error status gives
/// no records, so the screen then shows an empty list.
QStringList readWarningRecords(const QByteArray& data);

} // namespace company
