#include "astro/eclipse.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/moon_phases.h"

#include <cmath>

namespace astro {
namespace {

// Lunations scanned by next_eclipse: every eclipse season (about 173 days) brings at least one solar and one
// lunar eclipse, so four years leave a wide margin.
constexpr int max_lunations = 48;

TEclipseKind classify_solar(extended gamma, extended u) {
    const extended g = std::fabs(gamma);
    if (g < 0.9972L) { // central eclipse
        if (u < 0) return eclTotal;
        if (u > 0.0047L) return eclCircular;
        if (u < 0.00464L * std::sqrt(1.0L - gamma * gamma)) return eclCircularTotal;
        return eclCircular;
    }
    if (g > 1.5433L + u) return eclNone;
    if (g < 0.9972L + std::fabs(u)) return eclNonCentral;
    return eclPartial;
}

TEclipseKind classify_lunar(extended gamma, extended u) {
    const extended g = std::fabs(gamma);
    const extended umbral_magnitude = (1.0128L - u - g) / 0.5450L;
    if (umbral_magnitude > 0) return eclTotal;
    const extended penumbral_magnitude = (1.5573L + u - g) / 0.5450L;
    if (penumbral_magnitude > 0) return eclHalfShadow;
    return eclNone;
}

} // namespace

TEclipseKind eclipse(TDateTime& date, bool sun) {
    check_instant(date);
    const TPhaseElements el = phase_elements(sun ? mpNewMoon : mpFullMoon, date);
    const extended k = el.k;
    const extended tk = k / 1236.85L;
    const extended e = el.e;
    const extended m = el.m;
    const extended m_prime = el.m_prime;
    const extended omega = el.omega;

    // Far from a node: no eclipse; the instant is that of the mean phase.
    if (std::fabs(sin_deg(el.f)) > 0.36L) {
        date = jd_to_datetime(el.jde);
        return eclNone;
    }

    const extended f1 = el.f - 0.02665L * sin_deg(omega);
    const extended a1 = 299.77L + 0.107408L * k - 0.009173L * tk * tk;
    const extended a = sun ? -0.4075L : -0.4065L;
    const extended b = sun ? 0.1721L : 0.1727L;

    // Instant of greatest eclipse.
    const extended jde =
        el.jde + a * sin_deg(m_prime) + b * e * sin_deg(m) + 0.0161L * sin_deg(2 * m_prime) -
        0.0097L * sin_deg(2 * f1) + 0.0073L * e * sin_deg(m_prime - m) - 0.0050L * e * sin_deg(m_prime + m) -
        0.0023L * sin_deg(m_prime - 2 * f1) + 0.0021L * e * sin_deg(2 * m) +
        0.0012L * sin_deg(m_prime + 2 * f1) + 0.0006L * e * sin_deg(2 * m_prime + m) -
        0.0004L * sin_deg(3 * m_prime) - 0.0003L * e * sin_deg(m + 2 * f1) + 0.0003L * sin_deg(a1) -
        0.0002L * e * sin_deg(m - 2 * f1) - 0.0002L * e * sin_deg(2 * m_prime - m) - 0.0002L * sin_deg(omega);

    const extended p = 0.2070L * e * sin_deg(m) + 0.0024L * e * sin_deg(2 * m) - 0.0392L * sin_deg(m_prime) +
                       0.0116L * sin_deg(2 * m_prime) - 0.0073L * e * sin_deg(m_prime + m) +
                       0.0067L * e * sin_deg(m_prime - m) + 0.0118L * sin_deg(2 * f1);
    const extended q = 5.2207L - 0.0048L * e * cos_deg(m) + 0.0020L * e * cos_deg(2 * m) -
                       0.3299L * cos_deg(m_prime) - 0.0060L * e * cos_deg(m_prime + m) +
                       0.0041L * e * cos_deg(m_prime - m);
    const extended w = std::fabs(cos_deg(f1));
    const extended gamma = (p * cos_deg(f1) + q * sin_deg(f1)) * (1.0L - 0.0048L * w);
    const extended u = 0.0059L + 0.0046L * e * cos_deg(m) - 0.0182L * cos_deg(m_prime) +
                       0.0004L * cos_deg(2 * m_prime) - 0.0005L * cos_deg(m + m_prime);

    date = jd_to_datetime(jde);
    return sun ? classify_solar(gamma, u) : classify_lunar(gamma, u);
}

TEclipseKind next_eclipse(TDateTime& date, bool sun) {
    check_instant(date);
    // Probe each lunation at its nominal start (1 January 2000 + k lunations of 36525 / 1236.85 days), where
    // phase_elements picks that lunation without doubt, beginning two lunations before the one `date` picks:
    // their new and full moons lie before `date`.
    const TDateTime d2000 = encode_calendar_date(2000, 1, 1);
    const extended lunation = 36525.0L / 1236.85L;
    const extended first = round_half_even((static_cast<extended>(date) - d2000) / lunation) - 2;
    for (int i = 0; i < max_lunations; ++i) {
        TDateTime instant = static_cast<TDateTime>(d2000 + (first + i) * lunation);
        const TEclipseKind kind = eclipse(instant, sun);
        if (kind != eclNone && instant >= date) {
            date = instant;
            return kind;
        }
    }
    throw E_OutOfAlgorithmRange("Out of range of the algorithm");
}

} // namespace astro
