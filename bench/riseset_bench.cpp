#include "astro/prayer.h"
#include "astro/riseset.h"
#include "bench/place_days.h"

#include <benchmark/benchmark.h>

namespace {

using bench::over_place_days;
using bench::TPlace;

void BM_SunRiseTransitSet(benchmark::State& state) {
    over_place_days(state, false, [](const TPlace& p, double day) {
        benchmark::DoNotOptimize(astro::sun_rise(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_transit(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_set(day, p.lat, p.lon));
    });
}
BENCHMARK(BM_SunRiseTransitSet)->Unit(benchmark::kMicrosecond);

// The six times of one day and place, as the prayer window lists them.
void BM_PrayerDay(benchmark::State& state) {
    over_place_days(state, false, [](const TPlace& p, double day) {
        benchmark::DoNotOptimize(astro::fedjr_time(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_rise(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_transit(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::assr_time(true, day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::sun_set(day, p.lat, p.lon));
        benchmark::DoNotOptimize(astro::ishaa_time(day, p.lat, p.lon));
    });
}
BENCHMARK(BM_PrayerDay)->Unit(benchmark::kMicrosecond);

void prayer_times(const TPlace& p, double day) {
    benchmark::DoNotOptimize(astro::prayer_times(day, p.lat, p.lon));
}

// The same six times from prayer_times, which computes them together.
void BM_PrayerTimes(benchmark::State& state) {
    over_place_days(state, false, prayer_times);
}
BENCHMARK(BM_PrayerTimes)->Unit(benchmark::kMicrosecond);

// One place-day with the Sun's days forgotten first: its three Sun positions computed anew.
void BM_PrayerTimesCold(benchmark::State& state) {
    over_place_days(state, true, prayer_times);
}
BENCHMARK(BM_PrayerTimesCold)->Unit(benchmark::kMicrosecond);

// The 30-day schedule of one place, as the schedule window and the command line compute it, from a memo that
// knows none of its days: 32 Sun positions and 30 sidereal times, then the six times of each day.
void BM_PrayerScheduleCold(benchmark::State& state) {
    over_place_days(state, true, [](const TPlace& p, double first) {
        for (int d = 0; d < 30; ++d) prayer_times(p, first + d);
    });
}
BENCHMARK(BM_PrayerScheduleCold)->Unit(benchmark::kMillisecond);

} // namespace
