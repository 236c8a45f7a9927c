#pragma once

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

namespace shell {

/// Moves a form screen up while one of its fields is being edited, so that an on-screen keyboard
/// does not cover the fields; the form puts it back when the editing ends (FormFields does, on
/// Return in its last field). Without such a keyboard the screen stays put.
class KeyboardLift final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardLift)

public:
    static constexpr int kLift = -50;

    KeyboardLift(QWidget* screen, bool hasOnScreenKeyboard);
    /// Watches a field: its focus lifts the screen.
    void watch(QLineEdit* field);
    void lower();
    bool isLifted() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_screen;
    bool m_lifts = false;
};

} // namespace shell
