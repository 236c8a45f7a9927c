#include "shell/FormFields.h"

#include "shell/KeyboardLift.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace shell {

namespace {

bool takesFocus(const QLineEdit* field) {
    return field->isEnabled() && !field->isHidden();
}

// Shift+Tab arrives as Backtab on most platforms, as Tab with Shift on others (and from tests).
int tabStep(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return 0;
    }
    if (key.key() == Qt::Key_Backtab || (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier))) {
        return -1;
    }
    return key.key() == Qt::Key_Tab ? 1 : 0;
}

} // namespace

FormFields::FormFields(QWidget* screen, bool hasOnScreenKeyboard)
    : QObject(screen)
    , m_screen(screen)
    , m_lift(new KeyboardLift(screen, hasOnScreenKeyboard)) {}

void FormFields::setFields(const QList<QLineEdit*>& fields, QAbstractButton* mainButton) {
    if (m_fields.isEmpty() && m_screen) {
        m_screen->installEventFilter(this);
    }
    m_fields = fields;
    m_mainButton = mainButton;
    const auto position = [this](const QLineEdit* field) {
        return field->mapTo(m_screen, QPoint(0, 0));
    };
    std::stable_sort(m_fields.begin(), m_fields.end(), [&position](const QLineEdit* a, const QLineEdit* b) {
        const QPoint pa = position(a);
        const QPoint pb = position(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        QLineEdit* field = m_fields.at(i);
        m_lift->watch(field);
        field->installEventFilter(this);
        connect(field, &QLineEdit::returnPressed, this, [this, field] { returnPressedIn(field); });
        if (i > 0) {
            QWidget::setTabOrder(m_fields.at(i - 1), field);
        }
    }
}

void FormFields::focusFirst() {
    const auto first = std::find_if(m_fields.cbegin(), m_fields.cend(), takesFocus);
    if (first != m_fields.cend()) {
        (*first)->setFocus(Qt::OtherFocusReason);
    }
}

void FormFields::lower() {
    m_lift->lower();
}

// Return on the last field is the phone's "Go" key: the keyboard closes and the form is sent.
void FormFields::returnPressedIn(QLineEdit* field) {
    if (!isLastUsable(field)) {
        if (QLineEdit* next = neighbour(field, 1)) {
            next->setFocus(Qt::TabFocusReason);
        }
        return;
    }
    m_lift->lower();
    field->clearFocus();
    if (m_mainButton) {
        m_mainButton->click();
    }
}

bool FormFields::isLastUsable(QLineEdit* field) const {
    const auto after = std::find(m_fields.cbegin(), m_fields.cend(), field);
    return after == m_fields.cend() || std::none_of(after + 1, m_fields.cend(), takesFocus);
}

QLineEdit* FormFields::neighbour(QLineEdit* field, int step) const {
    const qsizetype count = m_fields.size();
    const qsizetype from = m_fields.indexOf(field);
    if (from < 0) {
        return nullptr;
    }
    for (qsizetype offset = 1; offset < count; ++offset) {
        QLineEdit* candidate = m_fields.at((from + step * offset + count * count) % count);
        if (takesFocus(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

// Tab is taken before the field sees it, so it goes round this form's fields and never on to
// a hidden screen's or the window's other widgets. A field passes Return on to its parents once
// it has handled it; the form ends it there, or the window would take it for the answer to the
// alert the form has just shown (a refusal that vanished at once).
bool FormFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    if (watched == m_screen) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    const int step = tabStep(*static_cast<QKeyEvent*>(event));
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (step == 0 || field == nullptr || !m_fields.contains(field)) {
        return QObject::eventFilter(watched, event);
    }
    if (QLineEdit* next = neighbour(field, step)) {
        next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

} // namespace shell
