#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace sim {

/// Builds a successful answer: the header "KTRPW:0:<day>" and records of comma-separated fields,
/// each record closed by ";" and a line break, the way the service has always laid them out.
class AnswerText final {
public:
    explicit AnswerText(int day);

    void addRecord(std::initializer_list<std::string> fields);
    void addRecord(const std::vector<std::string>& fields);

    std::string text() const;

    /// Decimal text with exactly `decimals` places and a "." separator, whatever the process
    /// locale; never "-0".
    static std::string fixed(double value, int decimals);

private:
    template <typename Fields> void append(const Fields& fields);

    std::string m_text;
};

} // namespace sim
