#include "astro/calendar.h"
#include "astro/eclipse.h"
#include "astro/errors.h"
#include "astro/moon_phases.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace astro;

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 60 * kSecond;

TDateTime at(std::uint16_t y, std::uint16_t m, std::uint16_t d, int h = 0, int mi = 0, int s = 0) {
    return encode_calendar_date(y, m, d) + (h * 3600 + mi * 60 + s) * kSecond;
}

// Solar and lunar eclipses of Meeus, Astronomical Algorithms, chapter 54 and of recent years; instants of
// greatest eclipse in dynamical time, to the minute.
TEST(Eclipse, ClassificationAndInstantToTheMinute) {
    const struct {
        TDateTime probe;
        bool sun;
        TEclipseKind kind;
        TDateTime greatest;
    } cases[] = {
        {at(2024, 4, 3), true, eclTotal, at(2024, 4, 8, 18, 19)},
        {at(2023, 10, 5), true, eclCircular, at(2023, 10, 14, 18, 1)},
        {at(2023, 4, 15), true, eclCircularTotal, at(2023, 4, 20, 4, 18)},
        {at(1993, 5, 15), true, eclPartial, at(1993, 5, 21, 14, 21)},
        {at(2025, 3, 5), false, eclTotal, at(2025, 3, 14, 7, 1)},
        {at(1973, 6, 5), false, eclHalfShadow, at(1973, 6, 15, 20, 51)},
        {at(2023, 4, 22), false, eclHalfShadow, at(2023, 5, 5, 17, 24)},
        {at(2022, 11, 1), false, eclTotal, at(2022, 11, 8, 11, 0)},
    };
    for (const auto& c : cases) {
        TDateTime date = c.probe;
        EXPECT_EQ(eclipse(date, c.sun), c.kind) << c.probe;
        EXPECT_NEAR(date, c.greatest, kMinute / 2) << c.probe;
    }
}

// Far from a node no eclipse is examined and the instant is that of the mean phase, which can lie hours from
// the true phase.
TEST(Eclipse, FarFromANodeGivesTheMeanPhase) {
    for (const bool sun : {true, false}) {
        TDateTime date =
            at(2024, 1, 5); // January 2024: new moon 11 January, full moon 25 January; no eclipse
        const TPhaseElements el = phase_elements(sun ? mpNewMoon : mpFullMoon, date);
        ASSERT_GT(std::fabs(std::sin(static_cast<double>(el.f) * 3.14159265358979 / 180)), 0.36);
        EXPECT_EQ(eclipse(date, sun), eclNone);
        EXPECT_EQ(date, jd_to_datetime(el.jde));
        EXPECT_NEAR(date, principal_phase(sun ? mpNewMoon : mpFullMoon, at(2024, 1, 5)), 0.7);
    }
}

TEST(Eclipse, NextLunarEclipseOfMarch2025) {
    TDateTime date = at(2025, 3, 14);
    EXPECT_EQ(next_eclipse(date, false), eclTotal);
    EXPECT_NEAR(date, at(2025, 3, 14, 7, 0, 39), kSecond / 2); // shown as "Mar 14 2025 07:00:39 (Total)"

    // The day after, the next lunar eclipse (7 September 2025), not the full moons of April to August.
    date = at(2025, 3, 15);
    EXPECT_EQ(next_eclipse(date, false), eclTotal);
    EXPECT_NEAR(date, at(2025, 9, 7, 18, 13), kMinute);

    // A moment exactly at greatest eclipse finds that eclipse; a moment after it, the next one.
    TDateTime exact = at(2025, 3, 14, 7, 0, 39);
    next_eclipse(exact, false);
    TDateTime again = exact;
    EXPECT_EQ(next_eclipse(again, false), eclTotal);
    EXPECT_EQ(again, exact);
    again = exact + kSecond / 100;
    next_eclipse(again, false);
    EXPECT_NEAR(again, at(2025, 9, 7, 18, 13), kMinute);
}

TEST(Eclipse, NextSolarEclipse) {
    TDateTime date = at(2024, 1, 1);
    EXPECT_EQ(next_eclipse(date, true), eclTotal);
    EXPECT_NEAR(date, at(2024, 4, 8, 18, 19), kMinute);
    date += kSecond;
    EXPECT_EQ(next_eclipse(date, true), eclCircular); // 2 October 2024
    EXPECT_NEAR(date, at(2024, 10, 2, 18, 46), kMinute);
}

TEST(Eclipse, NextEclipseOfADateThatIsNotANumberRaises) {
    TDateTime date = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(next_eclipse(date, false), E_OutOfAlgorithmRange);
    EXPECT_TRUE(std::isnan(date));
}

// Over two centuries every search ends on an eclipse of its kind, after the start and within a year of it,
// and the eclipses come in order.
TEST(Eclipse, NextEclipseSweep) {
    for (const bool sun : {true, false}) {
        TDateTime date = at(1900, 1, 1);
        int count = 0;
        while (date < at(2100, 1, 1)) {
            TDateTime found = date;
            const TEclipseKind kind = next_eclipse(found, sun);
            ASSERT_NE(kind, eclNone);
            if (sun)
                ASSERT_TRUE(kind >= eclPartial && kind <= eclTotal) << found;
            else
                ASSERT_TRUE(kind == eclTotal || kind == eclHalfShadow) << found;
            ASSERT_GE(found, date);
            ASSERT_LT(found - date, 200) << date;
            date = found + kSecond;
            ++count;
        }
        // Between 2 and 5 eclipses of each body a year.
        EXPECT_GT(count, 2 * 200);
        EXPECT_LT(count, 5 * 200);
    }
}

} // namespace
