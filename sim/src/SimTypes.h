#pragma once

#include <map>
#include <string>

namespace sim {

/// The service's market clock at one instant: the day number (days since 1 January 2000) and the
/// clock minute (minutes since 00:00). Market minutes are clockMinute - 510.
struct SimTime {
    int day = 0;
    int clockMinute = 0;
    int second = 0;

    int marketMinute() const { return clockMinute - 510; }
};

/// One GET as the pages see it: the page name after "/KTRPW/" (case kept) and its query values,
/// already percent-decoded.
struct Request {
    std::string page;
    std::map<std::string, std::string> params;

    const std::string* param(const std::string& key) const {
        auto it = params.find(key);
        return it == params.end() ? nullptr : &it->second;
    }
};

/// What a page answers: the UTF-8 body and the HTTP status (200 for every page answer, service
/// errors included; the status field of the body tells those apart).
struct Response {
    std::string body;
    int httpStatus = 200;
};

} // namespace sim

namespace sim {

/// Field 0 of every answer header; the client never reads it.
inline constexpr const char* kHeaderTag = "KTRPW";

/// A service error answer. realtime.aspx carries the message in header field 2, every other page
/// in field 3 (field 2 is then an empty day stamp "0").
inline std::string errorAnswer(bool realtimePage, const std::string& message) {
    if (realtimePage) {
        return std::string(kHeaderTag) + ":1:" + message + ";";
    }
    return std::string(kHeaderTag) + ":1:0:" + message + ";";
}

} // namespace sim
