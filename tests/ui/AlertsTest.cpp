#include "ui/Alerts.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using ui::Alerts;

namespace {

class AlertsTest : public ::testing::Test {
protected:
    AlertsTest() {
        window.resize(480, 320);
        window.show();
    }

    QStringList overlayTexts() const {
        QStringList texts;
        if (QWidget* overlay = alerts.currentOverlay()) {
            for (const QLabel* label : overlay->findChildren<QLabel*>()) {
                texts << label->text();
            }
        }
        return texts;
    }

    QWidget window;
    Alerts alerts{&window};
    QStringList journal;
};

} // namespace

TEST_F(AlertsTest, ShowsTitleMessageAndButtonsOverTheWindow) {
    alerts.show(QString(), QStringLiteral("Lỗi kết nối dữ liệu"), {QStringLiteral("OK")});
    ASSERT_TRUE(alerts.isShowing());
    EXPECT_EQ(alerts.currentTitle(), QString());
    EXPECT_EQ(alerts.currentMessage(), QStringLiteral("Lỗi kết nối dữ liệu"));
    EXPECT_EQ(alerts.currentButtons(), QStringList{QStringLiteral("OK")});

    QWidget* overlay = alerts.currentOverlay();
    ASSERT_NE(overlay, nullptr);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), window.rect());
    // An empty title gets no label at all.
    EXPECT_EQ(overlayTexts(), QStringList{QStringLiteral("Lỗi kết nối dữ liệu")});
}

TEST_F(AlertsTest, PressHidesThenCallsBackWithTheIndex) {
    alerts.show(
        QString(), QStringLiteral("Cập nhật toàn bộ dữ liệu!"), {QStringLiteral("NO"), QStringLiteral("YES")},
        [&](int index) { journal << QStringLiteral("pressed %1 showing=%2").arg(index).arg(alerts.isShowing()); });
    QWidget* overlay = alerts.currentOverlay();
    alerts.press(1);
    EXPECT_EQ(journal, QStringList{QStringLiteral("pressed 1 showing=0")});
    EXPECT_FALSE(alerts.isShowing());
    EXPECT_FALSE(overlay->isVisible());
}

TEST_F(AlertsTest, AlertsWaitTheirTurnInOrder) {
    alerts.show(QStringLiteral("1"), QString(), {QStringLiteral("OK")}, [&](int) { journal << QStringLiteral("1"); });
    alerts.show(QStringLiteral("2"), QString(), {QStringLiteral("OK")}, [&](int) { journal << QStringLiteral("2"); });
    alerts.show(QStringLiteral("3"), QString(), {QStringLiteral("OK")});
    EXPECT_EQ(alerts.currentTitle(), QStringLiteral("1"));
    EXPECT_EQ(alerts.queuedCount(), 2);
    alerts.press(0);
    EXPECT_EQ(alerts.currentTitle(), QStringLiteral("2"));
    EXPECT_EQ(alerts.queuedCount(), 1);
    alerts.press(0);
    EXPECT_EQ(alerts.currentTitle(), QStringLiteral("3"));
    alerts.press(0);
    EXPECT_FALSE(alerts.isShowing());
    EXPECT_EQ(journal, (QStringList{"1", "2"}));
}

TEST_F(AlertsTest, AlertRaisedByACallbackComesAfterThoseAlreadyWaiting) {
    alerts.show(QStringLiteral("first"), QString(), {QStringLiteral("OK")},
                [&](int) { alerts.show(QStringLiteral("from callback"), QString(), {QStringLiteral("OK")}); });
    alerts.show(QStringLiteral("queued"), QString(), {QStringLiteral("OK")});
    alerts.press(0);
    EXPECT_EQ(alerts.currentTitle(), QStringLiteral("queued"));
    alerts.press(0);
    EXPECT_EQ(alerts.currentTitle(), QStringLiteral("from callback"));
}

