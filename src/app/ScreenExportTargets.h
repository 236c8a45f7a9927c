#pragma once

#include <QString>

class QWidget;

namespace ui {
class ChartView;
class RowTable;
class ViewController;
} // namespace ui

namespace app {

/// The exportable table the user sees on a screen: among the tables shown in `root` (the root
/// included) whose rows have column titles and which no later-drawn widget covers whole (a tab
/// laid over its host hides the host's table), the one drawn last, that is the one on top.
/// Null when there is none.
ui::RowTable* shownTable(QWidget* root);

/// The chart the user sees on a screen, by the same rule as shownTable; a chart screen's root
/// is its chart.
ui::ChartView* shownChart(QWidget* root);

/// The screen's name in file names: fileStemOfClass of its class.
QString screenFileStem(const ui::ViewController& screen);

/// A class name as lower-case words joined by hyphens, without its namespace and its
/// "ViewController" ending: "company-info" for "company::CompanyInfoViewController".
QString fileStemOfClass(const QString& className);

} // namespace app
