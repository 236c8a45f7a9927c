#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <functional>

class QByteArray;

namespace ui {
class Alerts;
class Navigator;
class ViewController;
} // namespace ui

namespace app {

class SaveLocationChooser;

/// Saves what the screen on top shows: its table as CSV, its chart as an SVG or PNG picture.
/// What is saved is taken when asked, before the user picks the file, so a refresh while the
/// dialog is open changes nothing in it. Every outcome but a cancel is told in an alert.
class ScreenExport final {
public:
    /// Pixels per point of a PNG picture.
    static constexpr double kImageScale = 2;

    ScreenExport(
        ui::Navigator& navigator, ui::Alerts& alerts, SaveLocationChooser& chooser,
        std::function<QDate()> today = [] { return QDate::currentDate(); });
    Q_DISABLE_COPY_MOVE(ScreenExport)
    ~ScreenExport() = default;

    /// The table shown, as a CSV file of the columns' titles and the rows' texts.
    void exportTable();
    /// The chart shown, as SVG, or as PNG when the chosen name ends in ".png".
    void exportChart();

private:
    ui::ViewController* topScreen() const;
    QString suggestedName(const ui::ViewController& screen, const QString& extension) const;
    /// Writes the whole file or leaves what was there; tells the user when it fails.
    bool writeFile(const QString& path, const QByteArray& bytes);

    ui::Navigator& m_navigator;
    ui::Alerts& m_alerts;
    SaveLocationChooser& m_chooser;
    std::function<QDate()> m_today;
};

} // namespace app
