#pragma once

#include <QStringList>
#include <QWidget>

namespace ui {

/// The look of one alert: the window dimmed, a rounded box in the middle with the title, the
/// wrapped message and the buttons side by side. It only reports which button was clicked.
class AlertOverlay final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlertOverlay)

public:
    AlertOverlay(const QString& title, const QString& message, const QStringList& buttons, QWidget* parent);

Q_SIGNALS:
    void buttonClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildBox(const QString& title, const QString& message, const QStringList& buttons);
    QWidget* buildButtonRow(const QStringList& buttons, QWidget* box);
};

} // namespace ui
