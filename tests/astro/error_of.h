// The message of the library error of class E that f raises, or "no error": lets a table of cases compare
// messages. An error of another class is not caught, so the test fails on it.
#pragma once

#include "astro/errors.h"

#include <string>

namespace astro::testing {

template <class E = Exception, class F>
std::string error_of(F&& f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    return "no error";
}

} // namespace astro::testing
