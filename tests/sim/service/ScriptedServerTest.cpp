#include "server/ScriptedServer.h"

#include <gtest/gtest.h>
#include <httplib.h>

namespace {

sim::ScriptedAnswer answer(std::string body, int status = 200, int delayMs = 0) {
    sim::ScriptedAnswer a;
    a.body = std::move(body);
    a.status = status;
    a.delayMs = delayMs;
    return a;
}

class ScriptedServerTest : public ::testing::Test {
protected:
    httplib::Result get(const std::string& target) {
        httplib::Client client("127.0.0.1", server.port());
        client.set_read_timeout(5, 0);
        return client.Get(target);
    }

    sim::ScriptedServer server;
};

TEST_F(ScriptedServerTest, BaseUrlNamesTheLoopbackPort) {
    ASSERT_GT(server.port(), 0);
    EXPECT_EQ(server.baseUrl(), "http://127.0.0.1:" + std::to_string(server.port()));
}

TEST_F(ScriptedServerTest, AnswersTheExactBodyAndStatus) {
    server.set("/KTRPW/a.aspx", answer("KTRPW:0:8000:x;\nrow;", 200));
    server.set("/KTRPW/b.aspx", answer("gone", 503));
    auto a = get("/KTRPW/a.aspx?x=1");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->status, 200);
    EXPECT_EQ(a->body, "KTRPW:0:8000:x;\nrow;");
    auto b = get("/KTRPW/b.aspx");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->status, 503);
    EXPECT_EQ(b->body, "gone");
}

TEST_F(ScriptedServerTest, ExactQueryWinsOverPathOnly) {
    server.set("/KTRPW/p.aspx", answer("path"));
    server.set("/KTRPW/p.aspx?id=2", answer("exact"));
    EXPECT_EQ(get("/KTRPW/p.aspx?id=2")->body, "exact");
    EXPECT_EQ(get("/KTRPW/p.aspx?id=3")->body, "path");
    EXPECT_EQ(get("/KTRPW/p.aspx")->body, "path");
}

TEST_F(ScriptedServerTest, UnknownTargetIsAnEmpty404) {
    auto result = get("/KTRPW/none.aspx");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 404);
    EXPECT_TRUE(result->body.empty());
}

TEST_F(ScriptedServerTest, DelayHoldsTheAnswerBack) {
    server.set("/slow", answer("late", 200, 1500));
    httplib::Client client("127.0.0.1", server.port());
    client.set_read_timeout(0, 300 * 1000);
    auto timedOut = client.Get("/slow");
    EXPECT_FALSE(timedOut);
    client.set_read_timeout(5, 0);
    auto patient = client.Get("/slow");
    ASSERT_TRUE(patient);
    EXPECT_EQ(patient->body, "late");
}

TEST_F(ScriptedServerTest, DropGivesNoUsableAnswer) {
    sim::ScriptedAnswer dropped;
    dropped.drop = true;
    dropped.body = "never";
    server.set("/drop", dropped);
    auto result = get("/drop");
    EXPECT_FALSE(result);
}

TEST_F(ScriptedServerTest, RedirectAnswers302WithLocation) {
    sim::ScriptedAnswer moved;
    moved.redirectTo = server.baseUrl() + "/there";
    server.set("/here", moved);
    server.set("/there", answer("arrived"));
    auto direct = get("/here");
    ASSERT_TRUE(direct);
    EXPECT_EQ(direct->status, 302);
    EXPECT_EQ(direct->get_header_value("Location"), moved.redirectTo);

    httplib::Client client("127.0.0.1", server.port());
    client.set_follow_location(true);
    auto followed = client.Get("/here");
    ASSERT_TRUE(followed);
    EXPECT_EQ(followed->body, "arrived");
}

TEST_F(ScriptedServerTest, RecordsRawTargetsInOrder) {
    get("/KTRPW/a.aspx?name=C%C3%A0%20ph%C3%AA&x=%26");
    get("/KTRPW/b.aspx");
    const std::vector<std::string> expected{"/KTRPW/a.aspx?name=C%C3%A0%20ph%C3%AA&x=%26", "/KTRPW/b.aspx"};
    EXPECT_EQ(server.requestTargets(), expected);
}

} // namespace
