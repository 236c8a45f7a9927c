#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

class QWidget;

namespace ui {

class AlertOverlay;

/// Phone-style alerts drawn over the window, never a blocking dialog. An alert shown while
/// another is up waits its turn.
class Alerts final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Alerts)

public:
    explicit Alerts(QWidget* overlayParent);
    ~Alerts() override;

    void show(const QString& title, const QString& message, const QStringList& buttons,
              std::function<void(int index)> callback = {});

    bool isShowing() const { return m_current.has_value(); }
    QString currentTitle() const;
    QString currentMessage() const;
    QStringList currentButtons() const;
    int queuedCount() const { return static_cast<int>(m_queue.size()); }
    /// What a click on button `index` does: hide the alert, run its callback, show the next one.
    void press(int index);

    /// The widget of the alert on screen, or null.
    QWidget* currentOverlay() const;

private:
    struct Pending {
        QString title;
        QString message;
        QStringList buttons;
        std::function<void(int)> callback;
    };

    void showNext();
    void hideOverlay();

    QPointer<QWidget> m_parent;
    std::optional<Pending> m_current;
    std::deque<Pending> m_queue;
    QPointer<AlertOverlay> m_overlay;
    bool m_inCallback = false;
};

} // namespace ui
