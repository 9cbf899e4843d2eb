#include "astro/vsop.h"

#include <cmath>

namespace astro {
namespace {

// Row `index` of the series of `power` of one coordinate, or the all-zero term outside the table.
TVSOPTerm table_term(const TVSOPSeries (&series)[vsop_max_power + 1], std::int32_t index,
                     std::int32_t power) {
    if (power < 0 || power > vsop_max_power) return {0, 0, 0};
    const TVSOPSeries& s = series[power];
    if (index < 0 || index >= s.count) return {0, 0, 0};
    return s.terms[index];
}

// The FK5 constants (Meeus, chapter 32), arc seconds as degrees: 0.09033" and 0.03916".
constexpr extended fk5_longitude_shift_deg = -0.09033L / 3600.0L;
constexpr extended fk5_latitude_factor_deg = 0.03916L / 3600.0L;

} // namespace

extended TVSOP::tau() const {
    return (static_cast<extended>(date) - vsop_epoch - 0.5L) / 365250.0L;
}

const TVSOPSeries* TVSOP::series_table(TTermAccessor) const {
    return nullptr;
}

extended TVSOP::evaluate_series(TTermAccessor accessor) const {
    const extended t = tau();
    const TVSOPSeries* table = series_table(accessor);
    extended s[vsop_max_power + 1];
    for (std::int32_t p = 0; p <= vsop_max_power; ++p) {
        s[p] = 0;
        if (table != nullptr) {
            // The same terms as the accessor gives, without a call per term.
            for (std::int32_t i = 0; i < table[p].count; ++i) {
                const TVSOPTerm& term = table[p].terms[i];
                s[p] = s[p] + term.amplitude * std::cos(term.phase + term.frequency * t);
            }
            continue;
        }
        // A series ends at its first zero term, the one the accessor returns past the end of the table. No
        // stored amplitude is zero, so testing the amplitude ends each series exactly where a zero value
        // would, without a cosine for the end marker and also when tau is not finite (a NaN date).
        for (std::int32_t i = 0;; ++i) {
            const TVSOPTerm term = (this->*accessor)(i, p);
            if (term.amplitude == 0) break;
            s[p] = s[p] + term.amplitude * std::cos(term.phase + term.frequency * t);
        }
    }
    return (((((s[5] * t + s[4]) * t + s[3]) * t + s[2]) * t + s[1]) * t + s[0]) * 1e-8L;
}

void TVSOP::to_fk5(extended& L, extended& B) const {
    const extended T = 10 * tau();
    const extended l_prime = L + T * degrees_to_radians(-1.397L - 0.00031L * T);
    const extended c = std::cos(l_prime);
    const extended s = std::sin(l_prime);
    const extended dL = degrees_to_radians(fk5_longitude_shift_deg) +
                        degrees_to_radians(fk5_latitude_factor_deg) * (c + s) * tan_rad(B);
    const extended dB = degrees_to_radians(fk5_latitude_factor_deg) * (c - s);
    L = L + dL;
    B = B + dB;
}

TVSOPTerm TVSOPEarth::longitude_term(std::int32_t index, std::int32_t power) const {
    return table_term(vsop87d_earth_longitude, index, power);
}

TVSOPTerm TVSOPEarth::latitude_term(std::int32_t index, std::int32_t power) const {
    return table_term(vsop87d_earth_latitude, index, power);
}

TVSOPTerm TVSOPEarth::radius_term(std::int32_t index, std::int32_t power) const {
    return table_term(vsop87d_earth_radius, index, power);
}

const TVSOPSeries* TVSOPEarth::series_table(TTermAccessor accessor) const {
    if (accessor == &TVSOP::longitude_term) return vsop87d_earth_longitude;
    if (accessor == &TVSOP::latitude_term) return vsop87d_earth_latitude;
    if (accessor == &TVSOP::radius_term) return vsop87d_earth_radius;
    return nullptr;
}

void earth_heliocentric(TDateTime t, extended& L, extended& B, extended& R) {
    planet_heliocentric<TVSOPEarth>(t, L, B, R);
}

} // namespace astro
