// Full check of the Chinese calendar, day by day, over the program's years (999 to 2399 unless two years are
// given): round trips, month starts on new-moon days, 12 or 13 months a year, one leap month in a year of 13.
// Build: cmake --build <build dir> --target chinese_check; run: chinese_check [first_year last_year].
#include "astro/calendar.h"
#include "tests/astro/chinese_sweep.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv) {
    int first_year = 999, last_year = 2399;
    if (argc == 3) {
        first_year = std::atoi(argv[1]);
        last_year = std::atoi(argv[2]);
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: chinese_check [first_year last_year]\n");
        return 2;
    }
    if (first_year < 2 || last_year > 9998 || first_year > last_year) {
        std::fprintf(stderr, "chinese_check: years must satisfy 2 <= first <= last <= 9998\n");
        return 2;
    }
    try {
        const auto started = std::chrono::steady_clock::now();
        const auto first =
            static_cast<long long>(astro::encode_calendar_date(static_cast<std::uint16_t>(first_year), 1, 1));
        const auto last = static_cast<long long>(
            astro::encode_calendar_date(static_cast<std::uint16_t>(last_year), 12, 31));
        const auto s = almadex_test::sweep_chinese(first, last);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf(
            "Chinese calendar %d..%d: %lld days, %lld months (%lld leap), %lld whole years (%lld of 13 "
            "months), %lld faults, %.1f s\n",
            first_year, last_year, s.days, s.months, s.leap_months, s.whole_years, s.leap_years,
            s.failure_count, seconds);
        for (const auto& f : s.failures) std::printf("  %s\n", f.c_str());
        return s.failure_count == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "chinese_check: %s\n", e.what());
        return 1;
    }
}
