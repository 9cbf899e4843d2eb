#include "almanac/data_files.h"

#include "almanac/simple_ini.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace almanac {

void load_ini(CSimpleIniA& ini, std::string_view text) {
    ini.SetUnicode(true);
    ini.SetSpaces(false); // Key=Value, as initialisation files are written on Windows
    // A NUL would end the text early for the parser: it is a control character like any other.
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), '\0', ' ');
    if (!copy.empty() && ini.LoadData(copy.data(), copy.size()) < 0) ini.Reset();
}

namespace {

// --- reading ---

/// Closes a file descriptor however the block is left.
struct TDescriptor {
    int fd;
    ~TDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

TFileRead unreadable(std::string reason) {
    TFileRead r;
    r.state = TFileRead::TState::unreadable;
    r.reason = std::move(reason);
    return r;
}

std::string too_large() {
    return "larger than " + std::to_string(max_data_file_bytes / (1024 * 1024)) + " MB";
}

// --- text ---

void append_utf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr std::uint32_t replacement_character = 0xFFFD;

/// UTF-16 code units from `bytes` (little or big endian) as UTF-8; a lone surrogate becomes U+FFFD and an odd
/// last byte is dropped.
std::string utf16_to_utf8(std::string_view bytes, bool little_endian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) {
        const auto b0 = static_cast<unsigned char>(bytes[i]), b1 = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<std::uint32_t>(little_endian ? b0 | b1 << 8 : b1 | b0 << 8);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                append_utf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        append_utf8(out, u >= 0xD800 && u < 0xE000 ? replacement_character : u);
    }
    return out;
}

bool is_utf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n;
        std::uint32_t min;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + n >= s.size()) return false;
        std::uint32_t v = c & (0x3F >> n);
        for (std::size_t k = 1; k <= n; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            v = v << 6 | (t & 0x3F);
        }
        if (v < min || v > 0x10FFFF || (v >= 0xD800 && v < 0xE000)) return false;
        i += n + 1;
    }
    return true;
}

std::string latin1_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) append_utf8(out, static_cast<unsigned char>(c));
    return out;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// --- initialisation files ---

std::string value_of(const CSimpleIniA& ini, const char* section, const char* key, bool& found) {
    const char* v = ini.GetValue(section, key, nullptr);
    found = v != nullptr;
    return v ? std::string(v) : std::string();
}

const char* const general = "General";

/// K of a section named "Date" + K, K in decimal from 1 without leading zeros (any case of "date"); else 0.
std::size_t date_section_number(const char* name) {
    const std::string_view s(name);
    if (s.size() < 5 || s.size() > 14) return 0;
    for (std::size_t i = 0; i < 4; ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != "date"[i]) return 0;
    const std::string_view digits = s.substr(4);
    if (digits.front() == '0') return 0;
    std::size_t k = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), k);
    return ec == std::errc() && end == digits.data() + digits.size() ? k : 0;
}

std::string date_section(std::size_t k) {
    return "Date" + std::to_string(k);
}

/// A plain decimal count: digits only (after the blanks around it); saturated above 10^18.
bool plain_decimal(std::string_view s, std::size_t& value) {
    s = trimmed(s);
    if (s.empty() || s.size() > 40) return false;
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    while (s.size() > 1 && s.front() == '0') s.remove_prefix(1);
    if (s.size() > 18) {
        value = static_cast<std::size_t>(1e18);
        return true;
    }
    std::from_chars(s.data(), s.data() + s.size(), value);
    return true;
}

/// A decimal integer of the location file ([+|-]digits, blanks around it); anything else reads as 0.
int location_integer(const CSimpleIniA& ini, const char* section, const char* key) {
    const char* text = ini.GetValue(section, key, nullptr);
    if (!text) return 0;
    std::string_view s = trimmed(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return 0;
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 10);
    return ec == std::errc() && end == s.data() + s.size() ? v : 0;
}

int location_index(const CSimpleIniA& ini, const char* section, const char* key) {
    return location_integer(ini, section, key) == 1 ? 1 : 0;
}

