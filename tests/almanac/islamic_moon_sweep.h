// The Moon's Islamic calendar both ways over whole Islamic years, shared by the exhaustive test and the small
// shard of the normal run: every date 1..30 of every month is either refused as "Invalid day" (only a 30th)
// or gives a day that gives the date back; the days of the dates accepted follow each other one at a time,
// so that every day of the span has exactly one date.
#pragma once

#include "almanac/islamic.h"
#include "astro/errors.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace islamic_moon_sweep {

struct TCounts {
    long dates = 0;      ///< accepted, each giving its day and back
    long refused = 0;    ///< 30ths of months of 29 days
    long months = 0;     ///< every month of the years swept
    long long first = 0; ///< the day of 1 Muharram of the first year
    long long last = 0;  ///< the day of the last date accepted
};

/// Sweeps the years first_year..last_year; a fault ends the sweep with a fatal failure.
inline void sweep(int first_year, int last_year, TCounts& counts) {
    const almanac::TIslamicChoice moon{almanac::TIslamicCalendar::moon, 0};
    for (int year = first_year; year <= last_year; ++year) {
        for (int month = 1; month <= 12; ++month, ++counts.months) {
            for (int day = 1; day <= 30; ++day) {
                double t = 0;
                try {
                    t = almanac::islamic_date_day(year, month, day, moon);
                } catch (const astro::EConvertError& e) {
                    ASSERT_EQ(day, 30) << year << "-" << month << "-" << day << ": " << e.what();
                    ASSERT_EQ(std::string(e.what()), "Invalid day");
                    ++counts.refused;
                    continue;
                }
                const auto d = static_cast<long long>(t);
                ASSERT_EQ(static_cast<double>(d), t) << year << "-" << month << "-" << day;
                if (counts.dates == 0)
                    counts.first = d;
                else
                    ASSERT_EQ(d, counts.last + 1) << year << "-" << month << "-" << day;
                counts.last = d;
                ++counts.dates;
                const astro::TIslamicDate back = almanac::islamic_date_of_day(t + 0.5, moon);
                ASSERT_TRUE(back.year == year && back.month == month && back.day == day)
                    << year << "-" << month << "-" << day << " gives " << back.day << "/" << back.month << "/"
                    << back.year;
            }
        }
    }
}

} // namespace islamic_moon_sweep
