#include "astro/vsop.h"

#include "astro/precision.h"
#include "astro/reference.h"

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

// The corrections dL and dB (radians) that carry L and B (radians) from the dynamical frame of VSOP87 into
// FK5, T in Julian centuries (Meeus 32.3).
template <class M>
void fk5_correction(typename M::real T, typename M::real L, typename M::real B, typename M::real& dL,
                    typename M::real& dB) {
    using R = typename M::real;
    const R l_prime = L + T * M::degrees_to_radians(R(-1.397L) - R(0.00031L) * T);
    const R c = M::cos_rad(l_prime);
    const R s = M::sin_rad(l_prime);
    dL = M::degrees_to_radians(R(fk5_longitude_shift_deg)) +
         M::degrees_to_radians(R(fk5_latitude_factor_deg)) * (c + s) * M::tan_rad(B);
    dB = M::degrees_to_radians(R(fk5_latitude_factor_deg)) * (c - s);
}

// The cosine and sine of 2 pi f tau for every distinct frequency f of the series, in a vectorised loop.
struct TFrequencyTerms {
    double cos[vsop87d_earth_frequency_count];
    double sin[vsop87d_earth_frequency_count];

    explicit TFrequencyTerms(double tau) {
#pragma omp simd
        for (int k = 0; k < vsop87d_earth_frequency_count; ++k)
            sin_cos_turns(vsop87d_earth_frequency_turns[k] * tau, sin[k], cos[k]);
    }
};

// Terms summed per lane, each lane in a fixed order.
constexpr int sum_lanes = 4;

// The sum of the terms first.. of one series: A cos B cos(2 pi f tau) - A sin B sin(2 pi f tau).
double series_sum(const TVSOPSeriesFast& s, int first, const TFrequencyTerms& f) {
    double lane[sum_lanes] = {0, 0, 0, 0};
    int i = first;
    for (; i + sum_lanes <= s.count; i += sum_lanes)
        for (int j = 0; j < sum_lanes; ++j) {
            const int k = s.frequency[i + j];
            lane[j] += s.a_cos_b[i + j] * f.cos[k] - s.a_sin_b[i + j] * f.sin[k];
        }
    double rest = 0;
    for (; i < s.count; ++i) {
        const int k = s.frequency[i];
        rest += s.a_cos_b[i] * f.cos[k] - s.a_sin_b[i] * f.sin[k];
    }
    return ((lane[0] + lane[1]) + (lane[2] + lane[3])) + rest;
}

// The sum of one series: a leading constant term (frequency and phase 0; 6283 radians per millennium in L1)
// in extended precision from the extended table, whose double would round away the last digits of the small
// periodic terms summed after it; the periodic terms in double precision.
extended series_value(const TVSOPSeries& exact, const TVSOPSeriesFast& fast, const TFrequencyTerms& f) {
    if (exact.count > 0 && exact.terms[0].frequency == 0 && exact.terms[0].phase == 0)
        return exact.terms[0].amplitude * 1e-8L + series_sum(fast, 1, f);
    return series_sum(fast, 0, f);
}

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
    extended dL, dB;
    fk5_correction<TExtendedMath>(10 * tau(), L, B, dL, dB);
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
    check_instant(t);
    const extended tau = (static_cast<extended>(t) - vsop_epoch - 0.5L) / 365250.0L;
    const auto tau_d = static_cast<double>(tau);
    const TFrequencyTerms f(tau_d);
    const TVSOPSeries* exact[3] = {vsop87d_earth_longitude, vsop87d_earth_latitude, vsop87d_earth_radius};
    extended coordinate[3];
    for (int c = 0; c < 3; ++c) {
        // (((((S5 tau + S4) tau + S3) tau + S2) tau + S1) tau + S0, as evaluate_series.
        extended sum = 0;
        for (int p = vsop_max_power; p >= 0; --p)
            sum = sum * tau + series_value(exact[c][p], vsop87d_earth_fast[c][p], f);
        coordinate[c] = sum;
    }
    L = coordinate[0];
    B = coordinate[1];
    R = coordinate[2];
    double dL, dB;
    fk5_correction<TDoubleMath>(10 * tau_d, static_cast<double>(L), static_cast<double>(B), dL, dB);
    L = normalize_degrees(radians_to_degrees(L + dL));
    B = radians_to_degrees(B + dB);
}

namespace reference {

void earth_heliocentric(TDateTime t, extended& L, extended& B, extended& R) {
    planet_heliocentric<TVSOPEarth>(t, L, B, R);
}

} // namespace reference

} // namespace astro
