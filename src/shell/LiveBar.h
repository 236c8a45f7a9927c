#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace ui {
class LiveModeButton;
class Scheduler;
} // namespace ui

namespace shell {

class ActivityIndicator;
class LiveRefresh;

/// The top bar of a live screen, left to right: back, the live-mode button with its frames, the
/// transfer indicator, the screen's heading, the time or date of its data, and the context
/// menu. The screen connects the buttons to its own actions.
struct LiveBar {
    QPushButton* back = nullptr;
    ui::LiveModeButton* live = nullptr;
    ActivityIndicator* activity = nullptr;
    QLabel* heading = nullptr;
    QLabel* date = nullptr;
    QPushButton* menu = nullptr;
};

/// Builds the bar along the top of root; the live-mode button is handed to `refresh`, which
/// animates it.
LiveBar buildLiveBar(QWidget* root, ui::Scheduler& scheduler, LiveRefresh& refresh, const QString& heading);

} // namespace shell
