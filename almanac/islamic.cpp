#include "almanac/islamic.h"

#include "almanac/datetime_parts.h"
#include "astro/calendar.h"
#include "astro/errors.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace almanac {
namespace {

// One ICU calendar of each kind per thread (an ICU calendar is not safe to share), in universal time: the
// days of the library are days of its single time scale.
icu::Calendar& icu_calendar(TIslamicCalendar calendar) {
    thread_local std::unique_ptr<icu::Calendar> umm_al_qura, civil;
    std::unique_ptr<icu::Calendar>& slot = calendar == TIslamicCalendar::civil ? civil : umm_al_qura;
    if (!slot) {
        UErrorCode status = U_ZERO_ERROR;
        const char* locale =
            calendar == TIslamicCalendar::civil ? "@calendar=islamic-civil" : "@calendar=islamic-umalqura";
        slot.reset(
            icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale(locale), status));
        if (U_FAILURE(status) || !slot)
            throw std::runtime_error(std::string("ICU cannot open its Islamic calendar: ") +
                                     u_errorName(status));
    }
    return *slot;
}

void check(UErrorCode status) {
    if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU: ") + u_errorName(status));
}

std::uint16_t u16(int v) {
    return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF));
}

astro::TIslamicDate icu_date(TIslamicCalendar calendar, astro::TDateTime day) {
    icu::Calendar& cal = icu_calendar(calendar);
    UErrorCode status = U_ZERO_ERROR;
    cal.setTime(unix_milliseconds(day + 0.5), status); // noon: well inside the day
    const int year = cal.get(UCAL_YEAR, status);
    const int month = cal.get(UCAL_MONTH, status) + 1;
    const int d = cal.get(UCAL_DATE, status);
    check(status);
    return {u16(d), u16(month), u16(year)};
}

astro::TDateTime icu_day(TIslamicCalendar calendar, int year, int month, int day) {
    icu::Calendar& cal = icu_calendar(calendar);
    UErrorCode status = U_ZERO_ERROR;
    cal.clear();
    cal.set(year, month - 1, 1);
    const int length = cal.getActualMaximum(UCAL_DATE, status);
    const UDate first = cal.getTime(status);
    check(status);
    if (day < 1 || day > length) throw astro::EConvertError("Invalid day");
    return std::floor(from_unix_milliseconds(first)) + (day - 1);
}

} // namespace

const TIslamicCalendarName& islamic_calendar_name(TIslamicCalendar id) {
    return islamic_calendar_names[static_cast<std::size_t>(id)];
}

const TIslamicCalendarName* find_islamic_calendar(std::string_view name) {
    for (const TIslamicCalendarName& c : islamic_calendar_names)
        if (c.name == name) return &c;
    return nullptr;
}

// The table is indexed by its ids.
static_assert([] {
    for (std::size_t i = 0; i < islamic_calendar_names.size(); ++i)
        if (static_cast<std::size_t>(islamic_calendar_names[i].id) != i) return false;
    return true;
}());

void check_hijri_adjust(int adjust_days) {
    if (adjust_days < -hijri_adjust_limit || adjust_days > hijri_adjust_limit)
        throw std::invalid_argument("The Hijri adjustment " + std::to_string(adjust_days) +
                                    " is out of range (-2..+2 days)");
}

astro::TIslamicDate islamic_date_of_day(astro::TDateTime t, const TIslamicChoice& choice) {
    check_hijri_adjust(choice.adjust_days);
    astro::check_instant(t); // ICU would raise its own error for a value that is not a finite number
    const astro::TDateTime day = std::floor(t) + choice.adjust_days;
    if (choice.calendar == TIslamicCalendar::moon) return astro::date_to_islamic(true, day);
    return icu_date(choice.calendar, day);
}

astro::TDateTime islamic_date_day(int year, int month, int day, const TIslamicChoice& choice) {
    check_hijri_adjust(choice.adjust_days);
    if (month < 1 || month > 12) throw astro::EConvertError("Invalid month");
    astro::TDateTime first;
    if (choice.calendar == TIslamicCalendar::moon) {
        if (day < 1 || day > 30) throw astro::EConvertError("Invalid day");
        if (year < 1 || year > 0xFFFF) throw astro::EConvertError("Invalid year");
        first = astro::islamic_to_day({u16(day), u16(month), u16(year)}, true);
    } else {
        first = icu_day(choice.calendar, year, month, day);
    }
    return first - choice.adjust_days;
}

bool in_ramadan(astro::TDateTime t, const TIslamicChoice& choice) {
    return islamic_date_of_day(t, choice).month == 9;
}

bool islamic_year_beyond_table(const TIslamicChoice& choice, int year) {
    return choice.calendar == TIslamicCalendar::umm_al_qura &&
           (year < umm_al_qura_first_year || year > umm_al_qura_last_year);
}

std::string hijri_adjust_text(int adjust_days) {
    if (adjust_days == 0) return "";
    return (adjust_days > 0 ? "+" : "") + std::to_string(adjust_days) +
           (adjust_days == 1 || adjust_days == -1 ? " day" : " days");
}

std::string islamic_choice_caption(const TIslamicChoice& choice, int year) {
    std::string caption;
    const auto add = [&](const std::string& part) { caption += (caption.empty() ? "" : ", ") + part; };
    switch (choice.calendar) {
    case TIslamicCalendar::umm_al_qura:
        add(islamic_year_beyond_table(choice, year) ? "Umm al-Qura off its table" : "Umm al-Qura");
        break;
    case TIslamicCalendar::civil:
        add("civil");
        break;
    case TIslamicCalendar::moon:
        break;
    }
    if (choice.adjust_days != 0) add(hijri_adjust_text(choice.adjust_days));
    return caption;
}

std::string islamic_table_note(const TIslamicChoice& choice, int year) {
    if (!islamic_year_beyond_table(choice, year)) return "";
    return "ICU tabulates Umm al-Qura for " + std::to_string(umm_al_qura_first_year) + " to " +
           std::to_string(umm_al_qura_last_year) + " AH; " + std::to_string(year) +
           " AH is computed by its own arithmetic, the civil calendar";
}

} // namespace almanac
