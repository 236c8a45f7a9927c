#pragma once

#include <string>
#include <string_view>

namespace sim {

/// Whether text can travel as an answer field: no field, record or header separator in it.
bool isFieldSafe(const std::string& text);

/// Whether text is well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF)
/// free of control characters (below U+0020, and U+007F): text a person typed and can read back.
bool isPrintableUtf8(std::string_view text);

/// A non-negative decimal number as a user types it ("12", "25.7"); the text is kept as sent.
bool isPlainNumber(const std::string& text);

/// The value of a text that passed isPlainNumber.
double numberValue(const std::string& text);

/// Lowercase ASCII copy (page names and types are matched without case).
std::string lowerAscii(std::string text);

} // namespace sim

namespace sim {

/// Lowercase hexadecimal MD5 of the text's bytes, the form in which the client sends a password.
std::string md5Hex(const std::string& text);

} // namespace sim
