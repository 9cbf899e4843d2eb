// Derived lunar quantities for one instant: age, phase angle, illuminated fraction, distance, apparent
// diameter, lunation number and blue moons (Meeus, Astronomical Algorithms, chapters 47 to 49).
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// Elongation of the Moon from the Sun, normalised to [0, 360) and expressed in days of 29.530589:
/// [0, 29.530589).
extended moon_age(TDateTime date);

/// Signed phase angle in degrees, [-180, 180]: positive waxing, negative waning, 0 full, +-180 new.
extended moon_phase_angle(TDateTime date);

/// Illuminated fraction of the disk, 0 to 1.
extended moon_illuminated_fraction(TDateTime date);

/// Distance between the centres of the Earth and the Moon, km.
extended moon_distance(TDateTime date);

/// Apparent diameter of the Moon, arc seconds.
extended moon_diameter(TDateTime date);

/// Number of the lunation in progress; lunation 1 begins with the new moon of 17 January 1923.
std::int32_t lunation_number(TDateTime date);

/// Instant of the next full moon, at or after date + offset, that is the second full moon of its calendar
/// month (months read from the full moon's instant minus offset).
TDateTime blue_moon_search(extended offset, TDateTime date);

/// blue_moon_search(0, date).
TDateTime next_blue_moon(TDateTime date);

} // namespace astro
