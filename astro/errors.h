// Error classes of the astronomical library.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace astro {

/// Base of every error the library raises; what() is the short English message shown to the user.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Invalid calendar input: "Invalid year", "Invalid month", "Invalid day", "Date invalid due to calendar
/// change", "Negative julian dates not supported", "Invalid chinese date".
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

/// A request outside what an algorithm covers: "Out of range of the algorithm", "Invalid TMoonPhase",
/// "No TDateTime possible".
class E_OutOfAlgorithmRange : public Exception {
public:
    using Exception::Exception;
};

/// The body does not reach the asked altitude that day: "No rises or sets calculable", "Fedjr is not
/// calculable", "Assr is not calculable", "Ishaa is not calculable".
class E_NoRiseSet : public Exception {
public:
    using Exception::Exception;
};

/// The message of E_OutOfAlgorithmRange for an input beyond what a routine covers.
inline constexpr const char* out_of_range_message = "Out of range of the algorithm";

/// The farthest instant from the epoch (1899-12-30) that the routines taking an instant accept, in days:
/// about 27,000 years either way, far beyond the years of every series, yet where their angles and day counts
/// still fit the arithmetic.
inline constexpr double instant_limit_days = 10'000'000;

/// Raises E_OutOfAlgorithmRange "Out of range of the algorithm" for an instant that is not a finite number or
/// lies more than instant_limit_days from the epoch; the entry check of every routine taking an instant.
inline void check_instant(double t) {
    if (!(std::fabs(t) <= instant_limit_days)) throw E_OutOfAlgorithmRange(out_of_range_message);
}

} // namespace astro
