#include "ui/RowOrder.h"

#include "ui/Fonts.h"
#include "ui/PlainLabel.h"
#include "ui/RowTable.h"
#include "ui/SortHeadings.h"

#include <QLabel>

#include <algorithm>

namespace ui {

namespace {

bool isFilterChar(QChar c, bool filtering) {
    return c.isLetterOrNumber() || (filtering && c == u' ');
}

// The Qt key of a typed ASCII letter or digit ("l" and "L" are Qt::Key_L); 0 for any other.
int keyOfTyped(const QString& text) {
    if (text.size() != 1 || text.at(0).unicode() >= 0x80 || !text.at(0).isLetterOrNumber()) {
        return 0;
    }
    return int(text.at(0).toUpper().unicode());
}

} // namespace

RowOrder::RowOrder(const RowSource& rows, const RowKeys& keys, QObject* parent)
    : QObject(parent)
    , m_shown(rows, keys)
    , m_headings(new SortHeadings(this)) {
    connect(m_headings, &SortHeadings::clicked, this, &RowOrder::sortBy);
    m_shown.rebuild(m_state);
}

RowOrder::~RowOrder() = default;

void RowOrder::attach(RowTable* table) {
    m_table = table;
    m_shown.rebuild(m_state);
    table->setSource(&m_shown);
}

void RowOrder::addHeading(QLabel* heading, int column) {
    m_headings->add(heading, column);
    m_headings->showOrder(m_state.column, m_state.descending);
}

void RowOrder::placeFilterLabel(QWidget* root, const QRect& frame, const QString& noun) {
    m_noun = noun;
    // Typed text is shown as typed, never read as markup.
    m_filterLabel = plainLabel(root, QString());
    m_filterLabel->setObjectName(QStringLiteral("filterLabel"));
    m_filterFrame = frame;
    m_filterLabel->setFont(systemFont(12, true));
    m_filterLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_filterLabel->setStyleSheet(QStringLiteral("color: #ffd54a; background: rgba(0, 0, 0, 200);"));
    updateFilterLabel();
}

void RowOrder::sortBy(int column) {
    if (column < 0) {
        return;
    }
    if (m_state.column != column) {
        m_state.column = column;
        m_state.descending = false;
    } else if (!m_state.descending) {
        m_state.descending = true;
    } else {
        m_state.column = -1;
        m_state.descending = false;
    }
    userChanged();
}

void RowOrder::setFilter(const QString& filter) {
    if (filter == m_state.filter) {
        return;
    }
    m_state.filter = filter;
    userChanged();
}

void RowOrder::userChanged() {
    reload();
    Q_EMIT orderChanged();
}

void RowOrder::reload() {
    const QString kept = m_table ? m_shown.shownIdentity(m_table->selectedRow()) : QString();
    m_shown.rebuild(m_state);
    if (m_table) {
        m_table->reload();
        if (const int row = m_shown.shownRowOf(kept); row >= 0) {
            m_table->selectRow(row);
        }
    }
    m_headings->showOrder(m_state.column, m_state.descending);
    updateFilterLabel();
}

int RowOrder::selectedSourceRow() const {
    return m_table ? m_shown.sourceRow(m_table->selectedRow()) : -1;
}

QLabel* RowOrder::filterLabel() const {
    return m_filterLabel.data();
}

void RowOrder::updateFilterLabel() {
    if (!m_filterLabel) {
        return;
    }
    if (!m_state.isFiltered()) {
        m_filterLabel->hide();
        return;
    }
    const int count = m_shown.rowCount();
    const QString found =
        count > 0 ? QStringLiteral("%1 %2").arg(count).arg(m_noun) : QStringLiteral("Không có %1 nào khớp").arg(m_noun);
    m_filterLabel->setText(QStringLiteral("Lọc: %1 — %2 ").arg(m_state.filter, found));
    // As wide as its text and no wider, from the frame's right edge: a short line leaves what lies
    // further left on the bar (the user's name) in view, a long one still reads whole.
    const int width = std::min(m_filterLabel->sizeHint().width(), m_filterFrame.width());
    m_filterLabel->setGeometry(m_filterFrame.right() + 1 - width, m_filterFrame.y(), width, m_filterFrame.height());
    m_filterLabel->show();
    m_filterLabel->raise();
}

// ---- keys ------------------------------------------------------------------------------------

bool RowOrder::takesTyping(const QString& text, Qt::KeyboardModifiers modifiers) const {
    if (!m_filterLabel || text.isEmpty() ||
        (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const bool filtering = m_state.isFiltered();
    if (!std::all_of(text.cbegin(), text.cend(), [filtering](QChar c) { return isFilterChar(c, filtering); })) {
        return false;
    }
    return filtering || (modifiers & Qt::ShiftModifier) != 0 || !m_reserved.contains(keyOfTyped(text));
}

bool RowOrder::handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) {
    if (!takesTyping(text, modifiers)) {
        return false;
    }
    setFilter(m_state.filter + text);
    return true;
}

bool RowOrder::handleKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
        if (!m_state.isFiltered()) {
            return false;
        }
        setFilter(m_state.filter.chopped(1));
        return true;
    case Qt::Key_Escape:
        if (!m_state.isFiltered()) {
            return false;
        }
        setFilter(QString());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return openChosenRow();
    case Qt::Key_Up:
        return moveChoice(-1);
    case Qt::Key_Down:
        return moveChoice(1);
    default:
        return false;
    }
}

bool RowOrder::openChosenRow() {
    if (!m_openRow) {
        return false;
    }
    int row = selectedSourceRow();
    if (row < 0 && m_state.isFiltered()) {
        row = m_shown.sourceRow(0);
    }
    if (row < 0) {
        return false;
    }
    m_openRow(row);
    return true;
}

bool RowOrder::moveChoice(int step) {
    if (!m_chooseRow || !m_table || m_shown.rowCount() == 0) {
        return false;
    }
    const int current = m_table->selectedRow();
    const int next =
        current < 0 ? (step > 0 ? 0 : m_shown.rowCount() - 1) : std::clamp(current + step, 0, m_shown.rowCount() - 1);
    m_table->selectRow(next);
    m_table->scrollTo(m_table->model()->index(next, 0));
    m_chooseRow(m_shown.sourceRow(next));
    return true;
}

} // namespace ui
