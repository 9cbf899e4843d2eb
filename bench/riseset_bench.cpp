#include "astro/calendar.h"
#include "astro/prayer.h"
#include "astro/riseset.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

struct TPlace {
    long double lat, lon; // degrees; longitude west positive
};

// Places from 60 S to 60 N on both sides of Greenwich.
constexpr std::array<TPlace, 8> kPlaces{{{-60.0L, 68.3L},
                                         {-33.9L, -18.4L},
                                         {-6.2L, -106.8L},
                                         {0.0L, 0.0L},
                                         {21.4L, -39.8L},
                                         {36.8L, -3.0L},
                                         {48.9L, 123.1L},
                                         {60.0L, -25.0L}}};

// Days spread over a year, 23 days apart: every place meets every season.
double day_of(std::size_t i) {
    static const double first = astro::encode_calendar_date(2024, 1, 1);
    return first + static_cast<double>((i * 23) % 366);
}

void BM_SunRiseTransitSet(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const TPlace& p = kPlaces[i % kPlaces.size()];
        const double day = day_of(i++);
        benchmark::DoNotOptimize(astro::sun_rise(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_transit(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_set(day, p.lat, p.lon));
    }
}
BENCHMARK(BM_SunRiseTransitSet)->Unit(benchmark::kMicrosecond);

// The six times of one day and place, as the prayer window lists them.
void BM_PrayerDay(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const TPlace& p = kPlaces[i % kPlaces.size()];
        const double day = day_of(i++);
        benchmark::DoNotOptimize(astro::fedjr_time(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_rise(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_transit(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::assr_time(true, day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_set(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::ishaa_time(day, p.lat, p.lon));
    }
}
BENCHMARK(BM_PrayerDay)->Unit(benchmark::kMicrosecond);

// The same six times from prayer_times, which computes them together.
void BM_PrayerTimes(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const TPlace& p = kPlaces[i % kPlaces.size()];
        benchmark::DoNotOptimize(astro::prayer_times(day_of(i++), p.lat, p.lon));
    }
}
BENCHMARK(BM_PrayerTimes)->Unit(benchmark::kMicrosecond);

// One place-day with the Sun's days forgotten first: its three Sun positions computed anew.
void BM_PrayerTimesCold(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const TPlace& p = kPlaces[i % kPlaces.size()];
        astro::clear_sun_day_memo();
        benchmark::DoNotOptimize(astro::prayer_times(day_of(i++), p.lat, p.lon));
    }
}
BENCHMARK(BM_PrayerTimesCold)->Unit(benchmark::kMicrosecond);

// The 30-day schedule of one place, as the schedule window and the command line compute it, from a memo that
// knows none of its days: 32 Sun positions and 30 sidereal times, then the six times of each day.
void BM_PrayerScheduleCold(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const TPlace& p = kPlaces[i % kPlaces.size()];
        const double first = day_of(i++);
        astro::clear_sun_day_memo();
        for (int d = 0; d < 30; ++d) benchmark::DoNotOptimize(astro::prayer_times(first + d, p.lat, p.lon));
    }
}
BENCHMARK(BM_PrayerScheduleCold)->Unit(benchmark::kMillisecond);

} // namespace
