#pragma once

#include <functional>
#include <memory>

namespace ui {

/// A running timer. Destroying it stops it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

/// The one source of timers on the main thread. The program uses QtScheduler; tests use
/// ManualScheduler and move its clock themselves.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    /// Calls tick every `seconds` until the Timer is stopped or destroyed.
    virtual std::unique_ptr<Timer> repeating(double seconds, std::function<void()> tick) = 0;
    /// Calls fire once after `seconds` unless the Timer is stopped or destroyed first.
    virtual std::unique_ptr<Timer> singleShot(double seconds, std::function<void()> fire) = 0;
};

} // namespace ui
