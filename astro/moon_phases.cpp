#include "astro/moon_phases.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"
#include "astro/moon_tables.h"
#include "astro/precision.h"
#include "astro/reference.h"

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
// The stepping searches move 28 days per probe and need one to three probes (up to eight far from 2000); the
// cap guards the same inputs.
constexpr int max_search_probes = 100;
// The searches' probes lie up to 112 days from their date (four steps far from 2000): a date this close to
// the limits of the instants admitted is refused, so that every probe is admitted.
constexpr double search_margin_days = 150;

bool is_principal(TMoonPhase phase) {
    return phase <= mpLastQuarter && phase % 2 == 0;
}

// The elements' angles as the path M takes them.
template <class M>
struct TPhaseAngles {
    using R = typename M::real;
    explicit TPhaseAngles(const TPhaseElements& el)
        : m(M::angle(el.m)), m_prime(M::angle(el.m_prime)), f(M::angle(el.f)), omega(M::angle(el.omega)),
          e(R(el.e)) {}
    R m, m_prime, f, omega, e;
};

template <class M>
typename M::real
phase_correction(const std::array<moon_tables::TPhaseTerm, moon_tables::phase_term_count>& terms,
                 const TPhaseAngles<M>& el) {
    using R = typename M::real;
    constexpr int n = moon_tables::phase_term_count;
    R arg[n], sin_arg[n];
    for (int i = 0; i < n; ++i) {
        const moon_tables::TPhaseTerm& term = terms[i];
        arg[i] = term.m * el.m + term.m_prime * el.m_prime + term.f * el.f + term.omega * el.omega;
    }
    M::sin_deg(arg, sin_arg, n);
    R sum = 0;
    for (int i = 0; i < n; ++i) {
        auto c = R(terms[i].coefficient);
        for (int k = 0; k < terms[i].e_power; ++k) c *= el.e;
        sum += c * sin_arg[i];
    }
    return sum;
}

// The 14 planetary corrections (Meeus, Astronomical Algorithms, chapter 49): coefficient (days) times the
// sine of constant + per_k * k degrees; the first argument has besides -0.009173 Tk^2.
struct TPlanetaryTerm {
    extended coefficient, constant, per_k;
};
constexpr TPlanetaryTerm planetary_terms[] = {
    {0.000325L, 299.77L, 0.107408L},  {0.000165L, 251.88L, 0.016321L}, {0.000164L, 251.83L, 26.651886L},
    {0.000126L, 349.42L, 36.412478L}, {0.000110L, 84.66L, 18.206239L}, {0.000062L, 141.74L, 53.303771L},
    {0.000060L, 207.14L, 2.453732L},  {0.000056L, 154.84L, 7.30686L},  {0.000047L, 34.52L, 27.261239L},
    {0.000042L, 207.19L, 0.121824L},  {0.000040L, 291.34L, 1.844379L}, {0.000037L, 161.72L, 24.198154L},
    {0.000035L, 239.56L, 25.513099L}, {0.000023L, 331.55L, 3.592518L},
};

template <class M>
typename M::real planetary_correction(extended k) {
    using R = typename M::real;
    constexpr int n = sizeof planetary_terms / sizeof planetary_terms[0];
    const extended tk = k / 1236.85L;
    R arg[n], sin_arg[n];
    for (int i = 0; i < n; ++i) {
        const TPlanetaryTerm& term = planetary_terms[i];
        arg[i] = M::angle(i == 0 ? term.constant + term.per_k * k - 0.009173L * tk * tk
                                 : term.constant + term.per_k * k);
    }
    M::sin_deg(arg, sin_arg, n);
    R sum = R(planetary_terms[0].coefficient) * sin_arg[0];
    for (int i = 1; i < n; ++i) sum += R(planetary_terms[i].coefficient) * sin_arg[i];
    return sum;
}

