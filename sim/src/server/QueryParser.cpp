#include "QueryParser.h"

namespace sim {

namespace {

constexpr const char* kPrefix = "/KTRPW/";

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void addParam(Request& request, const std::string& pair) {
    if (pair.empty()) {
        return;
    }
    const auto equals = pair.find('=');
    const std::string key = percentDecode(pair.substr(0, equals));
    const std::string value = equals == std::string::npos ? std::string() : percentDecode(pair.substr(equals + 1));
    // The first occurrence wins, as a reader of the first value would see it.
    request.params.emplace(key, value);
}

} // namespace

std::string percentDecode(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<Request> requestFromTarget(const std::string& target) {
    const auto question = target.find('?');
    const std::string path = percentDecode(target.substr(0, question));
    const std::string prefix = kPrefix;
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) {
        return std::nullopt;
    }
    Request request;
    request.page = path.substr(prefix.size());
    if (question == std::string::npos) {
        return request;
    }
    const std::string query = target.substr(question + 1);
    std::size_t start = 0;
    while (start <= query.size()) {
        const auto amp = query.find('&', start);
        addParam(request, query.substr(start, amp == std::string::npos ? std::string::npos : amp - start));
        if (amp == std::string::npos) {
            break;
        }
        start = amp + 1;
    }
    return request;
}

} // namespace sim
