// Heliocentric positions from the planetary theory VSOP87, version D (ecliptic and equinox of date), with the
// complete series of the Earth. Bretagnon & Francou, Astron. Astrophys. 202, 309 (1988); the FK5 correction
// of Meeus, Astronomical Algorithms, chapter 32. The date-time value serves as dynamical time (no Delta T).
#pragma once

#include "astro/angles.h"
#include "astro/errors.h"
#include "astro/types.h"

#include <cstdint>
#include <type_traits>

namespace astro {

/// One periodic term: amplitude * cos(phase + frequency * tau). Amplitude in units of 10^-8 radian or 10^-8
/// AU, phase in radians, frequency in radians per Julian millennium.
struct TVSOPTerm {
    extended amplitude;
    extended phase;
    extended frequency;
};

/// The highest power of tau in any series.
inline constexpr std::int32_t vsop_max_power = 5;

/// The terms of one coordinate for one power of tau, in the published order.
struct TVSOPSeries {
    const TVSOPTerm* terms;
    std::int32_t count;
};

/// The complete VSOP87 D series of the Earth by power 0..5 (count 0 where the coordinate has no such power).
/// Generated from astro/data/vsop87d_earth.tsv by tools/gen_vsop_tables.py.
extern const TVSOPSeries vsop87d_earth_longitude[vsop_max_power + 1];
extern const TVSOPSeries vsop87d_earth_latitude[vsop_max_power + 1];
extern const TVSOPSeries vsop87d_earth_radius[vsop_max_power + 1];

/// The terms of one coordinate for one power of tau again, in double precision for the fast evaluation, which
/// computes the sine and cosine of each distinct frequency once: term i is
/// a_cos_b[i] * cos(2 pi f tau) - a_sin_b[i] * sin(2 pi f tau) = A cos(B + C tau), with A and B the published
/// amplitude (radians or AU) and phase, and f = vsop87d_earth_frequency_turns[frequency[i]] = C / 2 pi.
struct TVSOPSeriesFast {
    const double* a_cos_b;
    const double* a_sin_b;
    const std::uint16_t* frequency;
    std::int32_t count;
};

/// The distinct frequencies of the Earth's series, in increasing order, turns per Julian millennium.
inline constexpr int vsop87d_earth_frequency_count = 704;
extern const double* const vsop87d_earth_frequency_turns;

/// The same series as above by coordinate (0 longitude, 1 latitude, 2 radius) and power. Generated with them.
extern const TVSOPSeriesFast vsop87d_earth_fast[3][vsop_max_power + 1];

/// Date-time value of 2000-01-01 00:00; J2000.0 (JD 2451545.0) is vsop_epoch + 0.5.
inline constexpr TDateTime vsop_epoch = 36526.0;

/// Evaluates the VSOP87 series of one body; a descendant per body supplies the terms.
class TVSOP {
public:
    /// One of the three term accessors, bound to an object by evaluate_series.
    using TTermAccessor = TVSOPTerm (TVSOP::*)(std::int32_t index, std::int32_t power) const;

    /// The instant to evaluate (date-time value, taken as dynamical time).
    TDateTime date = 0;

    virtual ~TVSOP() = default;

    /// Term `index` of the series of `power`; the all-zero term past the end, for a negative index and for a
    /// power the coordinate lacks.
    virtual TVSOPTerm longitude_term(std::int32_t index, std::int32_t power) const = 0;
    virtual TVSOPTerm latitude_term(std::int32_t index, std::int32_t power) const = 0;
    virtual TVSOPTerm radius_term(std::int32_t index, std::int32_t power) const = 0;

    void set_date(TDateTime t) { date = t; }
    /// Julian millennia from J2000.0: (date - vsop_epoch - 0.5) / 365250.
    extended tau() const;
    /// Sum over the powers 0..5 of tau^p times the series of that power, each series ending at its first zero
    /// term; radians or AU.
    extended evaluate_series(TTermAccessor accessor) const;
    /// Heliocentric longitude in radians, not reduced (it grows by about 6283 radians per millennium).
    extended eval_longitude() const { return evaluate_series(&TVSOP::longitude_term); }
    /// Heliocentric latitude in radians.
    extended eval_latitude() const { return evaluate_series(&TVSOP::latitude_term); }
    /// Radius vector in AU.
    extended eval_radius() const { return evaluate_series(&TVSOP::radius_term); }
    /// Carries L and B (radians) from the dynamical frame of VSOP87 into FK5, in place.
    void to_fk5(extended& L, extended& B) const;

protected:
    /// The tables behind an accessor, by power, when the body keeps its terms in TVSOPSeries tables: then
    /// evaluate_series walks them directly instead of calling the accessor term by term (the same terms in
    /// the same order, so the same sums). The default, nullptr, always calls the accessor.
    virtual const TVSOPSeries* series_table(TTermAccessor accessor) const;

    TVSOP() = default;
    TVSOP(const TVSOP&) = default;
    TVSOP& operator=(const TVSOP&) = default;
};

/// The Earth: the complete VSOP87 D series (1080 terms in L, 348 in B, 997 in R).
class TVSOPEarth final : public TVSOP {
public:
    TVSOPTerm longitude_term(std::int32_t index, std::int32_t power) const override;
    TVSOPTerm latitude_term(std::int32_t index, std::int32_t power) const override;
    TVSOPTerm radius_term(std::int32_t index, std::int32_t power) const override;

protected:
    const TVSOPSeries* series_table(TTermAccessor accessor) const override;
};

/// Heliocentric position of the body TBody (a TVSOP descendant) at t, FK5 frame: L degrees in [0, 360),
/// B degrees, R in AU. The one instance lives on the stack for the duration of the call. Raises
/// E_OutOfAlgorithmRange for an instant that check_instant refuses.
template <class TBody>
void planet_heliocentric(TDateTime t, extended& L, extended& B, extended& R) {
    static_assert(std::is_base_of_v<TVSOP, TBody>, "planet_heliocentric needs a TVSOP descendant");
    check_instant(t);
    TBody body;
    body.set_date(t);
    R = body.eval_radius();
    L = body.eval_longitude();
    B = body.eval_latitude();
    body.to_fk5(L, B);
    L = normalize_degrees(radians_to_degrees(L));
    B = radians_to_degrees(B);
}

/// Heliocentric position of the Earth at t, as planet_heliocentric with TVSOPEarth gives it (that evaluation
/// in extended precision is the reference, astro/reference.h): the series summed in double precision from
/// vsop87d_earth_fast, the sine and cosine of each distinct frequency computed once with its argument reduced
/// exactly to a fraction of a turn, then combined in extended precision. Within 1e-11 degree and 1e-13 AU of
/// the reference over the years 999 to 2399.
void earth_heliocentric(TDateTime t, extended& L, extended& B, extended& R);

} // namespace astro
