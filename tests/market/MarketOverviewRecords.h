#pragma once

#include <QString>

namespace testsupport {

/// Where the overview chart draws a minute: HoSE's panel spans minutes 30 to 105, HNX's 0 to 150,
/// both 248 points wide from x = 199.
inline float hoseX(int minute) {
    return 199 + static_cast<float>(minute - 30) * (248.0F / 75.0F);
}

inline float haSTCX(int minute) {
    return 199 + static_cast<float>(minute) * (248.0F / 150.0F);
}

/// A minute record of the overview's answer: exchange, minute, index value, bar value.
inline QString minuteRecord(int stockId, int minute, double point, double bar) {
    return QStringLiteral("\n%1,%2,%3,%4").arg(stockId).arg(minute).arg(point).arg(bar);
}

/// An index record of the overview's answer with the previous close `reference`.
inline QString indexRecord(int stockId, double reference, int day) {
    return QStringLiteral("\n%1,1,0.1,60,1000,%2,100,10,%3").arg(stockId).arg(reference).arg(day);
}

} // namespace testsupport
