#pragma once

#include <QWidget>

#include <memory>

namespace ui {
class Scheduler;
class Timer;
} // namespace ui

namespace shell {

/// A small spinning indicator, animated by the program's scheduler and hidden while stopped.
class ActivityIndicator final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActivityIndicator)

public:
    ActivityIndicator(ui::Scheduler& scheduler, QWidget* parent);
    ~ActivityIndicator() override;

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return m_timer != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::Scheduler& m_scheduler;
    std::unique_ptr<ui::Timer> m_timer;
    int m_phase = 0;
};

} // namespace shell
