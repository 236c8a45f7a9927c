#include "ServiceFixture.h"

#include <gtest/gtest.h>

namespace {

// Qt's network access offers every encoding it can read; the service answers a client on the same
// machine as it is, since compressing (Brotli at its slowest) cost far more than it saved.
TEST(UncompressedAnswerTest, AnAnswerGoesOutAsItIsWhateverTheClientAccepts) {
    simtest::ServiceHarness harness;
    const std::string page = "realtime.aspx?type=2&StockID=2&lastupdate=0&imei=d";
    httplib::Client client("127.0.0.1", harness.service->port());
    client.set_decompress(false);
    const auto offered = client.Get("/KTRPW/" + page, {{"Accept-Encoding", "gzip, deflate, br"}});
    ASSERT_TRUE(offered);
    EXPECT_FALSE(offered->has_header("Content-Encoding"));
    EXPECT_EQ(offered->get_header_value("Content-Type"), "text/plain; charset=utf-8");
    EXPECT_GT(offered->body.size(), 1000u);
    EXPECT_EQ(offered->body, harness.body(page));
}

} // namespace
