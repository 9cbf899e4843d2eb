// A bounded, thread-safe memo of a pure function, for the library's caches (the Chinese calendar's searches,
// the Sun's positions of a day). A memoised result is the value the function computed, so a cached call gives
// the same bits as an uncached one.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace astro {

/// A direct-mapped memo of N slots: key k takes slot k mod N, and a newer key evicts an older one. The value
/// is computed outside the lock, so a slow computation never blocks other threads; two threads that miss on
/// the same key both compute it and store the same value.
template <class Value, std::size_t N>
class TMemo {
public:
    template <class F>
    Value get(std::uint64_t key, F&& compute) {
        TSlot& slot = slots_[key % N];
        {
            std::lock_guard lock(mutex_);
            if (slot.used && slot.key == key) return slot.value;
        }
        const Value value = compute();
        std::lock_guard lock(mutex_);
        slot = {key, value, true};
        return value;
    }

    /// The value for the day value x, keyed by its day number when x is a whole day within 1e8 days of the
    /// epoch; any other argument is computed directly, unmemoised.
    template <class F>
    Value get_by_day(double x, F&& compute) {
        if (!(std::fabs(x) < 1e8) || x != std::floor(x)) return compute();
        return get(static_cast<std::uint64_t>(static_cast<std::int64_t>(x)), compute);
    }

    /// Forgets every value (for measurements: no result depends on it).
    void clear() {
        std::lock_guard lock(mutex_);
        for (auto& slot : slots_) slot.used = false;
    }

private:
    struct TSlot {
        std::uint64_t key = 0;
        Value value{};
        bool used = false;
    };
    std::mutex mutex_;
    std::array<TSlot, N> slots_{};
};

} // namespace astro
