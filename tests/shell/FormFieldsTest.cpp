#include "shell/FormFields.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

/// Counts the key presses that reach a widget.
class KeyCounter final : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        presses += event->type() == QEvent::KeyPress ? 1 : 0;
        return false;
    }
};

/// A form of two rows of two fields, made in a jumbled order, and its main button.
class FormFieldsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_bottomRight = field(QRect(250, 60, 100, 30));
        m_topLeft = field(QRect(20, 20, 100, 30));
        m_bottomLeft = field(QRect(20, 60, 100, 30));
        m_topRight = field(QRect(250, 20, 100, 30));
        m_send = new QPushButton(QStringLiteral("Gửi"), &m_screen);
        QObject::connect(m_send, &QPushButton::clicked, [this] { ++m_sent; });
        m_form = new shell::FormFields(&m_screen, false);
        m_form->setFields({m_bottomRight, m_topLeft, m_bottomLeft, m_topRight}, m_send);
    }

    QLineEdit* field(const QRect& frame) {
        auto* made = new QLineEdit(&m_screen);
        made->setGeometry(frame);
        return made;
    }

    QWidget* focused() const { return m_screen.focusWidget(); }

    QWidget m_window;
    QWidget m_screen{&m_window};
    QLineEdit* m_topLeft = nullptr;
    QLineEdit* m_topRight = nullptr;
    QLineEdit* m_bottomLeft = nullptr;
    QLineEdit* m_bottomRight = nullptr;
    QPushButton* m_send = nullptr;
    shell::FormFields* m_form = nullptr;
    int m_sent = 0;
};

} // namespace

TEST_F(FormFieldsTest, FieldsAreVisitedTopToBottomThenLeftToRight) {
    EXPECT_EQ(m_form->fields(), (QList<QLineEdit*>{m_topLeft, m_topRight, m_bottomLeft, m_bottomRight}));
    m_form->focusFirst();
    EXPECT_EQ(focused(), m_topLeft);
    QTest::keyClick(m_topLeft, Qt::Key_Tab);
    EXPECT_EQ(focused(), m_topRight);
    QTest::keyClick(m_topRight, Qt::Key_Tab);
    EXPECT_EQ(focused(), m_bottomLeft);
}

TEST_F(FormFieldsTest, TabAndShiftTabGoRoundTheEnds) {
    QTest::keyClick(m_bottomRight, Qt::Key_Tab);
    EXPECT_EQ(focused(), m_topLeft);
    QTest::keyClick(m_topLeft, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), m_bottomRight);
    QTest::keyClick(m_bottomRight, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), m_bottomLeft);
}

TEST_F(FormFieldsTest, DisabledFieldsArePassedOver) {
    m_topLeft->setEnabled(false);
    m_bottomRight->setEnabled(false);
    m_form->focusFirst();
    EXPECT_EQ(focused(), m_topRight);
    QTest::keyClick(m_bottomLeft, Qt::Key_Tab);
    EXPECT_EQ(focused(), m_topRight);
    // With the last field disabled, the one before it is the last: Return there sends.
    QTest::keyClick(m_bottomLeft, Qt::Key_Return);
    EXPECT_EQ(m_sent, 1);
}

TEST_F(FormFieldsTest, ReturnMovesOnAndTheLastFieldPressesTheMainButton) {
    m_form->focusFirst();
    QTest::keyClick(m_topLeft, Qt::Key_Return);
    EXPECT_EQ(focused(), m_topRight);
    EXPECT_EQ(m_sent, 0);
    QTest::keyClick(m_bottomRight, Qt::Key_Enter);
    EXPECT_EQ(m_sent, 1);
    EXPECT_FALSE(m_bottomRight->hasFocus());
    m_send->setEnabled(false);
    QTest::keyClick(m_bottomRight, Qt::Key_Return);
    EXPECT_EQ(m_sent, 1) << "a disabled button is not pressed";
}

// The window answers an alert with Return: the Return that sent the form, and made it show a
// refusal, must not answer that alert too.
TEST_F(FormFieldsTest, TheReturnThatSendsTheFormGoesNoFurther) {
    KeyCounter window;
    m_window.installEventFilter(&window);
    QTest::keyClick(m_topLeft, Qt::Key_Return);
    QTest::keyClick(m_bottomRight, Qt::Key_Return);
    EXPECT_EQ(m_sent, 1);
    EXPECT_EQ(window.presses, 0);
    QTest::keyClick(m_topLeft, Qt::Key_Escape);
    EXPECT_EQ(window.presses, 1) << "other keys still reach the window";
}
