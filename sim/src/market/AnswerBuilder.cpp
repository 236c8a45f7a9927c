#include "market/AnswerBuilder.h"

#include "SimTypes.h"

#include <utility>

namespace sim::market {

AnswerBuilder::AnswerBuilder(int day)
    : m_text(std::string(kHeaderTag) + ":0:" + std::to_string(day)) {}

void AnswerBuilder::add(const std::string& record) {
    m_text += ";\n";
    m_text += record;
}

std::string AnswerBuilder::take() {
    m_text += ";\n";
    return std::exchange(m_text, std::string());
}

} // namespace sim::market
