// The places and days that the rising, setting and prayer-time benchmarks take in turn, and their loop.
#pragma once

#include "astro/calendar.h"
#include "astro/riseset.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstddef>

namespace bench {

struct TPlace {
    double lat, lon; // degrees; longitude west positive
};

// Places from 60 S to 60 N on both sides of Greenwich.
inline constexpr std::array<TPlace, 8> kPlaces{{{-60.0, 68.3},
                                                {-33.9, -18.4},
                                                {-6.2, -106.8},
                                                {0.0, 0.0},
                                                {21.4, -39.8},
                                                {36.8, -3.0},
                                                {48.9, 123.1},
                                                {60.0, -25.0}}};

// Days spread over a year, 23 days apart: every place meets every season.
inline double day_of(std::size_t i) {
    static const double first = astro::encode_calendar_date(2024, 1, 1);
    return first + static_cast<double>((i * 23) % 366);
}

// Calls f(place, day) once an iteration, the places and days in turn; cold, the memoised Sun days are
// forgotten before each call, so that it computes the Sun's positions anew.
template <class F>
void over_place_days(benchmark::State& state, bool cold, F&& f) {
    std::size_t i = 0;
    for (auto _ : state) {
        const TPlace& p = kPlaces[i % kPlaces.size()];
        const double day = day_of(i++);
        if (cold) astro::clear_sun_day_memo();
        f(p, day);
    }
}

} // namespace bench
