#include "ui/Navigator.h"

#include "ui/ViewController.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStackedWidget>

#include <gtest/gtest.h>

#include <memory>

using ui::Navigator;
using ui::ViewController;

namespace {

/// Writes every lifecycle call into a shared journal as "name.call".
class JournalController final : public ViewController {
public:
    JournalController(QString name, QStringList& journal)
        : m_name(std::move(name))
        , m_journal(journal) {}

    void viewWillAppear(bool) override { note(QStringLiteral("willAppear")); }
    void viewDidAppear(bool) override { note(QStringLiteral("didAppear")); }
    void viewWillDisappear(bool) override { note(QStringLiteral("willDisappear")); }
    void viewDidDisappear(bool) override { note(QStringLiteral("didDisappear")); }
    int reloads = 0;

protected:
    void viewDidLoad() override { note(QStringLiteral("didLoad")); }
    void reloadScreen() override { ++reloads; }

private:
    void note(const QString& call) { m_journal << m_name + QLatin1Char('.') + call; }

    QString m_name;
    QStringList& m_journal;
};

class NavigatorTest : public ::testing::Test {
protected:
    NavigatorTest() {
        navigator.setRoot(&root);
        journal.clear();
    }

    QStringList journal;
    QStackedWidget host;
    Navigator navigator{&host};
    JournalController root{QStringLiteral("root"), journal};
    JournalController a{QStringLiteral("a"), journal};
    JournalController b{QStringLiteral("b"), journal};
};

} // namespace

TEST_F(NavigatorTest, RootIsShownAndKnowsItsNavigator) {
    EXPECT_EQ(navigator.topController(), &root);
    EXPECT_EQ(root.navigationController(), &navigator);
    EXPECT_EQ(host.currentWidget(), root.view());
    EXPECT_EQ(a.navigationController(), nullptr);
}

TEST_F(NavigatorTest, PushLoadsTheViewThenRunsThePhoneOrder) {
    navigator.push(&a, true);
    EXPECT_EQ(journal,
              (QStringList{"a.didLoad", "root.willDisappear", "a.willAppear", "root.didDisappear", "a.didAppear"}));
    EXPECT_EQ(host.currentWidget(), a.view());
    EXPECT_EQ(a.navigationController(), &navigator);
    EXPECT_EQ(navigator.viewControllers(), (QList<ViewController*>{&root, &a}));
}

TEST_F(NavigatorTest, ViewSwitchesBetweenWillAndDidCalls) {
    QWidget* seenAtWill = nullptr;
    QWidget* seenAtDid = nullptr;
    class Probe final : public ViewController {
    public:
        Probe(QStackedWidget& h, QWidget*& will, QWidget*& did)
            : m_host(h)
            , m_will(will)
            , m_did(did) {}
        void viewWillAppear(bool) override { m_will = m_host.currentWidget(); }
        void viewDidAppear(bool) override { m_did = m_host.currentWidget(); }

    private:
        QStackedWidget& m_host;
        QWidget*& m_will;
        QWidget*& m_did;
    } probe(host, seenAtWill, seenAtDid);
    navigator.push(&probe, false);
    EXPECT_EQ(seenAtWill, root.view());
    EXPECT_EQ(seenAtDid, probe.view());
    navigator.pop(false);
}

TEST_F(NavigatorTest, PopRunsThePhoneOrderAndReleasesTheScreen) {
    navigator.push(&a, true);
    journal.clear();
    navigator.pop(true);
    EXPECT_EQ(journal, (QStringList{"a.willDisappear", "root.willAppear", "a.didDisappear", "root.didAppear"}));
    EXPECT_EQ(host.currentWidget(), root.view());
    EXPECT_EQ(a.navigationController(), nullptr);
    EXPECT_EQ(navigator.viewControllers(), (QList<ViewController*>{&root}));
}

TEST_F(NavigatorTest, PopToRootSkipsTheScreensInBetween) {
    navigator.push(&a, true);
    navigator.push(&b, true);
    journal.clear();
    navigator.popToRoot(true);
    EXPECT_EQ(journal, (QStringList{"b.willDisappear", "root.willAppear", "b.didDisappear", "root.didAppear"}));
    EXPECT_EQ(navigator.topController(), &root);
    EXPECT_EQ(a.navigationController(), nullptr);
    EXPECT_EQ(b.navigationController(), nullptr);
}

