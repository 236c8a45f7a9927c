#pragma once

#include <QString>

class QLineEdit;

namespace portfolio {

/// Why a category name cannot be sent, or an empty text when it can: the service's answers
/// separate their fields and records with ",", ";" and ":", so a name holding one of them (or a
/// line break) would come back cut in pieces.
QString categoryNameRefusal(const QString& name);

/// Lets the field take only a number as the number texts write it: digits, and with
/// `decimals` one "." for the decimal point.
void acceptNumbersOnly(QLineEdit* field, bool decimals);

} // namespace portfolio
