// The daily Muslim prayer times of a place, for one day or for a schedule of days: computed by one loop, each
// day carrying its own error, rendered by every front end from the same result.
#pragma once

#include "almanac/datetime_parts.h"
#include "almanac/prayer_methods.h"
#include "almanac/tr_mark.h"
#include "astro/types.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace almanac {

/// The times of a day: the six of every list (in the order of the astronomical library's), then those a user
/// may add (TExtraTimes) and Maghrib where it is not the sunset. A day lists them in the order of
/// listed_prayers.
enum class TPrayer : std::uint8_t {
    fedjr,
    shourouk,
    dhohr,
    asr,
    ghouroub, ///< the sunset, Maghrib too where Maghrib is at sunset
    ishaa,
    imsak,
    maghreb, ///< Maghrib where it is not the sunset
    midnight,
    last_third,
};

struct TPrayerName {
    TPrayer prayer;
    std::string_view key;           ///< the name in JSON, CSV and calendar UIDs
    std::string_view arabic;        ///< "Use arabian names"
    std::string_view english;       ///< "Use english names"
    std::string_view arabic_script; ///< the names in Arabic script
};
/// The six prayers, in the order of TPrayer.
inline constexpr std::array<TPrayerName, 6> prayer_names{{
    {TPrayer::fedjr, "fedjr", "El Fedjr", ALMADEX_NAME("Prayer", "Dawn"), "الفجر"},
    {TPrayer::shourouk, "shourouk", "Shourouk", ALMADEX_NAME("Prayer", "Sun rise"), "الشروق"},
    {TPrayer::dhohr, "dhohr", "El Dhohr", ALMADEX_NAME("Prayer", "Zenith"), "الظهر"},
    {TPrayer::asr, "asr", "El Asr", ALMADEX_NAME("Prayer", "Mid day"), "العصر"},
    {TPrayer::ghouroub, "ghouroub", "El Ghouroub", ALMADEX_NAME("Prayer", "Sun set"), "المغرب"},
    {TPrayer::ishaa, "ishaa", "El Ishaa", ALMADEX_NAME("Prayer", "Night"), "العشاء"},
}};

/// The names a list of times shows: the English ones, the Maghreb's transliteration, or Arabic script.
enum class TPrayerNames : std::uint8_t { english, transliterated, arabic_script };
/// The sets by their command-line names "english", "arabic" (the transliteration) and "arabic-script".
inline constexpr std::array<std::pair<std::string_view, TPrayerNames>, 3> prayer_name_sets{{
    {"english", TPrayerNames::english},
    {"arabic", TPrayerNames::transliterated},
    {"arabic-script", TPrayerNames::arabic_script},
}};
/// The times after them in TPrayer: those a user may add, and Maghrib where it is not the sunset.
inline constexpr std::array<TPrayerName, 4> extra_time_names{{
    {TPrayer::imsak, "imsak", "El Imsak", ALMADEX_NAME("Prayer", "Imsak"), "الإمساك"},
    {TPrayer::maghreb, "maghreb", "El Maghreb", ALMADEX_NAME("Prayer", "Maghrib"), "المغرب"},
    {TPrayer::midnight, "midnight", "Nisf el leil", ALMADEX_NAME("Prayer", "Midnight"), "منتصف الليل"},
    {TPrayer::last_third, "last_third", "Eth thoulth el akhir",
     ALMADEX_NAME("Prayer", "Last third of the night"), "الثلث الأخير من الليل"},
}};
/// Friday's noon prayer, when the choice names it (TExtraTimes::jumuah).
inline constexpr TPrayerName jumuah_name{TPrayer::dhohr, "dhohr", "El Djoumouaa",
                                         ALMADEX_NAME("Prayer", "Jumu'ah"), "الجمعة"};
/// In Arabic script the sunset is named apart from Maghrib where Maghrib has a row of its own.
inline constexpr std::string_view sunset_arabic_script = "الغروب";

std::string_view prayer_key(TPrayer prayer);
std::string_view prayer_name(TPrayer prayer, TPrayerNames names);

/// A place on the Earth.
struct TPlace {
    double latitude = 0; ///< degrees, north positive
    double longitude_west =
        0; ///< degrees, WEST of Greenwich positive (east negative), as astro/riseset.h takes it
};

/// How the times of a schedule are computed and shown.
struct TPrayerOptions {
    bool sunrise = true;                 ///< include Shourouk
    std::int32_t utc_offset_seconds = 0; ///< the fixed offset of local time: local = UT + offset
    std::string zone;                    ///< an IANA zone, whose offsets replace the fixed one; "" for none
    TMethodChoice method;                ///< the day-arc fractions by default
};

