#include "AnswerSplitter.h"

#include <cstdlib>
#include <sstream>

namespace markettest {

namespace {

Fields splitAt(const std::string& text, char separator) {
    Fields parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    if (text.empty()) {
        parts.emplace_back();
    }
    return parts;
}

} // namespace

int SplitAnswer::status() const {
    return headerInt(1);
}

int SplitAnswer::headerInt(std::size_t field) const {
    return field < header.size() ? integer(header[field]) : -1;
}

std::vector<Fields> SplitAnswer::withFieldCount(std::size_t count) const {
    std::vector<Fields> matching;
    for (const Fields& record : records) {
        if (record.size() == count) {
            matching.push_back(record);
        }
    }
    return matching;
}

std::vector<std::size_t> SplitAnswer::fieldCounts() const {
    std::vector<std::size_t> counts;
    for (const Fields& record : records) {
        counts.push_back(record.size());
    }
    return counts;
}

SplitAnswer splitAnswer(const std::string& body) {
    SplitAnswer answer;
    const Fields records = splitAt(body, ';');
    answer.header = splitAt(records.front(), ':');
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (records[r] == "\n" || records[r].empty()) {
            continue;
        }
        Fields fields = splitAt(records[r], ',');
        const Fields firstParts = splitAt(fields.front(), '\n');
        if (firstParts.size() > 1) {
            fields.front() = firstParts[1];
        }
        answer.records.push_back(fields);
    }
    return answer;
}

sim::Request request(const std::string& page, std::vector<std::pair<std::string, std::string>> params) {
    sim::Request result;
    result.page = page;
    for (auto& [key, value] : params) {
        result.params[key] = value;
    }
    return result;
}

double number(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

int integer(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

} // namespace markettest
