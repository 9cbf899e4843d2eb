#include "astro/calendar.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

// Dates spread over the years the program shows, on both sides of the reform.
constexpr std::array<std::array<std::uint16_t, 3>, 8> kDates{{{999, 3, 14},
                                                              {1204, 7, 31},
                                                              {1582, 10, 4},
                                                              {1582, 10, 15},
                                                              {1750, 2, 28},
                                                              {1900, 12, 31},
                                                              {2024, 10, 3},
                                                              {2399, 6, 1}}};

void BM_CalendarDateToJd(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& d = kDates[i++ % kDates.size()];
        benchmark::DoNotOptimize(astro::date_to_jd(d[0], d[1], d[2]));
    }
}
BENCHMARK(BM_CalendarDateToJd);

void BM_JdToCalendarDate(benchmark::State& state) {
    std::array<long double, kDates.size()> jds{};
    for (std::size_t k = 0; k < kDates.size(); ++k)
        jds[k] = astro::date_to_jd(kDates[k][0], kDates[k][1], kDates[k][2]) + 0.3L;
    std::size_t i = 0;
    for (auto _ : state) {
        std::uint16_t y, m, d;
        astro::jd_to_date(jds[i++ % jds.size()], y, m, d);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_JdToCalendarDate);

} // namespace
