// The three Islamic calendars over every day of the civil years 999 to 2399, both ways:
// - a day's date gives back the day, and every date of every month whose days lie in the range gives its day
//   and back its date (the two directions are exact inverses);
// - the days count one at a time, months of 29 or 30 days follow 1..12 and the year advances after month 12;
// - the civil calendar has 30 Dhu al-Hijjah exactly in its long years (2, 5, 7, 10, 13, 16, 18, 21, 24, 26
//   and 29 of each 30), and Umm al-Qura beyond ICU's table (1300..1600 AH) is the civil calendar;
// and every date of the Moon's Islamic years 400 to 1820 both ways.
#include "almanac/datetime_parts.h"
#include "almanac/islamic.h"
#include "astro/errors.h"
#include "tests/almanac/islamic_moon_sweep.h"
#include "tests/astro/islamic_step.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

using namespace almanac;

namespace {

const double kFirst = datetime_from_parts(999, 1, 1);
const double kLast = datetime_from_parts(2399, 12, 31);

bool civil_long_year(int year) {
    constexpr std::array long_years{2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29};
    return std::find(long_years.begin(), long_years.end(), year % 30 == 0 ? 30 : year % 30) !=
           long_years.end();
}

class IslamicCalendarSweep : public ::testing::TestWithParam<TIslamicCalendar> {};

TEST_P(IslamicCalendarSweep, EveryDayAndEveryDateBothWays) {
    const TIslamicChoice choice{GetParam(), 0};
    astro::TIslamicDate before = islamic_date_of_day(kFirst - 1, choice);
    astro::TIslamicDate first_date{};
    long long days = 0, months = 0;
    for (double t = kFirst; t <= kLast; t += 1, ++days) {
        const astro::TIslamicDate date = islamic_date_of_day(t + 0.5, choice);
        if (days == 0) first_date = date;
        ASSERT_EQ(islamic_date_day(date.year, date.month, date.day, choice), t) << t;
        ASSERT_TRUE(astro::testing::is_next_day(before, date)) << t;
        if (date.day == 1) ++months;
        before = date;
    }
    EXPECT_EQ(days, static_cast<long long>(kLast - kFirst) + 1);

    // Every date of the months met, and the 30th of the months of 29 days rejected.
    long long dates = 0, long_dhu_al_hijjah = 0;
    for (int year = first_date.year; year <= before.year; ++year) {
        for (int month = 1; month <= 12; ++month) {
            int length = 0;
            for (int d = 1; d <= 30; ++d) {
                double t = 0;
                try {
                    t = islamic_date_day(year, month, d, choice);
                } catch (const astro::EConvertError&) {
                    break;
                }
                length = d;
                if (t < kFirst || t > kLast) continue;
                ++dates;
                ASSERT_EQ(
                    islamic_date_of_day(t + 0.5, choice),
                    (astro::TIslamicDate{static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(month),
                                         static_cast<std::uint16_t>(year)}))
                    << year << "-" << month << "-" << d;
            }
            ASSERT_TRUE(length == 29 || length == 30) << year << "-" << month;
            if (month == 12 && length == 30) ++long_dhu_al_hijjah;
            if (GetParam() == TIslamicCalendar::civil) {
                const int expected = month % 2 == 1 || (month == 12 && civil_long_year(year)) ? 30 : 29;
                ASSERT_EQ(length, expected) << year << "-" << month;
            }
            if (GetParam() == TIslamicCalendar::umm_al_qura && islamic_year_beyond_table(choice, year)) {
                const TIslamicChoice civil{TIslamicCalendar::civil, 0};
                ASSERT_EQ(islamic_date_day(year, month, 1, choice), islamic_date_day(year, month, 1, civil))
                    << year << "-" << month;
            }
        }
    }
    EXPECT_EQ(dates, days);
    std::printf(
        "%s: %lld days, %lld months, every date both ways; %lld years with 30 Dhu al-Hijjah in %d..%d\n",
        std::string(islamic_calendar_name(GetParam()).name).c_str(), days, months, long_dhu_al_hijjah,
        first_date.year, before.year);
}

INSTANTIATE_TEST_SUITE_P(From999To2399, IslamicCalendarSweep,
                         ::testing::Values(TIslamicCalendar::moon, TIslamicCalendar::umm_al_qura,
                                           TIslamicCalendar::civil),
                         [](const ::testing::TestParamInfo<TIslamicCalendar>& p) {
                             return p.param == TIslamicCalendar::moon    ? "moon"
                                    : p.param == TIslamicCalendar::civil ? "civil"
                                                                         : "umm_al_qura";
                         });

// 1421 years of 12 months: 17,052 months, of which 9,049 have 30 days (their 30th accepted) and 8,003 have 29
// (their 30th refused); 503,557 days from 1 Muharram 400 (29 August 1009) to the end of 1820 (7 May 2388).
TEST(IslamicMoonDates, EveryDateOfTheYears400To1820BothWays) {
    islamic_moon_sweep::TCounts counts;
    islamic_moon_sweep::sweep(400, 1820, counts);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(counts.months, 17052);
    EXPECT_EQ(counts.dates + counts.refused, counts.months * 30);
    EXPECT_EQ(counts.refused, 8003);
    EXPECT_EQ(counts.dates, 503557);
    EXPECT_EQ(counts.last - counts.first + 1, counts.dates);
    EXPECT_EQ(iso_date(date_parts(static_cast<double>(counts.first))), "1009-08-29");
    EXPECT_EQ(iso_date(date_parts(static_cast<double>(counts.last))), "2388-05-07");
    std::printf("moon 400..1820 AH: %ld months, %ld dates both ways, %ld 30ths refused\n", counts.months,
                counts.dates, counts.refused);
}

} // namespace
