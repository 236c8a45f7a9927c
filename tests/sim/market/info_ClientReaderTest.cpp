#include "info/InfoPages.h"
#include "info_AnswerReading.h"
#include "net/AnswerReader.h"

#include <QString>

#include <gtest/gtest.h>

using namespace infotest;
using sim::Request;
using sim::SimTime;

namespace {

struct PageCase {
    Request request;
    qsizetype fieldCount;
    std::size_t records;
};

// The client's own reader sees the records the pages mean to send, with the same fields.
TEST(InfoClientReaderTest, ClientReaderFindsEveryRecordOfEveryPage) {
    const sim::InfoPages pages(fakeMarket(), kSeed);
    const SimTime t{kMonday, 640};
    const PageCase cases[] = {
        {Request{"realtime.aspx", {{"type", "3"}}}, 6, 10},
        {Request{"realtime.aspx", {{"type", "4"}}}, 6, 16},
        {Request{"realtime.aspx", {{"type", "5"}}}, 6, 10},
        {Request{"realtime.aspx", {{"type", "7"}, {"lastupdate", "600"}}}, 3, 8},
        {Request{"realtime.aspx", {{"type", "8"}, {"lastupdate", "0"}}}, 4, 11},
        {Request{"realtime.aspx", {{"type", "10"}, {"companyid", "3"}}}, 8, 10},
        {Request{"news.aspx", {}}, 5, 25},
    };
    for (const PageCase& page : cases) {
        const std::string body = pages.answer(page.request, t).body;
        const net::Answer answer = net::readAnswer(QByteArrayView(body.data(), qsizetype(body.size())));
        EXPECT_TRUE(answer.isSuccess());
        EXPECT_EQ(answer.headerText(2), QString::number(t.day));
        const auto records = answer.recordsWithFieldCount(page.fieldCount);
        ASSERT_EQ(records.size(), page.records) << body;
        const auto mine = readAnswer(body).ofSize(static_cast<std::size_t>(page.fieldCount));
        for (std::size_t i = 0; i < records.size(); ++i) {
            for (qsizetype f = 0; f < page.fieldCount; ++f) {
                EXPECT_EQ(records[i].text(f).toStdString(), mine[i][static_cast<std::size_t>(f)]);
            }
        }
    }
}

TEST(InfoClientReaderTest, ClientReaderShowsTheUnknownCompanyMessage) {
    const sim::InfoPages pages(fakeMarket(), kSeed);
    const std::string body =
        pages.answer(Request{"realtime.aspx", {{"type", "10"}, {"companyid", "404"}}}, SimTime{kMonday, 600}).body;
    const net::Answer answer = net::readAnswer(QByteArrayView(body.data(), qsizetype(body.size())));
    EXPECT_FALSE(answer.isSuccess());
    EXPECT_EQ(answer.headerText(2), QStringLiteral("Mã chứng khoán không tồn tại"));
}

} // namespace
