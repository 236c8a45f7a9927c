#include "NewsPage.h"

#include "AnswerText.h"
#include "CivilDate.h"
#include "CompanyLookup.h"
#include "MarketView.h"
#include "Noise.h"

namespace sim {

namespace {

constexpr std::uint64_t kStream = 800;
// Headlines run from 06:00 to about 22:00, one slot of 38 minutes each.
constexpr int kFirstHeadline = 360;
constexpr int kHeadlineSlot = 38;
// Company news comes out on some weekdays during office hours.
constexpr double kCompanyNewsChance = 0.3;
constexpr int kCompanyNewsFrom = 420;
constexpr int kCompanyNewsUntil = 1080;
constexpr int kCompanyNewsLookBack = 180;

} // namespace

NewsPage::NewsPage(const Noise& noise, const MarketView& market)
    : m_noise(noise)
    , m_market(market)
    , m_writer(noise) {}

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

int NewsPage::headlineMinute(int day, int slot) const {
    return kFirstHeadline + slot * kHeadlineSlot + m_noise.between(0, kHeadlineSlot - 9, kStream + 1U, day, slot);
}

std::vector<NewsPage::Item> NewsPage::headlines(const SimTime& t) const {
    std::vector<Item> items;
    for (int day = t.day; static_cast<int>(items.size()) < kHeadlinesSent; --day) {
        for (int slot = kHeadlinesPerDay - 1; slot >= 0 && static_cast<int>(items.size()) < kHeadlinesSent; --slot) {
            const int minute = headlineMinute(day, slot);
            if (day == t.day && minute > t.clockMinute) {
                continue;
            }
            items.push_back(Item{day, minute, m_writer.headline(day, slot, minute)});
        }
    }
    return items;
}

std::vector<NewsPage::Item> NewsPage::companyNews(const Company& company, const SimTime& t) const {
    std::vector<Item> items;
    for (int day = t.day; day > t.day - kCompanyNewsLookBack && static_cast<int>(items.size()) < kCompanyItemsSent;
         --day) {
        if (CivilDate::isWeekend(day) || m_noise.unit(kStream + 2U, company.id, day) >= kCompanyNewsChance) {
            continue;
        }
        const int minute = m_noise.between(kCompanyNewsFrom, kCompanyNewsUntil, kStream + 3U, company.id, day);
        if (day == t.day && minute > t.clockMinute) {
            continue;
        }
        items.push_back(Item{day, minute, m_writer.companyStory(company, day)});
    }
    return items;
}

std::string NewsPage::render(const std::vector<Item>& newestFirst, int companyId, int day) {
    AnswerText answer(day);
    const std::string id = std::to_string(companyId);
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) {
        answer.addRecord({std::to_string(it->day), std::to_string(it->minute), id, it->story.title, it->story.content});
    }
    return answer.text();
}

} // namespace sim
