#pragma once

#include "NewsWriter.h"
#include "SimTypes.h"

#include <string>
#include <vector>

namespace sim {

class Noise;
struct Company;
struct MarketView;

/// news.aspx: the latest headline news (company id 0) or, with companyid=, the latest news of
/// one company. Items come oldest first, each with its day key and clock minute; none lies after
/// the clock.
class NewsPage final {
public:
    NewsPage(const Noise& noise, const MarketView& market);

    std::string answer(const std::string* companyId, const SimTime& t) const;

    static constexpr int kHeadlinesPerDay = 25;
    static constexpr int kHeadlinesSent = 25;
    static constexpr int kCompanyItemsSent = 10;

private:
    struct Item {
        int day = 0;
        int minute = 0;
        NewsStory story;
    };

    std::vector<Item> headlines(const SimTime& t) const;
    std::vector<Item> companyNews(const Company& company, const SimTime& t) const;
    int headlineMinute(int day, int slot) const;
    static std::string render(const std::vector<Item>& newestFirst, int companyId, int day);

    const Noise& m_noise;
    const MarketView& m_market;
    NewsWriter m_writer;
};

} // namespace sim
