#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QLabel;

namespace ui {

/// Makes a list's column headings clickable: a pointing hand over them, a click reported with
/// the heading's column, and a small arrow beside the sorted column (▲ rising, ▼ falling). While
/// no column is sorted the headings show exactly their own texts.
class SortHeadings final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SortHeadings)

public:
    static const QString kRising;
    static const QString kFalling;

    explicit SortHeadings(QObject* parent = nullptr);

    /// `heading` stands for `column`; several headings may stand for one column (a screen that
    /// switches between two sets of headings).
    void add(QLabel* heading, int column);
    /// Shows the arrow of `column` (none when it is -1) and restores the other headings' texts.
    void showOrder(int column, bool descending);

Q_SIGNALS:
    void clicked(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Heading {
        QPointer<QLabel> label;
        int column = -1;
        QString text;
    };
    std::vector<Heading> m_headings;
};

} // namespace ui
