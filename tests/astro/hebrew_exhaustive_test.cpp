#include "astro/calendar.h"
#include "astro/hebrew.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace astro;

namespace {

// Every day of the civil years 999 to 2399 converts to a Hebrew date and back to the same day; consecutive
// days give consecutive Hebrew dates, and every year has one of the six lengths.
TEST(HebrewExhaustive, EveryDayOf999To2399RoundTrips) {
    const auto first = static_cast<long long>(encode_calendar_date(999, 1, 1));
    const auto last = static_cast<long long>(encode_calendar_date(2399, 12, 31));
    std::map<int, long long> year_starts;
    THebrewDate previous{};
    long long days = 0;
    for (long long day = first; day <= last; ++day, ++days) {
        const auto t = static_cast<TDateTime>(day) + 0.5;
        const THebrewDate h = date_to_hebrew(t);
        ASSERT_EQ(hebrew_to_date(h.year, h.month, h.day), static_cast<TDateTime>(day))
            << day << " " << h.year << "-" << h.month << "-" << h.day;
        if (h.month == 7 && h.day == 1) year_starts[h.year] = day;
        if (day > first && h.day != previous.day + 1) {
            ASSERT_EQ(h.day, 1) << day;
            ASSERT_TRUE(h.month != previous.month) << day;
        }
        previous = h;
    }
    EXPECT_EQ(days, 511699); // 999-01-01 (Julian) to 2399-12-31, without the ten days of the reform
    ASSERT_EQ(year_starts.size(), 1401u);
    EXPECT_EQ(year_starts.begin()->first, 4760);
    for (auto it = year_starts.begin(); std::next(it) != year_starts.end(); ++it) {
        const long long length = std::next(it)->second - it->second;
        const auto type = hebrew_year_type(it->first);
        EXPECT_TRUE(std::find(hebrew_year_lengths.begin(), hebrew_year_lengths.end(), length) !=
                    hebrew_year_lengths.end())
            << it->first << ": " << length;
        EXPECT_EQ(hebrew_year_lengths[static_cast<std::size_t>(type)], length) << it->first;
    }
}

} // namespace
