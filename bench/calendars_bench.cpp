#include "astro/calendar.h"
#include "astro/chinese.h"
#include "astro/easter.h"
#include "astro/hebrew.h"
#include "astro/islamic.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

// Noon of 97 days spread over the years the program shows, 999 to 2399, at varying places in their months.
const std::vector<astro::TDateTime>& spread_days() {
    static const std::vector<astro::TDateTime> days = [] {
        const astro::TDateTime first = astro::encode_calendar_date(999, 1, 1);
        const astro::TDateTime last = astro::encode_calendar_date(2399, 12, 31);
        std::vector<astro::TDateTime> v;
        constexpr int count = 97;
        for (int k = 0; k < count; ++k)
            v.push_back(first + static_cast<int>((last - first) * k / count) + 0.5);
        return v;
    }();
    return days;
}

void BM_EasterDate(benchmark::State& state) {
    std::int32_t year = 999;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::easter_date(year));
        if (++year > 2399) year = 999;
    }
}
BENCHMARK(BM_EasterDate);

void BM_DateToHebrew(benchmark::State& state) {
    const auto& days = spread_days();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(astro::date_to_hebrew(days[i++ % days.size()]));
}
BENCHMARK(BM_DateToHebrew);

void BM_HebrewToDate(benchmark::State& state) {
    std::vector<astro::THebrewDate> dates;
    for (auto t : spread_days()) dates.push_back(astro::date_to_hebrew(t));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& h = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(astro::hebrew_to_date(h.year, h.month, h.day));
    }
}
BENCHMARK(BM_HebrewToDate);

// The Chinese calendar memoises its solar-term and new-moon searches, the Islamic date of a day the first
// days of the Moon's months. The plain benchmarks measure a running program, in which the memos hold the
// searches of the days around (filled before the timing starts); the Cold variants forget the memos before
// every conversion, as for the first day converted in a region of years.
void warm_memo() {
    for (auto t : spread_days()) {
        benchmark::DoNotOptimize(astro::date_to_chinese(t));
        benchmark::DoNotOptimize(astro::date_to_islamic(true, t));
    }
}

void BM_DateToIslamic(benchmark::State& state) {
    const auto& days = spread_days();
    warm_memo();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(astro::date_to_islamic(true, days[i++ % days.size()]));
}
BENCHMARK(BM_DateToIslamic)->Unit(benchmark::kMicrosecond);

void BM_DateToIslamicCold(benchmark::State& state) {
    const auto& days = spread_days();
    std::size_t i = 0;
    for (auto _ : state) {
        astro::clear_islamic_month_memo();
        benchmark::DoNotOptimize(astro::date_to_islamic(true, days[i++ % days.size()]));
    }
}
BENCHMARK(BM_DateToIslamicCold)->Unit(benchmark::kMicrosecond);

void BM_IslamicToDate(benchmark::State& state) {
    std::uint16_t year = 389, month = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::islamic_to_date({1, month, year}, true));
        if (++month > 12) {
            month = 1;
            if (++year > 1833) year = 389;
        }
    }
}
BENCHMARK(BM_IslamicToDate);

void BM_DateToChinese(benchmark::State& state) {
    const auto& days = spread_days();
    warm_memo();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(astro::date_to_chinese(days[i++ % days.size()]));
}
BENCHMARK(BM_DateToChinese)->Unit(benchmark::kMicrosecond);

void BM_ChineseToDate(benchmark::State& state) {
    std::vector<astro::TChineseDate> dates;
    for (auto t : spread_days()) dates.push_back(astro::date_to_chinese(t));
    for (const auto& d : dates) benchmark::DoNotOptimize(astro::chinese_to_date(d));
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(astro::chinese_to_date(dates[i++ % dates.size()]));
}
BENCHMARK(BM_ChineseToDate)->Unit(benchmark::kMicrosecond);

// What one Gregorian conversion of the main window computes: the Hebrew, Islamic, Julian Day and Chinese
// readings of one day at noon.
void full_conversion(astro::TDateTime t) {
    benchmark::DoNotOptimize(astro::date_to_hebrew(t));
    benchmark::DoNotOptimize(astro::date_to_islamic(true, t));
    benchmark::DoNotOptimize(astro::datetime_to_jd(t));
    benchmark::DoNotOptimize(astro::date_to_chinese(t));
}

void BM_FullConversion(benchmark::State& state) {
    const auto& days = spread_days();
    warm_memo();
    std::size_t i = 0;
    for (auto _ : state) full_conversion(days[i++ % days.size()]);
}
BENCHMARK(BM_FullConversion)->Unit(benchmark::kMillisecond);

void BM_FullConversionCold(benchmark::State& state) {
    const auto& days = spread_days();
    std::size_t i = 0;
    for (auto _ : state) {
        astro::clear_chinese_calendar_memo();
        astro::clear_islamic_month_memo();
        full_conversion(days[i++ % days.size()]);
    }
}
BENCHMARK(BM_FullConversionCold)->Unit(benchmark::kMillisecond);

void BM_DateToChineseCold(benchmark::State& state) {
    const auto& days = spread_days();
    std::size_t i = 0;
    for (auto _ : state) {
        astro::clear_chinese_calendar_memo();
        benchmark::DoNotOptimize(astro::date_to_chinese(days[i++ % days.size()]));
    }
}
BENCHMARK(BM_DateToChineseCold)->Unit(benchmark::kMillisecond);

} // namespace
