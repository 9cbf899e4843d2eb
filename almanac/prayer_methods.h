// The calculation methods of prayer times a user can follow: the program's own day-arc fractions (the
// default) and the methods of Muslim authorities by their published twilight angles, intervals and minute
// offsets; with the Asr school, Dhuhr's minutes after the transit, the user's own adjustments, rounding and
// the high-latitude rules.
#pragma once

#include "almanac/islamic.h"
#include "almanac/tr_mark.h"
#include "astro/prayer_methods.h"
#include "astro/types.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace almanac {

enum class TMethodId : std::uint8_t {
    almadex, ///< the day-arc fractions of astro/prayer.h
    mwl,
    isna,
    egypt,
    umm_al_qura,
    karachi,
    tehran,
    jafari,
    gulf,
    kuwait,
    qatar,
    singapore,
    france,
    turkey,
    dubai,
    moonsighting,
    algeria,
    tunisia,
    custom, ///< the user's own angles or intervals
};

/// One method as its authority publishes it. Angles in degrees below the horizon; intervals and offsets in
/// minutes. Offsets by prayer in the order Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha.
struct TPrayerMethod {
    TMethodId id;
    std::string_view key;   ///< on the command line and in the location file
    std::string_view title; ///< in menus, schedules and files
    double fajr_angle;
    double isha_angle;           ///< used when isha_minutes is 0
    double isha_minutes;         ///< > 0: Isha this long after Maghrib
    double isha_minutes_ramadan; ///< the interval in Ramadan (0: as the rest of the year)
    double maghrib_angle;        ///< 0: at sunset
    bool seasonal;               ///< the Moonsighting Committee's seasonal bound on Fajr and Isha
    std::array<int, 6> offsets;  ///< the authority's fixed minutes, added to the computed times
    std::string_view source;
};

