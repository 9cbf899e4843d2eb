// A day-by-day check of the Chinese calendar over a range of days, shared by the exhaustive test and the
// full-range program tools/chinese_check.cpp.
#pragma once

#include "astro/calendar.h"
#include "astro/chinese.h"
#include "astro/errors.h"
#include "astro/moon_phases.h"

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace almadex_test {

struct TChineseSweep {
    long long days = 0;
    long long months = 0;              ///< month starts seen
    long long whole_years = 0;         ///< years whose both ends lie in the range
    long long leap_years = 0;          ///< whole years of 13 months
    long long leap_months = 0;         ///< leap months seen
    std::vector<std::string> failures; ///< the first few faults, described
    long long failure_count = 0;
};

/// Checks every day from `first` to `last` (whole day numbers): chinese_to_date(date_to_chinese(day)) is the
/// day; days of a month run 1, 2, ... up to 29 or 30; a month begins on the day (China time) of a new moon;
/// the months follow each other with at most one leap month, which repeats the number of the month before;
/// each year has 12 or 13 months, exactly one of them leap in a year of 13, and begins on chinese_new_year of
/// its civil year.
inline TChineseSweep sweep_chinese(long long first, long long last) {
    using namespace astro;
    TChineseSweep s;
    const auto fail = [&](long long day, const std::string& what) {
        ++s.failure_count;
        if (s.failures.size() < 20) {
            std::ostringstream text;
            const TCalendarDate d = decode_calendar_date(static_cast<TDateTime>(day));
            text << d.year << "-" << d.month << "-" << d.day << " (day " << day << "): " << what;
            s.failures.push_back(text.str());
        }
    };

    TChineseDate previous{};
    bool have_previous = false;
    bool in_whole_year = false; // a new year has been seen, so the months of the year are counted
    int months_in_year = 0, leaps_in_year = 0;
    for (long long day = first; day <= last; ++day) {
        ++s.days;
        const auto x = static_cast<TDateTime>(day);
        const TChineseDate c = date_to_chinese(x + 0.5);
        try {
            if (chinese_to_date(c) != x) fail(day, "chinese_to_date gives another day");
        } catch (const Exception& e) {
            fail(day, std::string("chinese_to_date raises ") + e.what());
        }
        if (c.Day < 1 || c.Day > 30 || c.Month < 1 || c.Month > 12 || c.Year < 1 || c.Year > 60 ||
            c.YearNumber != (c.Cycle - 1) * 60 + c.Year)
            fail(day, "field out of range");

        if (c.Day == 1) {
            ++s.months;
            if (c.LeapMonth) ++s.leap_months;
            const TDateTime new_moon = to_china_time(last_phase(mpNewMoon, from_china_time(x + 1)));
            if (!(new_moon >= x && new_moon < x + 1)) fail(day, "month begins on a day without new moon");
            if (have_previous) {
                if (previous.Day != 29 && previous.Day != 30) fail(day, "month of neither 29 nor 30 days");
                if (c.LeapMonth ? (previous.LeapMonth || c.Month != previous.Month)
                                : c.Month != previous.Month % 12 + 1)
                    fail(day, "months out of order");
            }
            const bool new_year = c.Month == 1 && !c.LeapMonth;
            if (new_year) {
                if (in_whole_year) {
                    ++s.whole_years;
                    if (months_in_year == 13) ++s.leap_years;
                    if (months_in_year != 12 && months_in_year != 13)
                        fail(day, "year of neither 12 nor 13 months");
                    if (leaps_in_year != (months_in_year == 13 ? 1 : 0))
                        fail(day, "leap months do not match");
                }
                if (have_previous && c.YearNumber != previous.YearNumber + 1)
                    fail(day, "year number does not step");
                if (chinese_new_year(decode_calendar_date(x).year) != x) fail(day, "new year differs");
                in_whole_year = true;
                months_in_year = 0;
                leaps_in_year = 0;
            }
            ++months_in_year;
            if (c.LeapMonth) ++leaps_in_year;
            if (have_previous && !new_year && c.YearNumber != previous.YearNumber) fail(day, "year changes");
        } else if (have_previous &&
                   (c.Day != previous.Day + 1 || c.Month != previous.Month ||
                    c.LeapMonth != previous.LeapMonth || c.YearNumber != previous.YearNumber)) {
            fail(day, "day does not follow the day before");
        }
        previous = c;
        have_previous = true;
    }
    return s;
}

} // namespace almadex_test
