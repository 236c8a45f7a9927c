#pragma once

#include "ui/ViewController.h"

#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace fuzzing {

/// Types the texts into the screen's fields in their order on the screen, as a user fills a form.
inline void fillFields(ui::ViewController& screen, const QStringList& texts) {
    const QList<QLineEdit*> fields = screen.view()->findChildren<QLineEdit*>();
    for (qsizetype i = 0; i < fields.size() && i < texts.size(); ++i) {
        fields[i]->setText(texts[i]);
    }
}

} // namespace fuzzing
