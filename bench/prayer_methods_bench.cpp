#include "astro/prayer_methods.h"
#include "bench/place_days.h"

#include <benchmark/benchmark.h>

namespace {

// A place-day by the angle methods, beside the day-arc fractions (BM_PrayerTimes, BM_PrayerTimesCold): the
// six times of each from one set of the Sun's positions of the day. Cold, the Sun's positions are nearly all
// of the cost and the same for every method; warm, each crossing takes one arccosine and short series for
// the small changes over its correction step, so that even a method with six crossings (Tehran with Hanafi
// Asr) costs less than the day-arc fractions' four. Compare them in one run with
// --benchmark_enable_random_interleaving=true and repetitions: the machine's noise exceeds the margin of
// a single run.
astro::TAngleMethod method(int which) {
    astro::TAngleMethod m;
    m.high_latitude = astro::THighLatitudeRule::twilight_angle;
    switch (which) {
    case 1: // Umm al-Qura: Isha an interval after Maghrib
        m.fajr_angle = 18.5;
        m.isha_minutes = 90;
        break;
    case 2: // Tehran: Maghrib at an angle, Hanafi Asr
        m.fajr_angle = 17.7;
        m.isha_angle = 14;
        m.maghrib_angle = 4.5;
        m.asr_shadow = 2;
        break;
    case 3: // Moonsighting Committee: seasonal bound
        m.isha_angle = 18;
        m.seasonal = true;
        break;
    default: // Muslim World League
        break;
    }
    return m;
}

void method_times(benchmark::State& state, bool cold) {
    const astro::TAngleMethod m = method(static_cast<int>(state.range(0)));
    bench::over_place_days(state, cold, [&m](const bench::TPlace& p, double day) {
        benchmark::DoNotOptimize(astro::method_prayer_times(day, p.lat, p.lon, m));
    });
}

void BM_MethodTimes(benchmark::State& state) {
    method_times(state, false);
}
// 0 Muslim World League, 1 Umm al-Qura, 2 Tehran with Hanafi Asr, 3 Moonsighting Committee.
BENCHMARK(BM_MethodTimes)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_MethodTimesCold(benchmark::State& state) {
    method_times(state, true);
}
BENCHMARK(BM_MethodTimesCold)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
