#include "astro/turns.h"

namespace astro {

void sin_cos_degrees(const double* x, double* s, double* c, int n) {
#pragma omp simd
    for (int i = 0; i < n; ++i) {
        const double u = reduce_turns(x[i] / 360);
        c[i] = cos_turns(u);
        s[i] = cos_turns(u - 0.25);
    }
}

void sin_degrees(const double* x, double* s, int n) {
#pragma omp simd
    for (int i = 0; i < n; ++i) s[i] = cos_turns(reduce_turns(x[i] / 360) - 0.25);
}

} // namespace astro
