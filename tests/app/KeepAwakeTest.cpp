#include "PeerBus.h"
#include "app/PlatformShims.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

/// A screen saver on a private peer-to-peer bus. It can hang: keep its answers to Inhibit until
/// the test releases them.
class FakeScreenSaver final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    bool hangs = false;
    int inhibits = 0;
    QList<uint> released;

    void answerHeldCall(uint cookie) { m_heldConnection->send(m_held.createReply(QVariant::fromValue(cookie))); }

public Q_SLOTS:
    uint Inhibit(const QString& /*application*/, const QString& /*reason*/) {
        ++inhibits;
        if (hangs) {
            setDelayedReply(true);
            m_held = message();
            m_heldConnection = std::make_unique<QDBusConnection>(connection());
            return 0;
        }
        return static_cast<uint>(inhibits);
    }
    void UnInhibit(uint cookie) { released << cookie; }

private:
    QDBusMessage m_held;
    std::unique_ptr<QDBusConnection> m_heldConnection;
};

class KeepAwakeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_bus.isListening());
        m_client = &m_bus.client();
        ASSERT_TRUE(m_bus.isPeerConnected());
        ASSERT_TRUE(m_client->isConnected());
    }

    FakeScreenSaver m_screenSaver;
    testsupport::PeerBus m_bus{m_screenSaver, QStringLiteral("/org/freedesktop/ScreenSaver"),
                               QStringLiteral("keep-awake-test")};
    QDBusConnection* m_client = nullptr;
};

} // namespace

TEST_F(KeepAwakeTest, TheInhibitionIsTakenAndGivenBack) {
    app::ScreenSaverKeepAwake keepAwake(*m_client);
    keepAwake.setKeepAwake(true);
    EXPECT_TRUE(keepAwake.isKeptAwake());
    ASSERT_TRUE(testsupport::waitForBus([&keepAwake] { return keepAwake.cookie() == 1; }));
    keepAwake.setKeepAwake(true);
    keepAwake.setKeepAwake(false);
    ASSERT_TRUE(testsupport::waitForBus([this] { return !m_screenSaver.released.isEmpty(); }));
    EXPECT_EQ(m_screenSaver.released, QList<uint>{1});
    EXPECT_EQ(m_screenSaver.inhibits, 1);
}

// The screen saver is in this very thread: a call that waited for its answer would wait for
// good (until the bus's time-out), and the test could not go on.
TEST_F(KeepAwakeTest, AHungScreenSaverNeitherBlocksNorKeepsTheInhibitionLate) {
    m_screenSaver.hangs = true;
    app::ScreenSaverKeepAwake keepAwake(*m_client);
    keepAwake.setKeepAwake(true);
    ASSERT_TRUE(testsupport::waitForBus([this] { return m_screenSaver.inhibits == 1; }));
    keepAwake.setKeepAwake(false);
    keepAwake.setKeepAwake(true);
    keepAwake.setKeepAwake(false);
    EXPECT_EQ(m_screenSaver.inhibits, 1) << "one question under way is enough";
    m_screenSaver.answerHeldCall(7);
    ASSERT_TRUE(testsupport::waitForBus([this] { return !m_screenSaver.released.isEmpty(); }));
    EXPECT_EQ(m_screenSaver.released, QList<uint>{7}) << "an answer that came too late is given back";
    EXPECT_EQ(keepAwake.cookie(), 0U);
}

#include "KeepAwakeTest.moc"
