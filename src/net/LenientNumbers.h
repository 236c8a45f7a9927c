#pragma once

#include <QStringView>

namespace net {

/// The integer at the start of a field: leading blanks skipped, an optional sign, the longest run
/// of digits; 0 when there is none. Values beyond 32 bits stop at the nearest limit.
int leadingInt(QStringView text);

/// The decimal number at the start of a field: leading blanks skipped, the longest prefix that
/// reads as a decimal number (sign, digits, point, exponent); 0 when there is none.
double leadingDouble(QStringView text);

} // namespace net
