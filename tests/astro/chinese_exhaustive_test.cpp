#include "chinese_sweep.h"

#include <cstdio>
#include <gtest/gtest.h>

using namespace astro;

namespace {

void expect_sound(const almadex_test::TChineseSweep& s) {
    for (const auto& f : s.failures) ADD_FAILURE() << f;
    EXPECT_EQ(s.failure_count, 0);
    std::printf("%lld days, %lld months (%lld leap), %lld whole years (%lld of 13 months)\n", s.days,
                s.months, s.leap_months, s.whole_years, s.leap_years);
}

// Every day of 1900 to 2100. The whole range of the program, 999 to 2399, takes a minute or more: the program
// tools/chinese_check runs it.
TEST(ChineseExhaustive, EveryDayOf1900To2100) {
    const auto s = almadex_test::sweep_chinese(static_cast<long long>(encode_calendar_date(1900, 1, 1)),
                                               static_cast<long long>(encode_calendar_date(2100, 12, 31)));
    EXPECT_EQ(s.days, 73414);
    EXPECT_GE(s.whole_years, 200);
    // 7 leap months in every 19 years.
    EXPECT_NEAR(static_cast<double>(s.leap_years), 200 * 7 / 19.0, 3);
    expect_sound(s);
}

// Two or three years at a time across the rest of the program's range, the reform of 1582 included.
TEST(ChineseExhaustive, SampledYearsOf999To2399) {
    const int windows[][2] = {{999, 1000},  {1152, 1153}, {1400, 1401}, {1581, 1583},
                              {1750, 1751}, {2250, 2251}, {2398, 2399}};
    for (const auto& w : windows) {
        const auto s = almadex_test::sweep_chinese(
            static_cast<long long>(encode_calendar_date(static_cast<std::uint16_t>(w[0]), 1, 1)),
            static_cast<long long>(encode_calendar_date(static_cast<std::uint16_t>(w[1]), 12, 31)));
        EXPECT_GE(s.whole_years, w[1] - w[0]) << w[0];
        expect_sound(s);
    }
}

} // namespace