// clang-format off
inline constexpr std::array<TPrayerMethod, 19> prayer_methods{{
    {TMethodId::almadex, "almadex", ALMADEX_NAME("Prayer method", "Almadex (day-arc fractions)"), 0, 0, 0, 0, 0, false, {},
     "Fedjr and Ishaa at 0.295167222223 of the half day arc from sunrise and sunset, Assr at half the "
     "geometric half arc after the transit"},
    {TMethodId::mwl, "mwl", ALMADEX_NAME("Prayer method", "Muslim World League"), 18, 17, 0, 0, 0, false, {},
     "Muslim World League, Makkah: Fajr 18, Isha 17 degrees"},
    {TMethodId::isna, "isna", ALMADEX_NAME("Prayer method", "Islamic Society of North America"), 15, 15, 0, 0, 0, false, {},
     "ISNA Fiqh Council of North America: Fajr 15, Isha 15 degrees"},
    {TMethodId::egypt, "egypt", ALMADEX_NAME("Prayer method", "Egyptian General Authority of Survey"), 19.5, 17.5, 0, 0, 0, false, {},
     "Egyptian General Authority of Survey: Fajr 19.5, Isha 17.5 degrees"},
    {TMethodId::umm_al_qura, "umm-al-qura", ALMADEX_NAME("Prayer method", "Umm al-Qura, Makkah"), 18.5, 0, 90, 120, 0, false, {},
     "Umm al-Qura University, Makkah: Fajr 18.5 degrees, Isha 90 minutes after Maghrib, 120 in Ramadan"},
    {TMethodId::karachi, "karachi", ALMADEX_NAME("Prayer method", "University of Islamic Sciences, Karachi"), 18, 18, 0, 0, 0, false, {},
     "University of Islamic Sciences, Karachi: Fajr 18, Isha 18 degrees"},
    {TMethodId::tehran, "tehran", ALMADEX_NAME("Prayer method", "Institute of Geophysics, University of Tehran"), 17.7, 14, 0, 0, 4.5, false,
     {}, "Institute of Geophysics, University of Tehran: Fajr 17.7, Isha 14, Maghrib 4.5 degrees"},
    {TMethodId::jafari, "jafari", ALMADEX_NAME("Prayer method", "Shia Ithna Ashari, Leva Institute, Qum"), 16, 14, 0, 0, 4, false, {},
     "Leva Research Institute, Qum: Fajr 16, Isha 14, Maghrib 4 degrees"},
    {TMethodId::gulf, "gulf", ALMADEX_NAME("Prayer method", "Gulf region"), 19.5, 0, 90, 0, 0, false, {},
     "Gulf region: Fajr 19.5 degrees, Isha 90 minutes after Maghrib"},
    {TMethodId::kuwait, "kuwait", ALMADEX_NAME("Prayer method", "Kuwait"), 18, 17.5, 0, 0, 0, false, {},
     "Ministry of Awqaf and Islamic Affairs, Kuwait: Fajr 18, Isha 17.5 degrees"},
    {TMethodId::qatar, "qatar", ALMADEX_NAME("Prayer method", "Qatar"), 18, 0, 90, 0, 0, false, {},
     "Ministry of Awqaf and Islamic Affairs, Qatar: Fajr 18 degrees, Isha 90 minutes after Maghrib"},
    {TMethodId::singapore, "singapore", ALMADEX_NAME("Prayer method", "Singapore, Malaysia, Indonesia"), 20, 18, 0, 0, 0, false, {},
     "MUIS Singapore, JAKIM Malaysia, KEMENAG Indonesia: Fajr 20, Isha 18 degrees"},
    {TMethodId::france, "france", ALMADEX_NAME("Prayer method", "France (UOIF)"), 12, 12, 0, 0, 0, false, {},
     "Union des Organisations Islamiques de France: Fajr 12, Isha 12 degrees"},
    {TMethodId::turkey, "turkey", ALMADEX_NAME("Prayer method", "Turkey (Diyanet)"), 18, 17, 0, 0, 0, false, {0, -7, 5, 4, 7, 0},
     "Diyanet Isleri Baskanligi: Fajr 18, Isha 17 degrees; its safety intervals (temkin): sunrise -7, Dhuhr "
     "+5, Asr +4, Maghrib +7 minutes"},
    {TMethodId::dubai, "dubai", ALMADEX_NAME("Prayer method", "Dubai"), 18.2, 18.2, 0, 0, 0, false, {0, -3, 3, 3, 3, 0},
     "Islamic Affairs and Charitable Activities Department, Dubai: Fajr 18.2, Isha 18.2 degrees; sunrise -3, "
     "Dhuhr +3, Asr +3, Maghrib +3 minutes"},
    {TMethodId::moonsighting, "moonsighting", ALMADEX_NAME("Prayer method", "Moonsighting Committee Worldwide"), 18, 18, 0, 0, 0, true,
     {0, 0, 5, 0, 3, 0},
     "Moonsighting Committee Worldwide (moonsighting.com): Fajr 18, Isha 18 degrees bounded by Shaukat's "
     "seasonal intervals; Dhuhr 5 minutes after the transit, Maghrib 3 minutes after sunset"},
    {TMethodId::algeria, "algeria", ALMADEX_NAME("Prayer method", "Algeria (Ministry of Religious Affairs)"), 18, 17, 0, 0, 0, false,
     {0, 0, 0, 0, 3, 0},
     "Ministry of Religious Affairs and Endowments, Algeria: Fajr 18, Isha 17 degrees; Maghrib 3 minutes "
     "after sunset"},
    {TMethodId::tunisia, "tunisia", ALMADEX_NAME("Prayer method", "Tunisia (Ministry of Religious Affairs)"), 18, 18, 0, 0, 0, false, {},
     "Ministry of Religious Affairs, Tunisia: Fajr 18, Isha 18 degrees"},
    {TMethodId::custom, "custom", ALMADEX_NAME("Prayer method", "Custom"), 18, 17, 0, 0, 0, false, {}, "the user's own angles or intervals"},
}};
// clang-format on

