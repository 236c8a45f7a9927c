#include "info/NewsPage.h"
#include "info/Noise.h"
#include "info_AnswerReading.h"
#include "info_FakeFacts.h"

#include <gtest/gtest.h>

using namespace infotest;
using sim::SimTime;

namespace {

class NewsPageTest : public ::testing::Test {
protected:
    sim::Noise m_noise{kSeed};
    sim::MarketView m_market = fakeMarket();
    sim::NewsPage m_page{m_noise, m_market, fakeFacts()};

    std::string companyNews(const std::string& id, const SimTime& t = SimTime{kMonday + 2, 900}) const {
        return m_page.answer(&id, t);
    }
};

// Every ";" must end a record and every record must split into exactly five fields: a stray
// separator inside a title or text would change either count.
void expectCleanNewsAnswer(const std::string& body, std::size_t items) {
    const std::vector<std::string> raw = split(body, ';');
    ASSERT_EQ(raw.size(), items + 2) << "header, items and the closing line break";
    EXPECT_EQ(raw.back(), "\n");
    for (std::size_t i = 1; i <= items; ++i) {
        EXPECT_EQ(split(raw[i], ',').size(), 5U) << raw[i];
        EXPECT_EQ(raw[i].find(':'), std::string::npos) << raw[i];
    }
}

bool notAfter(const std::vector<std::string>& item, const SimTime& t) {
    return whole(item[0]) < t.day || (whole(item[0]) == t.day && whole(item[1]) <= t.clockMinute);
}

TEST_F(NewsPageTest, HeadlinesAreTwentyFiveFiveFieldRecordsOfIdZero) {
    const SimTime t{kMonday, 800};
    const std::string body = m_page.answer(nullptr, t);
    expectCleanNewsAnswer(body, 25);
    const ReadAnswer answer = readAnswer(body);
    EXPECT_EQ(answer.status(), 0);
    ASSERT_EQ(answer.ofSize(5).size(), 25U);
    for (const auto& item : answer.ofSize(5)) {
        EXPECT_EQ(item[2], "0");
        EXPECT_TRUE(notAfter(item, t)) << item[0] << " " << item[1];
    }
}

TEST_F(NewsPageTest, HeadlinesComeOldestFirstAtDistinctTimes) {
    const auto items = readAnswer(m_page.answer(nullptr, SimTime{kMonday, 1000})).ofSize(5);
    for (std::size_t i = 1; i < items.size(); ++i) {
        const auto before = std::make_pair(whole(items[i - 1][0]), whole(items[i - 1][1]));
        const auto after = std::make_pair(whole(items[i][0]), whole(items[i][1]));
        EXPECT_LT(before, after);
    }
    EXPECT_EQ(whole(items.back()[0]), kMonday);
    EXPECT_LT(whole(items.front()[0]), kMonday - 2) << "a quiet weekend: the answer reaches back to last week";
}

TEST_F(NewsPageTest, ArticleTextHasSeveralLinesHeadedByTheTitle) {
    for (const auto& item : readAnswer(m_page.answer(nullptr, SimTime{kMonday, 1000})).ofSize(5)) {
        const auto lines = split(item[4], '\n');
        EXPECT_GE(lines.size(), 3U);
        EXPECT_EQ(lines.front(), item[3]);
        EXPECT_EQ(item[3].find('\n'), std::string::npos);
        EXPECT_FALSE(item[3].empty());
    }
}

TEST_F(NewsPageTest, NewHeadlinesArriveAsTheClockMoves) {
    const auto morning = readAnswer(m_page.answer(nullptr, SimTime{kMonday, 400})).ofSize(5);
    const auto evening = readAnswer(m_page.answer(nullptr, SimTime{kMonday, 1400})).ofSize(5);
    const auto newest = [](const auto& items) {
        return std::make_pair(whole(items.back()[0]), whole(items.back()[1]));
    };
    EXPECT_LT(newest(morning), newest(evening));
    EXPECT_EQ(whole(evening.back()[0]), kMonday);
}

TEST_F(NewsPageTest, CompanyNewsNamesTheCompany) {
    for (const auto& company : m_market.companies) {
        const std::string body = companyNews(std::to_string(company.id));
        const ReadAnswer answer = readAnswer(body);
        EXPECT_EQ(answer.status(), 0);
        const auto items = answer.ofSize(5);
        ASSERT_FALSE(items.empty()) << company.code;
        EXPECT_LE(items.size(), static_cast<std::size_t>(sim::NewsPage::kCompanyItemsSent));
        expectCleanNewsAnswer(body, items.size());
        const std::string name = sim::NewsStory::withoutSeparators(company.name);
        for (const auto& item : items) {
            EXPECT_EQ(item[2], std::to_string(company.id));
            EXPECT_NE(item[3].find(name), std::string::npos) << item[3];
            EXPECT_NE(item[4].find(company.code), std::string::npos) << item[4];
        }
    }
}

TEST_F(NewsPageTest, CompanyNewsNeverLiesAfterTheClockNorOnWeekends) {
    const SimTime t{kMonday + 2, 430};
    const auto items = readAnswer(companyNews("1", t)).ofSize(5);
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_TRUE(notAfter(items[i], t));
        EXPECT_LT((whole(items[i][0]) + 5) % 7, 5) << "weekday";
        if (i > 0) {
            EXPECT_LT(std::make_pair(whole(items[i - 1][0]), whole(items[i - 1][1])),
                      std::make_pair(whole(items[i][0]), whole(items[i][1])));
        }
    }
}

TEST_F(NewsPageTest, UnknownCompanyGetsTheServiceErrorInFieldThree) {
    const std::string body = companyNews("4242");
    EXPECT_EQ(body, sim::errorAnswer(false, "Mã chứng khoán không tồn tại"));
    const ReadAnswer answer = readAnswer(body);
    EXPECT_EQ(answer.status(), 1);
    EXPECT_EQ(answer.header.at(3), "Mã chứng khoán không tồn tại");
}

TEST_F(NewsPageTest, SameInputsGiveTheSameBytes) {
    const sim::Noise same(kSeed);
    const sim::NewsPage other(same, m_market, fakeFacts());
    const SimTime t{kMonday + 1, 1111};
    EXPECT_EQ(other.answer(nullptr, t), m_page.answer(nullptr, t));
    const std::string id = "5";
    EXPECT_EQ(other.answer(&id, t), m_page.answer(&id, t));
}

} // namespace
