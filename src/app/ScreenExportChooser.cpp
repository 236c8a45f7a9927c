#include "app/ScreenExportChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace app {

SaveLocationChooser::~SaveLocationChooser() = default;

FileDialogSaveLocationChooser::FileDialogSaveLocationChooser(QWidget* parent)
    : m_parent(parent)
    , m_folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
    if (m_folder.isEmpty()) {
        m_folder = QDir::homePath();
    }
}

QString FileDialogSaveLocationChooser::chooseSaveLocation(const QString& title, const QString& suggestedName,
                                                          const QStringList& filters) {
    QFileDialog dialog(m_parent, title, QDir(m_folder).filePath(suggestedName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog.setDefaultSuffix(filterExtension(filters.first()));
    }
    // A name typed without an extension takes the one of the file type on show.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterExtension(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    QString path = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(path).absolutePath();
    return path;
}

QString filterExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+))"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace app
