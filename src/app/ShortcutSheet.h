#pragma once

#include <QDialog>
#include <QList>
#include <QString>

namespace app {

/// One line of the shortcut sheet: the keys as the user types them, and what they do.
struct ShortcutLine {
    QString keys;
    QString meaning;
};

/// Every key the program understands, in the order the sheet lists them.
QList<ShortcutLine> shortcutLines();

/// The F1 sheet: a small window listing every key of the program.
class ShortcutSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShortcutSheet)

public:
    explicit ShortcutSheet(QWidget* parent);
};

} // namespace app
