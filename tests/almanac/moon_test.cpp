// The Moon at an instant as the Moon window and almadex-cli show it, against published events: the total
// lunar eclipse of 14 March 2025 (greatest near 06:59 UT, NASA's Five Millennium Canon; the library applies
// no Delta T, so a minute or two either way) and the blue moon of 31 January 2018 (full moon 13:27 UT).
#include "almanac/datetime_parts.h"
#include "almanac/moon.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace almanac;

namespace {

TEST(Moon, TheNextLunarEclipseWithItsKind) {
    const TMoonReport m = moon_report(datetime_from_parts(2025, 3, 14));
    EXPECT_EQ(m.next_lunar_eclipse_kind, astro::eclTotal);
    EXPECT_EQ(eclipse_kind_name(m.next_lunar_eclipse_kind), "Total");
    EXPECT_NEAR((m.next_lunar_eclipse - datetime_from_parts(2025, 3, 14, 6, 59)) * 1440, 0, 3);
    // Near full moon: almost wholly lit, about 14.5 days old, the phase angle near 0.
    EXPECT_GT(m.illuminated_fraction, 0.99);
    EXPECT_NEAR(static_cast<double>(m.age_days), 14.4, 0.5);
}

TEST(Moon, TheNextBlueMoonAndTheLunation) {
    // January 2018 had two full moons (2 and 31 January); lunation 1175 began on 18 December 2017.
    const TMoonReport m = moon_report(datetime_from_parts(2018, 1, 1, 12));
    EXPECT_NEAR((m.next_blue_moon - datetime_from_parts(2018, 1, 31, 13, 27)) * 1440, 0, 2);
    EXPECT_EQ(m.lunation, 1175);
    // The distance and the apparent diameter belong together: 1873 arc seconds at 384400 km, inversely.
    EXPECT_NEAR(static_cast<double>(m.diameter_arcsec * m.distance_km), 1873.0 * 384400,
                0.01 * 1873.0 * 384400);
}

TEST(Moon, EclipseKindNames) {
    const struct {
        astro::TEclipseKind kind;
        const char* name;
    } cases[] = {
        {astro::eclNone, "None"},
        {astro::eclPartial, "Partial"},
        {astro::eclNonCentral, "Non Central"},
        {astro::eclCircularTotal, "Circular Total"},
        {astro::eclHalfShadow, "Half Shadow"},
        {static_cast<astro::TEclipseKind>(7), "None"},
    };
    for (const auto& c : cases) EXPECT_EQ(eclipse_kind_name(c.kind), c.name) << int{c.kind};
}

} // namespace
