#pragma once

#include <QString>

#include <variant>

namespace store {

/// A value bound into a statement: an integer or a text, exactly as the caller has it.
using SqlValue = std::variant<qint64, QString>;

} // namespace store
