#include "astro/calendar.h"
#include "astro/chinese.h"
#include "astro/errors.h"
#include "astro/moon_phases.h"
#include "astro/seasons.h"
#include "tests/astro/error_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

using namespace astro;
using astro::testing::error_of;

namespace {

TDateTime noon(std::uint16_t y, std::uint16_t m, std::uint16_t d) {
    return encode_calendar_date(y, m, d) + 0.5;
}

TChineseDate chinese(std::int32_t cycle, std::int32_t year, std::int32_t month, bool leap, std::int32_t day) {
    TChineseDate r;
    r.Cycle = cycle;
    r.Year = year;
    r.Month = month;
    r.LeapMonth = leap;
    r.Day = day;
    return r;
}

TEST(Chinese, ChinaTime) {
    // Zone time from 1929 on, Beijing mean time (7 h 45 min 40 s) before.
    EXPECT_EQ(to_china_time(noon(2024, 10, 3)), noon(2024, 10, 3) + 1.0 / 3.0);
    EXPECT_EQ(to_china_time(noon(1928, 12, 31)), noon(1928, 12, 31) + 27940.0 / 86400.0);
    EXPECT_EQ(from_china_time(noon(1929, 1, 1)), noon(1929, 1, 1) - 1.0 / 3.0);
    EXPECT_EQ(from_china_time(noon(1500, 6, 1)), noon(1500, 6, 1) - 27940.0 / 86400.0);
}

TEST(Chinese, MajorTerms) {
    const struct {
        int month;
        int k;
    } indices[] = {{1, 20}, {2, 22}, {3, 0}, {4, 2}, {6, 6}, {9, 12}, {11, 16}, {12, 18}};
    for (const auto& c : indices) EXPECT_EQ(major_term_index(c.month), c.k) << c.month;

    const TDateTime solstice = sun_longitude_instant(2024, 18);
    EXPECT_EQ(next_major_term(encode_calendar_date(2024, 12, 1)), solstice);
    EXPECT_EQ(next_major_term(solstice), solstice);                        // at or after
    EXPECT_EQ(last_major_term(solstice), sun_longitude_instant(2024, 16)); // strictly before
    EXPECT_EQ(last_major_term(solstice + 1e-6), solstice);
    // Across the turn of a year: from the December solstice on to the January term of the next year.
    EXPECT_EQ(next_major_term(solstice + 1e-6), sun_longitude_instant(2025, 20));
    EXPECT_EQ(last_major_term(encode_calendar_date(2025, 1, 5)), solstice);
    // Days in China time: the solstice of 21 December 2024, 09:21 universal time, is 21 December in China.
    EXPECT_EQ(term_day_on_or_after(encode_calendar_date(2024, 12, 15)), encode_calendar_date(2024, 12, 21));
    EXPECT_EQ(term_day_before(encode_calendar_date(2024, 12, 22)), encode_calendar_date(2024, 12, 21));
    EXPECT_EQ(term_day_before(encode_calendar_date(2024, 12, 21)), encode_calendar_date(2024, 11, 22));
}

TEST(Chinese, NewMoonDays) {
    // The new moon of 2 October 2024, 18:49 universal time, falls on 3 October in China.
    EXPECT_EQ(new_moon_day_on_or_after(encode_calendar_date(2024, 9, 20)), encode_calendar_date(2024, 10, 3));
    EXPECT_EQ(new_moon_day_on_or_before(encode_calendar_date(2024, 10, 4)),
              encode_calendar_date(2024, 10, 3));
    // At 00:00 of a month's first day the new moon is still to come: the month before.
    EXPECT_EQ(new_moon_day_on_or_before(encode_calendar_date(2024, 10, 3)), encode_calendar_date(2024, 9, 3));
    EXPECT_TRUE(month_lacks_major_term(encode_calendar_date(2023, 3, 22)));
    EXPECT_FALSE(month_lacks_major_term(encode_calendar_date(2023, 4, 20)));
    EXPECT_TRUE(lacking_month_between(encode_calendar_date(2023, 4, 20), encode_calendar_date(2023, 1, 22)));
    EXPECT_FALSE(lacking_month_between(encode_calendar_date(2023, 2, 20), encode_calendar_date(2023, 1, 22)));
}

TEST(Chinese, DateToChineseWorkedExamples) {
    const struct {
        TDateTime t;
        std::int32_t cycle, year, month;
        bool leap;
        std::int32_t day;
    } cases[] = {
        {noon(2024, 10, 3), 78, 41, 9, false, 1},  {noon(2024, 10, 3) - 0.5, 78, 41, 9, false, 1},
        {noon(2024, 10, 2), 78, 41, 8, false, 30}, {noon(2024, 2, 10), 78, 41, 1, false, 1},
        {noon(2024, 2, 9), 78, 40, 12, false, 30}, {noon(2023, 3, 22), 78, 40, 2, true, 1},
        {noon(2023, 4, 20), 78, 40, 3, false, 1},  {noon(2020, 5, 23), 78, 37, 4, true, 1},
        {noon(2017, 7, 23), 78, 34, 6, true, 1},   {noon(2025, 7, 25), 78, 42, 6, true, 1},
        {noon(2033, 12, 22), 78, 50, 11, true, 1}, // a leap month right after the winter-solstice month
        {noon(2034, 1, 20), 78, 50, 12, false, 1}, {noon(1984, 2, 2), 78, 1, 1, false, 1},
        {noon(1984, 2, 1), 77, 60, 12, false, 30},
    };
    for (const auto& c : cases) {
        const TChineseDate r = date_to_chinese(c.t);
        EXPECT_EQ(r.Cycle, c.cycle) << c.t;
        EXPECT_EQ(r.Year, c.year) << c.t;
        EXPECT_EQ(r.Month, c.month) << c.t;
        EXPECT_EQ(r.LeapMonth, c.leap) << c.t;
        EXPECT_EQ(r.Day, c.day) << c.t;
        EXPECT_EQ(r.YearNumber, (c.cycle - 1) * 60 + c.year) << c.t;
    }
}

TEST(Chinese, StemsAndBranches) {
    const TChineseDate jia_chen = date_to_chinese(noon(2024, 10, 3)); // year of the wood dragon
    EXPECT_EQ(jia_chen.YearStem, 0);
    EXPECT_EQ(jia_chen.YearBranch, 4);
    const TChineseDate gui_mao = date_to_chinese(noon(2024, 2, 9)); // year of the water rabbit
    EXPECT_EQ(gui_mao.YearStem, 9);
    EXPECT_EQ(gui_mao.YearBranch, 3);
    const TChineseDate y2000 = date_to_chinese(noon(2000, 1, 1));
    EXPECT_EQ(y2000.DayStem, 4);
    EXPECT_EQ(y2000.DayBranch, 6);
    // Days run through the sixty-day cycle without a break.
    const TChineseDate next = date_to_chinese(noon(2000, 1, 2));
    EXPECT_EQ(next.DayStem, 5);
    EXPECT_EQ(next.DayBranch, 7);
    const TChineseDate y2000_plus_60 = date_to_chinese(noon(2000, 1, 1) + 60);
    EXPECT_EQ(y2000_plus_60.DayStem, 4);
    EXPECT_EQ(y2000_plus_60.DayBranch, 6);
    // Consecutive months step the month's stem and branch by one.
    EXPECT_EQ((jia_chen.MonthStem + 10 - date_to_chinese(noon(2024, 10, 2)).MonthStem) % 10, 1);
    EXPECT_EQ((jia_chen.MonthBranch + 12 - date_to_chinese(noon(2024, 10, 2)).MonthBranch) % 12, 1);
}

// The solstice is found from 15 December of the Gregorian calendar: the Julian 15 December falls after the
// solstice from the 12th century to the reform.
TEST(Chinese, WinterSolsticeDays) {
    const struct {
        std::int32_t year;
        std::uint16_t month, day; // in the calendar in force
    } cases[] = {{999, 12, 16}, {1152, 12, 14}, {1581, 12, 12}, {1582, 12, 22}, {2024, 12, 21}};
    for (const auto& c : cases)
        EXPECT_EQ(winter_solstice_day(c.year),
                  encode_calendar_date(static_cast<std::uint16_t>(c.year), c.month, c.day))
            << c.year;
    // 13 January 1153 (Julian) lies in month 12, after the solstice month that began on 28 November 1152.
    const TChineseDate r = date_to_chinese(noon(1153, 1, 13));
    EXPECT_EQ(r.Month, 12);
    EXPECT_EQ(r.Day, 17);
    EXPECT_FALSE(r.LeapMonth);
    EXPECT_EQ(chinese_to_date(r), encode_calendar_date(1153, 1, 13));
    EXPECT_EQ(chinese_new_year(1153), encode_calendar_date(1153, 1, 26));
}

TEST(Chinese, NewYears) {
    const struct {
        std::int32_t year;
        std::uint16_t month, day;
    } cases[] = {{2020, 1, 25}, {2023, 1, 22}, {2024, 2, 10}, {2025, 1, 29},
                 {2033, 1, 31}, {2034, 2, 19}, {1984, 2, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(chinese_new_year(c.year),
                  encode_calendar_date(static_cast<std::uint16_t>(c.year), c.month, c.day))
            << c.year;
}

TEST(Chinese, ChineseToDate) {
    const struct {
        TChineseDate date;
        std::uint16_t y, m, d;
    } cases[] = {
        {chinese(78, 41, 9, false, 1), 2024, 10, 3},  {chinese(78, 40, 2, true, 1), 2023, 3, 22},
        {chinese(78, 40, 3, false, 1), 2023, 4, 20},  {chinese(78, 40, 12, false, 30), 2024, 2, 9},
        {chinese(78, 50, 11, true, 1), 2033, 12, 22}, {chinese(78, 50, 12, false, 1), 2034, 1, 20},
        {chinese(78, 1, 1, false, 1), 1984, 2, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chinese_to_date(c.date), encode_calendar_date(c.y, c.m, c.d))
            << c.y << "-" << c.m << "-" << c.d;

    const TChineseDate invalid[] = {
        chinese(78, 41, 9, true, 1), // month 9 of 2024 is not leap
        chinese(78, 41, 12, false, 30), chinese(78, 41, 13, false, 1), chinese(78, 41, 50, false, 1),
        chinese(78, 41, 0, false, 1),   chinese(78, 41, 1, false, 0),  chinese(78, 41, 1, false, 31),
        chinese(78, 0, 1, false, 1),    chinese(78, 61, 1, false, 1),  chinese(0, 1, 1, false, 1),
        chinese(-5, 1, 1, false, 1),
    };
    for (const auto& date : invalid)
        EXPECT_EQ(error_of([&] { chinese_to_date(date); }), "Invalid chinese date")
            << date.Cycle << "/" << date.Year << "/" << date.Month << "/" << date.LeapMonth << "/"
            << date.Day;
}

// The memo returns what the searches compute, bit for bit, whether it is cold or warm.
TEST(Chinese, MemoisedResultsEqualTheSearches) {
    for (int year : {999, 1582, 1928, 2024, 2399})
        for (std::uint8_t k = 0; k < 24; k += 5) {
            const TDateTime direct = sun_longitude_instant(year, k);
            EXPECT_EQ(solar_term_instant(year, k), direct) << year << " " << int{k};
            EXPECT_EQ(solar_term_instant(year, k), direct) << year << " " << int{k};
        }
    for (TDateTime x = encode_calendar_date(1000, 1, 1); x < 200000; x += 9137) {
        const TDateTime before = std::floor(to_china_time(last_phase(mpNewMoon, from_china_time(x))));
        const TDateTime after = std::floor(to_china_time(next_phase(mpNewMoon, from_china_time(x))));
        for (int pass = 0; pass < 2; ++pass) {
            EXPECT_EQ(new_moon_day_on_or_before(x), before) << x;
            EXPECT_EQ(new_moon_day_on_or_after(x), after) << x;
        }
    }
    std::vector<TChineseDate> warm;
    for (TDateTime t = noon(999, 3, 1); t < noon(2399, 12, 1); t += 20011) warm.push_back(date_to_chinese(t));
    std::size_t i = 0;
    for (TDateTime t = noon(999, 3, 1); t < noon(2399, 12, 1); t += 20011, ++i) {
        clear_chinese_calendar_memo();
        EXPECT_EQ(date_to_chinese(t), warm[i]) << t;
    }
}

// Several threads converting the same days at once, starting from a cold memo, agree with one thread.
TEST(Chinese, SafeFromSeveralThreads) {
    std::vector<TDateTime> days;
    for (TDateTime t = noon(1990, 1, 7); t < noon(2010, 1, 1); t += 97) days.push_back(t);
    std::vector<TChineseDate> expected;
    for (TDateTime t : days) expected.push_back(date_to_chinese(t));

    clear_chinese_calendar_memo();
    constexpr int thread_count = 4;
    std::vector<std::vector<TChineseDate>> results(thread_count);
    std::vector<std::thread> threads;
    for (int k = 0; k < thread_count; ++k)
        threads.emplace_back([&, k] {
            // Each thread walks the days from another starting point.
            for (std::size_t i = 0; i < days.size(); ++i)
                results[k].push_back(
                    date_to_chinese(days[(i + static_cast<std::size_t>(k) * 13) % days.size()]));
        });
    for (auto& thread : threads) thread.join();
    for (int k = 0; k < thread_count; ++k)
        for (std::size_t i = 0; i < days.size(); ++i)
            ASSERT_EQ(results[k][i], expected[(i + static_cast<std::size_t>(k) * 13) % days.size()])
                << k << " " << i;
}

} // namespace
