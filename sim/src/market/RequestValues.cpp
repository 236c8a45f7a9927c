#include "market/RequestValues.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace sim::market {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

const std::string* findValue(const Request& request, std::string_view key) {
    if (const std::string* exact = request.param(std::string(key))) {
        return exact;
    }
    for (const auto& [name, value] : request.params) {
        if (equalsIgnoringCase(name, key)) {
            return &value;
        }
    }
    return nullptr;
}

std::optional<int> leadingInt(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> intValue(const Request& request, std::string_view key) {
    const std::string* text = findValue(request, key);
    return text ? leadingInt(*text) : std::nullopt;
}

std::vector<std::string> listValue(const Request& request, std::string_view key) {
    std::vector<std::string> items;
    const std::string* text = findValue(request, key);
    if (!text) {
        return items;
    }
    std::string_view rest = *text;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        if (!item.empty()) {
            items.emplace_back(item);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    return items;
}

} // namespace sim::market
