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
/// another is up waits its turn, unless the same alert is already up or waiting. While one is up
/// it takes the keys: Return presses its last button, Escape its first, and no key reaches the
/// screen behind it.
class Alerts final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Alerts)

public:
    explicit Alerts(QWidget* overlayParent);
    ~Alerts() override;

    void show(const QString& title, const QString& message, const QStringList& buttons,
              std::function<void(int index)> callback = {});

    /// A notice: a message without a title and the one button "OK", on which nothing runs. The
    /// newest notice takes the place of one up or waiting instead of queueing behind it, so a
    /// screen whose every refresh fails in one way or another keeps one alert, not one per kind
    /// of failure; other alerts queue as before.
    void tell(const QString& message);
    /// A question without a title and the buttons "NO" (0) and "YES" (1).
    void ask(const QString& question, std::function<void(int index)> callback);

    bool isShowing() const { return m_current.has_value(); }
    QString currentTitle() const;
    QString currentMessage() const;
    QStringList currentButtons() const;
    int queuedCount() const { return static_cast<int>(m_queue.size()); }
    /// What a click on button `index` does: hide the alert, run its callback, show the next one.
    void press(int index);
    /// What a key does while an alert is up; returns whether the alert took it (every key then).
    bool pressKey(int qtKey);

    /// The widget of the alert on screen, or null.
    QWidget* currentOverlay() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pending {
        QString title;
        QString message;
        QStringList buttons;
        std::function<void(int)> callback;
        bool notice = false;

        bool sameAlertAs(const QString& otherTitle, const QString& otherMessage,
                         const QStringList& otherButtons) const {
            return title == otherTitle && message == otherMessage && buttons == otherButtons;
        }
    };

    bool isUpOrWaiting(const QString& title, const QString& message, const QStringList& buttons) const;
    void enqueue(Pending pending);

    void showNext();
    void hideOverlay();

    QPointer<QWidget> m_parent;
    std::optional<Pending> m_current;
    std::deque<Pending> m_queue;
    QPointer<AlertOverlay> m_overlay;
    bool m_inCallback = false;
};

} // namespace ui
