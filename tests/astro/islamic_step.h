// Whether one Islamic date follows another as the days of a calendar count: the next day of the same month,
// or day 1 of the next month (month 12 followed by month 1 of the next year) after day 29 or 30.
#pragma once

#include "astro/islamic.h"

#include <gtest/gtest.h>

namespace astro::testing {

inline ::testing::AssertionResult is_next_day(const TIslamicDate& before, const TIslamicDate& date) {
    const auto says = [&] {
        return ::testing::AssertionFailure() << date.day << "/" << date.month << "/" << date.year << " after "
                                             << before.day << "/" << before.month << "/" << before.year;
    };
    if (date.day != 1) {
        if (date.day == before.day + 1 && date.month == before.month && date.year == before.year)
            return ::testing::AssertionSuccess();
        return says();
    }
    const bool month_ended = before.day == 29 || before.day == 30;
    const bool next_month = date.year == before.year && date.month == before.month + 1;
    const bool next_year = date.year == before.year + 1 && date.month == 1 && before.month == 12;
    if (month_ended && (next_month || next_year)) return ::testing::AssertionSuccess();
    return says();
}

} // namespace astro::testing
