#include "astro/calendar.h"
#include "astro/errors.h"
#include "tests/astro/error_of.h"

#include <gtest/gtest.h>
#include <string>

using namespace astro;
using astro::testing::error_of;

namespace {

TEST(Calendar, DateToJdWorkedExamples) {
    const struct {
        std::uint16_t y, m, d;
        long double jd;
    } cases[] = {
        {2000, 1, 1, 2451544.5L},   {1957, 10, 4, 2436115.5L},  {333, 1, 27, 1842712.5L},
        {1582, 10, 4, 2299159.5L},  {1582, 10, 15, 2299160.5L}, {1, 1, 1, 1721423.5L},
        {9999, 12, 31, 5373483.5L}, {1500, 2, 29, 2268991.5L},  {2024, 10, 3, 2460586.5L},
    };
    for (const auto& c : cases) EXPECT_EQ(date_to_jd(c.y, c.m, c.d), c.jd) << c.y << "-" << c.m << "-" << c.d;
}

TEST(Calendar, BridgeBetweenJulianDayAndDateTime) {
    EXPECT_EQ(encode_calendar_date(2000, 1, 1), 36526.0);
    EXPECT_EQ(datetime_to_jd(0), 2415018.5L);
    EXPECT_EQ(jd_to_datetime(2451545.0L), 36526.5);
    EXPECT_EQ(encode_calendar_date(1582, 10, 4), -115859.0);
    EXPECT_EQ(encode_calendar_date(1582, 10, 15), -115858.0);
    // The proleptic Gregorian reading of 1582-10-04 lies 10 days earlier.
    EXPECT_EQ(gregorian_datetime(1582, 10, 4), -115869.0);
    EXPECT_EQ(gregorian_datetime(1582, 10, 15), -115858.0);
}

TEST(Calendar, ErrorsCarryTheirMessagesInTheOrderYearMonthDay) {
    const struct {
        std::uint16_t y, m, d;
        const char* message;
    } cases[] = {
        {0, 1, 1, "Invalid year"},
        {10000, 1, 1, "Invalid year"},
        {0, 13, 40, "Invalid year"},
        {2000, 0, 1, "Invalid month"},
        {2000, 13, 1, "Invalid month"},
        {2000, 13, 40, "Invalid month"},
        {1900, 4, 31, "Invalid day"},
        {2000, 1, 0, "Invalid day"},
        {1700, 2, 29, "Invalid day"}, // passes the Julian test, fails the Gregorian one
        {1900, 2, 29, "Invalid day"},
        {2023, 2, 29, "Invalid day"},
        {1582, 10, 5, "Date invalid due to calendar change"},
        {1582, 10, 10, "Date invalid due to calendar change"},
        {1582, 10, 14, "Date invalid due to calendar change"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(error_of<EConvertError>([&] { date_to_jd(c.y, c.m, c.d); }), c.message)
            << c.y << "-" << c.m << "-" << c.d;
}

TEST(Calendar, LeapDaysByTheCalendarInForce) {
    for (std::uint16_t y : {1500, 2000, 2024}) EXPECT_NO_THROW(date_to_jd(y, 2, 29)) << y;
    const struct {
        std::uint16_t year;
        bool leap;
    } cases[] = {{1500, true},  {1582, false}, {1584, true}, {1600, true},
                 {1700, false}, {1900, false}, {2000, true}, {2023, false}};
    for (const auto& c : cases) EXPECT_EQ(calendar_leap_year(c.year), c.leap) << c.year;
}

TEST(Calendar, JdToDateWorkedExamples) {
    const struct {
        long double jd;
        TCalendarDate date;
    } cases[] = {
        {2436116.31L, {1957, 10, 4}}, {1842713.0L, {333, 1, 27}}, {2299160.4L, {1582, 10, 4}},
        {2299160.5L, {1582, 10, 15}}, {1721423.5L, {1, 1, 1}},    {5373484.49L, {9999, 12, 31}},
    };
    for (const auto& c : cases) EXPECT_EQ(jd_to_date(c.jd), c.date) << static_cast<double>(c.jd);
}

TEST(Calendar, DecodeTakesTheDayContainingTheInstant) {
    EXPECT_EQ(decode_calendar_date(-0.25), (TCalendarDate{1899, 12, 29}));
    EXPECT_EQ(decode_calendar_date(36526.99), (TCalendarDate{2000, 1, 1}));
    EXPECT_EQ(decode_calendar_date(-115859.0), (TCalendarDate{1582, 10, 4}));
    EXPECT_EQ(gregorian_date_of(-115859.0), (TCalendarDate{1582, 10, 14}));
    EXPECT_EQ(gregorian_date_of(-0.25), (TCalendarDate{1899, 12, 29}));
}

TEST(Calendar, DecodingOutsideTheCivilYearsIsRejectedWithoutTouchingTheOutputs) {
    std::uint16_t y = 7, m = 7, d = 7;
    EXPECT_EQ(error_of<EConvertError>([&] { jd_to_date(-0.5L, y, m, d); }),
              "Negative julian dates not supported");
    EXPECT_EQ(error_of<EConvertError>([&] { jd_to_date(0.0L / 0.0L, y, m, d); }),
              "Negative julian dates not supported");
    // Before 1 January of year 1 the year would be 0 or negative: rejected rather than wrapped.
    EXPECT_EQ(error_of<EConvertError>([&] { jd_to_date(0.0L, y, m, d); }), "Invalid year");
    EXPECT_EQ(error_of<EConvertError>([&] { jd_to_date(1721423.49L, y, m, d); }), "Invalid year");
    EXPECT_EQ(error_of<EConvertError>([&] { jd_to_julian_calendar(1000000.0L, y, m, d); }), "Invalid year");
    EXPECT_EQ(error_of<EConvertError>([&] { jd_to_gregorian_calendar(5373484.5L, y, m, d); }),
              "Invalid year");
    EXPECT_EQ(error_of<EConvertError>([&] { jd_to_date(1e30L, y, m, d); }), "Invalid year");
    EXPECT_EQ(y, 7);
    EXPECT_EQ(m, 7);
    EXPECT_EQ(d, 7);
}

} // namespace