/// "h:mm" or "hh:mm" of a time of day, as "hh:mm"; else "00:00".
std::string location_time_zone(const CSimpleIniA& ini) {
    const char* text = ini.GetValue("Time zone", "Dec", nullptr);
    const std::string fallback = "00:00";
    if (!text) return fallback;
    const std::string_view s = trimmed(text);
    const std::size_t colon = s.find(':');
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || s.size() != colon + 3) return fallback;
    int parts[2] = {0, 0};
    const std::string_view pieces[2] = {s.substr(0, colon), s.substr(colon + 1)};
    for (int i = 0; i < 2; ++i) {
        for (const char c : pieces[i])
            if (c < '0' || c > '9') return fallback;
        std::from_chars(pieces[i].data(), pieces[i].data() + pieces[i].size(), parts[i]);
    }
    if (parts[0] > 23 || parts[1] > 59) return fallback;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d", parts[0], parts[1]);
    return buf;
}

std::string saved(const CSimpleIniA& ini) {
    std::string out;
    if (ini.Save(out, false) < 0) return std::string();
    return out;
}

} // namespace

std::string user_data_folder() {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    if (data_home && data_home[0] == '/') return std::string(data_home) + "/Almadex";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.local/share/Almadex";
    return std::string();
}

bool folder_is_writable(const std::string& folder) {
    struct stat st {};
    if (folder.empty() || ::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    std::string probe = folder + "/.almadex-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

TDataFilePaths locate_data_file(const std::string& program_folder, const std::string& name,
                                bool program_folder_writable, const std::string& user_folder) {
    const auto join = [](const std::string& folder, const std::string& file) {
        return folder.empty() || folder.back() == '/' ? folder + file : folder + "/" + file;
    };
    const std::string beside = join(program_folder, name);
    if (program_folder_writable) return {beside, beside};
    const std::string user = join(user_folder, name);
    struct stat st {};
    const auto exists = [&st](const std::string& path) { return ::stat(path.c_str(), &st) == 0; };
    if (exists(user) || !exists(beside)) return {user, user};
    return {beside, user};
}

TFileRead read_data_file(const std::string& path) {
    // Non-blocking, so that opening a FIFO returns at once; the type is checked before anything is read.
    const TDescriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT) return {};
        return unreadable(std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) return unreadable(std::strerror(errno));
    if (!S_ISREG(st.st_mode)) return unreadable("not a regular file");
    if (static_cast<std::uint64_t>(st.st_size) > max_data_file_bytes) return unreadable(too_large());

    TFileRead r;
    r.state = TFileRead::TState::read;
    r.bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == r.bytes.size()) {
            if (got > max_data_file_bytes) return unreadable(too_large()); // it grew while being read
            r.bytes.resize(std::min(got * 2 + 4096, max_data_file_bytes + 1));
        }
        const ssize_t n = ::read(file.fd, r.bytes.data() + got, r.bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return unreadable(std::strerror(errno));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > max_data_file_bytes) return unreadable(too_large());
    r.bytes.resize(got);
    return r;
}

