#pragma once

#include "ui/Scheduler.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

/// A scheduler whose clock only moves when told to, so tests check timer pacing exactly and
/// without waiting. Timers may outlive it: they then simply never fire again.
class ManualScheduler final : public Scheduler {
public:
    ManualScheduler() = default;
    ~ManualScheduler() override;
    ManualScheduler(const ManualScheduler&) = delete;
    ManualScheduler& operator=(const ManualScheduler&) = delete;

    std::unique_ptr<Timer> repeating(double seconds, std::function<void()> tick) override;
    std::unique_ptr<Timer> singleShot(double seconds, std::function<void()> fire) override;

    /// Fires every timer due within the next `seconds`, in time order (then in the order they
    /// were armed), including timers armed by a callback during the advance, and moves now().
    void advance(double seconds);
    double now() const { return m_now; }
    int activeTimerCount() const;

    struct Entry;

private:
    std::unique_ptr<Timer> arm(double seconds, bool repeat, std::function<void()> callback);
    std::shared_ptr<Entry> nextDue(double until) const;

    double m_now = 0;
    std::uint64_t m_sequence = 0;
    std::vector<std::shared_ptr<Entry>> m_entries;
};

} // namespace ui
