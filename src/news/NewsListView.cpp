#include "news/NewsListView.h"

#include "shell/ScreenStyle.h"
#include "ui/RowTable.h"

#include <QLabel>

namespace news {

NewsListView::NewsListView(QWidget* parent, const QString& emptyNote)
    : QWidget(parent)
    , m_table(new ui::RowTable(this))
    , m_emptyNote(shell::makeLabel(this, emptyNote, QRect(), 13)) {
    m_table->setSeparatorColor(Qt::darkGray);
    m_table->setSource(&m_rows);
    m_emptyNote->setAlignment(Qt::AlignCenter);
    m_emptyNote->setWordWrap(true);
    shell::setTextColor(m_emptyNote, QColor(0x9a, 0xa7, 0xb8));
    connect(m_table, &ui::RowTable::rowSelected, this, &NewsListView::chooseRow);
}

NewsListView::~NewsListView() {
    // The table paints from the rows, which go first.
    m_table->setSource(nullptr);
}

void NewsListView::resizeEvent(QResizeEvent* /*event*/) {
    m_table->setGeometry(rect());
    m_emptyNote->setGeometry(rect().adjusted(20, 0, -20, 0));
}

void NewsListView::showRows(const QStringList& rows) {
    m_rows.setRows(rows);
    m_table->reload();
    m_table->setVisible(m_rows.rowCount() > 0);
    m_emptyNote->setVisible(m_rows.rowCount() == 0);
}

void NewsListView::chooseRow(int row) {
    const QString text = m_rows.rowText(row);
    if (!text.isEmpty()) {
        Q_EMIT articleChosen(text);
    }
}

} // namespace news
