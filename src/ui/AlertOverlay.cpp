#include "ui/AlertOverlay.h"

#include "ui/Fonts.h"
#include "ui/PlainLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kBoxWidth = 284;

const QString kBoxStyle = QStringLiteral(
    "QFrame#alertBox { background: rgba(28, 44, 84, 235); border: 1px solid rgba(255, 255, 255, 90);"
    " border-radius: 10px; }"
    "QLabel { color: white; background: transparent; }"
    "QPushButton { color: white; background: rgba(255, 255, 255, 40); border: 1px solid rgba(255, 255, 255, 110);"
    " border-radius: 6px; padding: 5px 10px; min-height: 22px; }"
    "QPushButton:pressed { background: rgba(255, 255, 255, 110); }");

QLabel* makeLabel(const QString& text, const QFont& font, QWidget* parent) {
    QLabel* label = plainLabel(parent, text);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

AlertOverlay::AlertOverlay(const QString& title, const QString& message, const QStringList& buttons, QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildBox(title, message, buttons), 0, Qt::AlignCenter);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

QWidget* AlertOverlay::buildBox(const QString& title, const QString& message, const QStringList& buttons) {
    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("alertBox"));
    box->setStyleSheet(kBoxStyle);
    box->setFixedWidth(kBoxWidth);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    if (!title.isEmpty()) {
        layout->addWidget(makeLabel(title, systemFont(16, true), box));
    }
    if (!message.isEmpty()) {
        layout->addWidget(makeLabel(message, systemFont(14), box));
    }
    if (!buttons.isEmpty()) {
        layout->addWidget(buildButtonRow(buttons, box));
    }
    return box;
}

QWidget* AlertOverlay::buildButtonRow(const QStringList& buttons, QWidget* box) {
    auto* row = new QWidget(box);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 0);
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons.at(i), row);
        button->setFont(systemFont(14, true));
        button->setObjectName(QStringLiteral("alertButton%1").arg(i));
        // The overlay keeps the focus, so that its keys are the alert's and not one button's.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, i] { Q_EMIT buttonClicked(i); });
        layout->addWidget(button);
    }
    return row;
}

void AlertOverlay::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 128));
}

// Keep covering the whole window when it changes size.
bool AlertOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
