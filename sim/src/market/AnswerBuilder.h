#pragma once

#include <string>

namespace sim::market {

/// A success answer: the header "KTRPW:0:<day>", then one record per line, each record ended by
/// ";" and a line break (readers drop the line break in front of a record's first field).
class AnswerBuilder final {
public:
    explicit AnswerBuilder(int day);

    void add(const std::string& record);

    /// The whole answer; the builder is left empty.
    std::string take();

private:
    std::string m_text;
};

} // namespace sim::market
