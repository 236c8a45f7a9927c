#include "net/LenientNumbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace net {
namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c) {
    return c == u'+' || c == u'-';
}

qsizetype skipBlanks(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) {
        ++i;
    }
    return i;
}

qsizetype skipDigits(QStringView text, qsizetype i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

// Length of the decimal number at the start of text, 0 when there is none.
qsizetype decimalPrefixLength(QStringView text) {
    qsizetype i = (!text.isEmpty() && isSign(text[0])) ? 1 : 0;
    const qsizetype integerEnd = skipDigits(text, i);
    qsizetype end = integerEnd;
    bool anyDigit = integerEnd > i;
    if (end < text.size() && text[end] == u'.') {
        const qsizetype fractionEnd = skipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) {
        return 0;
    }
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        qsizetype exponent = end + 1;
        if (exponent < text.size() && isSign(text[exponent])) {
            ++exponent;
        }
        const qsizetype exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    return end;
}

} // namespace

int leadingInt(QStringView text) {
    qsizetype i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && isSign(text[i])) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i].unicode() - u'0'), limit);
    }
    if (negative) {
        return static_cast<int>(-value);
    }
    return static_cast<int>(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

double leadingDouble(QStringView text) {
    text = text.sliced(skipBlanks(text));
    const qsizetype length = decimalPrefixLength(text);
    if (length == 0) {
        return 0.0;
    }
    std::array<char, 64> buffer{};
    if (length > qsizetype(buffer.size())) {
        return text.first(length).toDouble(); // rare: not worth a heap buffer on the fast path
    }
    for (qsizetype i = 0; i < length; ++i) {
        buffer[static_cast<std::size_t>(i)] = static_cast<char>(text[i].unicode());
    }
    const qsizetype start = buffer[0] == '+' ? 1 : 0; // from_chars takes no leading plus
    double value = 0.0;
    std::from_chars(buffer.data() + start, buffer.data() + length, value);
    return value;
}

} // namespace net
