// What almadex-cli computes: each command's result as one JSON document, built completely before anything is
// printed. Inputs are checked here and rejected with a clear message (TInputError, or the library's own
// error).
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace almadex::cli {

using json = nlohmann::ordered_json;

/// A value on the command line that cannot be used; what() is the message for the user.
class TInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// --- values on the command line ---

/// "YYYY-MM-DD", proleptic Gregorian, years 999..2399: the date-time value of its 00:00.
double parse_date(std::string_view text);
/// "YYYY-MM-DD", "YYYY-MM-DDTHH:MM[:SS]" or the same with a blank instead of T.
double parse_instant(std::string_view text);
/// Decimal degrees (north positive) or D[:M[:S]] followed by N or S.
double parse_latitude(std::string_view text);
/// Decimal degrees (EAST positive) or D[:M[:S]] followed by E or W.
double parse_longitude(std::string_view text);
/// "[+|-]HH:MM": the offset as a fraction of a day; `canonical` receives "+HH:MM".
double parse_time_zone(std::string_view text, std::string& canonical);
/// A year within [lo, hi] of the calendar named in the message.
int check_year(long long year, int lo, int hi, std::string_view calendar);

// --- values in the output ---

/// The instant rounded to the second, proleptic Gregorian: "2025-03-14T07:00:39".
std::string iso_instant(double t);
/// {"iso": ..., "value": t}
json instant_json(double t);

// --- commands ---

json convert(std::string_view from, std::string_view value);
json feast(std::string_view name, long long year);
std::vector<std::string> feast_names();
json moon(double t);
json phases(double from, double to, bool octants);
json eclipses(double from, double to, std::optional<bool> sun);
json seasons(long long year);
json solar_term(long long year, long long k);
json position(std::string_view body, double t);
json riseset(double latitude, double longitude_east, double date, bool sun);
json between(double a, double b);

/// One day of the prayer schedule: universal times of the six prayers, or the message of the first that
/// failed.
struct TPrayerDay {
    double date = 0;
    std::string error;
    std::vector<std::pair<std::string, double>> times; ///< (key, UT instant), keys fedjr .. ishaa
};

struct TPrayerRequest {
    double latitude = 0;       ///< north positive
    double longitude_east = 0; ///< east positive
    double tz = 0;             ///< fraction of a day added to UT
    std::string tz_text = "+00:00";
    double date = 0;
    int days = 1;
    bool arabic = false;
    bool sunrise = true;
};

std::vector<TPrayerDay> prayer_days(const TPrayerRequest& request);
/// The display name of a prayer key in the chosen set ("El Fedjr" / "Dawn" ...).
std::string prayer_name(std::string_view key, bool arabic);
/// "HH:MM:SS" of a UT instant shifted by the zone offset.
std::string local_time(double ut, double tz);

json prayer_json(const TPrayerRequest& request, const std::vector<TPrayerDay>& days);
std::string prayer_text(const TPrayerRequest& request, const std::vector<TPrayerDay>& days);
std::string prayer_csv(const TPrayerRequest& request, const std::vector<TPrayerDay>& days);

} // namespace almadex::cli
