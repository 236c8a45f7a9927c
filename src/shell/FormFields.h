#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace shell {

class KeyboardLift;

/// The keys of a form's fields, the same on every form: Tab and Shift+Tab go round the fields in
/// reading order (top to bottom, then left to right), Return in a field moves on to the next one
/// and, in the last one, ends the editing and presses the form's main button; the first field
/// takes the focus when the form is shown. Disabled fields are passed over. A form that a phone
/// keyboard would cover moves up while a field is edited (KeyboardLift).
class FormFields final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormFields)

public:
    FormFields(QWidget* screen, bool hasOnScreenKeyboard);

    /// The form's fields, in any order, and the button Return in the last field presses.
    void setFields(const QList<QLineEdit*>& fields, QAbstractButton* mainButton);
    /// The fields in reading order.
    const QList<QLineEdit*>& fields() const { return m_fields; }
    /// Gives the focus to the first field that takes it; the form calls it once it is shown.
    void focusFirst();
    /// Puts a lifted form back in place; the form calls it when it is left.
    void lower();
    KeyboardLift& lift() const { return *m_lift; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void returnPressedIn(QLineEdit* field);
    /// The next field that takes the focus after `field` (step 1) or before it (step -1), round
    /// the ends; null when no other one does.
    QLineEdit* neighbour(QLineEdit* field, int step) const;
    bool isLastUsable(QLineEdit* field) const;

    QPointer<QWidget> m_screen;
    KeyboardLift* m_lift = nullptr;
    QList<QLineEdit*> m_fields;
    QPointer<QAbstractButton> m_mainButton;
};

} // namespace shell
