#include "astro/calendar.h"
#include "astro/islamic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <utility>

using namespace astro;

namespace {

// Every day from December 998 to January 2401 (beyond the civil years 999..2399 so that the Islamic years 389
// to 1833 are whole): the year and month never go backwards, and the first day shown in each month lies
// within 3 days of the day that islamic_to_date gives for day 1 of that month.
TEST(IslamicExhaustive, MonthsAdvanceAndStartNearTheArithmeticMonth) {
    const auto first = static_cast<long long>(encode_calendar_date(998, 12, 1));
    const auto last = static_cast<long long>(gregorian_datetime(2401, 1, 31));
    std::map<std::pair<int, int>, long long> first_days;
    std::pair<int, int> previous{0, 0};
    for (long long day = first; day <= last; ++day) {
        std::uint16_t year = 0, month = 0;
        islamic_year_month(true, static_cast<TDateTime>(day) + 0.5, year, month);
        ASSERT_GE(month, 1) << day;
        ASSERT_LE(month, 12) << day;
        const std::pair<int, int> current{year, month};
        ASSERT_GE(current, previous) << day;
        if (current != previous) {
            // One month at a time, Dhu al-Hijjah to Muharram of the next year.
            if (previous.first != 0) {
                const bool next_month =
                    current.first == previous.first && current.second == previous.second + 1;
                const bool next_year =
                    current.first == previous.first + 1 && current.second == 1 && previous.second == 12;
                ASSERT_TRUE(next_month || next_year) << day;
            }
            first_days.emplace(current, day);
        }
        previous = current;
    }

    long long largest_gap = 0;
    int months = 0;
    for (std::uint16_t year = 389; year <= 1833; ++year) {
        for (std::uint16_t month = 1; month <= 12; ++month, ++months) {
            const auto it = first_days.find({year, month});
            ASSERT_NE(it, first_days.end()) << year << "/" << month;
            const auto start = static_cast<long long>(std::floor(islamic_to_date({1, month, year}, true)));
            const long long gap = std::llabs(start - it->second);
            largest_gap = std::max(largest_gap, gap);
            EXPECT_LE(gap, 3) << year << "/" << month;
        }
    }
    EXPECT_EQ(months, 1445 * 12);
    std::printf("largest gap between the arithmetic and the shown start of a month: %lld days\n",
                largest_gap);
}

} // namespace
