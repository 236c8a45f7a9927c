#include "NewsPage.h"

#include "AnswerText.h"
#include "CompanyLookup.h"
#include "MarketView.h"

#include <algorithm>
#include <cstddef>
#include <set>

namespace sim {

namespace {

// Even a long holiday leaves the price stories of the world markets, so a few weeks always
// hold enough headlines; a year holds a company's quarterly results and yearly events.
constexpr int kHeadlineLookBack = 40;
constexpr int kCompanyNewsLookBack = 365;

bool after(const TimedStory& story, const SimTime& t) {
    return story.day > t.day || (story.day == t.day && story.minute > t.clockMinute);
}

} // namespace

NewsPage::NewsPage(const Noise& noise, const MarketView& market, const NewsFacts& facts)
    : m_market(market)
    , m_writer(noise, market, facts) {}

std::string NewsPage::answer(const std::string* companyId, const SimTime& t) const {
    if (companyId == nullptr) {
        return render(headlines(t), 0, t.day);
    }
    const Company* company = CompanyLookup::find(m_market, companyId);
    if (company == nullptr) {
        return errorAnswer(false, CompanyLookup::kUnknownCompany);
    }
    return render(companyNews(*company, t), company->id, t.day);
}

std::vector<TimedStory> NewsPage::headlines(const SimTime& t) const {
    // Picked newest first, so the limit drops the oldest.
    std::vector<TimedStory> picked;
    std::set<std::string> titles;
    const auto full = [&picked] {
        return static_cast<int>(picked.size()) >= kHeadlinesSent;
    };
    for (int day = t.day; day > t.day - kHeadlineLookBack && !full(); --day) {
        const std::vector<TimedStory> stories = m_writer.headlinesOf(day);
        for (auto it = stories.rbegin(); it != stories.rend() && !full(); ++it) {
            // Two days' figures can happen to read alike; the newer telling is the one sent.
            if (!after(*it, t) && titles.insert(it->story.title).second) {
                picked.push_back(*it);
            }
        }
    }
    std::reverse(picked.begin(), picked.end());
    return picked;
}

std::vector<TimedStory> NewsPage::companyNews(const Company& company, const SimTime& t) const {
    std::vector<TimedStory> stories = m_writer.companyNews(company, t.day - kCompanyNewsLookBack, t.day);
    stories.erase(
        std::remove_if(stories.begin(), stories.end(), [&t](const TimedStory& story) { return after(story, t); }),
        stories.end());
    const auto dropped = std::max<std::ptrdiff_t>(0, static_cast<std::ptrdiff_t>(stories.size()) - kCompanyItemsSent);
    stories.erase(stories.begin(), stories.begin() + dropped);
    return stories;
}

std::string NewsPage::render(const std::vector<TimedStory>& oldestFirst, int companyId, int day) {
    AnswerText answer(day);
    const std::string id = std::to_string(companyId);
    for (const TimedStory& item : oldestFirst) {
        answer.addRecord(
            {std::to_string(item.day), std::to_string(item.minute), id, item.story.title, item.story.content});
    }
    return answer.text();
}

} // namespace sim
