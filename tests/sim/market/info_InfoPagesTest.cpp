#include "info/CivilDate.h"
#include "info/InfoPages.h"
#include "info_AnswerReading.h"

#include <gtest/gtest.h>

using namespace infotest;
using sim::Request;
using sim::SimTime;

namespace {

Request realtime(const std::string& type, std::map<std::string, std::string> more = {}) {
    more["type"] = type;
    more["imei"] = "device";
    return Request{"realtime.aspx", more};
}

class InfoPagesTest : public ::testing::Test {
protected:
    sim::InfoPages m_pages{fakeMarket(), kSeed};
    SimTime m_t{kMonday, 640};

    ReadAnswer read(const Request& request) const { return readAnswer(m_pages.answer(request, m_t).body); }
};

TEST_F(InfoPagesTest, HandlesItsRealtimeTypesAndNews) {
    for (const std::string type : {"3", "4", "5", "7", "8", "10"}) {
        EXPECT_TRUE(m_pages.handles(realtime(type))) << type;
    }
    for (const std::string type : {"1", "2", "9", "11", "12", "", "x"}) {
        EXPECT_FALSE(m_pages.handles(realtime(type))) << type;
    }
    EXPECT_FALSE(m_pages.handles(Request{"realtime.aspx", {}}));
    EXPECT_TRUE(m_pages.handles(Request{"news.aspx", {{"imei", "device"}}}));
    EXPECT_TRUE(m_pages.handles(Request{"Realtime.aspx", {{"type", "3"}}}));
    EXPECT_FALSE(m_pages.handles(Request{"default.aspx", {{"type", "3"}}}));
    EXPECT_FALSE(m_pages.handles(Request{"Portfolio.aspx", {}}));
}

TEST_F(InfoPagesTest, RoutesEachTypeToItsLayout) {
    EXPECT_EQ(read(realtime("3")).ofSize(6).size(), 10U);
    EXPECT_EQ(read(realtime("4")).ofSize(6).size(), 16U);
    EXPECT_EQ(read(realtime("5")).ofSize(6).size(), 10U);
    EXPECT_EQ(read(realtime("7", {{"lastupdate", "0"}})).ofSize(7).size(), 1U);
    EXPECT_EQ(read(realtime("8", {{"lastupdate", "0"}})).ofSize(9).size(), 1U);
    EXPECT_EQ(read(realtime("10", {{"companyid", "2"}})).ofSize(10).size(), 1U);
    EXPECT_EQ(read(Request{"news.aspx", {{"imei", "x"}}}).ofSize(5).size(), 25U);
    const auto companyNews = read(Request{"news.aspx", {{"companyid", "1"}, {"session", "s"}}}).ofSize(5);
    ASSERT_FALSE(companyNews.empty());
    EXPECT_EQ(companyNews.front()[2], "1");
}

TEST_F(InfoPagesTest, GoldRevisionComesFromLastUpdate) {
    EXPECT_EQ(read(realtime("7", {{"lastupdate", "0"}})).ofSize(3).size(), 128U); // 00:05 … 10:40
    EXPECT_EQ(read(realtime("7", {{"lastupdate", "600"}})).ofSize(3).size(), 8U);
    EXPECT_EQ(read(realtime("8", {{"lastupdate", "600"}})).ofSize(4).size(), 2U);
    EXPECT_EQ(read(realtime("8", {{"lastupdate", "oops"}})).ofSize(4).size(), 11U); // from scratch
}

TEST_F(InfoPagesTest, EveryAnswerSucceedsWithThe200Status) {
    for (const std::string type : {"3", "4", "5", "7", "8"}) {
        const sim::Response response = m_pages.answer(realtime(type), m_t);
        EXPECT_EQ(response.httpStatus, 200);
        EXPECT_EQ(readAnswer(response.body).status(), 0) << type;
    }
}

TEST_F(InfoPagesTest, UnknownCompanyErrorsUseEachPagesMessageField) {
    const auto finance = m_pages.answer(realtime("10", {{"companyid", "77"}}), m_t);
    EXPECT_EQ(finance.body, sim::errorAnswer(true, "Mã chứng khoán không tồn tại"));
    EXPECT_EQ(finance.httpStatus, 200);
    const auto news = m_pages.answer(Request{"news.aspx", {{"companyid", "77"}}}, m_t);
    EXPECT_EQ(news.body, sim::errorAnswer(false, "Mã chứng khoán không tồn tại"));
}

TEST_F(InfoPagesTest, SameSeedMarketAndClockGiveTheSameBytes) {
    const sim::InfoPages again(fakeMarket(), kSeed);
    const sim::InfoPages otherSeed(fakeMarket(), kSeed + 7);
    for (const Request& request : {realtime("3"), realtime("4"), realtime("5"), realtime("7", {{"lastupdate", "0"}}),
                                   realtime("8", {{"lastupdate", "0"}}), realtime("10", {{"companyid", "3"}}),
                                   Request{"news.aspx", {}}, Request{"news.aspx", {{"companyid", "4"}}}}) {
        EXPECT_EQ(again.answer(request, m_t).body, m_pages.answer(request, m_t).body);
        EXPECT_NE(otherSeed.answer(request, m_t).body, m_pages.answer(request, m_t).body);
    }
}

TEST(InfoCalendarTest, DayKeysMatchTheCalendar) {
    EXPECT_EQ((sim::CivilDate{2010, 1, 1}.toDay()), 3653);
    EXPECT_EQ((sim::CivilDate{2000, 1, 1}.toDay()), 0);
    EXPECT_EQ(sim::CivilDate::weekday(0), 5); // a Saturday
    EXPECT_EQ(sim::CivilDate::weekday(kMonday), 0);
    const sim::CivilDate monday = sim::CivilDate::fromDay(kMonday);
    EXPECT_EQ(monday.year, 2012);
    EXPECT_EQ(monday.month, 8);
    EXPECT_EQ(monday.dayOfMonth, 6);
    for (int day = -800; day < 20000; day += 13) {
        EXPECT_EQ(sim::CivilDate::fromDay(day).toDay(), day);
    }
}

} // namespace
