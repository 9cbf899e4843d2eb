#include "cli/input.h"

#include "almanac/datetime_parts.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace almadex::cli {
namespace {

// A non-negative decimal integer filling the whole text.
std::optional<long long> whole_number(std::string_view s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    long long v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.front() == '-' || s.front() == '+')
        return std::nullopt;
    return v;
}

std::string two(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

} // namespace

std::string quoted(std::string_view s) {
    return "'" + std::string(s) + "'";
}

bool is_decimal_integer(std::string_view s) {
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
    if (s.empty() || s.size() > 18) return false;
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::optional<double> decimal_number(std::string_view s) {
    if (s.empty()) return std::nullopt;
    double v = 0;
    const char* first = s.data();
    if (*first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = s.find(sep, start);
        parts.push_back(s.substr(start, p == std::string_view::npos ? std::string_view::npos : p - start));
        if (p == std::string_view::npos) break;
        start = p + 1;
    }
    return parts;
}

int check_year(long long year, almanac::TYearRange range, std::string_view calendar) {
    if (!range.contains(year))
        throw TInputError(std::string(calendar) + " year " + std::to_string(year) + " is out of range (" +
                          std::to_string(range.first) + ".." + std::to_string(range.last) + ")");
    return static_cast<int>(year);
}

int field(std::string_view text, std::string_view what, std::string_view whole) {
    const auto v = whole_number(text);
    if (!v) throw TInputError("Invalid " + std::string(what) + " in " + quoted(whole));
    return static_cast<int>(*v);
}

double parse_date(std::string_view text) {
    const auto parts = split(text, '-');
    if (parts.size() != 3 || parts[0].size() != 4 || parts[1].size() != 2 || parts[2].size() != 2)
        throw TInputError("Invalid date " + quoted(text) + " (expected YYYY-MM-DD)");
    const int y = field(parts[0], "year", text), m = field(parts[1], "month", text),
              d = field(parts[2], "day", text);
    check_year(y, almanac::gregorian_years, "Gregorian");
    return almanac::datetime_from_parts(y, m, d);
}

double parse_instant(std::string_view text) {
    const std::size_t sep = text.find_first_of("T ");
    const double day = parse_date(text.substr(0, sep));
    if (sep == std::string_view::npos) return day;
    const std::string_view time = text.substr(sep + 1);
    const auto parts = split(time, ':');
    if (parts.size() < 2 || parts.size() > 3)
        throw TInputError("Invalid time " + quoted(time) + " (expected HH:MM or HH:MM:SS)");
    int hms[3] = {0, 0, 0};
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (parts[k].size() != 2)
            throw TInputError("Invalid time " + quoted(time) + " (expected HH:MM or HH:MM:SS)");
        hms[k] = field(parts[k], "time", text);
    }
    if (hms[0] > 23 || hms[1] > 59 || hms[2] > 59) throw TInputError("Invalid time " + quoted(time));
    return day + (hms[0] * 3600.0 + hms[1] * 60.0 + hms[2]) / 86400.0;
}

namespace {

// Decimal degrees, or D[:M[:S]] with a hemisphere letter: `positive` and `negative` are the two letters.
double parse_angle(std::string_view text, char positive, char negative, double limit, std::string_view what) {
    std::string_view s = text;
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    const auto bad = [&] {
        return TInputError("Invalid " + std::string(what) + " " + quoted(text) +
                           " (decimal degrees, or D:M:S followed by " + positive + " or " + negative + ")");
    };
    if (s.empty()) throw bad();
    const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(s.back())));
    double value;
    if (last == positive || last == negative) {
        s.remove_suffix(1);
        while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        const auto parts = split(s, ':');
        if (parts.empty() || parts.size() > 3) throw bad();
        double dms[3] = {0, 0, 0};
        for (std::size_t k = 0; k < parts.size(); ++k) {
            const auto v = decimal_number(parts[k]);
            if (!v || *v < 0 || (k > 0 && *v >= 60) || parts[k].front() == '+') throw bad();
            dms[k] = *v;
        }
        value = dms[0] + dms[1] / 60 + dms[2] / 3600;
        if (last == negative) value = -value;
    } else {
        const auto v = decimal_number(s);
        if (!v) throw bad();
        value = *v;
    }
    if (std::fabs(value) > limit)
        throw TInputError("Invalid " + std::string(what) + " " + quoted(text) + " (at most " +
                          std::to_string(static_cast<int>(limit)) + " degrees)");
    return value;
}

} // namespace

double parse_latitude(std::string_view text) {
    return parse_angle(text, 'N', 'S', 90, "latitude");
}

double parse_longitude_west(std::string_view text) {
    return 0.0 - parse_angle(text, 'E', 'W', 180, "longitude");
}

std::int32_t parse_time_zone(std::string_view text, std::string& canonical) {
    std::string_view s = text;
    int sign = 1;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        sign = s.front() == '-' ? -1 : 1;
        s.remove_prefix(1);
    }
    const auto parts = split(s, ':');
    const auto bad = TInputError("Invalid time zone " + quoted(text) + " (expected [+|-]HH:MM)");
    if (parts.size() != 2 || parts[0].size() != 2 || parts[1].size() != 2) throw bad;
    const auto h = whole_number(parts[0]), m = whole_number(parts[1]);
    if (!h || !m || *h > 23 || *m > 59) throw bad;
    canonical =
        std::string(sign < 0 ? "-" : "+") + two(static_cast<int>(*h)) + ":" + two(static_cast<int>(*m));
    return static_cast<std::int32_t>(sign * (*h * 3600 + *m * 60));
}

} // namespace almadex::cli
