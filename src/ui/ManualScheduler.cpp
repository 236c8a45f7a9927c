#include "ui/ManualScheduler.h"

#include <algorithm>

namespace ui {

struct ManualScheduler::Entry {
    double due = 0;
    double interval = 0;
    bool repeat = false;
    bool active = true;
    std::uint64_t sequence = 0;
    std::function<void()> callback;
};

namespace {

// Sums of decimal steps such as 0.15 drift by a few ulps; a timer that is due "at" the end of
// the window must still fire.
constexpr double kTolerance = 1e-9;
// A repeating timer of zero period would fire forever within one advance.
constexpr double kShortestPeriod = 1e-3;

class ManualTimer final : public Timer {
public:
    explicit ManualTimer(std::weak_ptr<ManualScheduler::Entry> entry)
        : m_entry(std::move(entry)) {}
    ~ManualTimer() override { stop(); }
    ManualTimer(const ManualTimer&) = delete;
    ManualTimer& operator=(const ManualTimer&) = delete;

    void stop() override {
        if (const auto entry = m_entry.lock()) {
            entry->active = false;
        }
    }
    bool isActive() const override {
        const auto entry = m_entry.lock();
        return entry && entry->active;
    }

private:
    std::weak_ptr<ManualScheduler::Entry> m_entry;
};

} // namespace

ManualScheduler::~ManualScheduler() = default;

std::unique_ptr<Timer> ManualScheduler::repeating(double seconds, std::function<void()> tick) {
    return arm(std::max(seconds, kShortestPeriod), true, std::move(tick));
}

std::unique_ptr<Timer> ManualScheduler::singleShot(double seconds, std::function<void()> fire) {
    return arm(std::max(seconds, 0.0), false, std::move(fire));
}

std::unique_ptr<Timer> ManualScheduler::arm(double seconds, bool repeat, std::function<void()> callback) {
    auto entry = std::make_shared<Entry>();
    entry->due = m_now + seconds;
    entry->interval = seconds;
    entry->repeat = repeat;
    entry->sequence = m_sequence++;
    entry->callback = std::move(callback);
    m_entries.push_back(entry);
    return std::make_unique<ManualTimer>(entry);
}

std::shared_ptr<ManualScheduler::Entry> ManualScheduler::nextDue(double until) const {
    std::shared_ptr<Entry> best;
    for (const auto& entry : m_entries) {
        if (!entry->active || entry->due > until + kTolerance) {
            continue;
        }
        if (!best || entry->due < best->due || (entry->due == best->due && entry->sequence < best->sequence)) {
            best = entry;
        }
    }
    return best;
}

void ManualScheduler::advance(double seconds) {
    const double until = m_now + std::max(seconds, 0.0);
    while (const auto entry = nextDue(until)) {
        m_now = std::max(m_now, entry->due);
        if (entry->repeat) {
            entry->due += entry->interval;
            entry->sequence = m_sequence++;
        } else {
            entry->active = false;
        }
        // `entry` keeps the callback alive even when the callback destroys its own Timer.
        if (entry->callback) {
            entry->callback();
        }
        std::erase_if(m_entries, [](const auto& e) { return !e->active; });
    }
    m_now = until;
    std::erase_if(m_entries, [](const auto& e) { return !e->active; });
}

int ManualScheduler::activeTimerCount() const {
    return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(), [](const auto& e) { return e->active; }));
}

} // namespace ui
