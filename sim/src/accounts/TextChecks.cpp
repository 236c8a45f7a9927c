#include "TextChecks.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace sim {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The length of the well-formed UTF-8 sequence at the start of text, 0 when there is none. The
// second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80U) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80U;
    unsigned char high = 0xBFU;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        low = lead == 0xE0U ? 0xA0U : low;
        high = lead == 0xEDU ? 0x9FU : high;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        low = lead == 0xF0U ? 0x90U : low;
        high = lead == 0xF4U ? 0x8FU : high;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

bool isControl(unsigned char byte) {
    return byte < 0x20U || byte == 0x7FU;
}

} // namespace

bool isPrintableUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = sequenceLength(text);
        if (length == 0 || (length == 1 && isControl(static_cast<unsigned char>(text.front())))) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

bool isFieldSafe(const std::string& text) {
    return text.find_first_of(",;:\n\r") == std::string::npos;
}

bool isPlainNumber(const std::string& text) {
    const auto dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string("0") : text.substr(dot + 1);
    auto digitsOnly = [](const std::string& part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), [](unsigned char c) { return std::isdigit(c); });
    };
    return digitsOnly(whole) && digitsOnly(fraction) && whole.size() <= 12;
}

double numberValue(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string md5Hex(const std::string& text) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Md5).toHex();
    return digest.toStdString();
}

} // namespace sim
