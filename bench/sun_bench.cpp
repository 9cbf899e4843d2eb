#include "astro/calendar.h"
#include "astro/earth.h"
#include "astro/seasons.h"
#include "astro/sun.h"
#include "astro/vsop.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

// Instants spread over the years 1000..2399, at varied times of day.
std::array<astro::TDateTime, 16> spread_instants() {
    std::array<astro::TDateTime, 16> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto year = static_cast<std::uint16_t>(1000 + i * 1399 / (out.size() - 1));
        const auto month = static_cast<std::uint16_t>(1 + i * 5 % 12);
        out[i] = astro::gregorian_datetime(year, month, 11) + 0.137 * static_cast<double>(i % 7);
    }
    return out;
}

void BM_NutationObliquity(benchmark::State& state) {
    const auto instants = spread_instants();
    std::size_t i = 0;
    for (auto _ : state) {
        astro::extended dpsi, eps;
        astro::nutation_obliquity(instants[i++ % instants.size()], dpsi, eps);
        benchmark::DoNotOptimize(dpsi);
        benchmark::DoNotOptimize(eps);
    }
}
BENCHMARK(BM_NutationObliquity);

void BM_EarthHeliocentric(benchmark::State& state) {
    const auto instants = spread_instants();
    std::size_t i = 0;
    for (auto _ : state) {
        astro::extended L, B, R;
        astro::earth_heliocentric(instants[i++ % instants.size()], L, B, R);
        benchmark::DoNotOptimize(L);
        benchmark::DoNotOptimize(B);
        benchmark::DoNotOptimize(R);
    }
}
BENCHMARK(BM_EarthHeliocentric);

void BM_SunPosition(benchmark::State& state) {
    const auto instants = spread_instants();
    std::size_t i = 0;
    for (auto _ : state) {
        astro::TSkyPosition pos;
        astro::sun_position(instants[i++ % instants.size()], pos);
        benchmark::DoNotOptimize(pos);
    }
}
BENCHMARK(BM_SunPosition);

// The four seasons of one year, the years taken across 1000..2399.
void BM_SeasonsOfYear(benchmark::State& state) {
    constexpr std::array<int, 8> years{1000, 1204, 1583, 1750, 1900, 2000, 2024, 2399};
    std::size_t i = 0;
    for (auto _ : state) {
        const int year = years[i++ % years.size()];
        for (const auto season : {astro::seSpring, astro::seSummer, astro::seAutumn, astro::seWinter})
            benchmark::DoNotOptimize(astro::season_start(year, season));
    }
}
BENCHMARK(BM_SeasonsOfYear)->Unit(benchmark::kMicrosecond);

// One season instant, the years and seasons taken in turn across 1000..2399.
void BM_SeasonStart(benchmark::State& state) {
    constexpr astro::TSeason seasons[] = {astro::seSpring, astro::seSummer, astro::seAutumn, astro::seWinter};
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::season_start(1000 + (i * 7) % 1400, seasons[i % 4]));
        ++i;
    }
}
BENCHMARK(BM_SeasonStart)->Unit(benchmark::kMicrosecond);

} // namespace
