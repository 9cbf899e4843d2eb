// Error classes of the astronomical library.
#pragma once

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

} // namespace astro
