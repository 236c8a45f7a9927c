#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

namespace app {

/// Asks the user where to save a file.
class SaveLocationChooser {
public:
    SaveLocationChooser() = default;
    virtual ~SaveLocationChooser();
    Q_DISABLE_COPY_MOVE(SaveLocationChooser)

    /// A dialog titled `title` that offers `suggestedName` and the file types of `filters`
    /// ("Ảnh PNG (*.png)"), the first one chosen; the path the user chose, empty when cancelled.
    virtual QString chooseSaveLocation(const QString& title, const QString& suggestedName,
                                       const QStringList& filters) = 0;
};

/// The desktop's save dialog. It starts in the documents folder, then in the folder last saved
/// to, and adds the extension of the chosen file type to a name typed without one.
class FileDialogSaveLocationChooser final : public SaveLocationChooser {
public:
    explicit FileDialogSaveLocationChooser(QWidget* parent);

    QString chooseSaveLocation(const QString& title, const QString& suggestedName, const QStringList& filters) override;

private:
    QPointer<QWidget> m_parent;
    QString m_folder;
};

/// The extension a filter offers: "png" for "Ảnh PNG (*.png)", empty when it names none.
QString filterExtension(const QString& filter);

} // namespace app
