#include "app/DesktopNotifier.h"

#include "PeerBus.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kIcon = QStringLiteral("io.github.corvastel.Corvastel");

/// One Notify call as the service received it.
struct ReceivedNotice {
    QString application;
    uint replaces = 0;
    QString icon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int timeout = 0;
};

/// A notification service on a private peer-to-peer bus. It can hang: it then keeps its answer to
/// the first question until the test releases it.
class FakeNotifications final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList capabilities{QStringLiteral("body"), QStringLiteral("actions")};
    bool hangs = false;
    int capabilityQuestions = 0;
    QList<ReceivedNotice> received;

    void answerHeldCall() { m_peer->send(m_held.createReply(QVariant::fromValue(capabilities))); }

    /// Emits a signal of the service with these arguments, as a click or a close would.
    void emitSignal(const QString& name, const QVariantList& arguments) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                         QStringLiteral("org.freedesktop.Notifications"), name);
        signal.setArguments(arguments);
        m_peer->send(signal);
    }

public Q_SLOTS:
    QStringList GetCapabilities() {
        ++capabilityQuestions;
        m_peer = std::make_unique<QDBusConnection>(connection());
        if (hangs) {
            setDelayedReply(true);
            m_held = message();
        }
        return capabilities;
    }
    uint Notify(const QString& application, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout) {
        received.append(ReceivedNotice{application, replaces, icon, summary, body, actions, hints, timeout});
        return static_cast<uint>(40 + received.size());
    }
    void CloseNotification(uint /*id*/) {}

private:
    QDBusMessage m_held;
    std::unique_ptr<QDBusConnection> m_peer;
};

class DesktopNotifierTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_bus.isListening()); }

    /// The program's end of the bus; connected once the test has set up the service.
    QDBusConnection& client() { return m_bus.client(); }

    /// Shows a notice that counts its clicks; once the service has acknowledged it, it has the
    /// id the fake gives the n-th notice (41, 42, ...).
    void showOne(app::FreedesktopNotifier& notifier, int& clicks) {
        const int before = notifier.clickableCount();
        notifier.notify(QStringLiteral("Cảnh báo giá"), QStringLiteral("ACB"), [&clicks] { ++clicks; });
        ASSERT_TRUE(testsupport::waitForBus([&notifier, before] { return notifier.clickableCount() == before + 1; }));
    }

    void click(uint id, const QString& action = QStringLiteral("default")) {
        m_service.emitSignal(QStringLiteral("ActionInvoked"), {id, action});
    }

    FakeNotifications m_service;
    testsupport::PeerBus m_bus{m_service, QStringLiteral("/org/freedesktop/Notifications"),
                               QStringLiteral("notifier-test")};
};

} // namespace

TEST_F(DesktopNotifierTest, NotifyCarriesTheProgramTheTitleTheBodyAndTheDefaultAction) {
    app::FreedesktopNotifier notifier(client(), kIcon);
    notifier.notify(QStringLiteral("Cảnh báo giá"), QStringLiteral("A&B <1>\nFPT"), [] {});
    ASSERT_TRUE(testsupport::waitForBus([this] { return m_service.received.size() == 1; }));
    const ReceivedNotice& notice = m_service.received.front();
    EXPECT_EQ(notice.application, QStringLiteral("Corvastel"));
    EXPECT_EQ(notice.replaces, 0U);
    EXPECT_EQ(notice.icon, kIcon);
    EXPECT_EQ(notice.summary, QStringLiteral("Cảnh báo giá"));
    EXPECT_EQ(notice.body, QStringLiteral("A&B <1>\nFPT")) << "a service without markup shows the text as it is";
    ASSERT_GE(notice.actions.size(), 2);
    EXPECT_EQ(notice.actions.front(), QStringLiteral("default"));
    EXPECT_EQ(notice.hints.value(QStringLiteral("desktop-entry")).toString(), kIcon);
    EXPECT_EQ(notice.timeout, -1);
}