std::string ini_text_as_utf8(std::string_view bytes) {
    if (bytes.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(bytes[0]), b1 = static_cast<unsigned char>(bytes[1]);
        if (b0 == 0xFF && b1 == 0xFE) return utf16_to_utf8(bytes.substr(2), true);
        if (b0 == 0xFE && b1 == 0xFF) return utf16_to_utf8(bytes.substr(2), false);
        // UTF-16 without its mark: a text that begins with an ASCII character has a zero byte beside it.
        if (b0 != 0 && b1 == 0 && b0 < 0x80) return utf16_to_utf8(bytes, true);
        if (b0 == 0 && b1 != 0 && b1 < 0x80) return utf16_to_utf8(bytes, false);
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (is_utf8(bytes)) return std::string(bytes);
    return latin1_to_utf8(bytes);
}

std::string one_line(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return out;
}

TDatesFile parse_dates(std::string_view text, const std::string& default_value) {
    CSimpleIniA ini;
    load_ini(ini, text);
    TDatesFile file;
    bool has_count = false;
    const std::string count_text = value_of(ini, general, "N", has_count);
    if (!has_count) {
        const bool blank = std::all_of(
            text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
        if (!blank) file.unreadable = "it holds no count of entries (N of section General)";
        return file;
    }

    // The sections Date1, Date2, ... that exist, by their number.
    std::map<std::size_t, std::string> sections;
    CSimpleIniA::TNamesDepend names;
    ini.GetAllSections(names);
    for (const auto& name : names)
        if (const std::size_t k = date_section_number(name.pItem)) sections.emplace(k, name.pItem);

    std::size_t count = 0;
    const bool counted = plain_decimal(count_text, count);
    if (!counted) {
        file.damage = "its count N=" + one_line(count_text) + " is not a decimal number";
        count = sections.empty() ? 0 : sections.rbegin()->first;
    }
    std::size_t found = 0;
    for (const auto& [k, name] : sections) {
        if (k > count) break;
        ++found;
        if (file.entries.size() == max_date_entries) continue;
        bool has_description = false, has_value = false;
        const std::string description = value_of(ini, name.c_str(), "Description", has_description);
        const std::string value = value_of(ini, name.c_str(), "Value", has_value);
        file.entries.push_back({has_description ? one_line(description) : "No Description",
                                has_value ? one_line(value) : default_value});
    }
    if (counted && found < count)
        file.damage = "its count N=" + std::to_string(count) + " names more entries than its " +
                      std::to_string(found) + " date sections";
    if (found > max_date_entries)
        file.damage += std::string(file.damage.empty() ? "" : "; ") + "only the first " +
                       std::to_string(max_date_entries) + " entries were read";
    return file;
}

std::string format_dates(std::string_view existing, const std::vector<TDateEntry>& entries) {
    CSimpleIniA ini;
    load_ini(ini, existing);
    ini.SetValue(general, "N", std::to_string(entries.size()).c_str());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string section = date_section(i + 1);
        ini.SetValue(section.c_str(), "Description", one_line(entries[i].description).c_str());
        ini.SetValue(section.c_str(), "Value", one_line(entries[i].value).c_str());
    }
    return saved(ini);
}

TLocationFile parse_location(std::string_view text) {
    CSimpleIniA ini;
    load_ini(ini, text);
    TLocationFile l;
    l.latitude_degrees = location_integer(ini, "Latitude", "Degrees");
    l.latitude_minutes = location_integer(ini, "Latitude", "Minutes");
    l.latitude_seconds = location_integer(ini, "Latitude", "Secondes");
    l.equat = location_index(ini, "Latitude", "Equat");
    l.longitude_degrees = location_integer(ini, "Longitude", "Degrees");
    l.longitude_minutes = location_integer(ini, "Longitude", "Minutes");
    l.longitude_seconds = location_integer(ini, "Longitude", "Secondes");
    l.green = location_index(ini, "Longitude", "Green");
    l.sig = location_index(ini, "Time zone", "Sig");
    l.dec = location_time_zone(ini);
    return l;
}

TPlace location_place(const TLocationFile& l) {
    const double latitude = l.latitude_degrees + l.latitude_minutes / 60.0 + l.latitude_seconds / 3600.0;
    const double longitude = l.longitude_degrees + l.longitude_minutes / 60.0 + l.longitude_seconds / 3600.0;
    return {l.equat == 0 ? latitude : -latitude, l.green == 0 ? longitude : -longitude};
}

std::int32_t location_offset_seconds(const TLocationFile& l) {
    // "Dec" reads as "hh:mm" of a day (parse_location); anything else is no offset.
    int hours = 0, minutes = 0;
    if (std::sscanf(l.dec.c_str(), "%d:%d", &hours, &minutes) != 2) return 0;
    const std::int32_t seconds = hours * 3600 + minutes * 60;
    return l.sig == 0 ? seconds : -seconds;
}

std::string format_location(const TLocationFile& l) {
    CSimpleIniA ini;
    load_ini(ini, {});
    const auto put = [&ini](const char* section, const char* key, int value) {
        ini.SetValue(section, key, std::to_string(value).c_str());
    };
    put("Latitude", "Degrees", l.latitude_degrees);
    put("Latitude", "Minutes", l.latitude_minutes);
    put("Latitude", "Secondes", l.latitude_seconds);
    put("Latitude", "Equat", l.equat);
    put("Longitude", "Degrees", l.longitude_degrees);
    put("Longitude", "Minutes", l.longitude_minutes);
    put("Longitude", "Secondes", l.longitude_seconds);
    put("Longitude", "Green", l.green);
    put("Time zone", "Sig", l.sig);
    ini.SetValue("Time zone", "Dec", one_line(l.dec).c_str());
    // SimpleIni separates sections by two blank lines; the file keeps one, as initialisation files usually
    // do.
    std::string text = saved(ini);
    for (std::size_t p; (p = text.find("\n\n\n")) != std::string::npos;) text.erase(p, 1);
    return text;
}

} // namespace almanac
