// Instants at which the Sun's apparent longitude reaches a multiple of 15 degrees within a calendar year: the
// seasons (multiples of 90 degrees) and the 24 solar terms. Same time scale as sun_position (no Delta T).
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// Seasons by the solar term that begins them: winter 18 (December solstice of the same year), spring 0,
/// summer 6, autumn 12.
enum TSeason : std::uint8_t { seWinter = 0, seSpring = 1, seSummer = 2, seAutumn = 3 };

/// The instant within calendar year `year` at which the apparent longitude of the Sun equals 15 k degrees
/// (k = 0..23; k >= 19 falls in January to early March of that year). Raises EConvertError "Invalid year"
/// when the proleptic Gregorian 1 January of year (or of year - 1 for k >= 19) cannot be encoded, and
/// E_OutOfAlgorithmRange "Out of range of the algorithm" for k > 23. From the estimate of a mean year,
/// Newton's steps with the longitude's rate of change (first its approximate rate, then the secant of the
/// last two positions) until a step is below 0.1 ms: four or five Sun positions, at most 50 steps.
TDateTime sun_longitude_instant(int year, std::uint8_t k);

/// sun_longitude_instant(year, 18, 0, 6 or 12) for winter, spring, summer or autumn; 0 for any other value.
TDateTime season_start(int year, TSeason season);

} // namespace astro
