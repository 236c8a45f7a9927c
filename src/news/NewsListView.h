#pragma once

#include "news/NewsRows.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

namespace ui {
class RowTable;
}

namespace news {

/// A news list as the screens show it: the table of news rows with dark grey separators, or,
/// when no item is stored, a note saying how to fetch some. Choosing a row reports its stored
/// row text.
class NewsListView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewsListView)

public:
    NewsListView(QWidget* parent, const QString& emptyNote);
    ~NewsListView() override;

    /// Lists the stored row texts (newest first, as the store gives them).
    void showRows(const QStringList& rows);
    const NewsRows& rows() const { return m_rows; }
    ui::RowTable* table() const { return m_table; }
    QLabel* emptyNote() const { return m_emptyNote; }
    /// Chooses a row as a tap on it does.
    void chooseRow(int row);

Q_SIGNALS:
    void articleChosen(const QString& rowText);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    NewsRows m_rows;
    ui::RowTable* m_table = nullptr;
    QLabel* m_emptyNote = nullptr;
};

} // namespace news