TEST_F(DesktopNotifierTest, AServiceThatReadsMarkupGetsTheBodyEscaped) {
    m_service.capabilities.append(QStringLiteral("body-markup"));
    app::FreedesktopNotifier notifier(client(), kIcon);
    notifier.notify(QStringLiteral("Cảnh báo giá"), QStringLiteral("A&B <1>"), [] {});
    notifier.notify(QStringLiteral("Cảnh báo giá"), QStringLiteral("FPT"), [] {});
    ASSERT_TRUE(testsupport::waitForBus([this] { return m_service.received.size() == 2; }));
    EXPECT_EQ(m_service.received.at(0).body, QStringLiteral("A&amp;B &lt;1&gt;"));
    EXPECT_EQ(m_service.received.at(1).body, QStringLiteral("FPT"));
    EXPECT_EQ(m_service.capabilityQuestions, 1) << "the service is asked once";
}

// The signals arrive in the order they were sent: when a later click has run, the earlier
// signals have been handled too.
TEST_F(DesktopNotifierTest, AClickRunsTheNoticesActionOnce) {
    app::FreedesktopNotifier notifier(client(), kIcon);
    int clicks = 0;
    int marks = 0;
    showOne(notifier, clicks);
    showOne(notifier, marks);
    click(41, QStringLiteral("other"));
    click(99);
    click(42);
    ASSERT_TRUE(testsupport::waitForBus([&marks] { return marks == 1; }));
    EXPECT_EQ(clicks, 0) << "another action or another program's notice runs nothing";

    click(41);
    ASSERT_TRUE(testsupport::waitForBus([&clicks] { return clicks == 1; }));
    showOne(notifier, marks);
    click(41);
    click(43);
    ASSERT_TRUE(testsupport::waitForBus([&marks] { return marks == 2; }));
    EXPECT_EQ(clicks, 1) << "a notice's action runs once";
    EXPECT_EQ(notifier.clickableCount(), 0);
}

TEST_F(DesktopNotifierTest, AClosedNoticeIsForgotten) {
    app::FreedesktopNotifier notifier(client(), kIcon);
    int clicks = 0;
    showOne(notifier, clicks);
    m_service.emitSignal(QStringLiteral("NotificationClosed"), {41U, 2U});
    ASSERT_TRUE(testsupport::waitForBus([&notifier] { return notifier.clickableCount() == 0; }));
    int laterClicks = 0;
    showOne(notifier, laterClicks);
    click(41);
    click(42);
    ASSERT_TRUE(testsupport::waitForBus([&laterClicks] { return laterClicks == 1; }));
    EXPECT_EQ(clicks, 0);
}

// The service runs in this very thread: a call that waited for its answer would wait until the
// bus's time-out, and the test could not go on.
TEST_F(DesktopNotifierTest, AHungServiceNeitherBlocksNorLosesTheNotices) {
    m_service.hangs = true;
    app::FreedesktopNotifier notifier(client(), kIcon);
    notifier.notify(QStringLiteral("Cảnh báo giá"), QStringLiteral("ACB"), [] {});
    ASSERT_TRUE(testsupport::waitForBus([this] { return m_service.capabilityQuestions == 1; }));
    notifier.notify(QStringLiteral("Cảnh báo giá"), QStringLiteral("FPT"), [] {});
    EXPECT_EQ(notifier.waitingCount(), 2);
    EXPECT_TRUE(m_service.received.isEmpty());
    m_service.answerHeldCall();
    ASSERT_TRUE(testsupport::waitForBus([this] { return m_service.received.size() == 2; }));
    EXPECT_EQ(m_service.received.at(1).body, QStringLiteral("FPT"));
    EXPECT_EQ(m_service.capabilityQuestions, 1);
}

TEST_F(DesktopNotifierTest, WithoutAServiceNothingIsShownOrKept) {
    m_bus.setServing(false);
    app::FreedesktopNotifier notifier(client(), kIcon);
    notifier.notify(QStringLiteral("Cảnh báo giá"), QStringLiteral("ACB"), [] {});
    ASSERT_TRUE(testsupport::waitForBus([&notifier] { return notifier.waitingCount() == 0; }));
    EXPECT_EQ(notifier.clickableCount(), 0);

    app::FreedesktopNotifier unconnected(QDBusConnection(QStringLiteral("no-such-bus")), kIcon);
    unconnected.notify(QStringLiteral("Cảnh báo giá"), QStringLiteral("ACB"), [] {});
    EXPECT_EQ(unconnected.waitingCount(), 0);
}

#include "DesktopNotifierTest.moc"
