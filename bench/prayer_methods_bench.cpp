#include "astro/calendar.h"
#include "astro/prayer.h"
#include "astro/prayer_methods.h"
#include "astro/riseset.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

// A place-day by the angle methods, beside the day-arc fractions (BM_PrayerTimes, BM_PrayerTimesCold): the
// six times of each from one set of the Sun's positions of the day. Cold, the Sun's positions are nearly all
// of the cost and the same for every method; warm, each crossing takes one arccosine and short series for
// the small changes over its correction step, so that even a method with six crossings (Tehran with Hanafi
// Asr) costs less than the day-arc fractions' four. Compare them in one run with
// --benchmark_enable_random_interleaving=true and repetitions: the machine's noise exceeds the margin of
// a single run.
struct TPlace {
    double lat, lon; // degrees; longitude west positive
};
constexpr std::array<TPlace, 8> kPlaces{{{-60.0, 68.3},
                                         {-33.9, -18.4},
                                         {-6.2, -106.8},
                                         {0.0, 0.0},
                                         {21.4, -39.8},
                                         {36.8, -3.0},
                                         {48.9, 123.1},
                                         {60.0, -25.0}}};

double day_of(std::size_t i) {
    static const double first = astro::encode_calendar_date(2024, 1, 1);
    return first + static_cast<double>((i * 23) % 366);
}

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

void BM_MethodTimes(benchmark::State& state) {
    const astro::TAngleMethod m = method(static_cast<int>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        const TPlace& p = kPlaces[i % kPlaces.size()];
        benchmark::DoNotOptimize(astro::method_prayer_times(day_of(i++), p.lat, p.lon, m));
    }
}
// 0 Muslim World League, 1 Umm al-Qura, 2 Tehran with Hanafi Asr, 3 Moonsighting Committee.
BENCHMARK(BM_MethodTimes)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_MethodTimesCold(benchmark::State& state) {
    const astro::TAngleMethod m = method(static_cast<int>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        const TPlace& p = kPlaces[i % kPlaces.size()];
        astro::clear_sun_day_memo();
        benchmark::DoNotOptimize(astro::method_prayer_times(day_of(i++), p.lat, p.lon, m));
    }
}
BENCHMARK(BM_MethodTimesCold)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
