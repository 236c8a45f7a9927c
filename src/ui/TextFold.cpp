#include "ui/TextFold.h"

#include <algorithm>

namespace ui {

namespace {

bool isCombiningMark(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Stock codes and most names are plain ASCII: they need no decomposition.
bool isAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QString foldForMatch(const QString& text) {
    if (isAscii(text)) {
        return text.toCaseFolded();
    }
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (isCombiningMark(c)) {
            continue;
        }
        // Đ has no decomposition; the look-alike Ð is often typed in its place.
        if (c == u'đ' || c == u'Đ' || c == u'ð' || c == u'Ð') {
            folded.append(u'd');
            continue;
        }
        folded.append(c.toCaseFolded());
    }
    return folded;
}

} // namespace ui
