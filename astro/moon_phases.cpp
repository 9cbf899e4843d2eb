#include "astro/moon_phases.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"
#include "astro/moon_tables.h"

#include <array>
#include <cmath>

namespace astro {
namespace {

// Mean synodic month of the lunar data, days.
constexpr extended synodic_month = 29.530589L;
// Half of it: an age difference beyond this is folded back by one lunation.
constexpr extended half_synodic_month = 14.7652945L;
// The octant search stops when the age is this close to its target, days.
constexpr extended age_tolerance = 0.0000001L;
// Each octant step shrinks the error at least fourfold, so about 15 steps always suffice; the cap only guards
// against inputs with no answer (a date that is not a finite number).
constexpr int max_octant_steps = 100;
// The stepping searches move 28 days per probe and need one to three probes; the cap guards the same inputs.
constexpr int max_search_probes = 100;

bool is_principal(TMoonPhase phase) {
    return phase <= mpLastQuarter && phase % 2 == 0;
}

extended phase_correction(const std::array<moon_tables::TPhaseTerm, moon_tables::phase_term_count>& terms,
                          const TPhaseElements& el) {
    extended sum = 0;
    for (const moon_tables::TPhaseTerm& term : terms) {
        extended c = term.coefficient;
        for (int i = 0; i < term.e_power; ++i) c *= el.e;
        sum += c * sin_deg(term.m * el.m + term.m_prime * el.m_prime + term.f * el.f + term.omega * el.omega);
    }
    return sum;
}

// The 14 planetary arguments and their coefficients (days), Meeus, Astronomical Algorithms, chapter 49.
extended planetary_correction(extended k) {
    const extended tk = k / 1236.85L;
    const extended a1 = 299.77L + 0.107408L * k - 0.009173L * tk * tk;
    return 0.000325L * sin_deg(a1) + 0.000165L * sin_deg(251.88L + 0.016321L * k) +
           0.000164L * sin_deg(251.83L + 26.651886L * k) + 0.000126L * sin_deg(349.42L + 36.412478L * k) +
           0.000110L * sin_deg(84.66L + 18.206239L * k) + 0.000062L * sin_deg(141.74L + 53.303771L * k) +
           0.000060L * sin_deg(207.14L + 2.453732L * k) + 0.000056L * sin_deg(154.84L + 7.30686L * k) +
           0.000047L * sin_deg(34.52L + 27.261239L * k) + 0.000042L * sin_deg(207.19L + 0.121824L * k) +
           0.000040L * sin_deg(291.34L + 1.844379L * k) + 0.000037L * sin_deg(161.72L + 24.198154L * k) +
           0.000035L * sin_deg(239.56L + 25.513099L * k) + 0.000023L * sin_deg(331.55L + 3.592518L * k);
}

} // namespace

TPhaseElements phase_elements(TMoonPhase phase, TDateTime date) {
    static const TDateTime d2000 = encode_calendar_date(2000, 1, 1);
    const extended t = (static_cast<extended>(date) - d2000) / 36525.0L;

    TPhaseElements el;
    // Round half to even (the default rounding mode), then truncate; kept in floating point so that a date
    // that is not a finite number gives NaN rather than an undefined conversion.
    el.k = std::trunc(std::nearbyint(t * 1236.85L)) + static_cast<extended>(phase) / 8.0L;
    const extended k = el.k;
    const extended tk = k / 1236.85L;
    const extended tk2 = tk * tk;
    const extended tk3 = tk2 * tk;
    const extended tk4 = tk3 * tk;
    el.jde = 2451550.09765L + 29.530588853L * k + 0.0001337L * tk2 - 0.00000015L * tk3 + 0.00000000073L * tk4;
    el.m = 2.5534L + 29.10535669L * k - 0.0000218L * tk2 - 0.00000011L * tk3;
    el.m_prime = 201.5643L + 385.81693528L * k + 0.1017438L * tk2 + 0.00001239L * tk3 - 0.000000058L * tk4;
    el.f = 160.7108L + 390.67050274L * k - 0.0016341L * tk2 - 0.00000227L * tk3 + 0.000000011L * tk4;
    el.omega = 124.7746L - 1.5637558L * k + 0.0020691L * tk2 + 0.00000215L * tk3;
    el.e = 1.0L - 0.002516L * t - 0.0000074L * t * t;
    return el;
}

TDateTime principal_phase(TMoonPhase phase, TDateTime date) {
    if (!is_principal(phase)) throw E_OutOfAlgorithmRange("Invalid TMoonPhase");
    const TPhaseElements el = phase_elements(phase, date);

    extended correction;
    switch (phase) {
    case mpNewMoon:
        correction = phase_correction(moon_tables::new_moon_terms, el);
        break;
    case mpFullMoon:
        correction = phase_correction(moon_tables::full_moon_terms, el);
        break;
    default: {
        correction = phase_correction(moon_tables::quarter_terms, el);
        const extended w = 0.00306L - 0.00038L * el.e * cos_deg(el.m) + 0.00026L * cos_deg(el.m_prime) -
                           0.00002L * cos_deg(el.m_prime - el.m) + 0.00002L * cos_deg(el.m_prime + el.m) +
                           0.00002L * cos_deg(2 * el.f);
        correction = phase == mpFirstQuarter ? correction + w : correction - w;
        break;
    }
    }
    return jd_to_datetime(el.jde + correction + planetary_correction(el.k));
}

TDateTime intermediate_phase(TMoonPhase phase, TDateTime date) {
    const extended target = static_cast<extended>(phase) * synodic_month / 8.0L;
    TDateTime x = date;
    for (int step = 0; step < max_octant_steps; ++step) {
        extended d = moon_age(x) - target;
        if (d > half_synodic_month) d -= synodic_month;
        x = static_cast<TDateTime>(x - d);
        if (std::fabs(d) < age_tolerance) return x;
    }
    throw E_OutOfAlgorithmRange("Out of range of the algorithm");
}

TDateTime moon_phase_time(TMoonPhase phase, TDateTime date) {
    if (phase > mpWaningCrescent) return 0.0;
    return phase % 2 == 0 ? principal_phase(phase, date) : intermediate_phase(phase, date);
}

TDateTime next_phase(TMoonPhase phase, TDateTime date) {
    // An invalid phase is rejected before the search: moon_phase_time's 0.0 for it is also a valid instant.
    if (phase > mpWaningCrescent) throw E_OutOfAlgorithmRange("No TDateTime possible");
    if (!std::isfinite(date)) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    TDateTime s = date - 28;
    TDateTime r = s;
    for (int probe = 0; r < date; ++probe) {
        if (probe == max_search_probes) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
        r = moon_phase_time(phase, s);
        s += 28;
    }
    return r;
}

TDateTime last_phase(TMoonPhase phase, TDateTime date) {
    if (phase > mpWaningCrescent) throw E_OutOfAlgorithmRange("No TDateTime possible");
    if (!std::isfinite(date)) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    TDateTime s = date + 28;
    TDateTime r = s;
    for (int probe = 0; r > date; ++probe) {
        if (probe == max_search_probes) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
        r = moon_phase_time(phase, s);
        s -= 28;
    }
    return r;
}

} // namespace astro
