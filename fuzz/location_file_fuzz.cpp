// gl.dat as any bytes: read, written and read again gives the same place; the time zone is always hh:mm.
#include "almanac/data_files.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = almanac::ini_text_as_utf8({reinterpret_cast<const char*>(data), size});
    const almanac::TLocationFile place = almanac::parse_location(text);
    FUZZ_CHECK(place.dec.size() == 5 && place.dec[2] == ':');
    FUZZ_CHECK(place.equat == 0 || place.equat == 1);
    FUZZ_CHECK(place.green == 0 || place.green == 1);
    FUZZ_CHECK(place.sig == 0 || place.sig == 1);
    FUZZ_CHECK(almanac::parse_location(almanac::format_location(place)) == place);
    return 0;
}