template <class M>
TDateTime principal(TMoonPhase phase, TDateTime date) {
    using R = typename M::real;
    if (!is_principal(phase)) throw E_OutOfAlgorithmRange("Invalid TMoonPhase");
    const TPhaseElements el = phase_elements(phase, date);
    const TPhaseAngles<M> a(el);

    R correction;
    switch (phase) {
    case mpNewMoon:
        correction = phase_correction(moon_tables::new_moon_terms, a);
        break;
    case mpFullMoon:
        correction = phase_correction(moon_tables::full_moon_terms, a);
        break;
    default: {
        correction = phase_correction(moon_tables::quarter_terms, a);
        const R w = R(0.00306L) - R(0.00038L) * a.e * M::cos_deg(a.m) + R(0.00026L) * M::cos_deg(a.m_prime) -
                    R(0.00002L) * M::cos_deg(a.m_prime - a.m) + R(0.00002L) * M::cos_deg(a.m_prime + a.m) +
                    R(0.00002L) * M::cos_deg(2 * a.f);
        correction = phase == mpFirstQuarter ? correction + w : correction - w;
        break;
    }
    }
    return jd_to_datetime(el.jde + correction + planetary_correction<M>(el.k));
}

// The first instant of `phase` at or after `date` (forward) or the last at or before it, from the phase
// instants that `phase_time` gives: probes 28 days apart, shorter than a lunation, so that consecutive probes
// never skip one and the first probe that crosses `date` is the nearest occurrence on that side, provided the
// first probe lies on the near side of `date`. Near 2000 the probe 28 days before `date` always does; far
// from it the secular terms of the series move a phase by weeks from the lunation that the probe's date picks
// (45 days at the year -21,000), so the search steps back until a probe lies on the near side.
template <class F>
TDateTime phase_search(TMoonPhase phase, TDateTime date, bool forward, F&& phase_time) {
    // An invalid phase is rejected before the search: moon_phase_time's 0.0 for it is also a valid instant.
    if (phase > mpWaningCrescent) throw E_OutOfAlgorithmRange("No TDateTime possible");
    check_instant(date);
    if (std::fabs(date) > instant_limit_days - search_margin_days)
        throw E_OutOfAlgorithmRange(out_of_range_message);
    const TDateTime step = forward ? 28 : -28;
    const auto before = [&](TDateTime r) { return forward ? r < date : r > date; };
    int probes = 0;
    const auto probe = [&](TDateTime s) {
        if (++probes > max_search_probes) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
        return phase_time(phase, s);
    };
    TDateTime s = date - step;
    TDateTime r = probe(s);
    while (!before(r)) r = probe(s -= step);
    while (before(r)) r = probe(s += step);
    return r;
}

} // namespace

TPhaseElements phase_elements(TMoonPhase phase, TDateTime date) {
    check_instant(date);
    static const TDateTime d2000 = encode_calendar_date(2000, 1, 1);
    const extended t = (static_cast<extended>(date) - d2000) / 36525.0L;

    TPhaseElements el;
    // Round half to even (the default rounding mode), then truncate; kept in floating point so that a date
    // that is not a finite number gives NaN rather than an undefined conversion.
    el.k = std::trunc(round_half_even(t * 1236.85L)) + static_cast<extended>(phase) / 8.0L;
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
    return principal<TDoubleMath>(phase, date);
}

TDateTime intermediate_phase(TMoonPhase phase, TDateTime date) {
    check_instant(date);
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
    return phase_search(phase, date, true, moon_phase_time);
}

TDateTime last_phase(TMoonPhase phase, TDateTime date) {
    return phase_search(phase, date, false, moon_phase_time);
}

namespace reference {

TDateTime principal_phase(TMoonPhase phase, TDateTime date) {
    return principal<TExtendedMath>(phase, date);
}

// The principal phases by the reference series; the octants as moon_phase_time finds them.
TDateTime phase_time(TMoonPhase phase, TDateTime date) {
    if (phase > mpWaningCrescent) return 0.0;
    return phase % 2 == 0 ? reference::principal_phase(phase, date) : intermediate_phase(phase, date);
}

TDateTime next_phase(TMoonPhase phase, TDateTime date) {
    return phase_search(phase, date, true, phase_time);
}

TDateTime last_phase(TMoonPhase phase, TDateTime date) {
    return phase_search(phase, date, false, phase_time);
}

} // namespace reference

} // namespace astro
