#include "WorldGoldPage.h"

#include "AnswerText.h"

#include <algorithm>

namespace sim {

namespace {

InstrumentProfile worldGoldProfile() {
    InstrumentProfile profile;
    profile.key = 400;
    profile.base = 1650.0;
    profile.dailyMove = 0.01;
    profile.openMinute = 0;
    profile.sessionLength = 1440;
    profile.weekdayMask = 0x7FU; // the chart spans every day from 00:00 to 24:00
    profile.tick = 0.01;
    return profile;
}

} // namespace

WorldGoldPage::WorldGoldPage(const Noise& noise)
    : m_gold(noise, worldGoldProfile()) {}

std::string WorldGoldPage::answer(const SimTime& t, int lastUpdate) const {
    AnswerText answer(t.day);
    // No price at minute 0: a revision of 0 means "from the start" to the client, and a record
    // there would come back with every later answer.
    const int first = std::max(kStep, (lastUpdate / kStep + 1) * kStep);
    for (int minute = first; minute <= t.clockMinute; minute += kStep) {
        answer.addRecord({"1", std::to_string(minute), AnswerText::fixed(m_gold.valueDuring(t.day, minute), 2)});
    }
    const double price = m_gold.valueDuring(t.day, t.clockMinute);
    const double yesterday = m_gold.close(t.day - 1);
    const double change = price - yesterday;
    answer.addRecord({"1", AnswerText::fixed(change, 2), AnswerText::fixed(change / yesterday * 100.0, 2),
                      std::to_string(t.clockMinute), AnswerText::fixed(price, 2), AnswerText::fixed(yesterday, 2),
                      std::to_string(t.day)});
    return answer.text();
}

} // namespace sim
