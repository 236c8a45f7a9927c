#include "net/MyUrlRequest.h"

#include "QtPrinters.h"
#include "net/Endpoints.h"
#include "net/NetworkActivity.h"
#include "net/RequestDelegate.h"
#include "server/ScriptedServer.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kWaitMs = 10000;

sim::ScriptedAnswer body(std::string text, int delayMs = 0) {
    sim::ScriptedAnswer answer;
    answer.body = std::move(text);
    answer.delayMs = delayMs;
    return answer;
}

sim::ScriptedAnswer bodyWithStatus(std::string text, int status) {
    sim::ScriptedAnswer answer = body(std::move(text));
    answer.status = status;
    return answer;
}

sim::ScriptedAnswer redirectTo(std::string location) {
    sim::ScriptedAnswer answer;
    answer.redirectTo = std::move(location);
    return answer;
}

sim::ScriptedAnswer dropped() {
    sim::ScriptedAnswer answer;
    answer.drop = true;
    return answer;
}

// Records every callback and signals it, so a test can wait on the event loop for it.
class RecordingDelegate final : public QObject, public net::RequestDelegate {
    Q_OBJECT

public:
    void DidFinishRequest(std::optional<QByteArray> data) override {
        answers.push_back(std::move(data));
        Q_EMIT finished();
    }

    std::vector<std::optional<QByteArray>> answers;

Q_SIGNALS:
    void finished();
};

class MyUrlRequestTest : public ::testing::Test {
protected:
    QString url(const char* pathAndQuery) const {
        return QString::fromStdString(m_server.baseUrl()) + QLatin1StringView(pathAndQuery);
    }

    std::unique_ptr<net::MyUrlRequest> makeRequest(RecordingDelegate& delegate) {
        auto request = std::make_unique<net::MyUrlRequest>(&m_manager, &m_activity);
        request->setDelegate(&delegate);
        return request;
    }

    // Fetches a path on a request object of its own: returns when the answer is in, by which time
    // any callback of a request that was started earlier and dropped would have arrived too.
    void fetchSentinel(const char* path, int delayMs) {
        m_server.set(path, body("sentinel", delayMs));
        RecordingDelegate delegate;
        net::MyUrlRequest sentinel(&m_manager);
        sentinel.setDelegate(&delegate);
        QSignalSpy spy(&delegate, &RecordingDelegate::finished);
        sentinel.ResquestLink(url(path));
        ASSERT_TRUE(spy.wait(kWaitMs));
    }

    // Waits for one callback and returns the answer it carried.
    std::optional<QByteArray> fetch(const QString& fullUrl) {
        RecordingDelegate delegate;
        auto request = makeRequest(delegate);
        QSignalSpy spy(&delegate, &RecordingDelegate::finished);
        request->ResquestLink(fullUrl);
        EXPECT_TRUE(m_activity.isActive());
        EXPECT_TRUE(spy.wait(kWaitMs));
        EXPECT_EQ(delegate.answers.size(), 1U);
        EXPECT_EQ(m_activity.outstanding(), 0);
        return delegate.answers.empty() ? std::nullopt : delegate.answers.front();
    }

    sim::ScriptedServer m_server;
    QNetworkAccessManager m_manager;
    net::NetworkActivity m_activity;
};

TEST_F(MyUrlRequestTest, DeliversTheBody) {
    m_server.set("/KTRPW/realtime.aspx", body("KTRPW:0:3650;1,2,3,4;"));
    EXPECT_EQ(fetch(url("/KTRPW/realtime.aspx?type=1")), QByteArray("KTRPW:0:3650;1,2,3,4;"));
}

TEST_F(MyUrlRequestTest, EmptyBodyIsEmptyDataNotFailure) {
    m_server.set("/empty", body(""));
    const auto answer = fetch(url("/empty"));
    ASSERT_TRUE(answer.has_value());
    EXPECT_TRUE(answer->isEmpty());
}

