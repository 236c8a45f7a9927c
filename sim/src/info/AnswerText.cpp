#include "AnswerText.h"

#include "SimTypes.h"

#include <array>
#include <charconv>
#include <cmath>

namespace sim {

AnswerText::AnswerText(int day)
    : m_text(std::string(kHeaderTag) + ":0:" + std::to_string(day)) {}

template <typename Fields> void AnswerText::append(const Fields& fields) {
    m_text += ";\n";
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) {
            m_text += ',';
        }
        m_text += field;
        first = false;
    }
}

void AnswerText::addRecord(std::initializer_list<std::string> fields) {
    append(fields);
}

void AnswerText::addRecord(const std::vector<std::string>& fields) {
    append(fields);
}

std::string AnswerText::text() const {
    return m_text + ";\n";
}

std::string AnswerText::fixed(double value, int decimals) {
    // to_chars ignores the locale: the embedded service shares its process with a client that
    // may run under a locale whose decimal separator is ",".
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0) {
        rounded = 0.0; // drops the sign of -0
    }
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded, std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

} // namespace sim