// Switching between sibling screens must not show (and so reload) the screen beneath them.
TEST_F(NavigatorTest, ReplaceTopSkipsTheScreenBeneath) {
    navigator.push(&a, false);
    journal.clear();
    navigator.replaceTop(&b, false);
    EXPECT_EQ(journal, (QStringList{"b.didLoad", "a.willDisappear", "b.willAppear", "a.didDisappear", "b.didAppear"}));
    EXPECT_EQ(navigator.viewControllers(), (QList<ViewController*>{&root, &b}));
    EXPECT_EQ(a.navigationController(), nullptr);
}

TEST_F(NavigatorTest, PopToReturnsToAScreenOnTheStack) {
    navigator.push(&a, false);
    navigator.push(&b, false);
    navigator.popTo(&b, false);
    EXPECT_EQ(navigator.topController(), &b) << "already on top";
    journal.clear();
    navigator.popTo(&a, false);
    EXPECT_EQ(journal, (QStringList{"b.willDisappear", "a.willAppear", "b.didDisappear", "a.didAppear"}));
    EXPECT_EQ(navigator.viewControllers(), (QList<ViewController*>{&root, &a}));
    JournalController elsewhere{QStringLiteral("x"), journal};
    navigator.popTo(&elsewhere, false);
    EXPECT_EQ(navigator.topController(), &a);
}

TEST_F(NavigatorTest, PoppingTheRootAndPushingTwiceAreIgnored) {
    navigator.pop(true);
    navigator.popToRoot(true);
    EXPECT_TRUE(journal.isEmpty());
    navigator.push(&a, true);
    journal.clear();
    navigator.push(&a, true);
    navigator.push(&root, true);
    EXPECT_TRUE(journal.isEmpty());
    EXPECT_EQ(navigator.viewControllers().size(), 2);
}

TEST_F(NavigatorTest, CachedScreenCanBePushedAgainAndLoadsOnce) {
    navigator.push(&a, true);
    navigator.pop(true);
    journal.clear();
    navigator.push(&a, true);
    EXPECT_FALSE(journal.contains(QStringLiteral("a.didLoad")));
    EXPECT_EQ(host.currentWidget(), a.view());
}

TEST_F(NavigatorTest, TopChangedReportsEachNewTop) {
    QList<ViewController*> tops;
    const QObject listener; // ends the connection before `tops` goes
    QObject::connect(&navigator, &Navigator::topChanged, &listener, [&](ViewController* top) { tops << top; });
    navigator.push(&a, true);
    navigator.push(&b, true);
    navigator.pop(true);
    navigator.popToRoot(true);
    EXPECT_EQ(tops, (QList<ViewController*>{&a, &b, &a, &root}));
}

TEST_F(NavigatorTest, ScreenDestroyedOnTheStackLeavesIt) {
    auto temporary = std::make_unique<JournalController>(QStringLiteral("t"), journal);
    navigator.push(temporary.get(), true);
    temporary.reset();
    EXPECT_EQ(navigator.topController(), &root);
    EXPECT_EQ(host.currentWidget(), root.view());
}

TEST_F(NavigatorTest, KeysGoToTheTopScreen) {
    navigator.push(&a, true);
    navigator.push(&b, true);
    EXPECT_TRUE(navigator.dispatchKey(Qt::Key_Escape));
    EXPECT_EQ(navigator.topController(), &a);
    EXPECT_TRUE(navigator.dispatchKey(Qt::Key_F5));
    EXPECT_EQ(a.reloads, 1);
    navigator.push(&b, true);
    EXPECT_TRUE(navigator.dispatchKey(Qt::Key_Home));
    EXPECT_EQ(navigator.topController(), &root);
    EXPECT_FALSE(navigator.dispatchKey(Qt::Key_A));
}

TEST_F(NavigatorTest, KeyPressInTheWindowReachesTheTopScreen) {
    navigator.push(&a, true);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &escape);
    EXPECT_EQ(navigator.topController(), &root);
}

TEST(ViewController, DefaultViewIsABlackPhoneScreenMadeOnce) {
    ViewController controller;
    EXPECT_FALSE(controller.isViewLoaded());
    QWidget* view = controller.view();
    EXPECT_TRUE(controller.isViewLoaded());
    EXPECT_EQ(view->size(), QSize(480, 320));
    EXPECT_EQ(view->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(controller.view(), view);
    EXPECT_FALSE(controller.handleKey(Qt::Key_Escape));
}
