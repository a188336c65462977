#pragma once

#include <mutex>
#include <utility>

// A field one thread may replace while another reads it: what a conversion names on its worker
// thread (an item's output path, a group's member under way) while the progress sheet shows it
// on the main thread. Reads hand out a copy taken under the field's own lock; the value a write
// replaces is let go outside it.
template <class T>
class DNGuardedValue
{
public:
    DNGuardedValue() = default;
    DNGuardedValue(const DNGuardedValue &) = delete;
    DNGuardedValue &operator=(const DNGuardedValue &) = delete;

    T get() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return value_;
    }

    void set(T value)
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            std::swap(value_, value);
        }
    }

private:
    mutable std::mutex mutex_;
    T value_{};
};