/// The offset of local time from UT in force on the local day `day` (seconds, added to UT): the zone's at
/// the day's local noon, else the fixed offset. Raises std::invalid_argument for a zone the tz database does
/// not know.
std::int32_t utc_offset_on(const TPrayerOptions& options, astro::TDateTime day);

/// The zone's name, else the fixed offset as "UT+HH:MM".
std::string zone_title(const TPrayerOptions& options);

/// The rows of a day with these options, in their order: Imsak, Fajr, sunrise, Dhuhr, Asr, the sunset,
/// Maghrib (where it is not the sunset, or the sunset is asked for), Isha, midnight, the last third.
std::vector<TPrayer> listed_prayers(const TPrayerOptions& options);
/// A time of the night that begins at the day's sunset (midnight, the last third).
constexpr bool night_time(TPrayer prayer) {
    return prayer == TPrayer::midnight || prayer == TPrayer::last_third;
}

struct TPrayerTime {
    TPrayer prayer = TPrayer::fedjr;
    astro::TDateTime ut = 0;                       ///< the instant, universal time, unrounded
    astro::TTimeRule rule = astro::TTimeRule::sun; ///< what placed it: the Sun, or a rule (time_rule_key)
    std::int32_t utc_offset_seconds = 0;           ///< the offset of local time at the instant
    bool repeated = false; ///< its local time occurs twice that day (the clocks went back)
    bool jumuah = false;   ///< Friday's noon prayer, named Jumu'ah
    bool sunset = false;   ///< the sunset listed beside a Maghrib of its own
};

/// The name of a listed time: Jumu'ah's on Fridays where chosen, else its prayer's.
std::string_view time_name(const TPrayerTime& time, TPrayerNames names);

/// One local date of a schedule.
struct TPrayerDay {
    astro::TDateTime date = 0;           ///< 00:00 of the local date
    std::int32_t utc_offset_seconds = 0; ///< of this date: the one in force at its local noon
    /// The zone's clocks skipped this date whole (Pacific/Apia, 30 December 2011): no times, no error.
    bool skipped = false;
    /// In the order of the day: every time when `error` is empty, else those before the first that failed.
    /// Each is the date's own: the one of the solar day whose transit falls on the date (at high latitudes
    /// a night time may fall past the date's midnight).
    std::vector<TPrayerTime> times;
    /// The message of the first time that could not be computed; "" when none. With the day-arc method the
    /// first failure ends the day; with the other methods every time that can be computed is listed, and the
    /// messages of those that cannot (one each, "; " between them) are here.
    std::string error;
    /// The local date and time of one of this day's times, at the offset of its own instant, to the second
    /// (see datetime_parts).
    TDateTimeParts local(const TPrayerTime& time) const {
        return datetime_parts(time.ut, time.utc_offset_seconds);
    }
    /// A time whose clock reading needs its offset beside it: its instant's offset is not the date's, or its
    /// local time occurs twice.
    bool shows_offset(const TPrayerTime& time) const {
        return time.repeated || time.utc_offset_seconds != utc_offset_seconds;
    }
    /// A time of the night past 00:00: on the next local date.
    bool next_day(const TPrayerTime& time) const {
        if (!night_time(time.prayer)) return false;
        const TDateTimeParts p = local(time);
        return datetime_from_parts(p.year, p.month, p.day) == date + 1;
    }
};

/// The times of `days` local dates from the date of `first_day` on (none for days <= 0), by the options'
/// method, with its offsets and the user's adjustments, rounded as chosen, with the extra times chosen:
/// Imsak the chosen minutes before Fajr; midnight and the last third of the night from the date's sunset (the
/// Sun's own) to the next date's dawn (Fajr) or sunrise (the Sun's own), instants in UT whatever the clocks
/// do between them; the sunset in its own row where Maghrib is not it. Each time is computed on the UT
/// day whose event belongs to the local date, and carries the offset of its own instant. A date the zone
/// skipped is a day marked `skipped`. A time that cannot be computed carries its message in the day's error;
/// the following days are computed all the same. Raises std::invalid_argument for an unknown zone or a
/// choice outside its bounds (check_method_choice).
std::vector<TPrayerDay> prayer_schedule(const TPlace& place, astro::TDateTime first_day, int days,
                                        const TPrayerOptions& options);

/// The first day of a schedule that carries an error, or null.
const TPrayerDay* first_failed_day(const std::vector<TPrayerDay>& schedule);

} // namespace almanac
