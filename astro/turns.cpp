#include "astro/turns.h"

namespace astro {

void sin_cos_degrees(const double* x, double* s, double* c, int n) {
#pragma omp simd
    for (int i = 0; i < n; ++i) sin_cos_turns(x[i] / 360, s[i], c[i]);
}

void sin_degrees(const double* x, double* s, int n) {
#pragma omp simd
    for (int i = 0; i < n; ++i) s[i] = sin_turns(x[i] / 360);
}

} // namespace astro
