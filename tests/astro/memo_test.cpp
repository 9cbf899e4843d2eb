// The library's memos (the Sun's days, the Chinese calendar's searches, the first days of Islamic months) are
// bounded, shared by every thread, and give the bits the computation gives without them: results are compared
// cold (the memo forgotten before each call), warm, and from several threads at once, one of them forgetting
// the memos meanwhile. The CI runs these tests under ThreadSanitizer too (the tsan preset).
#include "astro/calendar.h"
#include "astro/chinese.h"
#include "astro/islamic.h"
#include "astro/prayer.h"
#include "astro/riseset.h"

#include <array>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace astro;

namespace {

// Runs work(i) for i = 0..n-1 on four threads, each taking the indices in its own order, while a fifth
// thread forgets the memos now and then; returns the results by index.
template <class T>
std::vector<T> on_threads(int n, const std::function<T(int)>& work) {
    std::vector<T> out(n);
    std::atomic<bool> done{false};
    std::thread forgetter([&] {
        while (!done) {
            clear_sun_day_memo();
            clear_chinese_calendar_memo();
            clear_islamic_month_memo();
            std::this_thread::yield();
        }
    });
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w)
        workers.emplace_back([&, w] {
            for (int k = 0; k < n; ++k) {
                const int i = w % 2 == 0 ? (k + w * n / 4) % n : n - 1 - k; // overlapping, in other orders
                if (i % 4 == w)
                    out[i] = work(i);
                else
                    (void)work(i); // the same entries, computed by the other threads as well
            }
        });
    for (auto& t : workers) t.join();
    done = true;
    forgetter.join();
    return out;
}

struct TSixTimes {
    std::array<double, prayer_count> time{};
    std::array<const char*, prayer_count> error{};
    friend bool operator==(const TSixTimes&, const TSixTimes&) = default;
};

TSixTimes six(int i) {
    // 1,500 days: more than the memo's 1,024 slots, so that days evict each other; places around the globe.
    const TDateTime day = encode_calendar_date(2024, 1, 1) + (i * 7) % 1500;
    const TPrayerTimes t = prayer_times(day, -66 + (i * 13) % 133, -180 + (i * 37) % 360);
    return {t.time, t.error};
}

TEST(Memo, PrayerTimesColdWarmAndFromSeveralThreads) {
    constexpr int n = 600;
    std::vector<TSixTimes> cold(n), warm(n);
    for (int i = 0; i < n; ++i) {
        clear_sun_day_memo();
        cold[i] = six(i);
    }
    for (int i = 0; i < n; ++i) warm[i] = six(i);
    EXPECT_EQ(warm, cold);
    EXPECT_EQ(on_threads<TSixTimes>(n, six), cold);
}

TEST(Memo, SunDayIsTheSameForEveryInstantOfTheDay) {
    const TDateTime day = encode_calendar_date(1999, 8, 11);
    clear_sun_day_memo();
    const TSunDay cold = sun_day(day + 0.999);
    for (const double at : {0.0, 0.25, 0.5}) {
        const TSunDay warm = sun_day(day + at);
        EXPECT_EQ(warm.day, cold.day);
        EXPECT_EQ(warm.alpha1, cold.alpha1);
        EXPECT_EQ(warm.alpha2, cold.alpha2);
        EXPECT_EQ(warm.alpha3, cold.alpha3);
        EXPECT_EQ(warm.delta1, cold.delta1);
        EXPECT_EQ(warm.delta2, cold.delta2);
        EXPECT_EQ(warm.delta3, cold.delta3);
        EXPECT_EQ(warm.theta0, cold.theta0);
    }
    // The neighbouring days share two of the three positions.
    const TSunDay next = sun_day(day + 1);
    EXPECT_EQ(next.alpha1, cold.alpha2);
    EXPECT_EQ(next.alpha2, cold.alpha3);
    EXPECT_EQ(next.delta2, cold.delta3);
}

TEST(Memo, ChineseDatesColdWarmAndFromSeveralThreads) {
    // Days of five years, some of them 60 years apart so that their searches share memo slots.
    constexpr int n = 240;
    const auto day = [](int i) {
        return encode_calendar_date(static_cast<std::uint16_t>(1950 + (i % 5) * 60), 1, 1) + (i * 13) % 366 +
               0.5;
    };
    std::vector<TChineseDate> cold(n), warm(n);
    for (int i = 0; i < n; ++i) {
        clear_chinese_calendar_memo();
        cold[i] = date_to_chinese(day(i));
    }
    for (int i = 0; i < n; ++i) warm[i] = date_to_chinese(day(i));
    EXPECT_EQ(warm, cold);
    EXPECT_EQ(on_threads<TChineseDate>(n, [&](int i) { return date_to_chinese(day(i)); }), cold);
}

TEST(Memo, IslamicDatesColdWarmAndFromSeveralThreads) {
    // Days of four stretches 4,096 days apart, whose months' first days share memo slots.
    constexpr int n = 240;
    const auto day = [](int i) {
        return encode_calendar_date(1990, 1, 1) + (i % 4) * 4096 + (i * 7) % 120 + 0.5;
    };
    std::vector<TIslamicDate> cold(n), warm(n);
    for (int i = 0; i < n; ++i) {
        clear_islamic_month_memo();
        cold[i] = date_to_islamic(false, day(i));
    }
    for (int i = 0; i < n; ++i) warm[i] = date_to_islamic(false, day(i));
    EXPECT_EQ(warm, cold);
    EXPECT_EQ(on_threads<TIslamicDate>(n, [&](int i) { return date_to_islamic(false, day(i)); }), cold);
}

} // namespace