TEST_F(MyUrlRequestTest, ErrorStatusStillDeliversTheBody) {
    m_server.set("/broken", bodyWithStatus("KTRPW:1:0:Lỗi máy chủ;", 500));
    EXPECT_EQ(fetch(url("/broken")), QByteArray("KTRPW:1:0:Lỗi máy chủ;"));
}

TEST_F(MyUrlRequestTest, TwoRedirectsDeliverOnlyTheFinalBody) {
    m_server.set("/first", redirectTo("/second"));
    m_server.set("/second", redirectTo("/third"));
    m_server.set("/third", body("final"));
    EXPECT_EQ(fetch(url("/first")), QByteArray("final"));
    // Qt sends a request again when the server closed a kept-alive connection under it, so a
    // target may repeat, even after a later hop (seen under load); the order in which each hop
    // is first asked may not change.
    std::vector<std::string> firstAsked;
    for (const std::string& target : m_server.requestTargets()) {
        if (std::find(firstAsked.begin(), firstAsked.end(), target) == firstAsked.end()) {
            firstAsked.push_back(target);
        }
    }
    const std::vector<std::string> expected = {"/first", "/second", "/third"};
    EXPECT_EQ(firstAsked, expected);
}

TEST_F(MyUrlRequestTest, DroppedConnectionIsFailure) {
    m_server.set("/drop", dropped());
    EXPECT_EQ(fetch(url("/drop")), std::nullopt);
}

TEST_F(MyUrlRequestTest, RefusedConnectionIsFailure) {
    QString closedUrl;
    {
        const sim::ScriptedServer gone;
        closedUrl = QString::fromStdString(gone.baseUrl()) + u"/x";
    }
    RecordingDelegate delegate;
    auto request = makeRequest(delegate);
    QSignalSpy spy(&delegate, &RecordingDelegate::finished);
    request->ResquestLink(closedUrl);
    ASSERT_TRUE(spy.wait(kWaitMs));
    EXPECT_EQ(delegate.answers.front(), std::nullopt);
    EXPECT_TRUE(request->receivedData().isEmpty());
    EXPECT_FALSE(m_activity.isActive());
}

TEST_F(MyUrlRequestTest, TimeOutIsFailure) {
    m_server.set("/slow", body("late", 1500));
    RecordingDelegate delegate;
    auto request = makeRequest(delegate);
    EXPECT_EQ(request->transferTimeoutMs(), 20000);
    request->setTransferTimeoutMs(150);
    QSignalSpy spy(&delegate, &RecordingDelegate::finished);
    request->ResquestLink(url("/slow"));
    ASSERT_TRUE(spy.wait(kWaitMs));
    ASSERT_EQ(delegate.answers.size(), 1U);
    EXPECT_EQ(delegate.answers.front(), std::nullopt);
    EXPECT_FALSE(m_activity.isActive());
}

TEST_F(MyUrlRequestTest, NewRequestReplacesTheOutstandingOne) {
    m_server.set("/old", body("old", 300));
    m_server.set("/new", body("new"));
    RecordingDelegate delegate;
    auto request = makeRequest(delegate);
    QSignalSpy activeSpy(&m_activity, &net::NetworkActivity::activeChanged);
    request->ResquestLink(url("/old"));
    request->ResquestLink(url("/new"));
    EXPECT_EQ(m_activity.outstanding(), 1);

    QSignalSpy spy(&delegate, &RecordingDelegate::finished);
    ASSERT_TRUE(spy.wait(kWaitMs));
    fetchSentinel("/sentinel", 600);
    ASSERT_EQ(delegate.answers.size(), 1U);
    EXPECT_EQ(delegate.answers.front(), QByteArray("new"));
    EXPECT_FALSE(m_activity.isActive());
    EXPECT_EQ(activeSpy.count(), 2); // on once, off once: the replacement never blinked it
}