/// The method that a country's authorities publish their times by, or that its mosques usually follow, with
/// where that is stated. The countries without a row take the Muslim World League's.
struct TCountryMethod {
    std::string_view country; ///< ISO 3166-1 alpha-2 code, upper case
    TMethodId method;
    std::string_view source;
};
// clang-format off
inline constexpr std::array<TCountryMethod, 18> country_methods{{
    {"AE", TMethodId::dubai, "Islamic Affairs and Charitable Activities Department, Dubai: the times of the "
     "Emirates' mosques"},
    {"CA", TMethodId::isna, "Islamic Society of North America: the times of most North American mosques"},
    {"DZ", TMethodId::algeria, "Ministry of Religious Affairs and Endowments, Algeria: the national "
     "timetables"},
    {"EG", TMethodId::egypt, "Egyptian General Authority of Survey: Egypt's official times"},
    {"FR", TMethodId::france, "Union des Organisations Islamiques de France (Musulmans de France): the "
     "12-degree times of many French mosques"},
    {"GB", TMethodId::moonsighting, "Moonsighting Committee Worldwide: the times of many mosques of the "
     "United Kingdom"},
    {"ID", TMethodId::singapore, "Kementerian Agama (KEMENAG), Indonesia: the national timetables"},
    {"IR", TMethodId::tehran, "Institute of Geophysics, University of Tehran: Iran's official times"},
    {"KW", TMethodId::kuwait, "Ministry of Awqaf and Islamic Affairs, Kuwait: the national timetables"},
    // Morocco's Ministry of Habous and Islamic Affairs publishes timetables, not the angles and minutes
    // they are computed with; until a published source states them, the Muslim World League's.
    {"MA", TMethodId::mwl, "Ministry of Habous and Islamic Affairs, Morocco, publishes no parameters: the "
     "Muslim World League's method"},
    {"MY", TMethodId::singapore, "Jabatan Kemajuan Islam Malaysia (JAKIM): the national timetables"},
    {"PK", TMethodId::karachi, "University of Islamic Sciences, Karachi: the times of Pakistan's mosques"},
    {"QA", TMethodId::qatar, "Ministry of Awqaf and Islamic Affairs, Qatar: the national timetables"},
    {"SA", TMethodId::umm_al_qura, "Umm al-Qura University, Makkah: Saudi Arabia's official times"},
    {"SG", TMethodId::singapore, "Majlis Ugama Islam Singapura (MUIS): the national timetables"},
    {"TN", TMethodId::tunisia, "Ministry of Religious Affairs, Tunisia: the national timetables"},
    {"TR", TMethodId::turkey, "Diyanet Isleri Baskanligi, the Presidency of Religious Affairs: Turkey's "
     "official times"},
    {"US", TMethodId::isna, "Islamic Society of North America: the times of most North American mosques"},
}};
// clang-format on

/// The usual method of a country (an ISO 3166-1 alpha-2 code, either case): its row's, else the Muslim
/// World League's.
TMethodId usual_method(std::string_view country);

/// The row of `key` in a table with keys (the methods, or the names of a choice below), or the table's size.
template <class Table>
constexpr std::size_t row_of_key(const Table& table, std::string_view key) {
    std::size_t i = 0;
    while (i < table.size() && table[i].key != key) ++i;
    return i;
}

const TPrayerMethod& prayer_method(TMethodId id);
/// The method of a command-line or file key, or null.
const TPrayerMethod* find_prayer_method(std::string_view key);

/// Asr by the shadow's length: one length plus the noon shadow (Shafi'i, Maliki, Hanbali) or two (Hanafi).
enum class TAsrSchool : std::uint8_t { standard, hanafi };

/// The high-latitude rule chosen: the one recommended for the place's latitude, or a given one.
enum class THighLatitudeChoice : std::uint8_t {
    recommended,
    none,
    middle_of_night,
    seventh_of_night,
    twilight_angle
};

struct TChoiceName {
    std::string_view key;
    std::string_view title;
};
inline constexpr std::array<TChoiceName, 2> asr_school_names{{
    {"standard", ALMADEX_NAME("Prayer method", "Shafi'i, Maliki, Hanbali (shadow 1)")},
    {"hanafi", ALMADEX_NAME("Prayer method", "Hanafi (shadow 2)")},
}};
inline constexpr std::array<TChoiceName, 5> high_latitude_names{{
    {"auto", ALMADEX_NAME("Prayer method", "Recommended for the latitude")},
    {"none", ALMADEX_NAME("Prayer method", "None")},
    {"middle", ALMADEX_NAME("Prayer method", "Middle of the night")},
    {"seventh", ALMADEX_NAME("Prayer method", "One-seventh of the night")},
    {"angle", ALMADEX_NAME("Prayer method", "Twilight angle / 60 of the night")},
}};
inline constexpr std::array<TChoiceName, 3> polar_names{{
    {"none", ALMADEX_NAME("Prayer method", "None")},
    {"nearest-day", ALMADEX_NAME("Prayer method", "Nearest day with sunrise and sunset")},
    {"nearest-latitude", ALMADEX_NAME("Prayer method", "Nearest latitude with sunrise and sunset")},
}};

