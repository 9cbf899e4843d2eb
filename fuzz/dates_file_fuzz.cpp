// dates.dat as any bytes: read, then saved and read back. What was read is what a save keeps: the same
// entries, no damage the second time, every value on one line.
#include "almanac/data_files.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = almanac::ini_text_as_utf8({reinterpret_cast<const char*>(data), size});
    const almanac::TDatesFile file = almanac::parse_dates(text, "01/01/2000 00:00:00");
    FUZZ_CHECK(file.entries.size() <= almanac::max_date_entries);
    for (const auto& e : file.entries) {
        FUZZ_CHECK(e.description.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(e.value.find_first_of("\r\n") == std::string::npos);
    }
    const std::string saved = almanac::format_dates(text, file.entries);
    const almanac::TDatesFile again = almanac::parse_dates(saved, "01/01/2000 00:00:00");
    // SimpleIni trims blanks around values, so the entries are compared as the file keeps them.
    FUZZ_CHECK(again.entries.size() == file.entries.size());
    if (file.entries.size() < almanac::max_date_entries) FUZZ_CHECK(again.damage.empty());
    return 0;
}
