#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "ui/ViewController.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>

#include <gtest/gtest.h>

#include <functional>

using ui::Navigator;
using ui::ViewController;

namespace {

/// A screen with one navigation button in its top-left corner, where the back button of every
/// screen sits.
class ButtonScreen final : public ViewController {
public:
    explicit ButtonScreen(std::function<void()> action)
        : m_action(std::move(action)) {}

    QPushButton* button() {
        view();
        return m_button;
    }
    int taps = 0;

protected:
    void viewDidLoad() override {
        m_button = new QPushButton(QStringLiteral("◀ Trở về"), view());
        m_button->setGeometry(4, 3, 76, 24);
        connectNavigation(m_button, [this] {
            ++taps;
            m_action();
        });
    }

private:
    std::function<void()> m_action;
    QPushButton* m_button = nullptr;
};

void sendMouse(QWidget* widget, QEvent::Type type) {
    const QPointF at(10, 10);
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class NavigationGuardTest : public ::testing::Test {
protected:
    NavigationGuardTest() {
        window.resize(480, 320);
        host->setGeometry(0, 0, 480, 320);
        navigator.setRoot(&root);
        window.show();
    }

    QWidget window;
    QStackedWidget* host = new QStackedWidget(&window);
    Navigator navigator{host};
    ButtonScreen top{[this] {
        navigator.pop(false);
    }};
    ButtonScreen root{[this] {
        navigator.push(&top, false);
    }};
};

} // namespace

// A double click on a back button: the first click goes back; the second press arrives as a
// double click on the screen now shown, on its button at the same place.
TEST_F(NavigationGuardTest, TheSecondClickOfADoubleClickDoesNotPressTheNextScreensButton) {
    navigator.push(&top, false);
    sendMouse(top.button(), QEvent::MouseButtonPress);
    sendMouse(top.button(), QEvent::MouseButtonRelease);
    ASSERT_EQ(navigator.topController(), &root);
    sendMouse(root.button(), QEvent::MouseButtonDblClick);
    sendMouse(root.button(), QEvent::MouseButtonRelease);
    EXPECT_EQ(navigator.topController(), &root);
    EXPECT_EQ(root.taps, 0);

    sendMouse(root.button(), QEvent::MouseButtonPress);
    sendMouse(root.button(), QEvent::MouseButtonRelease);
    EXPECT_EQ(navigator.topController(), &top) << "a later click is a click";
}

TEST_F(NavigationGuardTest, ADoubleClickOnAButtonThatStaysStillActsTwice) {
    int stays = 0;
    ButtonScreen still{[&stays] {
        ++stays;
    }};
    navigator.push(&still, false);
    sendMouse(still.button(), QEvent::MouseButtonPress);
    sendMouse(still.button(), QEvent::MouseButtonRelease);
    sendMouse(still.button(), QEvent::MouseButtonDblClick);
    sendMouse(still.button(), QEvent::MouseButtonRelease);
    EXPECT_EQ(stays, 2) << "nothing was left behind, so nothing is dropped";
    EXPECT_EQ(still.iPressCount(), 0);
}

TEST_F(NavigationGuardTest, ANavigationActsOnceUntilTheScreenIsShownAgain) {
    ButtonScreen leaving{[this] {
        navigator.push(&top, false);
    }};
    navigator.push(&leaving, false);
    leaving.button()->click();
    ASSERT_EQ(navigator.topController(), &top);
    navigator.pop(false);
    navigator.push(&root, false); // not allowed: root is on the stack, nothing changes
    leaving.button()->click();
    EXPECT_EQ(leaving.taps, 2) << "shown again, so the counter started over";

    // Without being shown again, a tap on a screen that already left does nothing.
    leaving.button()->click();
    EXPECT_EQ(leaving.taps, 2);
    EXPECT_EQ(leaving.iPressCount(), 2);
}

// ---- alerts over a screen ----------------------------------------------------------------

class AlertKeysTest : public NavigationGuardTest {
protected:
    AlertKeysTest() { navigator.push(&top, false); }

    void key(QWidget* target, int qtKey) {
        QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    ui::Alerts alerts{&window};
    QList<int> pressed;
};

TEST_F(AlertKeysTest, EscapePressesTheFirstButtonAndLeavesTheScreenBehind) {
    alerts.show(QString(), QStringLiteral("Xóa?"), {QStringLiteral("NO"), QStringLiteral("YES")},
                [this](int index) { pressed << index; });
    key(&window, Qt::Key_Escape);
    EXPECT_EQ(pressed, QList<int>{0});
    EXPECT_FALSE(alerts.isShowing());
    EXPECT_EQ(navigator.topController(), &top);
    key(&window, Qt::Key_Escape);
    EXPECT_EQ(navigator.topController(), &root) << "without an alert the key is the screen's again";
}

TEST_F(AlertKeysTest, ReturnPressesTheLastButtonAndOtherKeysGoNowhere) {
    alerts.show(QString(), QStringLiteral("Xóa?"), {QStringLiteral("NO"), QStringLiteral("YES")},
                [this](int index) { pressed << index; });
    key(&window, Qt::Key_Home);
    EXPECT_TRUE(alerts.isShowing());
    EXPECT_EQ(navigator.topController(), &top);
    key(alerts.currentOverlay(), Qt::Key_Return);
    EXPECT_EQ(pressed, QList<int>{1});
    alerts.show(QString(), QStringLiteral("Lỗi kết nối dữ liệu"), {QStringLiteral("OK")},
                [this](int index) { pressed << index; });
    key(&window, Qt::Key_Enter);
    EXPECT_EQ(pressed, (QList<int>{1, 0}));
}

TEST_F(AlertKeysTest, AFieldBehindTheAlertLosesTheFocus) {
    auto* field = new QLineEdit(top.view());
    field->setFocus();
    alerts.show(QString(), QStringLiteral("Lỗi kết nối dữ liệu"), {QStringLiteral("OK")});
    EXPECT_EQ(window.focusWidget(), alerts.currentOverlay());
}
