#include "ServiceFixture.h"
#include "server/FaultInjector.h"

#include <gtest/gtest.h>

namespace {

sim::ServiceOptions faults(double fail, double error, double garbage) {
    sim::ServiceOptions options;
    options.failRate = fail;
    options.errorRate = error;
    options.garbageRate = garbage;
    return options;
}

TEST(FaultInjectionTest, FailRateOneDropsEveryConnection) {
    simtest::ServiceHarness harness(faults(1, 0, 0));
    EXPECT_FALSE(harness.get("CheckAlert.aspx?version=1&type=IPN&imei=d"));
    EXPECT_FALSE(harness.get("portfolio.aspx?session=x"));
}

TEST(FaultInjectionTest, ErrorRateOneAnswersStatusOneWithAMessage) {
    simtest::ServiceHarness harness(faults(0, 1, 0));
    auto realtime = harness.answer("realtime.aspx?type=2&StockID=1&lastupdate=0&imei=d");
    EXPECT_EQ(realtime.status(), 1);
    EXPECT_FALSE(realtime.headerText(2).isEmpty());
    auto login = harness.answer("login.aspx?username=demo&pass=" + simtest::md5("demo") + "&imei=d");
    EXPECT_EQ(login.status(), 1);
    EXPECT_FALSE(login.headerText(3).isEmpty());
    auto registration = net::splitColonOnly(QString::fromStdString(harness.body("Register.aspx?username=a&email=b")));
    EXPECT_EQ(registration.value(1), "1");
    EXPECT_EQ(registration.value(3), "Register failed;\n");
}

TEST(FaultInjectionTest, GarbageKeepsTheGoodRecordsReadable) {
    simtest::ServiceHarness clean;
    simtest::ServiceHarness garbled(faults(0, 0, 1));
    const std::string login = "login.aspx?username=demo&pass=" + simtest::md5("demo") + "&imei=d";
    const auto good = clean.answer(login);
    const std::string body = garbled.body(login);
    const auto bad = simtest::read(body);
    ASSERT_TRUE(bad.isSuccess());
    EXPECT_EQ(bad.headerText(2), good.headerText(2));
    for (int count : {2, 8}) {
        const auto expected = good.recordsWithFieldCount(count);
        const auto actual = bad.recordsWithFieldCount(count);
        ASSERT_EQ(actual.size(), expected.size()) << count;
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_EQ(actual[i].toStringList(), expected[i].toStringList());
        }
    }
    EXPECT_GT(bad.records().size(), good.records().size());
    EXPECT_NE(body.find(";\n;"), std::string::npos);
}

TEST(FaultInjectionTest, FaultsComeFromTheSeed) {
    auto sequence = [](std::uint64_t seed) {
        auto options = faults(0.5, 0.5, 0.5);
        options.seed = seed;
        sim::FaultInjector injector(options);
        std::vector<sim::Fault> drawn;
        for (int i = 0; i < 64; ++i) {
            drawn.push_back(injector.draw());
        }
        return drawn;
    };
    EXPECT_EQ(sequence(7), sequence(7));
    EXPECT_NE(sequence(7), sequence(8));
    const auto drawn = sequence(7);
    EXPECT_NE(std::count(drawn.begin(), drawn.end(), sim::Fault::Drop), 0);
    EXPECT_NE(std::count(drawn.begin(), drawn.end(), sim::Fault::None), 0);
}

// A bad spell ends while the service runs: the answers are good again at once, and the counts
// tell what was served meanwhile.
TEST(FaultInjectionTest, RatesSwitchWhileServingAndEachFaultIsCounted) {
    simtest::ServiceHarness harness(faults(1, 0, 0));
    const std::string alert = "CheckAlert.aspx?version=1&type=IPN&imei=d";
    EXPECT_FALSE(harness.get(alert));
    harness.service->faults().setRates(sim::FaultRates{0, 0, 1, 0});
    EXPECT_EQ(harness.answer(alert).status(), 1);
    harness.service->faults().setRates(sim::FaultRates{0, 0, 0, 1});
    EXPECT_NE(harness.body(alert).find("#,#"), std::string::npos);
    harness.service->faults().setRates({});
    EXPECT_EQ(harness.body(alert).find('#'), std::string::npos);
    const sim::FaultCounts counts = harness.service->faults().counts();
    EXPECT_EQ(counts.requests, 4);
    EXPECT_EQ(counts.drops, 1);
    EXPECT_EQ(counts.errors, 1);
    EXPECT_EQ(counts.garbage, 1);
}

} // namespace
