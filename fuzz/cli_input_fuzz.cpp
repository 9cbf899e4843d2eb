// The command line's values as any text: dates, instants, latitudes, longitudes, time zones, numbers. Each is
// read or refused with a message; what is read lies within its range.
#include "astro/errors.h"
#include "cli/input.h"
#include "fuzz/fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cli = almadex::cli;

namespace {

// The date-time values of 999-01-01 and 2400-01-01.
constexpr double first_day = -329081, end_day = 182623;

template <typename F>
void refused_or(F&& f) {
    try {
        f();
    } catch (const cli::TInputError& e) {
        FUZZ_CHECK(*e.what() != '\0');
    } catch (const astro::Exception& e) {
        FUZZ_CHECK(*e.what() != '\0');
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 7) {
    case 0:
        refused_or([&] {
            const double t = cli::parse_date(text);
            FUZZ_CHECK(t >= first_day && t < end_day && t == std::floor(t));
        });
        break;
    case 1:
        refused_or([&] {
            const double t = cli::parse_instant(text);
            FUZZ_CHECK(t >= first_day && t < end_day);
        });
        break;
    case 2:
        refused_or([&] {
            const double v = cli::parse_latitude(text);
            FUZZ_CHECK(std::isfinite(v) && std::fabs(v) <= 90);
        });
        break;
    case 3:
        refused_or([&] {
            const double v = cli::parse_longitude_west(text);
            FUZZ_CHECK(std::isfinite(v) && std::fabs(v) <= 180);
        });
        break;
    case 4:
        refused_or([&] {
            std::string canonical;
            const std::int32_t s = cli::parse_time_zone(text, canonical);
            FUZZ_CHECK(s > -86400 && s < 86400 && canonical.size() == 6);
        });
        break;
    case 5:
        if (cli::is_decimal_integer(text)) FUZZ_CHECK(!text.empty() && text.size() <= 19);
        refused_or([&] { (void)cli::field(text, "year", text); });
        break;
    default:
        if (const auto v = cli::decimal_number(text)) FUZZ_CHECK(std::isfinite(*v));
        break;
    }
    return 0;
}
