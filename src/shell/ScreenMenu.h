#pragma once

#include <QListWidget>
#include <QStringList>

namespace shell {

/// A small menu laid over a screen: white rows on a dark panel, each with the disclosure
/// picture. The screens use it for their category menu and their action menus; it reports the
/// row chosen and stays hidden until shown.
class ScreenMenu final : public QListWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenMenu)

public:
    ScreenMenu(QWidget* screen, int rowHeight);

    /// Fills the rows, places the menu and shows it over its screen.
    void showRows(const QStringList& rows, const QRect& frame);
    const QStringList& rows() const { return m_rows; }
    bool isShowing() const { return !isHidden(); }
    int rowHeight() const { return m_rowHeight; }

Q_SIGNALS:
    void rowChosen(int row);

private:
    QStringList m_rows;
    int m_rowHeight;
};

} // namespace shell
