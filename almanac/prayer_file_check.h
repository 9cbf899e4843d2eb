// What of "gl.dat" does not read as it is written: values that are no value of their key (an unknown method,
// an angle beyond its bounds, an offset that is no time of day, a number with a stray byte) and so take
// their defaults, which the program says at start.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace almanac {

/// The values of the location file's text that read as something else than they say (their default or a
/// bound), each as "Key=value" (the value on one line), in the file's order of sections and keys. Keys the
/// program does not know are left alone. Empty when every value reads as written.
std::vector<std::string> prayer_file_faults(std::string_view text);

} // namespace almanac