TEST_F(MyUrlRequestTest, DestroyedObjectNeverCallsBack) {
    m_server.set("/slow", body("late", 300));
    RecordingDelegate delegate;
    auto request = makeRequest(delegate);
    request->ResquestLink(url("/slow"));
    EXPECT_TRUE(m_activity.isActive());
    request.reset();
    EXPECT_FALSE(m_activity.isActive());
    fetchSentinel("/sentinel", 600);
    EXPECT_TRUE(delegate.answers.empty());
}

TEST_F(MyUrlRequestTest, ManagerGoingFirstEndsTheTransfer) {
    m_server.set("/slow", body("late", 300));
    RecordingDelegate delegate;
    auto manager = std::make_unique<QNetworkAccessManager>();
    net::MyUrlRequest request(manager.get(), &m_activity);
    request.setDelegate(&delegate);
    request.ResquestLink(url("/slow"));
    manager.reset();
    EXPECT_FALSE(m_activity.isActive());
    EXPECT_FALSE(request.isTransferring());
}

TEST_F(MyUrlRequestTest, DelegateMayStartTheNextRequestFromItsCallback) {
    m_server.set("/one", body("1"));
    m_server.set("/two", body("2"));
    RecordingDelegate delegate;
    auto request = makeRequest(delegate);
    QObject::connect(&delegate, &RecordingDelegate::finished, &delegate, [&] {
        if (delegate.answers.size() == 1) {
            request->ResquestLink(url("/two"));
        }
    });
    QSignalSpy spy(&delegate, &RecordingDelegate::finished);
    request->ResquestLink(url("/one"));
    ASSERT_TRUE(spy.wait(kWaitMs));
    if (spy.count() < 2) {
        ASSERT_TRUE(spy.wait(kWaitMs));
    }
    ASSERT_EQ(delegate.answers.size(), 2U);
    EXPECT_EQ(delegate.answers[1], QByteArray("2"));
    EXPECT_EQ(request->receivedData(), QByteArray("2"));
    EXPECT_FALSE(m_activity.isActive());
}

TEST_F(MyUrlRequestTest, TextValuesArriveIntact) {
    m_server.set("/KTRPW/Portfolio.aspx", body("KTRPW:0:0;"));
    const net::Identity identity{true, QStringLiteral("S1"), QString()};
    const net::Endpoints endpoints(QString::fromStdString(m_server.baseUrl()), [&] { return identity; });
    const QString name = QStringLiteral("Đầu tư A&B=1 100%+C");
    EXPECT_EQ(fetch(endpoints.addCategory(name)), QByteArray("KTRPW:0:0;"));
    ASSERT_EQ(m_server.requestTargets().size(), 1U);
    const QString target = QString::fromStdString(m_server.requestTargets().front());
    const QUrlQuery query(QUrl(QStringLiteral("http://h") + target));
    EXPECT_EQ(query.queryItemValue("name", QUrl::FullyDecoded), name);
    EXPECT_EQ(query.queryItemValue("session"), QStringLiteral("S1"));
}

TEST_F(MyUrlRequestTest, RawSpacesAndVietnameseAreEscapedAsUtf8) {
    m_server.set("/KTRPW/x.aspx", body("ok"));
    RecordingDelegate delegate;
    auto request = makeRequest(delegate);
    QSignalSpy spy(&delegate, &RecordingDelegate::finished);
    request->ResquestLink(QString::fromStdString(m_server.baseUrl()) + u"/KTRPW/x.aspx?name=Việt Nam&a=1+2");
    ASSERT_TRUE(spy.wait(kWaitMs));
    const std::vector<std::string> expected = {"/KTRPW/x.aspx?name=Vi%E1%BB%87t%20Nam&a=1+2"};
    EXPECT_EQ(m_server.requestTargets(), expected);
}

} // namespace

#include "MyUrlRequestTest.moc"