TEST_F(AlertsTest, PressWithoutAnAlertOrOutOfRangeDoesNothing) {
    alerts.press(0);
    int calls = 0;
    alerts.show(QString(), QStringLiteral("m"), {QStringLiteral("OK")}, [&](int) { ++calls; });
    alerts.press(1);
    alerts.press(-1);
    EXPECT_TRUE(alerts.isShowing());
    EXPECT_EQ(calls, 0);
}

TEST_F(AlertsTest, MouseClickOnAButtonActsLikePress) {
    int pressed = -1;
    alerts.show(QStringLiteral("Tiêu đề"), QStringLiteral("m"), {QStringLiteral("NO"), QStringLiteral("YES")},
                [&](int index) { pressed = index; });
    alerts.show(QStringLiteral("next"), QString(), {QStringLiteral("OK")});
    const QList<QPushButton*> buttons = alerts.currentOverlay()->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 2);
    QPushButton* yes = buttons.at(0)->text() == QStringLiteral("YES") ? buttons.at(0) : buttons.at(1);
    EXPECT_TRUE(overlayTexts().contains(QStringLiteral("Tiêu đề")));
    // Side by side: same row.
    EXPECT_EQ(buttons.at(0)->y(), buttons.at(1)->y());

    QTest::mouseClick(yes, Qt::LeftButton);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(alerts.currentTitle(), QStringLiteral("next"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One outage seen by several timers: the same alert up or waiting is not queued again, while a
// different message or different buttons still is.
// A live screen failing at every refresh, now unreachable, now refused: one notice, the newest,
// on screen; a question keeps its turn and a notice after it waits behind it.
TEST_F(AlertsTest, TheNewestNoticeTakesThePlaceOfTheNoticeUpOrWaiting) {
    const QString failure = QStringLiteral("Lỗi kết nối dữ liệu");
    const QString busy = QStringLiteral("Hệ thống đang bận. Xin vui lòng thử lại sau");
    for (int tick = 0; tick < 3; ++tick) {
        alerts.tell(failure);
        alerts.tell(busy);
    }
    EXPECT_EQ(alerts.currentMessage(), busy);
    EXPECT_EQ(alerts.queuedCount(), 0);
    int answers = 0;
    alerts.ask(QStringLiteral("Cập nhật?"), [&](int) { ++answers; });
    alerts.tell(failure);
    alerts.tell(busy);
    EXPECT_EQ(alerts.currentMessage(), busy);
    EXPECT_EQ(alerts.queuedCount(), 1);
    alerts.press(0);
    EXPECT_EQ(alerts.currentMessage(), QStringLiteral("Cập nhật?"));
    alerts.tell(failure);
    EXPECT_EQ(alerts.queuedCount(), 1);
    alerts.press(1);
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(alerts.currentMessage(), failure);
    alerts.press(0);
    EXPECT_FALSE(alerts.isShowing());
}

TEST_F(AlertsTest, TheSameAlertUpOrWaitingIsNotQueuedAgain) {
    const QString failure = QStringLiteral("Lỗi kết nối dữ liệu");
    for (int tick = 0; tick < 5; ++tick) {
        alerts.show(QString(), failure, {QStringLiteral("OK")});
    }
    EXPECT_EQ(alerts.queuedCount(), 0);
    alerts.show(QString(), QStringLiteral("Máy chủ bận"), {QStringLiteral("OK")});
    alerts.show(QString(), failure, {QStringLiteral("OK")});
    alerts.show(QString(), QStringLiteral("Máy chủ bận"), {QStringLiteral("OK")});
    alerts.show(QString(), failure, {QStringLiteral("NO"), QStringLiteral("YES")});
    EXPECT_EQ(alerts.queuedCount(), 2);
    alerts.press(0);
    alerts.press(0);
    alerts.press(0);
    EXPECT_FALSE(alerts.isShowing());
    alerts.show(QString(), failure, {QStringLiteral("OK")});
    EXPECT_TRUE(alerts.isShowing()) << "once answered, the message may come again";
}
