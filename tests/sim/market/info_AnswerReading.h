#pragma once

#include "info/CivilDate.h"
#include "info/MarketView.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace infotest {

/// An answer read the way the client reads it: records at ";", the header at ":", fields at ",",
/// a leading line break dropped from field 0, a record that is only a line break skipped.
struct ReadAnswer {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> records;

    int status() const { return header.size() > 1 ? std::stoi(header[1]) : -1; }

    std::vector<std::vector<std::string>> ofSize(std::size_t count) const {
        std::vector<std::vector<std::string>> found;
        for (const auto& record : records) {
            if (record.size() == count) {
                found.push_back(record);
            }
        }
        return found;
    }
};

inline std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

inline ReadAnswer readAnswer(const std::string& body) {
    ReadAnswer answer;
    const std::vector<std::string> records = split(body, ';');
    if (records.empty()) {
        return answer;
    }
    answer.header = split(records.front(), ':');
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (records[i] == "\n" || records[i].empty()) {
            continue;
        }
        std::vector<std::string> fields = split(records[i], ',');
        const std::vector<std::string> lead = split(fields[0], '\n');
        if (lead.size() >= 2) {
            fields[0] = lead[1];
        }
        answer.records.push_back(fields);
    }
    return answer;
}

inline double number(const std::string& text) {
    return std::stod(text);
}

inline int whole(const std::string& text) {
    return std::stoi(text);
}

// Day keys: 4601 is Monday 6 August 2012.
inline constexpr int kMonday = 4601;
inline constexpr int kSaturday = kMonday + 5;
inline constexpr int kSunday = kMonday + 6;
inline constexpr std::uint64_t kSeed = 20120806;

/// A small market: one company of each statement layout, and one whose name holds separators.
inline sim::MarketView fakeMarket() {
    sim::MarketView market;
    market.companies = {
        {1, 2, "AAA", "Công ty Cổ phần Alpha", 0}, {2, 1, "BBB", "Ngân hàng Thương mại Beta", 2},
        {3, 2, "CCC", "Quỹ Đầu tư Gamma", 3},      {4, 1, "DDD", "Công ty Delta, Chi nhánh; Hà Nội: 1", 1},
        {5, 2, "EEE", "Tổng Công ty Epsilon", 4},
    };
    market.priceAt = [](int companyId, const sim::SimTime& t) {
        // Yesterday's close before the open, then a price that moves with the clock.
        if (t.clockMinute < 510) {
            return 20.0 + companyId;
        }
        return 20.0 + companyId + 0.1 * ((t.clockMinute - 510) % 15);
    };
    market.isTradingDay = [](int day) {
        return !sim::CivilDate::isWeekend(day);
    };
    market.sessionDayAt = [isTrading = market.isTradingDay](const sim::SimTime& t) {
        int day = t.clockMinute < 510 ? t.day - 1 : t.day;
        while (!isTrading(day)) {
            --day;
        }
        return day;
    };
    market.indexAt = [sessionDay = market.sessionDayAt](int stockId, const sim::SimTime& t) {
        const double reference = stockId == 2 ? 1250.0 : 230.0;
        const int minute = t.clockMinute < 510 ? 150 : std::min(t.clockMinute - 510, 150);
        return sim::IndexSummary{
            sessionDay(t),         minute, reference * (1.0 + 0.0001 * minute), reference, 2.0e13 * minute / 150.0,
            8.0e8 * minute / 150.0};
    };
    return market;
}

} // namespace infotest
