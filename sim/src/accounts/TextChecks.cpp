#include "TextChecks.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace sim {

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
