#pragma once

#include "NewsFacts.h"
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
/// the clock, and no headline title is sent twice.
class NewsPage final {
public:
    NewsPage(const Noise& noise, const MarketView& market, const NewsFacts& facts);

    std::string answer(const std::string* companyId, const SimTime& t) const;

    static constexpr int kHeadlinesSent = 25;
    static constexpr int kCompanyItemsSent = 10;

private:
    /// The latest items at t, oldest first.
    std::vector<TimedStory> headlines(const SimTime& t) const;
    std::vector<TimedStory> companyNews(const Company& company, const SimTime& t) const;
    static std::string render(const std::vector<TimedStory>& oldestFirst, int companyId, int day);

    const MarketView& m_market;
    NewsWriter m_writer;
};

} // namespace sim
