#include "astro/calendar.h"
#include "astro/eclipse.h"
#include "astro/lunar_data.h"
#include "astro/moon_phases.h"
#include "astro/moon_position.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

// Instants spread over the years the program shows, at odd times of day.
const std::array<astro::TDateTime, 8> kDates{
    astro::encode_calendar_date(1900, 3, 14) + 0.13, astro::encode_calendar_date(1923, 1, 17) + 0.71,
    astro::encode_calendar_date(1977, 2, 5) + 0.25,  astro::encode_calendar_date(1992, 4, 12) + 0.5,
    astro::encode_calendar_date(2000, 1, 6) + 0.9,   astro::encode_calendar_date(2018, 1, 1) + 0.37,
    astro::encode_calendar_date(2025, 3, 14) + 0.02, astro::encode_calendar_date(2099, 12, 31) + 0.66};

void BM_MoonPosition(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(astro::moon_position(kDates[i++ % kDates.size()]));
}
BENCHMARK(BM_MoonPosition);

void BM_NextNewMoon(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(astro::next_phase(astro::mpNewMoon, kDates[i++ % kDates.size()]));
}
BENCHMARK(BM_NextNewMoon);

void BM_MoonAge(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(astro::moon_age(kDates[i++ % kDates.size()]));
}
BENCHMARK(BM_MoonAge);

void BM_NextBlueMoon(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(astro::next_blue_moon(kDates[i++ % kDates.size()]));
}
BENCHMARK(BM_NextBlueMoon);

void BM_NextLunarEclipse(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        astro::TDateTime date = kDates[i++ % kDates.size()];
        benchmark::DoNotOptimize(astro::next_eclipse(date, false));
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK(BM_NextLunarEclipse);

} // namespace
