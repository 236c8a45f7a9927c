#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ui {

/// A label that shows its text as it is. Names and messages come from the service or the user,
/// and a name such as "<b>ABC</b>" must read as typed, never render as markup.
QLabel* plainLabel(QWidget* parent, const QString& text = QString());

} // namespace ui
