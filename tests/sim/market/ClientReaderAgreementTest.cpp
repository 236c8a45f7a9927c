// The client's own answer reader must read the market pages as the service means them.
#if __has_include("net/AnswerReader.h")

#include "AnswerSplitter.h"
#include "market/Market.h"
#include "net/AnswerReader.h"

#include <gtest/gtest.h>

namespace {

using namespace markettest;

class ClientReaderAgreementTest : public ::testing::Test {
protected:
    net::Answer read(const sim::Request& page, const sim::SimTime& t) const {
        const std::string body = m_market.answer(page, t).body;
        return net::readAnswer(QByteArrayView(body.data(), static_cast<qsizetype>(body.size())));
    }

    sim::Market m_market{77};
};

TEST_F(ClientReaderAgreementTest, EndOfDayAnswerReadsAsCompaniesIndexDaysAndQuotes) {
    const net::Answer answer =
        read(request("default.aspx", {{"lastupdate", "0"}, {"numofday", "7"}}), at(kSaturday, 9, 0));
    ASSERT_TRUE(answer.isSuccess());
    EXPECT_EQ(answer.headerField(2).toInt(), kFriday);
    const auto companies = answer.recordsWithFieldCount(4);
    ASSERT_EQ(companies.size(), m_market.companies().size());
    EXPECT_EQ(answer.recordsWithFieldCount(9).size(), 14U);
    EXPECT_EQ(answer.recordsWithFieldCount(17).size(), 7 * m_market.companies().size());
    const sim::Company& first = m_market.companies().front();
    EXPECT_EQ(companies.front().intAt(0), first.id);
    EXPECT_EQ(companies.front().text(3), QString::fromStdString(first.name));
}

TEST_F(ClientReaderAgreementTest, OverviewFeedReadsAsMinutesAndIndexRecords) {
    const net::Answer answer =
        read(request("realtime.aspx", {{"type", "1"}, {"lastupdate", "100"}}), atMarketMinute(kThursday, 110));
    ASSERT_TRUE(answer.isSuccess());
    EXPECT_EQ(answer.headerField(2).toInt(), kThursday);
    const auto minutes = answer.recordsWithFieldCount(4);
    ASSERT_EQ(minutes.size(), 15U); // HNX 101-110, HoSE 101-105
    EXPECT_EQ(minutes.front().intAt(0), 1);
    EXPECT_EQ(minutes.front().intAt(1), 101);
    const auto indices = answer.recordsWithFieldCount(9);
    ASSERT_EQ(indices.size(), 2U);
    EXPECT_EQ(indices.front().intAt(3), 110);
    EXPECT_EQ(indices.back().intAt(8), kThursday);
}

TEST_F(ClientReaderAgreementTest, QuoteAnswersReadAsTheLocalSplitterReadsThem) {
    const std::string id = std::to_string(m_market.companies()[3].id);
    for (const sim::Request& page : {request("realtime.aspx", {{"type", "2"}, {"StockID", "2"}, {"lastupdate", "0"}}),
                                     request("realtime.aspx", {{"type", "9"}, {"companyid", id}, {"lastupdate", "0"}}),
                                     request("realtime.aspx", {{"type", "12"}, {"companyids", id}})}) {
        const sim::SimTime t = atMarketMinute(kThursday, 64);
        const net::Answer answer = read(page, t);
        const SplitAnswer local = splitAnswer(m_market.answer(page, t).body);
        ASSERT_EQ(answer.headerFieldCount(), static_cast<qsizetype>(local.header.size()));
        const auto quotes = answer.recordsWithFieldCount(17);
        const auto localQuotes = local.withFieldCount(17);
        ASSERT_EQ(quotes.size(), localQuotes.size());
        ASSERT_FALSE(quotes.empty());
        for (qsizetype f = 0; f < 17; ++f) {
            EXPECT_EQ(quotes.back().text(f), QString::fromStdString(localQuotes.back()[static_cast<std::size_t>(f)]));
        }
    }
}

TEST_F(ClientReaderAgreementTest, ErrorAnswerCarriesItsMessageInField2) {
    const net::Answer answer =
        read(request("realtime.aspx", {{"type", "9"}, {"companyid", "0"}, {"lastupdate", "0"}}), at(kThursday, 9, 0));
    EXPECT_EQ(answer.status(), 1);
    EXPECT_EQ(answer.headerText(2), QStringLiteral("Mã chứng khoán không tồn tại"));
}

} // namespace

#endif
