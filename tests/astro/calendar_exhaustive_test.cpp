// Every day of the years 1 to 9999 through both directions of the date core.
#include "astro/calendar.h"
#include "astro/errors.h"

#include <gtest/gtest.h>

using namespace astro;

namespace {

std::uint16_t month_length(std::uint16_t y, std::uint16_t m, bool gregorian) {
    static constexpr std::uint16_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m != 2) return lengths[m - 1];
    const bool leap = gregorian ? (y % 4 == 0 && y % 100 != 0) || y % 400 == 0 : y % 4 == 0;
    return leap ? 29 : 28;
}

TEST(CalendarExhaustive, EveryCivilDayRoundTripsAndDaysAreConsecutive) {
    long double previous = 0;
    long count = 0;
    for (std::uint16_t y = 1; y <= 9999; ++y) {
        for (std::uint16_t m = 1; m <= 12; ++m) {
            const bool gregorian = y > 1582 || (y == 1582 && m > 10);
            const std::uint16_t last = (y == 1582 && m == 10) ? 31 : month_length(y, m, gregorian);
            for (std::uint16_t d = 1; d <= last; ++d) {
                if (y == 1582 && m == 10 && d > 4 && d < 15) continue; // the ten days dropped by the reform
                const long double jd = date_to_jd(y, m, d);
                if (count > 0 && jd != previous + 1) FAIL() << "gap before " << y << "-" << m << "-" << d;
                const TCalendarDate back = jd_to_date(jd);
                if (back != TCalendarDate{y, m, d})
                    FAIL() << y << "-" << m << "-" << d << " decodes differently";
                // Any instant of the day decodes to the same day.
                if (jd_to_date(jd + 0.999L) != back)
                    FAIL() << y << "-" << m << "-" << d << " late in the day";
                previous = jd;
                ++count;
            }
        }
    }
    EXPECT_EQ(count, 5373483 - 1721423 + 1);
}

TEST(CalendarExhaustive, ProlepticGregorianRoundTrips) {
    long double previous = 0;
    for (std::uint16_t y = 1; y <= 9999; ++y)
        for (std::uint16_t m = 1; m <= 12; ++m)
            for (std::uint16_t d = 1; d <= month_length(y, m, true); ++d) {
                const long double jd = gregorian_calendar_to_jd(y, m, d);
                if (previous != 0 && jd != previous + 1) FAIL() << "gap before " << y << "-" << m << "-" << d;
                std::uint16_t yy, mm, dd;
                jd_to_gregorian_calendar(jd, yy, mm, dd);
                if (yy != y || mm != m || dd != d)
                    FAIL() << y << "-" << m << "-" << d << " decodes differently";
                previous = jd;
            }
}

TEST(CalendarExhaustive, JulianCalendarRoundTripsOverEveryYear) {
    for (std::uint16_t y = 1; y <= 9999; ++y)
        for (std::uint16_t m = 1; m <= 12; ++m)
            for (std::uint16_t d = 1; d <= month_length(y, m, false); ++d) {
                std::uint16_t yy, mm, dd;
                jd_to_julian_calendar(julian_calendar_to_jd(y, m, d), yy, mm, dd);
                if (yy != y || mm != m || dd != d)
                    FAIL() << y << "-" << m << "-" << d << " decodes differently";
            }
}

} // namespace