/// Where the night that midnight and its last third divide ends: at the next day's dawn (Fajr) or sunrise.
enum class TNightEnd : std::uint8_t { dawn, sunrise };
inline constexpr std::array<TChoiceName, 2> night_end_names{{
    {"dawn", "Sunset to dawn"},
    {"sunrise", "Sunset to sunrise"},
}};

/// The times listed besides the six, each off by default.
struct TExtraTimes {
    bool imsak = false;      ///< Imsak, imsak_minutes before Fajr
    int imsak_minutes = 10;  ///< 0..60
    bool midnight = false;   ///< the middle of the night that begins at the day's sunset
    bool last_third = false; ///< the start of the last third of that night
    bool sunset = false;     ///< the Sun's setting in a row of its own where Maghrib is at sunset too
    bool jumuah = false;     ///< Friday's noon prayer named Jumu'ah
    TNightEnd night_end = TNightEnd::dawn;
    friend bool operator==(const TExtraTimes&, const TExtraTimes&) = default;
};

/// Everything that decides how a day's times are computed and shown, besides the place and the zone.
struct TMethodChoice {
    TMethodId method = TMethodId::almadex;
    TAsrSchool asr = TAsrSchool::standard;
    THighLatitudeChoice high_latitude = THighLatitudeChoice::recommended;
    astro::TPolarRule polar = astro::TPolarRule::none;
    int dhuhr_minutes = 0;        ///< after the transit, besides the method's own offset
    std::array<int, 6> adjust{};  ///< the user's minutes by prayer (Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha)
    bool round_to_minute = false; ///< else to the second, as shown
    /// The angles and intervals of the custom method.
    double custom_fajr_angle = 18;
    double custom_isha_angle = 17;
    double custom_isha_minutes = 0;
    double custom_maghrib_angle = 0;
    TIslamicChoice islamic; ///< the calendar that says when it is Ramadan
    TExtraTimes extra;
    friend bool operator==(const TMethodChoice&, const TMethodChoice&) = default;
};

/// The name of what placed a time in JSON and in the windows' notes: "" for the Sun's own crossing, else
/// "seasonal", "high-latitude", "nearest-day" or "nearest-latitude".
std::string_view time_rule_key(astro::TTimeRule rule);

/// The title shown for the choice: the method's, "Custom" with its parameters.
std::string method_title(const TMethodChoice& choice);

/// The rule applied at a latitude: the choice's, or the recommended one.
astro::THighLatitudeRule high_latitude_rule(const TMethodChoice& choice, double latitude);

/// The library's parameters of an angle method on the day of `day` at `latitude` (not for the day-arc
/// method): the method's or the custom angles, the Isha interval of Ramadan by the choice's calendar, the Asr
/// school, the high-latitude and polar rules.
astro::TAngleMethod angle_method(const TMethodChoice& choice, double latitude, astro::TDateTime day);

/// The minutes added to each prayer: the method's offsets, Dhuhr's minutes and the user's adjustments.
std::array<int, 6> offset_minutes(const TMethodChoice& choice);

/// Whether Maghrib is the Sun's setting itself: no Maghrib angle and no minutes added to it. Where it is not,
/// the sunset and Maghrib are two rows.
bool maghrib_is_sunset(const TMethodChoice& choice);

/// Checks the choice's numbers: angles 0..30 degrees, intervals 0..300 minutes, adjustments and Dhuhr's
/// minutes -120..120, Imsak's minutes 0..60; std::invalid_argument with the message to show otherwise.
void check_method_choice(const TMethodChoice& choice);

} // namespace almanac
