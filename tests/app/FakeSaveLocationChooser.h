#pragma once

#include "app/ScreenExportChooser.h"

namespace testsupport {

/// Answers every question with `answer` (empty: the user cancels) and keeps what was asked.
class FakeSaveLocationChooser final : public app::SaveLocationChooser {
public:
    QString chooseSaveLocation(const QString& title, const QString& suggestedName,
                               const QStringList& filters) override {
        ++asked;
        lastTitle = title;
        lastSuggestedName = suggestedName;
        lastFilters = filters;
        return answer;
    }

    QString answer;
    int asked = 0;
    QString lastTitle;
    QString lastSuggestedName;
    QStringList lastFilters;
};

} // namespace testsupport
