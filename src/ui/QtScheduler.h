#pragma once

#include "ui/Scheduler.h"

namespace ui {

/// Timers of the Qt event loop on the calling (main) thread.
class QtScheduler final : public Scheduler {
public:
    QtScheduler() = default;

    std::unique_ptr<Timer> repeating(double seconds, std::function<void()> tick) override;
    std::unique_ptr<Timer> singleShot(double seconds, std::function<void()> fire) override;
};

} // namespace ui
