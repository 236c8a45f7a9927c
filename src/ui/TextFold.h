#pragma once

#include <QString>

namespace ui {

/// A text reduced to what a typed search compares: case folded, accents and tone marks dropped
/// ("Ngân" and "ngan" fold alike), and đ/Đ read as d, so a user without a Vietnamese keyboard
/// finds what the list shows with diacritics.
QString foldForMatch(const QString& text);

} // namespace ui
