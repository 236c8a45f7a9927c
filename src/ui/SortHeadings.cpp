#include "ui/SortHeadings.h"

#include <QLabel>
#include <QMouseEvent>

namespace ui {

const QString SortHeadings::kRising = QStringLiteral("▲");
const QString SortHeadings::kFalling = QStringLiteral("▼");

SortHeadings::SortHeadings(QObject* parent)
    : QObject(parent) {}

void SortHeadings::add(QLabel* heading, int column) {
    heading->setCursor(Qt::PointingHandCursor);
    heading->installEventFilter(this);
    m_headings.push_back({heading, column, heading->text()});
}

// The arrow goes on the side away from the column's edge, so a right-aligned heading keeps its
// text over the figures' last digits.
void SortHeadings::showOrder(int column, bool descending) {
    const QString& arrow = descending ? kFalling : kRising;
    for (const Heading& heading : m_headings) {
        if (heading.label.isNull()) {
            continue;
        }
        if (heading.column != column) {
            heading.label->setText(heading.text);
        } else if (heading.label->alignment() & Qt::AlignRight) {
            heading.label->setText(arrow + u' ' + heading.text);
        } else {
            heading.label->setText(heading.text + u' ' + arrow);
        }
    }
}

// The press is taken too: a label ignores it, and the release would then go to whatever under
// the heading took it instead.
bool SortHeadings::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) {
        return QObject::eventFilter(watched, event);
    }
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        return QObject::eventFilter(watched, event);
    }
    for (const Heading& heading : m_headings) {
        if (heading.label == watched) {
            if (type == QEvent::MouseButtonRelease) {
                Q_EMIT clicked(heading.column);
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
