#include "almanac/prayer_file_check.h"

#include "almanac/data_files.h"
#include "almanac/prayer_file.h"
#include "almanac/simple_ini.h"

#include <charconv>
#include <cstring>

namespace almanac {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

/// Two tokens say the same: the same text, or the same decimal number ("+5" and "5", "3" and "03",
/// "18" and "18.0").
bool same_token(std::string_view a, std::string_view b) {
    a = trim(a);
    b = trim(b);
    if (a == b) return true;
    const auto read = [](std::string_view s, double& v) {
        if (!s.empty() && s.front() == '+') s.remove_prefix(1);
        const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
        return !s.empty() && error == std::errc{} && end == s.data() + s.size();
    };
    double x = 0, y = 0;
    return read(a, x) && read(b, y) && x == y;
}

/// The two values say the same, token by token (tokens separated by "," or ":").
bool same_value(std::string_view a, std::string_view b) {
    while (true) {
        const std::size_t i = a.find_first_of(",:"), j = b.find_first_of(",:");
        if ((i == std::string_view::npos) != (j == std::string_view::npos)) return false;
        if (!same_token(a.substr(0, i), b.substr(0, j))) return false;
        if (i == std::string_view::npos) return true;
        if (a[i] != b[j]) return false;
        a.remove_prefix(i + 1);
        b.remove_prefix(j + 1);
    }
}

} // namespace

std::vector<std::string> prayer_file_faults(std::string_view text) {
    CSimpleIniA file;
    load_ini(file, text);
    // The values the program reads, written back as it writes them. The method's section is written only for
    // a choice other than the plain one: the rounding, turned over, makes it so (and is compared apart).
    const TLocationFile location = parse_location(text);
    TPrayerFileChoice choice = parse_prayer_choice(text);
    const bool round = choice.method.round_to_minute;
    choice.method.round_to_minute = !round;
    CSimpleIniA read;
    const std::string read_text = format_location(location) + format_prayer_choice(choice);
    load_ini(read, read_text);

    std::vector<std::string> faults;
    for (const char* section : {"Latitude", "Longitude", "Time zone", "Prayer method", "Prayer zone"}) {
        CSimpleIniA::TNamesDepend keys;
        file.GetAllKeys(section, keys);
        keys.sort(CSimpleIniA::Entry::LoadOrder());
        for (const auto& key : keys) {
            const char* written = file.GetValue(section, key.pItem, "");
            const char* got = read.GetValue(section, key.pItem, nullptr);
            std::string expected = got ? got : "";
            if (std::strcmp(section, "Prayer method") == 0 && std::strcmp(key.pItem, "Round") == 0)
                expected = round ? "1" : "0";
            const bool known = got || std::strcmp(section, "Prayer zone") == 0;
            if (known && !same_value(written, expected))
                faults.push_back(std::string(key.pItem) + "=" + one_line(written));
        }
    }
    return faults;
}

} // namespace almanac
