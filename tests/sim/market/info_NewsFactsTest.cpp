#include "info/CivilDate.h"
#include "info/InfoPages.h"
#include "info_AnswerReading.h"
#include "market/Market.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>

using namespace infotest;
using sim::Request;
using sim::SimTime;

namespace {

struct Headline {
    int day = 0;
    int minute = 0;
    std::string title;
    std::vector<std::string> lines;
};

/// A move as a story tells it: "tăng 1.5 điểm lên 1250.25", "giảm … xuống …" or "đứng yên ở …".
struct Move {
    double change = 0.0;
    double level = 0.0;
};

std::optional<Move> moveIn(const std::string& text) {
    static const std::regex moved("(tăng|giảm) ([0-9.]+) [^0-9]*(lên|xuống) ([0-9.]+)");
    static const std::regex still("đứng yên ở ([0-9.]+)");
    std::smatch match;
    if (std::regex_search(text, match, moved)) {
        const double size = std::stod(match[2].str());
        return Move{match[1].str() == "tăng" ? size : -size, std::stod(match[4].str())};
    }
    if (std::regex_search(text, match, still)) {
        return Move{0.0, std::stod(match[1].str())};
    }
    return std::nullopt;
}

double amountBefore(const std::string& text, const std::string& unit) {
    std::smatch match;
    const std::regex amount("([0-9.]+) " + unit);
    return std::regex_search(text, match, amount) ? std::stod(match[1].str()) : -1.0;
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// What a headline is about; a day tells each subject once at most.
std::string subjectOf(const std::string& title) {
    static const std::vector<std::pair<std::string, std::string>> kSubjects = {
        {"VN-Index", "market"},
        {"Thanh khoản", "liquidity"},
        {"Khối ngoại", "foreign"},
        {"hóm cổ phiếu", "sectors"},
        {"Dow Jones", "wall street"},
        {"Giá dầu", "oil"},
        {"Giá vàng", "gold"},
        {"Giá USD", "usd"},
        {"châu Á", "asia"},
        {"Xuất khẩu", "exports"},
        {"giá tiêu dùng", "consumer prices"},
        {"Ngân hàng Nhà nước", "policy rates"},
        {"Bộ Tài chính", "rules"},
    };
    for (const auto& [mark, subject] : kSubjects) {
        if (has(title, mark)) {
            return subject;
        }
    }
    return {};
}

bool isSessionStory(const std::string& subject) {
    return subject == "market" || subject == "liquidity" || subject == "foreign" || subject == "sectors";
}

// Ninety days of mid-2024 over the real market, checked against the feeds the same service
// answers at each story's minute. The evening answers are read once for the whole suite.
class NewsFactsTest : public ::testing::Test {
protected:
    static constexpr int kDays = 90;

    static void SetUpTestSuite() {
        s_market = std::make_unique<sim::Market>(kSeed);
        s_pages = std::make_unique<sim::InfoPages>(*s_market, kSeed);
        s_evenings = std::make_unique<std::map<int, std::vector<Headline>>>();
        for (int day = s_first; day < s_first + kDays; ++day) {
            (*s_evenings)[day] = headlinesAt(SimTime{day, 1439, 0});
        }
    }

    static void TearDownTestSuite() {
        s_evenings.reset();
        s_pages.reset();
        s_market.reset();
    }

    static ReadAnswer ask(const Request& request, const SimTime& t) {
        if (s_market->handles(request)) {
            return readAnswer(s_market->answer(request, t).body);
        }
        return readAnswer(s_pages->answer(request, t).body);
    }

    static std::vector<Headline> headlinesAt(const SimTime& t) {
        std::vector<Headline> headlines;
        for (const auto& item : ask(Request{"news.aspx", {}}, t).ofSize(5)) {
            headlines.push_back(Headline{whole(item[0]), whole(item[1]), item[3], split(item[4], '\n')});
        }
        return headlines;
    }

    /// Every headline of the day: late in the evening the answer reaches back past its start.
    static std::vector<Headline> headlinesOf(int day) {
        std::vector<Headline> ofDay;
        for (const Headline& headline : s_evenings->at(day)) {
            if (headline.day == day) {
                ofDay.push_back(headline);
            }
        }
        return ofDay;
    }

    /// The record of the feed answer whose field `idField` is id.
    static std::vector<std::string> feedRecord(const std::string& type, std::size_t fields, std::size_t idField,
                                               const std::string& id, const SimTime& t) {
        for (const auto& record : ask(Request{"realtime.aspx", {{"type", type}}}, t).ofSize(fields)) {
            if (record[idField] == id) {
                return record;
            }
        }
        ADD_FAILURE() << "no record " << id << " in type " << type;
        std::vector<std::string> zeros(fields, "0");
        return zeros;
    }

    static inline std::unique_ptr<sim::Market> s_market;
    static inline std::unique_ptr<sim::InfoPages> s_pages;
    static inline std::unique_ptr<std::map<int, std::vector<Headline>>> s_evenings;
    static inline const int s_first = sim::CivilDate{2024, 5, 2}.toDay();
};

TEST_F(NewsFactsTest, FiguresAreThoseTheFeedsShowAtTheStorysMinute) {
    std::map<std::string, int> checked;
    for (int day = s_first; day < s_first + kDays; ++day) {
        for (const Headline& story : headlinesOf(day)) {
            const SimTime t{story.day, story.minute, 0};
            const std::string subject = subjectOf(story.title);
            const std::optional<Move> move = moveIn(subject == "wall street" ? story.lines.at(1) : story.title);
            if (subject == "market" || subject == "liquidity") {
                const auto hose = feedRecord("1", 9, 0, "2", t);
                const auto hnx = feedRecord("1", 9, 0, "1", t);
                const double traded = number(hose[6]) + number(hnx[6]);
                const std::string text = subject == "market" ? story.lines.back() : story.title;
                EXPECT_NEAR(amountBefore(text, "tỷ đồng"), traded, 0.51) << story.title;
                if (subject == "market") {
                    ASSERT_TRUE(move) << story.title;
                    EXPECT_NEAR(move->level, number(hose[4]), 0.001) << story.title;
                    EXPECT_NEAR(move->change, number(hose[1]), 0.001) << story.title;
                }
            } else if (subject == "wall street" || subject == "oil") {
                const auto quote = subject == "oil" ? feedRecord("5", 6, 2, "1", t) : feedRecord("3", 6, 0, "1", t);
                ASSERT_TRUE(move) << story.title;
                EXPECT_NEAR(move->level, number(quote[3]), 0.001) << story.title;
                EXPECT_NEAR(move->change, number(quote[4]), 0.001) << story.title;
            } else if (subject == "usd") {
                ASSERT_TRUE(move) << story.title;
                EXPECT_NEAR(move->level, number(feedRecord("4", 6, 2, "9", t)[3]), 0.001) << story.title;
            } else if (subject == "gold") {
                const auto quote = ask(Request{"realtime.aspx", {{"type", "8"}}}, t).ofSize(9).at(0);
                ASSERT_TRUE(move) << story.title;
                EXPECT_NEAR(move->level * 1000.0, number(quote[4]), 0.001) << story.title;
                EXPECT_NEAR(move->change, number(quote[1]), 0.001) << story.title;
            } else {
                continue;
            }
            ++checked[subject];
        }
    }
    for (const char* subject : {"market", "liquidity", "wall street", "oil", "usd", "gold"}) {
        EXPECT_GE(checked[subject], 40) << subject;
    }
}

TEST_F(NewsFactsTest, NoTitleTwiceInAnAnswerAndEachSubjectOnceADay) {
    for (int day = s_first; day < s_first + kDays; ++day) {
        for (const std::vector<Headline>& headlines : {headlinesAt(SimTime{day, 420, 0}), s_evenings->at(day)}) {
            std::set<std::string> titles;
            EXPECT_EQ(headlines.size(), 25U);
            for (const Headline& headline : headlines) {
                EXPECT_TRUE(titles.insert(headline.title).second) << day << " " << headline.title;
            }
        }
        std::set<std::string> subjects;
        for (const Headline& headline : headlinesOf(day)) {
            const std::string subject = subjectOf(headline.title);
            EXPECT_FALSE(subject.empty()) << headline.title;
            EXPECT_TRUE(subjects.insert(subject).second) << day << " " << headline.title;
        }
    }
}

TEST_F(NewsFactsTest, ADaysStoriesAgreeOnTheMarketsDirection) {
    int days = 0;
    for (int day = s_first; day < s_first + kDays; ++day) {
        std::optional<Move> market;
        const Headline* sectors = nullptr;
        const std::vector<Headline> headlines = headlinesOf(day);
        for (const Headline& headline : headlines) {
            EXPECT_FALSE(has(headline.title, "tăng") && has(headline.title, "giảm")) << headline.title;
            const std::string subject = subjectOf(headline.title);
            market = subject == "market" ? moveIn(headline.title) : market;
            sectors = subject == "sectors" ? &headline : sectors;
        }
        if (!market || sectors == nullptr) {
            continue;
        }
        ++days;
        const bool rising = market->change > 0.0;
        const bool falling = market->change < 0.0;
        EXPECT_EQ(has(sectors->title, "Dòng tiền tìm đến"), rising) << sectors->title;
        EXPECT_EQ(has(sectors->title, "chịu áp lực bán"), falling) << sectors->title;
        EXPECT_EQ(has(sectors->lines.at(1), "VN-Index tăng"), rising) << sectors->lines.at(1);
    }
    EXPECT_GE(days, 50);
}

TEST_F(NewsFactsTest, LastNightOnWallStreetOnlyOnTuesdayToSaturdayMornings) {
    std::set<int> weekdays;
    for (int day = s_first; day < s_first + kDays; ++day) {
        for (const Headline& headline : headlinesOf(day)) {
            for (const std::string& line : headline.lines) {
                if (has(line, "đêm qua")) {
                    EXPECT_LT(headline.minute, 720) << day;
                    weekdays.insert(sim::CivilDate::weekday(day));
                }
            }
        }
    }
    EXPECT_EQ(weekdays, (std::set<int>{1, 2, 3, 4, 5})) << "Tuesday to Saturday, never Sunday or Monday";
}

TEST_F(NewsFactsTest, SessionStoriesOnlyOnTradingDaysOnceTheSessionIsOver) {
    int tradingDaysWithStories = 0;
    for (int day = s_first; day < s_first + kDays; ++day) {
        int told = 0;
        for (const Headline& headline : headlinesOf(day)) {
            if (isSessionStory(subjectOf(headline.title))) {
                EXPECT_TRUE(s_market->isTradingDay(day)) << day << " " << headline.title;
                EXPECT_FALSE(sim::CivilDate::isWeekend(day)) << day << " " << headline.title;
                EXPECT_GE(headline.minute, 660) << headline.title;
                ++told;
            }
        }
        tradingDaysWithStories += told > 0 ? 1 : 0;
        if (s_market->isTradingDay(day)) {
            EXPECT_EQ(told, 4) << day;
        }
    }
    EXPECT_GE(tradingDaysWithStories, 55);
}

} // namespace
