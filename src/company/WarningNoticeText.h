#pragma once

#include "company/DirectoryWarningRow.h"

#include <QByteArray>
#include <QString>

#include <vector>

class myDb;

namespace company {

/// One holding past one of its thresholds, as a desktop notice names it.
struct WarningNotice {
    QString holdingId;
    /// The warning list's row of it, which knows the code, the category and what was crossed.
    DirectoryWarningRow row;
};

/// The holdings of a warnings answer that stand past a threshold, in the answer's order. A
/// warning whose holding is not in the store, or whose price the stored thresholds place past
/// neither bound, is left out: a notice could not say what was crossed.
std::vector<WarningNotice> readWarningNotices(const QByteArray& answer, myDb& db);

/// The same holding past the same threshold gives the same key; a threshold moved by the user is
/// another one.
QString warningNoticeKey(const WarningNotice& notice);

/// The title of the desktop notice of price warnings.
QString warningNoticeTitle();

/// One line per holding ("ACB (Danh mục chính): giá 23.7 đã chạm ngưỡng dưới 24"); past a few
/// lines the rest are counted.
QString warningNoticeBody(const std::vector<WarningNotice>& notices);

} // namespace company
