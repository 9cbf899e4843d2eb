// Solar and lunar eclipses at a new or full moon: classification and instant of greatest eclipse from the
// phase series and the shadow-axis distance gamma and umbral radius u (Meeus, Astronomical Algorithms,
// chapter 54). No positions are computed; instants are in the program's single time scale (no Delta T).
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// Classification of an eclipse. eclPartial to eclCircularTotal occur only for the Sun, eclHalfShadow only
/// for the Moon; eclTotal is a total solar eclipse, or any umbral (partial or total) lunar eclipse.
enum TEclipseKind : std::uint8_t {
    eclNone = 0,          ///< no eclipse
    eclPartial = 1,       ///< partial solar eclipse
    eclNonCentral = 2,    ///< non-central total or annular solar eclipse
    eclCircular = 3,      ///< annular solar eclipse
    eclCircularTotal = 4, ///< annular-total (hybrid) solar eclipse
    eclTotal = 5,         ///< total solar eclipse; umbral lunar eclipse
    eclHalfShadow = 6,    ///< penumbral lunar eclipse
};

/// Eclipse at the new moon (sun = true) or full moon (sun = false) of the lunation that `date` picks (see
/// phase_elements). `date` receives the instant of greatest eclipse, or the instant of the mean phase when
/// the Moon is too far from a node to be examined (the result is then eclNone).
TEclipseKind eclipse(TDateTime& date, bool sun);

/// The first eclipse at or after `date`: the first new moon (sun) or full moon (moon) whose classification is
/// not eclNone and whose instant of greatest eclipse is not before `date`. `date` receives that instant.
/// Searches 48 lunations (about four years; eclipses of every kind recur within a year) and raises
/// E_OutOfAlgorithmRange "Out of range of the algorithm", leaving `date` unchanged, when none is found (a
/// date that is not a number).
TEclipseKind next_eclipse(TDateTime& date, bool sun);

} // namespace astro
