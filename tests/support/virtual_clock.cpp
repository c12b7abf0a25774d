#include "support/virtual_clock.h"

#include <algorithm>

struct VirtualClock::Entry {
    Timer* timer = nullptr;
    bool active = false;
    qint64 due = 0;
    qint64 order = 0;  // ties fire in the order they were scheduled
    std::function<void()> fire;
};

class VirtualTimer final : public Timer {
public:
    explicit VirtualTimer(VirtualClock& clock)
        : clock_(clock)
    {
        entry_.timer = this;
        entry_.fire = [this] {
            // A repeating timer is due again one interval after this tick;
            // like a Qt timer, a late tick does not catch up missed ones.
            entry_.due = clock_.now_ + interval();
            entry_.order = ++clock_.sequence_;
            ++clock_.ticks_;
            tick();
        };
        clock_.entries_.push_back(&entry_);
    }
    ~VirtualTimer() override
    {
        auto& entries = clock_.entries_;
        entries.erase(std::remove(entries.begin(), entries.end(), &entry_), entries.end());
    }

protected:
    void reschedule() override
    {
        entry_.active = enabled() && interval() > 0;
        entry_.due = clock_.now_ + interval();
        entry_.order = ++clock_.sequence_;
    }

private:
    VirtualClock& clock_;
    VirtualClock::Entry entry_;
};

VirtualClock::VirtualClock()
{
    previous_ = InstallClock(this);
}

VirtualClock::~VirtualClock()
{
    InstallClock(previous_);
}

std::unique_ptr<Timer> VirtualClock::createTimer()
{
    return std::make_unique<VirtualTimer>(*this);
}

void VirtualClock::pause(int ms)
{
    now_ += ms;
    paused_ += ms;
}

VirtualClock::Entry* VirtualClock::nextDue(qint64 limit)
{
    Entry* next = nullptr;
    for (Entry* entry : entries_) {
        if (!entry->active || entry->due > limit)
            continue;
        if (next == nullptr || entry->due < next->due || (entry->due == next->due && entry->order < next->order))
            next = entry;
    }
    return next;
}

bool VirtualClock::anyTimerRunning() const
{
    return std::any_of(entries_.begin(), entries_.end(), [](const Entry* entry) { return entry->active; });
}

void VirtualClock::advance(qint64 ms)
{
    const qint64 target = now_ + ms;
    while (Entry* entry = nextDue(target)) {
        now_ = std::max(now_, entry->due);
        entry->fire();
    }
    now_ = std::max(now_, target);
}

bool VirtualClock::advanceUntil(const std::function<bool()>& done, qint64 maxMs)
{
    const qint64 limit = now_ + maxMs;
    while (!done()) {
        Entry* entry = nextDue(limit);
        if (entry == nullptr) {
            now_ = std::max(now_, limit);
            return done();
        }
        now_ = std::max(now_, entry->due);
        entry->fire();
    }
    return true;
}
