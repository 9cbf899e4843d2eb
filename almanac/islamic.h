// The Islamic calendar the user follows: the program's own months by the Moon, the Saudi Umm al-Qura calendar
// or the standard tabular (civil) calendar, both of ICU, each shifted by the local announcement (-2..+2
// days).
#pragma once

#include "almanac/tr_mark.h"
#include "astro/islamic.h"
#include "astro/types.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace almanac {

enum class TIslamicCalendar : std::uint8_t {
    /// Months begin with the Moon and are numbered by the mean year (astro::date_to_islamic); an Islamic date
    /// gives the day that has it (astro::islamic_to_day): both directions exact inverses, months of 29 or 30
    /// days.
    moon,
    /// ICU's "islamic-umalqura": the published Umm al-Qura table for 1300..1600 AH, the civil calendar
    /// outside; both directions exact inverses.
    umm_al_qura,
    /// ICU's "islamic-civil": 30-year cycle with long years 2, 5, 7, 10, 13, 16, 18, 21, 24, 26 and 29 (Dhu
    /// al-Hijjah of 30 days), 1 Muharram 1 = Friday 16 July 622 (Julian); both directions exact inverses.
    civil,
};

struct TIslamicCalendarName {
    TIslamicCalendar id;
    std::string_view name;  ///< on the command line and in the settings
    std::string_view title; ///< in the converter's Options menu and captions
};

inline constexpr std::array<TIslamicCalendarName, 3> islamic_calendar_names{{
    {TIslamicCalendar::moon, "moon", ALMADEX_NAME("Islamic calendar", "By the Moon")},
    {TIslamicCalendar::umm_al_qura, "umm-al-qura", ALMADEX_NAME("Islamic calendar", "Umm al-Qura")},
    {TIslamicCalendar::civil, "civil", ALMADEX_NAME("Islamic calendar", "Civil (tabular)")},
}};

const TIslamicCalendarName& islamic_calendar_name(TIslamicCalendar id);
/// The calendar of a command-line or settings name, or null.
const TIslamicCalendarName* find_islamic_calendar(std::string_view name);

/// The years of ICU's Umm al-Qura table; it computes the civil calendar for the others.
inline constexpr int umm_al_qura_first_year = 1300;
inline constexpr int umm_al_qura_last_year = 1600;

/// The adjustment's bound: -2..+2 days.
inline constexpr int hijri_adjust_limit = 2;

/// The calendar the user follows. The adjustment moves the dates against the days: with +1 the date of a day
/// is the calendar's date of the day after (the month began a day earlier here), with -1 that of the day
/// before (it began a day later here).
struct TIslamicChoice {
    TIslamicCalendar calendar = TIslamicCalendar::moon;
    int adjust_days = 0; ///< -2..+2
    friend bool operator==(const TIslamicChoice&, const TIslamicChoice&) = default;
};

/// The choice's adjustment lies within -2..+2; std::invalid_argument otherwise (each front end checks its
/// input first, with its own message).
void check_hijri_adjust(int adjust_days);

/// The Islamic date the program shows for the day of t, in the chosen calendar: the one place where a day
/// gets its Islamic date. With the moon, astro::date_to_islamic with the civil epoch (days 1 to 29 or 30).
/// Raises std::invalid_argument for an adjustment outside -2..+2, astro::E_OutOfAlgorithmRange "Out of range
/// of the algorithm" in every calendar for an instant that astro::check_instant refuses (not a finite number,
/// or beyond 10,000,000 days), and the errors of astro::date_to_islamic.
astro::TIslamicDate islamic_date_of_day(astro::TDateTime t, const TIslamicChoice& choice);

/// The day (00:00) of an Islamic date in the chosen calendar: the day whose islamic_date_of_day is that date.
/// Raises astro::EConvertError "Invalid month" (outside 1..12), "Invalid day" (not a day of that month: the
/// 30th of a month of 29 days, such as 30 Safar of the civil calendar or a 30th the Moon's month lacks) or
/// "Invalid year" (the moon before year 1), std::invalid_argument for an adjustment outside -2..+2.
astro::TDateTime islamic_date_day(int year, int month, int day, const TIslamicChoice& choice);

/// The day of t falls in Ramadan in the chosen calendar (for the prayer methods that change in Ramadan); the
/// errors of islamic_date_of_day.
bool in_ramadan(astro::TDateTime t, const TIslamicChoice& choice);

/// ICU computes the year by the civil calendar: Umm al-Qura outside its table.
bool islamic_year_beyond_table(const TIslamicChoice& choice, int year);

/// "+1 day", "-2 days"; "" for 0.
std::string hijri_adjust_text(int adjust_days);

/// What tells a date of the choice from the program's default one, for captions: "" for the moon without
/// adjustment, else for example "Umm al-Qura, +1 day" or "civil, -2 days"; "Umm al-Qura off its table"
/// for a year that ICU computes by the civil calendar.
std::string islamic_choice_caption(const TIslamicChoice& choice, int year);

/// For a year beyond the Umm al-Qura table, the sentence that says so (ICU's range and what it computes
/// instead); "" otherwise.
std::string islamic_table_note(const TIslamicChoice& choice, int year);

} // namespace almanac
